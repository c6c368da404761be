#pragma once
// The commands of the transfer history and the hand-over sheet: View
// "Transfer &History..." (always), File "P&rint..." and "&Export as PDF..."
// (with an active document). The main window places the actions.

#include <QObject>
#include <QString>

#include "sheet/handover_sheet.h"

#include <optional>

class QAction;

namespace tarvo::ui {
class EditorWorkspace;
}

namespace tarvo::app {

class HistoryCommands final : public QObject {
    Q_OBJECT
public:
    explicit HistoryCommands(ui::EditorWorkspace& workspace);

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

    ui::EditorWorkspace& m_workspace;
    QAction* m_history = nullptr;
    QAction* m_print = nullptr;
    QAction* m_exportPdf = nullptr;
};

} // namespace tarvo::app
