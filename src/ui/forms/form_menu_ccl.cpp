#include "ui/forms/form_menu_ccl.h"

#include "document/doc.h"
#include "document/entry_editor.h"
#include "document/link_index.h"
#include "document/menu_entry_rules.h"
#include "model/char_set_service.h"
#include "model/lang_table.h"
#include "platform/text.h"
#include "ui/core_message_texts.h"
#include "ui/forms/char_entry_dialog.h"
#include "ui/forms/form_frame.h"
#include "ui/forms/form_links_chooser.h"
#include "ui/forms/form_registry.h"
#include "ui/forms/form_texts.h"
#include "ui/tree/node_key.h"
#include "ui/user_dialogs.h"
#include "ui/widgets/callback_button.h"
#include "ui/widgets/keyboard_font_edit.h"
#include "ui/widgets/picture_button.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QToolTip>

namespace tarvo::ui {

namespace {

using document::EntryButton;

// The order of a row's controls for the Tab key: text, action buttons,
// number, LINK, navigate, then the frames (which take no focus).
constexpr std::array<int, CS1_Form_MenuCCL::kColumnCount> kTabColumns = {
    CS1_Form_MenuCCL::kColSpacer,   CS1_Form_MenuCCL::kColLine1,    CS1_Form_MenuCCL::kColLine2,
    CS1_Form_MenuCCL::kColLine3,    CS1_Form_MenuCCL::kColMacro,    CS1_Form_MenuCCL::kColCamera,
    CS1_Form_MenuCCL::kColMonitor,  CS1_Form_MenuCCL::kColOff,      CS1_Form_MenuCCL::kColNumber,
    CS1_Form_MenuCCL::kColLink,     CS1_Form_MenuCCL::kColNavigate, CS1_Form_MenuCCL::kColActionFrame,
    CS1_Form_MenuCCL::kColLinkFrame};

struct ButtonPicture {
    int column;
    const char* picture;
};
constexpr std::array<ButtonPicture, 5> kButtonPictures = {{{CS1_Form_MenuCCL::kColMacro, "MACRO"},
                                                           {CS1_Form_MenuCCL::kColCamera, "MACRO-CAM"},
                                                           {CS1_Form_MenuCCL::kColMonitor, "MACRO-MON"},
                                                           {CS1_Form_MenuCCL::kColOff, "MACRO-OFF"},
                                                           {CS1_Form_MenuCCL::kColLink, "LINK"}}};

constexpr int kNarrowFont = 5;
constexpr int kNavigateCaptionMargin = 12; // pixels kept free beside the caption

bool isLineColumn(int column)
{
    return column >= CS1_Form_MenuCCL::kColLine1 && column <= CS1_Form_MenuCCL::kColLine3;
}

std::optional<EntryButton> buttonOf(int column)
{
    switch (column) {
    case CS1_Form_MenuCCL::kColMacro:
        return EntryButton::Macro;
    case CS1_Form_MenuCCL::kColCamera:
        return EntryButton::Camera;
    case CS1_Form_MenuCCL::kColMonitor:
        return EntryButton::Monitor;
    case CS1_Form_MenuCCL::kColOff:
        return EntryButton::Off;
    case CS1_Form_MenuCCL::kColLink:
        return EntryButton::Link;
    default:
        return std::nullopt;
    }
}

// Keys that would change a text, as a read-only table refuses them.
bool changesText(const QKeyEvent& key)
{
    if (key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut) ||
        key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo))
        return true;
    if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete)
        return true;
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

CS1_Form_MenuCCL::CS1_Form_MenuCCL(const FormContext& context, QWidget* parent, bool mainForm)
    : CS1_Form_BaseView(context, parent), m_mainForm(mainForm)
{
}

CS1_Form_MenuCCL::~CS1_Form_MenuCCL()
{
    // The last commit moment: the form goes (another node, the window closes).
    if (IsLoaded() && Table() != nullptr)
        Commit(false);
}

void CS1_Form_MenuCCL::InitFormContext()
{
    m_menu = context().selection != nullptr ? context().selection->menu : kMainScriptMenu;
}

int CS1_Form_MenuCCL::LineCount() const
{
    return document::lineCountOf(FontNumber());
}

bool CS1_Form_MenuCCL::RowHasColumn(int row, int column) const
{
    if (column == kColLine3 && LineCount() < 3)
        return false;
    if (column == kColSpacer || isLineColumn(column))
        return true;
    switch (document::rowControlsOf(m_menu, EntryOf(row))) {
    case document::RowControls::TextOnly:
        return false;
    case document::RowControls::TextAndLink:
        return column == kColLinkFrame || column == kColLink || column == kColNavigate;
    case document::RowControls::LinkAndMacro:
        return true;
    case document::RowControls::Macro:
        return column == kColActionFrame || (column >= kColMacro && column <= kColNumber);
    }
    return false;
}

int CS1_Form_MenuCCL::GetColumnType(int column) const
{
    if (column == kColSpacer)
        return kControlStatic;
    if (isLineColumn(column) || column == kColNumber)
        return kControlEdit;
    if (column == kColActionFrame || column == kColLinkFrame)
        return kControlFrame;
    if (column == kColNavigate)
        return kControlCallbackButton;
    return kControlPictureButton;
}

void CS1_Form_MenuCCL::CreateRow(int row)
{
    for (int column = 0; column < kColumnCount; ++column)
        if (RowHasColumn(row, column))
            CreateControl(GetColumnType(column), row, column);
}

QFont CS1_Form_MenuCCL::GetColumnFont(int column) const
{
    const UiFonts* fonts = context().fonts;
    if (fonts == nullptr)
        return font();
    if (column == kColNumber)
        return fonts->fixed;
    if (FontNumber() == kNarrowFont)
        return fonts->unicode;
    return isLineColumn(column) ? fonts->fixed : fonts->text;
}

void CS1_Form_MenuCCL::SetupControl(QWidget& control, int row, int column)
{
    control.setFont(GetColumnFont(column));
    const int entry = EntryOf(row);
    if (auto* edit = qobject_cast<CEditKFont1*>(&control)) {
        const bool number = column == kColNumber;
        edit->setCharacterSet(number ? model::digitsSetOf(FontNumber()) : FontNumber(), !number);
        edit->setMaxLength(number ? document::kCclNumberDigits
                                  : document::lineWidthOf(FontNumber(), column - kColLine1 + 1));
        edit->setAlignment(number || document::isLeftColumn(entry) ? Qt::AlignLeft : Qt::AlignRight);
        if (!number)
            edit->setTextMargins(5, 0, 5, 0);
        edit->setReadOnly(ReadOnly());
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { OnTextChanged(*edit); });
        return;
    }
    if (auto* button = qobject_cast<CBitmapButtonPushlike*>(&control)) {
        for (const ButtonPicture& picture : kButtonPictures)
            if (picture.column == column)
                button->loadBitmaps(QString::fromLatin1(picture.picture));
        button->setEnabled(!ReadOnly());
        // A sub menu's first entry always leads back: its LINK cannot be toggled.
        button->setLocked(column == kColLink && !m_mainForm);
        return;
    }
    if (auto* frame = qobject_cast<FormFrame*>(&control)) {
        const bool both = RowHasColumn(row, kColActionFrame) && RowHasColumn(row, kColLinkFrame);
        if (both)
            frame->setEdges(column == kColActionFrame ? FormFrame::Edges::OpenBottom
                                                      : FormFrame::Edges::OpenTop);
    }
}

int CS1_Form_MenuCCL::GetTabColumn(int position) const
{
    return position >= 0 && position < static_cast<int>(kTabColumns.size())
               ? kTabColumns[static_cast<std::size_t>(position)]
               : -1;
}

QRect CS1_Form_MenuCCL::AdjustRowRect(int row, const QRect& rect) const
{
    constexpr int kFrameTopReach = 16; // the first rows' frames start above them
    constexpr int kEntriesPerColumn = kRowCount / 2;
    QRect adjusted = rect;
    if (row == 0 || row == kEntriesPerColumn)
        adjusted.setTop(adjusted.top() - kFrameTopReach);
    const QRect beside = RowRect(row < kEntriesPerColumn ? row + kEntriesPerColumn : row - kEntriesPerColumn);
    if (!beside.isEmpty() && beside.top() < adjusted.top())
        adjusted.setTop(beside.top());
    return adjusted;
}

model::MenuEntry CS1_Form_MenuCCL::ReadEntry(int entry) const
{
    model::MenuEntryInfo info;
    return Table()->MenuEntryAt(m_menu, entry, info);
}

QString CS1_Form_MenuCCL::MenuName(int menu) const
{
    return platform::toQString(Table()->GetMenuName(menu));
}

CEditKFont1* CS1_Form_MenuCCL::LineEdit(int entry, int line) const
{
    return qobject_cast<CEditKFont1*>(ControlAt(entry - 1, kColLine1 + line - 1));
}

CEditKFont1* CS1_Form_MenuCCL::NumberEdit(int entry) const
{
    return qobject_cast<CEditKFont1*>(ControlAt(entry - 1, kColNumber));
}

CBitmapButtonPushlike* CS1_Form_MenuCCL::PictureButton(int entry, int column) const
{
    return qobject_cast<CBitmapButtonPushlike*>(ControlAt(entry - 1, column));
}

CCallbackButton* CS1_Form_MenuCCL::NavigateButton(int entry) const
{
    return qobject_cast<CCallbackButton*>(ControlAt(entry - 1, kColNavigate));
}

// --- Filling ---------------------------------------------------------------------------

void CS1_Form_MenuCCL::FillRow(int row, bool refresh)
{
    const model::MenuEntry entry = ReadEntry(EntryOf(row));
    const bool wasFilling = m_filling;
    m_filling = true;
    FillLines(row, entry, refresh);
    FillNumber(row, entry);
    FillButtons(row, entry);
    FillNavigate(row, entry);
    m_filling = wasFilling;
}

void CS1_Form_MenuCCL::FillLines(int row, const model::MenuEntry& entry, bool refresh)
{
    const int n = EntryOf(row);
    const auto controls = document::rowControlsOf(m_menu, n);
    const bool editable =
        !document::rowHasActionControls(controls) || document::linesEditable(controls, entry);
    RowState& state = m_rows[static_cast<std::size_t>(row)];
    const std::array<const std::u16string*, 3> stored = {&entry.line1, &entry.line2, &entry.line3};
    for (int line = 1; line <= LineCount(); ++line) {
        CEditKFont1* edit = LineEdit(n, line);
        if (edit == nullptr)
            continue;
        const QString shown =
            platform::toQString(document::shownLine(*stored[static_cast<std::size_t>(line - 1)], n));
        if (ReadOnly()) {
            // Shown as stored; nothing in a read-only table takes typing.
            edit->setText(shown);
            edit->setEnabled(editable);
        } else if (editable) {
            // What the user typed stays; edits that were off show the table's text.
            if (!refresh || !state.linesEnabled)
                edit->setText(shown);
            edit->setReadOnly(false);
            edit->setEnabled(true);
        } else {
            edit->clear();
            edit->setReadOnly(true);
            edit->setEnabled(false);
        }
    }
    state.linesEnabled = editable && !ReadOnly();
}

void CS1_Form_MenuCCL::FillNumber(int row, const model::MenuEntry& entry)
{
    CEditKFont1* edit = NumberEdit(EntryOf(row));
    if (edit == nullptr)
        return;
    if (document::isEditableMacro(entry)) {
        const QString shown = QString::number(document::shownMacroNumber(entry));
        // A stored number longer than the edit takes is shown whole (and refused if kept).
        edit->setMaxLength(std::max(document::macroNumberDigits(entry), static_cast<int>(shown.size())));
        edit->setText(shown);
        edit->setReadOnly(ReadOnly());
        edit->setEnabled(true);
    } else {
        edit->clear();
        edit->setReadOnly(true);
        edit->setEnabled(false);
    }
    FitNumberEdit(row);
    m_rows[static_cast<std::size_t>(row)].numberDirty = false;
}

void CS1_Form_MenuCCL::FillButtons(int row, const model::MenuEntry& entry)
{
    const int n = EntryOf(row);
    const bool macro = entry.actionKind == document::kActionMacro;
    const int code = document::actionCode(entry);
    if (auto* button = PictureButton(n, kColMacro))
        button->setPressedState(document::isEditableMacro(entry));
    const std::array<std::pair<int, int>, 3> types = {{{kColCamera, document::kMacroCamera},
                                                       {kColMonitor, document::kMacroMonitor},
                                                       {kColOff, document::kMacroOff}}};
    for (const auto& [column, type] : types) {
        if (auto* button = PictureButton(n, column)) {
            button->setPressedState(macro && code == type);
            button->setEnabled(macro && !ReadOnly());
        }
    }
    if (auto* button = PictureButton(n, kColLink))
        button->setPressedState(document::isFixedEntry(entry));
}

void CS1_Form_MenuCCL::FillNavigate(int row, const model::MenuEntry& entry)
{
    CCallbackButton* button = NavigateButton(EntryOf(row));
    if (button == nullptr)
        return;
    const document::NavigateTarget target = document::navigateTargetOf(entry);
    QString caption;
    QString tip;
    if (target.kind == document::NavigateKind::Menu) {
        caption = MenuName(target.menu);
    } else if (target.kind == document::NavigateKind::None && m_mainForm) {
        // Greyed, it still names the menu a LINK on this entry would open.
        caption = MenuName(document::kLinkTargetBase + EntryOf(row));
    } else if (target.kind == document::NavigateKind::LinkingMenu) {
        const std::vector<int> menus =
            LinkIndex() != nullptr ? LinkIndex()->menusLinkingTo(m_menu) : std::vector<int>();
        if (menus.size() == 1) {
            caption = MenuName(menus.front());
        } else if (menus.empty() && m_mainForm) {
            caption = MenuName(document::kLinkTargetBase + EntryOf(row));
        } else {
            caption = form_texts::kLinksCaption.arg(menus.size());
            tip = caption;
            for (const int menu : menus)
                tip += QLatin1Char('\n') + form_texts::linkingMenuLine(menu, MenuName(menu));
        }
    }
    button->setEnabled(document::isFixedEntry(entry));
    button->setFullCaption(caption);
    button->setToolTip(tip.isEmpty() ? caption : tip);
    const int width = m_navigateWidth > 0 ? m_navigateWidth : button->width();
    button->setText(FitCaption(caption, button->fontMetrics(), width - kNavigateCaptionMargin));
}

// --- Editing -------------------------------------------------------------------------

void CS1_Form_MenuCCL::OnTextChanged(QWidget& edit)
{
    if (m_filling || !IsLoaded())
        return;
    const std::optional<ControlPlace> place = PlaceOf(&edit);
    if (!place)
        return;
    RowState& state = m_rows[static_cast<std::size_t>(place->row)];
    if (place->column == kColNumber)
        state.numberDirty = true;
    else
        state.textDirty = true;
    MarkDocumentModified();
}

void CS1_Form_MenuCCL::RefuseReadOnly()
{
    UserDialogs::message(this, QCoreApplication::applicationName(),
                         ReadOnlyReason().isEmpty() ? form_texts::kReadOnlyTable
                                                    : ReadOnlyReason() + QLatin1Char('.'));
}

bool CS1_Form_MenuCCL::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip && qobject_cast<CCallbackButton*>(watched) != nullptr) {
        // One tooltip font per form: the Unicode font for font 5, so that its
        // menu names show; the application's otherwise.
        static const QFont applicationTipFont = QToolTip::font();
        const UiFonts* fonts = context().fonts;
        QToolTip::setFont(FontNumber() == kNarrowFont && fonts != nullptr ? fonts->unicode
                                                                          : applicationTipFont);
    }
    if (ReadOnly() && qobject_cast<CEditKFont1*>(watched) != nullptr) {
        if (event->type() == QEvent::KeyPress && changesText(*static_cast<QKeyEvent*>(event))) {
            RefuseReadOnly();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            RefuseReadOnly();
            return true;
        }
    }
    return CS1_Form_BaseView::eventFilter(watched, event);
}

void CS1_Form_MenuCCL::RequestCharacterEntry(CEditKFont1& edit)
{
    const std::optional<ControlPlace> place = PlaceOf(&edit);
    if (!place || !isLineColumn(place->column) || IsNavigating())
        return;
    if (ReadOnly()) {
        RefuseReadOnly();
        return;
    }
    if (!edit.isEnabled())
        return;
    const int n = EntryOf(place->row);
    QStringList texts;
    for (int line = 1; line <= LineCount(); ++line)
        texts << LineEdit(n, line)->text();
    const auto alignment =
        document::isLeftColumn(n) ? model::LineAlignment::Left : model::LineAlignment::Right;
    const FontPointRequest request = FontPointRequest::forFont(FontNumber(), texts, alignment);
    const UiFonts fallback{font(), font(), font()};
    FontPointEntryDialog dialog(request, context().fonts != nullptr ? *context().fonts : fallback, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QStringList lines = dialog.lines();
    for (int line = 1; line <= LineCount() && line <= lines.size(); ++line)
        LineEdit(n, line)->setTextAsUserEdit(lines.at(line - 1));
    edit.setFocus(Qt::OtherFocusReason);
}

void CS1_Form_MenuCCL::OnButtonClick(QWidget& control)
{
    const std::optional<ControlPlace> place = PlaceOf(&control);
    if (!place)
        return;
    if (place->column == kColNavigate) {
        Navigate(place->row);
        return;
    }
    const std::optional<EntryButton> button = buttonOf(place->column);
    if (!button)
        return;
    if (ReadOnly()) {
        RefuseReadOnly();
        return;
    }
    const int n = EntryOf(place->row);
    const document::ButtonClickResult result = document::clickEntryButton(*Table(), m_menu, n, *button);
    if (!result.ok) {
        UserDialogs::message(this, QCoreApplication::applicationName(),
                             translatedCoreMessage(result.message));
        return;
    }
    if (result.changed) {
        m_rows[static_cast<std::size_t>(place->row)].actionChanged = true;
        // Any action change can add or remove a link (a MACRO replaces a LINK).
        context().doc->rebuildLinkIndex(static_cast<std::size_t>(TableIndex()));
        MarkDocumentModified();
        FillRow(place->row, true);
    }
    CEditKFont1* number = NumberEdit(n);
    if (*button != EntryButton::Link && number != nullptr && number->isEnabled()) {
        number->setFocus(Qt::OtherFocusReason);
        number->selectAll();
    }
}

void CS1_Form_MenuCCL::Navigate(int row)
{
    const model::MenuEntry entry = ReadEntry(EntryOf(row));
    const document::NavigateTarget target = document::navigateTargetOf(entry);
    if (target.kind == document::NavigateKind::Menu) {
        NavigateToMenu(target.menu);
        return;
    }
    if (target.kind != document::NavigateKind::LinkingMenu)
        return;
    const std::vector<int> menus =
        LinkIndex() != nullptr ? LinkIndex()->menusLinkingTo(m_menu) : std::vector<int>();
    if (menus.size() == 1) {
        NavigateToMenu(menus.front());
        return;
    }
    std::vector<std::pair<int, QString>> choices;
    for (const int menu : menus)
        choices.emplace_back(menu, MenuName(menu));
    const QFont chooserFont = context().fonts != nullptr ? context().fonts->unicode : font();
    LinksChooser chooser(choices, chooserFont, NavigateButton(EntryOf(row)));
    if (chooser.exec() == QDialog::Accepted && chooser.chosenMenu())
        NavigateToMenu(*chooser.chosenMenu());
}

// --- Commit --------------------------------------------------------------------------

bool CS1_Form_MenuCCL::Commit(bool report)
{
    if (ReadOnly() || Table() == nullptr)
        return true;
    bool all = true;
    for (int row = 0; row < kRowCount; ++row) {
        RowState& state = m_rows[static_cast<std::size_t>(row)];
        const int n = EntryOf(row);
        document::FormRowCommit commit;
        commit.menu = m_menu;
        commit.entry = n;
        commit.actionChanged = state.actionChanged;
        if (state.textDirty) {
            std::vector<std::u16string> lines;
            for (int line = 1; line <= LineCount(); ++line)
                lines.push_back(LineEdit(n, line)->text().toStdU16String());
            commit.lines = std::move(lines);
        }
        if (state.numberDirty && NumberEdit(n) != nullptr)
            commit.numberText = NumberEdit(n)->text().toStdU16String();
        const document::EntryEditResult result = document::commitFormRow(*Table(), commit);
        if (result.ok) {
            state.textDirty = state.numberDirty = state.actionChanged = false;
            continue;
        }
        // An edit that cannot be stored may be dropped, so that a refusal
        // never keeps the user from leaving, saving or closing. Once the
        // user keeps one, the others wait too.
        if (report && all &&
            UserDialogs::ask(this, QCoreApplication::applicationName(),
                             form_texts::discardEdit(translatedCoreMessage(result.message)),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes) {
            state.textDirty = state.numberDirty = state.actionChanged = false;
            FillRow(row, false);
            continue;
        }
        all = false;
    }
    return all;
}

void CS1_Form_MenuCCL::ClearModified()
{
    for (int row = 0; row < kRowCount; ++row) {
        RowState& state = m_rows[static_cast<std::size_t>(row)];
        state.textDirty = state.numberDirty = state.actionChanged = false;
        for (int column = kColLine1; column <= kColNumber; ++column)
            if (auto* edit = qobject_cast<CEditKFont1*>(ControlAt(row, column)))
                edit->setModified(false);
    }
}

// --- The two forms ----------------------------------------------------------------------

CS1_Form_MenuMainCCL::CS1_Form_MenuMainCCL(const FormContext& context, QWidget* parent)
    : CS1_Form_MenuCCL(context, parent, true)
{
    setObjectName(QStringLiteral("CS1_Form_MenuMainCCL"));
    Load();
}

CS1_Form_MenuSubCCL::CS1_Form_MenuSubCCL(const FormContext& context, QWidget* parent)
    : CS1_Form_MenuCCL(context, parent, false)
{
    setObjectName(QStringLiteral("CS1_Form_MenuSubCCL"));
    Load();
}

void registerScriptMenuForms(FormRegistry& forms)
{
    forms.registerForm(kNodeMainMenu, [](const FormContext& context, QWidget* parent) -> FormPane* {
        return new CS1_Form_MenuMainCCL(context, parent);
    });
    forms.registerForm(kNodeSubMenu, [](const FormContext& context, QWidget* parent) -> FormPane* {
        return new CS1_Form_MenuSubCCL(context, parent);
    });
}

} // namespace tarvo::ui
