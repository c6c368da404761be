#include "ui/fleet/fleet_preview_dialog.h"

#include "ui/fleet/fleet_texts.h"
#include "ui/transfer/download_preview_list.h"
#include "ui/widgets/screen_fit.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvo::ui {

FleetPreviewDialog::FleetPreviewDialog(const std::vector<Section>& sections, const UiFonts* fonts,
                                       QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FleetPreviewDialog"));
    setWindowTitle(fleet_texts::kPreviewTitle);
    auto* caption = new QLabel(fleet_texts::kPreviewCaption, this);
    caption->setWordWrap(true);

    auto* content = new QWidget;
    auto* sectionsLayout = new QVBoxLayout(content);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        auto* box = new QGroupBox(sections[i].keyboard, content);
        box->setObjectName(QStringLiteral("fleetPreview%1").arg(i));
        box->setCheckable(true);
        box->setChecked(true);
        auto* list = new DownloadPreviewList(fonts, box);
        if (sections[i].preview != nullptr)
            list->showPreview(*sections[i].preview);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(list);
        sectionsLayout->addWidget(box);
        connect(box, &QGroupBox::toggled, this, &FleetPreviewDialog::updateOk);
        m_sections.push_back(box);
        m_lists.push_back(list);
    }
    auto* scroll = new WholeScrollArea(this);
    scroll->setObjectName(QStringLiteral("fleetPreviewSections"));
    scroll->setWidget(content);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(fleet_texts::kWrite, QDialogButtonBox::AcceptRole);
    buttons->addButton(fleet_texts::kCancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);

    // Every section without scrolling where the screen has room.
    resizeWithinScreen(*this, sizeHint());
}

bool FleetPreviewDialog::included(std::size_t i) const
{
    return m_sections.at(i)->isChecked();
}

void FleetPreviewDialog::updateOk()
{
    m_ok->setEnabled(std::any_of(m_sections.begin(), m_sections.end(),
                                 [](const QGroupBox* box) { return box->isChecked(); }));
}

} // namespace tarvo::ui
