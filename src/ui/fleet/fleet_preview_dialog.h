#pragma once
// What a download to several keyboards would change, before anything is
// erased: one list with a section per keyboard, each the one-keyboard
// preview list. A keyboard's section can be left out; OK writes the ones
// ticked and Cancel writes none.

#include "transfer/download_preview.h"

#include <QDialog>
#include <QString>

#include <vector>

class QGroupBox;
class QPushButton;

namespace tarvo::ui {

class DownloadPreviewList;
struct UiFonts;

class FleetPreviewDialog final : public QDialog {
    Q_OBJECT
public:
    struct Section {
        QString keyboard; // which keyboard: COM number, device, identity
        const transfer::DownloadPreview* preview = nullptr;
    };

    FleetPreviewDialog(const std::vector<Section>& sections, const UiFonts* fonts, QWidget* parent = nullptr);

    // Section i is ticked: its keyboard is written on OK.
    bool included(std::size_t i) const;
    QGroupBox* section(std::size_t i) const { return m_sections.at(i); }
    DownloadPreviewList* list(std::size_t i) const { return m_lists.at(i); }
    QPushButton* okButton() const { return m_ok; }

private:
    void updateOk();

    std::vector<QGroupBox*> m_sections;
    std::vector<DownloadPreviewList*> m_lists;
    QPushButton* m_ok;
};

} // namespace tarvo::ui
