#include "document/menu_entry_rules.h"

#include "model/keyboard_fonts.h"
#include "model/lang_table_layout.h"
#include "templates/char_classes.h"

#include <algorithm>
#include <array>
#include <climits>

namespace tarvo::document {

namespace {

namespace layout = model::layout;
using templates::digitValue;

constexpr int kByteMask = 0xFF;
constexpr int kWordMask = 0xFFFF;
constexpr int kBitsPerByte = 8;
constexpr char16_t kBlank = u' ';
constexpr int kTwoLineFontNarrow = 5;
constexpr int kTwoLineFontWide = 7;
constexpr int kWideLineCharacters = 10;
constexpr int kNarrowLineCharacters = 4;
constexpr int kFirstLeftRowsWithoutActions = 2; // menu 80 entries 1 and 2

// Kind-2 codes of template commands that lead to another menu.
constexpr std::array<int, 16> kFixedCommandCodes = {6,  11, 18, 19, 20, 41, 65, 66,
                                                    70, 72, 73, 74, 75, 76, 96, 99};
constexpr std::array<int, 4> kMacroTypes = {kMacroCcl, kMacroOff, kMacroCamera, kMacroMonitor};

bool isMacroType(int code)
{
    return std::find(kMacroTypes.begin(), kMacroTypes.end(), code) != kMacroTypes.end();
}

// Camera, monitor and off: switch to the type, or back to "0" from it.
void toggleMacroType(model::MenuEntry& entry, int type)
{
    if (entry.actionKind != kActionMacro || !isMacroType(actionCode(entry)))
        return;
    const int code = actionCode(entry) == type ? kMacroCcl : type;
    setActionFields(entry, kActionMacro, code, 0, 0);
}

} // namespace

int actionCode(const model::MenuEntry& entry)
{
    return entry.valueA & kByteMask;
}
int actionHighByte(const model::MenuEntry& entry)
{
    return (entry.valueA >> kBitsPerByte) & kByteMask;
}
int actionLowWord(const model::MenuEntry& entry)
{
    return entry.valueB & kWordMask;
}

void setActionFields(model::MenuEntry& entry, int kind, int code, int highByte, int lowWord)
{
    entry.actionKind = kind & kByteMask;
    entry.valueA = ((highByte & kByteMask) << kBitsPerByte) | (code & kByteMask);
    entry.valueB = lowWord & kWordMask;
}

bool isEditableMacro(const model::MenuEntry& entry)
{
    return entry.actionKind == kActionMacro && isMacroType(actionCode(entry));
}

bool isFixedEntry(const model::MenuEntry& entry)
{
    if (entry.actionKind == kActionLink || entry.actionKind == kActionFixedLink)
        return true;
    return entry.actionKind == kActionMacro && std::find(kFixedCommandCodes.begin(), kFixedCommandCodes.end(),
                                                         actionCode(entry)) != kFixedCommandCodes.end();
}

int shownMacroNumber(const model::MenuEntry& entry)
{
    if (actionCode(entry) == kMacroCcl)
        return actionHighByte(entry) * kCclNumberSplit + actionLowWord(entry);
    return actionHighByte(entry);
}

void storeMacroNumber(model::MenuEntry& entry, long number)
{
    if (!isEditableMacro(entry))
        return;
    const int code = actionCode(entry);
    if (code == kMacroCcl)
        setActionFields(entry, entry.actionKind, code, static_cast<int>(number / kCclNumberSplit),
                        static_cast<int>(number % kCclNumberSplit));
    else
        setActionFields(entry, entry.actionKind, code, static_cast<int>(number), actionLowWord(entry));
}

long readNumberEditText(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'0') {
        const bool hex = i + 2 < text.size() && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
                         digitValue(text[i + 2]) < 16;
        base = hex ? 16 : 8;
        if (hex)
            i += 2;
    }
    long value = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i]);
        if (d >= base)
            break;
        if (value > (LONG_MAX - d) / base)
            return negative ? LONG_MIN : LONG_MAX;
        value = value * base + d;
    }
    return negative ? -value : value;
}

long readDecimalNumber(std::u16string_view text)
{
    constexpr std::size_t kMaxDigits = 9; // stays within a 32-bit long
    std::size_t first = 0;
    while (first < text.size() && text[first] == u'0')
        ++first;
    if (text.size() - first > kMaxDigits)
        return -1;
    long value = 0;
    for (const char16_t c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

int macroNumberDigits(const model::MenuEntry& entry)
{
    if (!isEditableMacro(entry))
        return 0;
    return actionCode(entry) == kMacroCcl ? kCclNumberDigits : kOtherMacroNumberDigits;
}

int maxMacroNumber(const model::MenuEntry& entry)
{
    if (!isEditableMacro(entry))
        return 0;
    return actionCode(entry) == kMacroCcl ? kMaxCclNumber : kMaxOtherMacroNumber;
}

NavigateTarget navigateTargetOf(const model::MenuEntry& entry)
{
    constexpr int kToMenuOne = 18;
    constexpr int kToHighByteOfLowWord = 66;
    constexpr std::array<int, 2> kBackCodes = {20, 76};
    constexpr int kMenuOne = 1;
    if (!isFixedEntry(entry))
        return {};
    if (entry.actionKind != kActionMacro)
        return {NavigateKind::Menu, actionCode(entry)};
    const int code = actionCode(entry);
    if (code == kToMenuOne)
        return {NavigateKind::Menu, kMenuOne};
    if (code == kToHighByteOfLowWord)
        return {NavigateKind::Menu, (actionLowWord(entry) >> kBitsPerByte) & kByteMask};
    if (std::find(kBackCodes.begin(), kBackCodes.end(), code) != kBackCodes.end())
        return {NavigateKind::LinkingMenu, 0};
    return {NavigateKind::Menu, actionLowWord(entry) & kByteMask};
}

RowControls rowControlsOf(int menu, int entry)
{
    if (menu == layout::kMainCclMenu)
        return entry <= kFirstLeftRowsWithoutActions ? RowControls::TextOnly : RowControls::LinkAndMacro;
    return entry == layout::kFirstEntry ? RowControls::TextAndLink : RowControls::Macro;
}

bool rowHasActionControls(RowControls controls)
{
    return controls == RowControls::LinkAndMacro || controls == RowControls::Macro;
}

int lineCountOf(int font)
{
    return font == kTwoLineFontNarrow || font == kTwoLineFontWide ? 2 : 3;
}

int lineWidthOf(int font, int line)
{
    if (line < 3 && model::KeyboardFonts::isTwoByte(font))
        return kNarrowLineCharacters;
    return kWideLineCharacters;
}

bool isLeftColumn(int entry)
{
    return entry <= layout::kEntriesPerColumn;
}

std::u16string shownLine(const std::u16string& stored, int entry)
{
    std::u16string line = stored;
    if (isLeftColumn(entry)) {
        while (!line.empty() && line.back() == kBlank)
            line.pop_back();
    } else {
        const auto first = line.find_first_not_of(kBlank);
        line.erase(0, first == std::u16string::npos ? line.size() : first);
    }
    return line;
}

std::u16string committedLine(const std::u16string& shown, int entry, int width)
{
    std::u16string line = shown.substr(0, static_cast<std::size_t>(width));
    const std::u16string padding(static_cast<std::size_t>(width) - line.size(), kBlank);
    return isLeftColumn(entry) ? line + padding : padding + line;
}

bool linesEditable(RowControls controls, const model::MenuEntry& entry)
{
    if (!rowHasActionControls(controls))
        return true;
    return isEditableMacro(entry) || isFixedEntry(entry);
}

void clickMacro(model::MenuEntry& entry)
{
    if (entry.actionKind == kActionNone || entry.actionKind == kActionLink)
        setActionFields(entry, kActionMacro, kMacroCcl, 0, 0);
    else if (entry.actionKind == kActionMacro)
        setActionFields(entry, kActionNone, 0, 0, 0);
}

void clickCamera(model::MenuEntry& entry)
{
    toggleMacroType(entry, kMacroCamera);
}
void clickMonitor(model::MenuEntry& entry)
{
    toggleMacroType(entry, kMacroMonitor);
}
void clickOff(model::MenuEntry& entry)
{
    toggleMacroType(entry, kMacroOff);
}

void clickLink(model::MenuEntry& entry, int entryNumber)
{
    if (entry.actionKind == kActionNone || entry.actionKind == kActionMacro)
        setActionFields(entry, kActionLink, entryNumber + kLinkTargetBase, 0, 0);
    else if (entry.actionKind == kActionLink)
        setActionFields(entry, kActionNone, 0, 0, 0);
}

} // namespace tarvo::document
