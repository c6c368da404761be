#include "document/entry_editor.h"

#include "document/entry_edit_texts.h"
#include "document/menu_entry_rules.h"
#include "model/keyboard_fonts.h"
#include "model/lang_table_layout.h"
#include "templates/utf_text.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <optional>

namespace tarvo::document {

namespace {

namespace layout = model::layout;

struct ActionName {
    std::string_view name;
    ActionRequestKind kind;
};
constexpr std::array<ActionName, 6> kActionNames = {{{"none", ActionRequestKind::None},
                                                     {"link", ActionRequestKind::Link},
                                                     {"ccl", ActionRequestKind::Ccl},
                                                     {"camera", ActionRequestKind::Camera},
                                                     {"monitor", ActionRequestKind::Monitor},
                                                     {"off", ActionRequestKind::Off}}};

std::u16string u16(const std::string& text)
{
    return templates::utf8ToUtf16(text);
}
using messages::number;

EntryEditResult refused(messages::Message message)
{
    return {false, std::move(message)};
}

messages::Message refusalOf(std::u16string_view pattern, std::vector<messages::Argument> args)
{
    return messages::Message(pattern, std::move(args));
}

bool isMacroRequest(ActionRequestKind kind)
{
    return kind == ActionRequestKind::Ccl || kind == ActionRequestKind::Camera ||
           kind == ActionRequestKind::Monitor || kind == ActionRequestKind::Off;
}

int macroTypeOf(ActionRequestKind kind)
{
    switch (kind) {
    case ActionRequestKind::Camera:
        return kMacroCamera;
    case ActionRequestKind::Monitor:
        return kMacroMonitor;
    case ActionRequestKind::Off:
        return kMacroOff;
    default:
        return kMacroCcl;
    }
}

// The button that switches between type "0" and a type.
void clickTypeButton(model::MenuEntry& entry, int type)
{
    if (type == kMacroCamera)
        clickCamera(entry);
    else if (type == kMacroMonitor)
        clickMonitor(entry);
    else if (type == kMacroOff)
        clickOff(entry);
}

// Presses the buttons the user would press to give the entry the requested
// action, then stores the number as commit does.
void applyAction(model::MenuEntry& e, const ActionRequest& action, int entryNumber, RowControls controls)
{
    switch (action.kind) {
    case ActionRequestKind::None:
        if (e.actionKind == kActionLink && controls == RowControls::LinkAndMacro)
            clickLink(e, entryNumber);
        if (e.actionKind == kActionLink)
            clickMacro(e); // a sub menu has no LINK: MACRO makes it a macro first
        if (e.actionKind == kActionMacro)
            clickMacro(e);
        return;
    case ActionRequestKind::Link:
        if (e.actionKind == kActionLink && actionCode(e) != entryNumber + kLinkTargetBase)
            clickLink(e, entryNumber);
        if (e.actionKind != kActionLink)
            clickLink(e, entryNumber);
        return;
    default:
        break;
    }
    if (e.actionKind == kActionMacro && !isEditableMacro(e))
        clickMacro(e); // a template command: off first
    if (e.actionKind != kActionMacro)
        clickMacro(e);
    const int wanted = macroTypeOf(action.kind);
    const int type = actionCode(e);
    if (type != wanted)
        clickTypeButton(e, wanted == kMacroCcl ? type : wanted);
    storeMacroNumber(e, action.number);
}

std::u16string codePointText(char16_t c)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "U+%04X", static_cast<unsigned>(c));
    return u16(hex);
}

// A character is stored only when its code reads back as the same character.
bool storableInFont(const model::KeyboardFonts& fonts, int font, char16_t c)
{
    const std::uint32_t code = fonts.toDevice(font, c);
    return code != 0 && fonts.toUnicode(font, code) == c;
}

// Writes the entry and its info, then reads them back; when the table does
// not give back what was written, the entry's bytes and info are put back and
// the edit is refused, so no edit is reported written that stored another text.
EntryEditResult writeAndReadBack(model::CS1_LangTable& table, const model::MenuEntry& entry,
                                 const model::MenuEntryInfo& info, int lineCount)
{
    const std::size_t offset = layout::menuEntryOffset(info.menu, info.entry);
    std::array<std::uint8_t, layout::kEntryBytes> before{};
    table.ReadBytes(offset, before.size(), before.data());
    const std::int32_t key = model::menuEntryKey(info.menu, info.entry);
    const model::MenuEntryInfo* storedInfo = table.MenuEntryInfos().find(key);
    const std::optional<model::MenuEntryInfo> infoBefore =
        storedInfo ? std::optional<model::MenuEntryInfo>(*storedInfo) : std::nullopt;

    table.SetMenuEntry(entry, info, false);
    model::MenuEntryInfo readInfo;
    readInfo.menu = info.menu;
    readInfo.entry = info.entry;
    const model::MenuEntry back = table.GetMenuEntry(readInfo);
    const std::array<const std::u16string*, 3> written = {&entry.line1, &entry.line2, &entry.line3};
    const std::array<const std::u16string*, 3> read = {&back.line1, &back.line2, &back.line3};
    bool same = back.byte30 == entry.byte30 && back.actionKind == entry.actionKind &&
                back.valueA == entry.valueA && back.valueB == entry.valueB && readInfo.edited == info.edited;
    for (int i = 0; i < lineCount; ++i)
        same = same && *written[static_cast<std::size_t>(i)] == *read[static_cast<std::size_t>(i)];
    if (same)
        return {true, {}};

    for (std::size_t i = 0; i < before.size(); ++i)
        table.SetByte(offset + i, before[i]);
    if (infoBefore)
        table.MenuEntryInfos().set(key, *infoBefore);
    else
        table.MenuEntryInfos().erase(key);
    return refused(refusalOf(texts::kNotReadBack, {number(info.entry), number(info.menu)}));
}

} // namespace

std::optional<messages::Message> tableEditRefusal(const model::CS1_LangTable& table)
{
    if (table.GetByte(layout::kReadOnlyOffset) != 0)
        return refusalOf(texts::kTableReadOnly, {});
    const int font = table.GetByte(layout::kFontOffset);
    if (!model::KeyboardFonts::isKnownFont(font))
        return refusalOf(texts::kUnknownFont, {number(font)});
    // The keyboard shows the texts in the font of byte 330; the table encodes
    // and reads them in its record's font. Where the two differ, no edit can
    // store what the keyboard would show.
    if (table.GetFont() != font)
        return refusalOf(texts::kFontsDiffer, {number(table.GetFont()), number(font)});
    return std::nullopt;
}

namespace {

// Why no edit of entry n of menu m can be stored in table, if so.
std::optional<EntryEditResult> checkEditable(const model::CS1_LangTable& table, int menu, int entryNumber)
{
    if (menu < layout::kMainCclMenu || menu > layout::kLastScriptMenu)
        return refused(refusalOf(texts::kNotScriptMenu, {number(menu)}));
    if (entryNumber < layout::kFirstEntry || entryNumber > layout::kEntriesPerMenu)
        return refused(refusalOf(texts::kNoSuchEntry, {number(entryNumber)}));
    if (auto why = tableEditRefusal(table))
        return refused(std::move(*why));
    if (table.GetMenuName(menu).empty())
        return refused(refusalOf(texts::kUnnamedMenu, {number(menu)}));
    return std::nullopt;
}

// Checks typed lines against the font: their count, widths and characters.
std::optional<EntryEditResult> checkLines(const std::vector<std::u16string>& lines, int font)
{
    const int lineCount = lineCountOf(font);
    if (lines.size() > static_cast<std::size_t>(lineCount))
        return refused(refusalOf(texts::kTooManyLines, {number(font), number(lineCount)}));
    const auto& fonts = model::KeyboardFonts::instance();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int width = lineWidthOf(font, static_cast<int>(i) + 1);
        if (lines[i].size() > static_cast<std::size_t>(width))
            return refused(
                refusalOf(texts::kLineTooLong, {number(static_cast<long long>(i) + 1), number(width)}));
        for (const char16_t c : lines[i])
            if (!storableInFont(fonts, font, c))
                return refused(refusalOf(texts::kCharacterNotInFont, {number(static_cast<long long>(i) + 1),
                                                                      codePointText(c), number(font)}));
    }
    return std::nullopt;
}

// An action-only write that also records the entry as edited.
void writeActionEdited(model::CS1_LangTable& table, const model::MenuEntry& entry, model::MenuEntryInfo info)
{
    info.edited = 1;
    table.SetMenuEntry(entry, info, true);
    table.MenuEntryInfos().set(model::menuEntryKey(info.menu, info.entry), info);
}

} // namespace

bool parseActionRequest(std::string_view text, ActionRequest& out, std::u16string& message)
{
    const auto colon = text.find(':');
    const std::string_view name = text.substr(0, colon);
    const std::string_view argument =
        colon == std::string_view::npos ? std::string_view() : text.substr(colon + 1);
    const ActionName* found = nullptr;
    for (const auto& a : kActionNames)
        if (a.name == name)
            found = &a;
    if (found == nullptr) {
        message = u"unknown action '" + u16(std::string(text)) +
                  u"' (none, link, ccl:N, camera:N, monitor:N or off:N)";
        return false;
    }
    ActionRequest request;
    request.kind = found->kind;
    if (found->kind == ActionRequestKind::None) {
        if (colon != std::string_view::npos) {
            message = u"the action none takes no number";
            return false;
        }
        out = request;
        return true;
    }
    if (found->kind == ActionRequestKind::Link && colon == std::string_view::npos) {
        out = request;
        return true;
    }
    const bool ccl = found->kind == ActionRequestKind::Ccl;
    const std::size_t maxDigits = found->kind == ActionRequestKind::Link ? 3
                                  : ccl                                  ? kCclNumberDigits
                                                                         : kOtherMacroNumberDigits;
    const int maximum = found->kind == ActionRequestKind::Link ? 255
                        : ccl                                  ? kMaxCclNumber
                                                               : kMaxOtherMacroNumber;
    int value = 0;
    const bool digitsOnly =
        !argument.empty() && argument.find_first_not_of("0123456789") == std::string_view::npos;
    if (!digitsOnly || argument.size() > maxDigits ||
        std::from_chars(argument.data(), argument.data() + argument.size(), value).ec != std::errc() ||
        value > maximum) {
        message = u"the number of '" + u16(std::string(text)) + u"' must be a decimal number from 0 to " +
                  number(maximum);
        return false;
    }
    if (found->kind == ActionRequestKind::Link)
        request.linkTarget = value;
    else
        request.number = value;
    out = request;
    return true;
}

EntryEditResult applyEntryEdit(model::CS1_LangTable& table, const EntryEditRequest& request)
{
    const int menu = request.menu;
    const int entryNumber = request.entry;
    if (auto refusal = checkEditable(table, menu, entryNumber))
        return *refusal;
    const int font = table.GetByte(layout::kFontOffset);

    // The entry chosen is the one written, whatever the info record says.
    model::MenuEntryInfo info;
    model::MenuEntry entry = table.MenuEntryAt(menu, entryNumber, info);
    const RowControls controls = rowControlsOf(menu, entryNumber);

    if (request.action) {
        const ActionRequest& action = *request.action;
        if (!rowHasActionControls(controls))
            return refused(refusalOf(texts::kNoActionControls, {number(entryNumber), number(menu)}));
        if (entry.actionKind == kActionFixedLink)
            return refused(refusalOf(texts::kFixedAction, {number(entryNumber), number(menu)}));
        if (entry.actionKind != kActionNone && entry.actionKind != kActionLink &&
            entry.actionKind != kActionMacro)
            return refused(refusalOf(texts::kOtherActionKind,
                                     {number(entryNumber), number(menu), number(entry.actionKind)}));
        if (action.kind == ActionRequestKind::Link) {
            if (controls != RowControls::LinkAndMacro)
                return refused(refusalOf(texts::kOnlyMenu80Links, {}));
            if (action.linkTarget && *action.linkTarget != entryNumber + kLinkTargetBase)
                return refused(refusalOf(texts::kLinkTarget,
                                         {number(entryNumber), number(entryNumber + kLinkTargetBase)}));
        }
        if (isMacroRequest(action.kind)) {
            const int maximum = action.kind == ActionRequestKind::Ccl ? kMaxCclNumber : kMaxOtherMacroNumber;
            if (action.number < 0 || action.number > maximum)
                return refused(refusalOf(texts::kMacroRange, {number(maximum)}));
        }
        applyAction(entry, action, entryNumber, controls);
    }
    // Without an action the action bytes stay exactly as stored, even where
    // the number edit could not show them.

    const int lineCount = lineCountOf(font);
    const bool editable = linesEditable(controls, entry);
    std::array<std::u16string*, 3> stored = {&entry.line1, &entry.line2, &entry.line3};
    std::array<std::u16string, 3> shown;
    for (int i = 0; i < lineCount; ++i)
        shown[static_cast<std::size_t>(i)] =
            editable ? shownLine(*stored[static_cast<std::size_t>(i)], entryNumber) : std::u16string();
    if (request.lines) {
        const auto& lines = *request.lines;
        if (!editable)
            return refused(refusalOf(texts::kNoTextWithoutAction, {number(entryNumber), number(menu)}));
        if (auto refusal = checkLines(lines, font))
            return *refusal;
        for (std::size_t i = 0; i < static_cast<std::size_t>(lineCount); ++i)
            shown[i] = i < lines.size() ? lines[i] : std::u16string();
    }
    for (int i = 0; i < lineCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        *stored[k] = committedLine(shown[k], entryNumber, lineWidthOf(font, i + 1));
    }

    info.edited = 1;
    return writeAndReadBack(table, entry, info, lineCount);
}

ButtonClickResult clickEntryButton(model::CS1_LangTable& table, int menu, int entryNumber, EntryButton button)
{
    if (auto refusal = checkEditable(table, menu, entryNumber))
        return {false, false, refusal->message};
    const RowControls controls = rowControlsOf(menu, entryNumber);
    if (!rowHasActionControls(controls))
        return {false, false, refusalOf(texts::kNoActionControls, {number(entryNumber), number(menu)})};
    if (button == EntryButton::Link && controls != RowControls::LinkAndMacro)
        return {false, false, refusalOf(texts::kOnlyMenu80Links, {})};
    model::MenuEntryInfo info;
    model::MenuEntry entry = table.MenuEntryAt(menu, entryNumber, info);
    const model::MenuEntry before = entry;
    switch (button) {
    case EntryButton::Macro:
        clickMacro(entry);
        break;
    case EntryButton::Camera:
        clickCamera(entry);
        break;
    case EntryButton::Monitor:
        clickMonitor(entry);
        break;
    case EntryButton::Off:
        clickOff(entry);
        break;
    case EntryButton::Link:
        clickLink(entry, entryNumber);
        break;
    }
    const bool changed = entry.actionKind != before.actionKind || entry.valueA != before.valueA ||
                         entry.valueB != before.valueB;
    if (changed)
        writeActionEdited(table, entry, info);
    return {true, changed, {}};
}

EntryEditResult commitFormRow(model::CS1_LangTable& table, const FormRowCommit& row)
{
    if (!row.lines && !row.numberText && !row.actionChanged)
        return {true, {}};
    if (auto refusal = checkEditable(table, row.menu, row.entry))
        return *refusal;
    const int font = table.GetByte(layout::kFontOffset);
    model::MenuEntryInfo info;
    model::MenuEntry entry = table.MenuEntryAt(row.menu, row.entry, info);
    const model::MenuEntry stored = entry;

    bool numberWritten = false;
    if (row.numberText && isEditableMacro(entry)) {
        const long value = readDecimalNumber(*row.numberText);
        const int maximum = maxMacroNumber(entry);
        if (value < 0 || value > maximum)
            return refused(
                refusalOf(texts::kMacroNumberRange, {number(row.entry), number(row.menu), number(maximum)}));
        storeMacroNumber(entry, value);
        numberWritten = true;
    }

    const RowControls controls = rowControlsOf(row.menu, row.entry);
    const bool editable = linesEditable(controls, entry);
    const int lineCount = lineCountOf(font);
    std::optional<std::vector<std::u16string>> lines;
    if (editable && row.lines) {
        if (auto refusal = checkLines(*row.lines, font))
            return *refusal;
        lines = *row.lines;
    } else if (!editable && row.actionChanged) {
        lines = std::vector<std::u16string>(); // the user removed the action: no text
    }
    if (!lines) {
        if (numberWritten || row.actionChanged)
            writeActionEdited(table, entry, info);
        return {true, {}};
    }
    std::array<std::u16string*, 3> text = {&entry.line1, &entry.line2, &entry.line3};
    for (int i = 0; i < lineCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::u16string shown = k < lines->size() ? (*lines)[k] : std::u16string();
        *text[k] = committedLine(shown, row.entry, lineWidthOf(font, i + 1));
    }
    entry.byte30 = stored.byte30;
    info.edited = 1;
    return writeAndReadBack(table, entry, info, lineCount);
}

} // namespace tarvo::document
