// The grid of the script menu forms: two columns of seven entries as on the
// keyboard's display; in each entry the text lines, then the action block
// (macro buttons and number above, LINK and navigate below) in its frames.
// Sizes follow the fonts, so nothing is clipped at any scale.

#include "ui/forms/form_frame.h"
#include "ui/forms/form_menu_ccl.h"
#include "ui/widgets/callback_button.h"
#include "ui/widgets/keyboard_font_edit.h"
#include "ui/widgets/picture_button.h"

#include "document/menu_entry_rules.h"
#include "model/keyboard_fonts.h"

#include <QGridLayout>
#include <QStyle>

namespace tarvo::ui {

namespace {

// The spacings are kept small so that both columns fit beside the tree in a
// window on a 1024 x 768 screen.
constexpr int kFormMargin = 8;
constexpr int kColumnGap = 16;
constexpr int kRowGap = 10;
constexpr int kCellSpacing = 4;
// The macro and link pictures are drawn in a square of the button's height:
// a little more than that square is wide enough.
constexpr int kButtonSideRoom = 2;
constexpr int kLineSpacing = 2;
constexpr int kFrameInset = FormFrame::kLineWidth + 3;
constexpr int kButtonSpacing = 3;
constexpr int kEditTextMargin = 5; // left and right, inside the edit
constexpr int kSpacerWidth = 4;
constexpr int kEntriesPerColumn = CS1_Form_MenuCCL::kRowCount / 2;
constexpr int kWidestDigits = document::kCclNumberDigits;

// The width an edit needs for chars of the widest characters its keyboard
// font holds (a Hangul syllable only where the font has Hangul: the screen
// font's fallbacks draw it in every table).
int editWidthFor(const QWidget& edit, int chars, bool withMargins)
{
    const QFontMetrics metrics(edit.font());
    const auto* keyboardEdit = qobject_cast<const CEditKFont1*>(&edit);
    const model::KeyboardFonts& fonts = model::KeyboardFonts::instance();
    int text = 0;
    for (const QChar sample : {QChar(u'W'), QChar(u'M'), QChar(u'\u0428'), QChar(u'\uAC00'), QChar(u'0')}) {
        if (keyboardEdit != nullptr && fonts.toDevice(keyboardEdit->characterSet(), sample.unicode()) == 0)
            continue;
        if (metrics.inFont(sample))
            text = std::max(text, metrics.horizontalAdvance(QString(chars, sample)));
    }
    if (text == 0)
        text = metrics.horizontalAdvance(QString(chars, QChar(u'W')));
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    const int margins = withMargins ? 2 * kEditTextMargin : 0;
    return text + margins + 2 * frame + 2 * kLineSpacing + metrics.averageCharWidth() / 2;
}

} // namespace

void CS1_Form_MenuCCL::MeasureControls()
{
    int buttonWidth = 0;
    int buttonHeight = 0;
    int numberWidth = 0;
    for (int row = 0; row < kRowCount; ++row) {
        for (int column = kColLine1; column <= kColLine3; ++column)
            if (QWidget* edit = ControlAt(row, column))
                edit->setFixedWidth(
                    editWidthFor(*edit, document::lineWidthOf(FontNumber(), column - kColLine1 + 1), true));
        if (QWidget* spacer = ControlAt(row, kColSpacer))
            spacer->setFixedWidth(kSpacerWidth);
        for (const int column : {kColMacro, kColCamera, kColMonitor, kColOff, kColLink}) {
            if (QWidget* button = ControlAt(row, column)) {
                const int height = button->sizeHint().height();
                const QSize size(std::min(button->sizeHint().width(), height + kButtonSideRoom), height);
                button->setFixedSize(size);
                buttonWidth = std::max(buttonWidth, size.width());
                buttonHeight = std::max(buttonHeight, size.height());
            }
        }
        if (QWidget* number = ControlAt(row, kColNumber)) {
            numberWidth = editWidthFor(*number, kWidestDigits, false);
            FitNumberEdit(row);
            buttonHeight = std::max(buttonHeight, number->sizeHint().height());
        }
    }
    if (numberWidth == 0) // no macro row: the link line keeps the macro line's width
        numberWidth = buttonWidth * 2;
    // The link line as wide as the macro line: LINK, then navigate.
    m_navigateWidth = 3 * buttonWidth + numberWidth + 3 * kButtonSpacing;
    for (int row = 0; row < kRowCount; ++row) {
        if (QWidget* number = ControlAt(row, kColNumber))
            number->setFixedHeight(buttonHeight);
        if (QWidget* navigate = ControlAt(row, kColNavigate)) {
            navigate->setFixedWidth(m_navigateWidth);
            navigate->setFixedHeight(std::max(buttonHeight, navigate->sizeHint().height()));
        }
    }
}

void CS1_Form_MenuCCL::FitNumberEdit(int row)
{
    QWidget* number = ControlAt(row, kColNumber);
    if (number == nullptr)
        return;
    // As wide as the entry's number can be: two digits for camera, monitor
    // and off, six for a CCL macro and for an edit that is off.
    const model::MenuEntry entry = ReadEntry(EntryOf(row));
    const int digits =
        document::isEditableMacro(entry)
            ? std::max(document::macroNumberDigits(entry),
                       static_cast<int>(QString::number(document::shownMacroNumber(entry)).size()))
            : kWidestDigits;
    number->setFixedWidth(editWidthFor(*number, digits, false));
}

void CS1_Form_MenuCCL::PositionControls()
{
    auto* grid = new QGridLayout(Canvas());
    grid->setContentsMargins(kFormMargin, kFormMargin, kFormMargin, kFormMargin);
    grid->setHorizontalSpacing(kColumnGap);
    grid->setVerticalSpacing(kRowGap);
    for (int row = 0; row < kRowCount; ++row) {
        auto* cell = new QHBoxLayout;
        cell->setSpacing(kCellSpacing);
        if (QWidget* spacer = ControlAt(row, kColSpacer))
            cell->addWidget(spacer);
        auto* lines = new QVBoxLayout;
        lines->setSpacing(kLineSpacing);
        for (int column = kColLine1; column <= kColLine3; ++column)
            if (QWidget* edit = ControlAt(row, column))
                lines->addWidget(edit);
        lines->addStretch();
        cell->addLayout(lines);

        auto* actions = new QVBoxLayout;
        actions->setSpacing(0);
        const std::array<std::pair<int, std::vector<int>>, 2> frames = {
            {{kColActionFrame, {kColMacro, kColCamera, kColMonitor, kColOff, kColNumber}},
             {kColLinkFrame, {kColLink, kColNavigate}}}};
        for (const auto& [frameColumn, members] : frames) {
            QWidget* frame = ControlAt(row, frameColumn);
            if (frame == nullptr)
                continue;
            auto* inside = new QHBoxLayout(frame);
            inside->setContentsMargins(kFrameInset, kFrameInset, kFrameInset, kFrameInset);
            inside->setSpacing(kButtonSpacing);
            for (const int column : members)
                if (QWidget* control = ControlAt(row, column))
                    inside->addWidget(control);
            inside->addStretch();
            actions->addWidget(frame);
        }
        actions->addStretch();
        cell->addLayout(actions);
        cell->addStretch();
        grid->addLayout(cell, row % kEntriesPerColumn, row / kEntriesPerColumn);
    }
    grid->setRowStretch(kEntriesPerColumn, 1);
    grid->setColumnStretch(2, 1);
}

} // namespace tarvo::ui
