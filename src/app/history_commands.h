#pragma once
// The commands of the transfer history and the hand-over sheet: View
// "Transfer &History..." (always), File "P&rint..." and "&Export as PDF..."
// (with an active document). The main window places the actions.

#include <QObject>
#include <QString>

#include "sheet/handover_sheet.h"

#include <functional>
#include <optional>

class QAction;
class QWidget;

namespace tarvo::app {

struct HistoryCommandHost {
    QWidget* window = nullptr; // owns the actions and the dialogs
    std::function<document::CS1_Doc*()> activeDocument;
    std::function<bool(const QString&)> openDocument; // a backup a history row names
    std::function<bool()> commitOpenForms;            // the open form's edits go on the sheet
};

class HistoryCommands final : public QObject {
    Q_OBJECT
public:
    HistoryCommands(HistoryCommandHost host, QObject* parent);

    QAction* historyAction() const { return m_history; }
    QAction* printAction() const { return m_print; }
    QAction* exportPdfAction() const { return m_exportPdf; }

    void showHistory();
    void printSheet();
    void exportPdf();
    void updateEnablers();

private:
    // The active document's sheet, after its open form's edits; nullopt when there is none.
    std::optional<sheet::SheetSource> sheetSource();

    HistoryCommandHost m_host;
    QAction* m_history = nullptr;
    QAction* m_print = nullptr;
    QAction* m_exportPdf = nullptr;
};

} // namespace tarvo::app
