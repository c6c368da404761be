#pragma once
// How the script menu editors see and change one entry: which controls its
// row has, which lines can be typed, how lines are justified, what the
// action buttons do to the action fields and how the macro number is stored.
// The editor forms and the command-line tool both use these rules.

#include "model/lang_table.h"

#include <string>
#include <string_view>

namespace tarvo::document {

inline constexpr int kActionNone = 0;
inline constexpr int kActionLink = 1;
inline constexpr int kActionMacro = 2;
inline constexpr int kActionFixedLink = 4; // handled like a link; the editors never change it

// Macro types: the action code of a kind-2 entry.
inline constexpr int kMacroCcl = '0';
inline constexpr int kMacroOff = '1';
inline constexpr int kMacroCamera = '5';
inline constexpr int kMacroMonitor = '6';

// A CCL macro number is stored as number / 10000 in the high byte and the
// remainder in the low word.
inline constexpr int kCclNumberSplit = 10000;
inline constexpr int kMaxCclNumber = 999999;
inline constexpr int kMaxOtherMacroNumber = 99;
inline constexpr int kCclNumberDigits = 6;
inline constexpr int kOtherMacroNumberDigits = 2;
// Menu 80 entry n links to menu n + kLinkTargetBase.
inline constexpr int kLinkTargetBase = 80;

// The action fields of an entry, split as the editors use them.
int actionCode(const model::MenuEntry& entry);     // low byte of value A
int actionHighByte(const model::MenuEntry& entry); // high byte of value A
int actionLowWord(const model::MenuEntry& entry);  // value B
void setActionFields(model::MenuEntry& entry, int kind, int code, int highByte, int lowWord);

// Kind 2 with type "0", "1", "5" or "6".
bool isEditableMacro(const model::MenuEntry& entry);
// Kind 1 or 4, or kind 2 with one of the command codes that lead to a menu.
bool isFixedEntry(const model::MenuEntry& entry);
// The number the number edit shows: the high byte for types "1", "5", "6",
// high byte * 10000 + low word for type "0".
int shownMacroNumber(const model::MenuEntry& entry);
// What commit stores from the number edit; only macros of the four types.
void storeMacroNumber(model::MenuEntry& entry, long number);
// The number edit's text as the editors read it: a C-library integer with
// automatic base (leading "0x" hexadecimal, leading "0" octal).
long readNumberEditText(std::u16string_view text);
// The number edit's text read in decimal, leading zeros ignored, an empty
// edit as 0. -1 when it holds anything but digits or more than 9 of them.
long readDecimalNumber(std::u16string_view text);
// The digits the number edit takes for a macro of the four types (6 for a
// CCL macro, else 2) and the largest number it stores; 0 for other entries.
int macroNumberDigits(const model::MenuEntry& entry);
int maxMacroNumber(const model::MenuEntry& entry);

// Where a click on an entry's navigate button leads: a menu, or a menu that
// links to the entry's own menu (the "back" commands), or nowhere.
enum class NavigateKind { None, Menu, LinkingMenu };
struct NavigateTarget {
    NavigateKind kind = NavigateKind::None;
    int menu = 0;
};
NavigateTarget navigateTargetOf(const model::MenuEntry& entry);

// Which controls a row shows.
enum class RowControls {
    TextOnly,     // menu 80 entries 1 and 2
    TextAndLink,  // a sub menu's entry 1: its LINK is locked
    LinkAndMacro, // menu 80 entries 3-14
    Macro,        // sub menu entries 2-14
};
RowControls rowControlsOf(int menu, int entry);
bool rowHasActionControls(RowControls controls);

// Lines shown for a font: 2 for fonts 5 and 7, otherwise 3.
int lineCountOf(int font);
// Characters a line accepts: lines 1 and 2 hold 4 in font 5, otherwise 10; line 3 holds 10.
int lineWidthOf(int font, int line);
// Entries 1-7 are the left column (left-aligned), 8-14 the right (right-aligned).
bool isLeftColumn(int entry);
// The line as its edit shows it: trailing blanks removed on the left, leading on the right.
std::u16string shownLine(const std::u16string& stored, int entry);
// The line as commit writes it: cut to width and padded with blanks.
std::u16string committedLine(const std::u16string& shown, int entry, int width);
// Whether the text lines of a row can be typed (the table not being read-only).
bool linesEditable(RowControls controls, const model::MenuEntry& entry);

// The action buttons. entryNumber is the row's entry (LINK targets n + 80).
void clickMacro(model::MenuEntry& entry);
void clickCamera(model::MenuEntry& entry);
void clickMonitor(model::MenuEntry& entry);
void clickOff(model::MenuEntry& entry);
void clickLink(model::MenuEntry& entry, int entryNumber);

} // namespace tarvo::document
