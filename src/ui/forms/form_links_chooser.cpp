#include "ui/forms/form_links_chooser.h"

#include "ui/forms/form_base_view.h"
#include "ui/forms/form_texts.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo::ui {

namespace {
constexpr int kLinkButtonSpacing = 6;
constexpr int kButtonWidthChars = 24; // room for "95 - " and a menu name
constexpr int kCaptionMargin = 12;
} // namespace

LinksChooser::LinksChooser(const std::vector<std::pair<int, QString>>& menus, const QFont& font,
                           QWidget* anchor)
    : QDialog(anchor != nullptr ? anchor->window() : nullptr), m_anchor(anchor)
{
    setObjectName(QStringLiteral("LinksChooser"));
    setWindowTitle(form_texts::kLinksCaption.arg(menus.size()));
    setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(kLinkButtonSpacing);
    const QFontMetrics metrics(font);
    const int width = metrics.averageCharWidth() * kButtonWidthChars;
    for (const auto& [menu, name] : menus) {
        const QString caption = form_texts::linkingMenuLine(menu, name);
        auto* button =
            new QPushButton(CS1_Form_BaseView::FitCaption(caption, metrics, width - kCaptionMargin), this);
        button->setToolTip(caption);
        button->setMinimumWidth(width);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, number = menu] {
            m_chosen = number;
            accept();
        });
        layout->addWidget(button);
        m_buttons.push_back(button);
    }
    auto* box = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
}

void LinksChooser::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    adjustSize();
    if (m_anchor != nullptr) {
        const QPoint centre = m_anchor->mapToGlobal(m_anchor->rect().center());
        move(centre - QPoint(width() / 2, height() / 2));
    }
}

} // namespace tarvo::ui
