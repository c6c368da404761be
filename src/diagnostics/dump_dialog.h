#pragma once
// The dump dialogs of the Debug menu, "Dump S Records" and "Dump Iconic
// Language S Records": the active document's tables in up to eight keyboard
// positions, written by the same core dump `tarvo dump` uses.

#include "export/dump_request.h"

#include <QDialog>

#include <array>
#include <functional>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace tarvo::document {
class CS1_Doc;
}

namespace tarvo::diagnostics {

class DumpDialog final : public QDialog {
    Q_OBJECT
public:
    // commitForms: stores the open forms' edits; false keeps the dump from
    // running (the form has said why).
    DumpDialog(document::CS1_Doc& doc, bool iconic, std::function<bool()> commitForms,
               QWidget* parent = nullptr);

    void browse();
    void autoSet();
    void clearAll();
    // Writes the file; false when nothing was written (the user was told why).
    bool dump();

    QLineEdit* outputEdit() const { return m_output; }
    QComboBox* selector(int position) const { return m_selectors[static_cast<std::size_t>(position)]; }
    QRadioButton* blockMapButton() const { return m_blockMap; }
    QRadioButton* detailMapButton() const { return m_detailMap; }
    dump::Positions positions() const;
    // The Browse filter and default extension for the checked dump type.
    QString filter() const;
    QString defaultExtension() const;

private:
    document::CS1_Doc& m_doc;
    bool m_iconic;
    std::function<bool()> m_commitForms;
    QLineEdit* m_output = nullptr;
    std::array<QComboBox*, dump::kPositionCount> m_selectors{};
    QRadioButton* m_srecords = nullptr;
    QRadioButton* m_blockMap = nullptr;
    QRadioButton* m_detailMap = nullptr;
};

// "S19 Files (*.s19)|*.s19|...||" as a file dialog's filter ("S19 Files (*.s19);;...").
QString fileDialogFilter(std::u16string_view pipeFilter);

} // namespace tarvo::diagnostics
