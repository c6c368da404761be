#include "ui/fleet/fleet_preview_dialog.h"

#include "ui/fleet/fleet_texts.h"
#include "ui/transfer/download_preview_list.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvo::ui {

namespace {
constexpr double kPreviewScreenShare = 0.9;
} // namespace

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
    int width = 0;
    int height = 0;
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
        width = std::max(width, box->sizeHint().width());
        height += box->sizeHint().height();
        m_sections.push_back(box);
        m_lists.push_back(list);
    }
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("fleetPreviewSections"));
    scroll->setWidgetResizable(true);
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
    // Within most of the screen: the dialog is placed with room for its edges.
    const QSize room = screen()->availableGeometry().size() * kPreviewScreenShare;
    const int extra = 2 * scroll->frameWidth() + scroll->verticalScrollBar()->sizeHint().width();
    resize(std::min(width + extra + layout->contentsMargins().left() + layout->contentsMargins().right(),
                    room.width()),
           std::min(height + sizeHint().height(), room.height()));
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
