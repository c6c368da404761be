// Editing one entry as the script menu editors commit it, and what they
// refuse.
#include "document/entry_editor.h"
#include "document/menu_entry_rules.h"
#include "model/lang_table_layout.h"
#include "support/document_builders.h"
#include "templates/utf_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace tarvo::document {
namespace {

using test::entryOf;
using test::makeTable;
using test::putEntry;

EntryEditRequest request(int menu, int entry, std::optional<std::vector<std::u16string>> lines,
                         std::optional<std::string> action = std::nullopt)
{
    EntryEditRequest r;
    r.menu = menu;
    r.entry = entry;
    r.lines = std::move(lines);
    if (action) {
        ActionRequest a;
        std::u16string message;
        EXPECT_TRUE(parseActionRequest(*action, a, message)) << *action;
        r.action = a;
    }
    return r;
}

TEST(EntryEditor, LinesAreJustifiedByColumnAndWidthOfTheFont)
{
    struct Case {
        int font;
        int entry;
        std::vector<std::u16string> lines;
        std::u16string l1, l2, l3;
    };
    const Case cases[] = {
        {1, 3, {u"ABC", u"de"}, u"ABC       ", u"de        ", u"          "},
        {1, 10, {u"ABC"}, u"       ABC", u"          ", u"          "},
        {5, 3, {u"AB", u"C"}, u"AB  ", u"C   ", u""},
        {5, 12, {u"AB"}, u"  AB", u"    ", u""},
        {7, 3, {u"AB"}, u"AB        ", u"          ", u""},
    };
    for (const auto& c : cases) {
        auto t = makeTable(c.font, 9);
        const auto result = applyEntryEdit(*t, request(80, c.entry, c.lines, "ccl:0"));
        ASSERT_TRUE(result.ok) << c.font << " " << templates::utf16ToUtf8(result.message.text());
        model::MenuEntryInfo info;
        const auto e = entryOf(*t, 80, c.entry, &info);
        EXPECT_EQ(e.line1, c.l1) << c.font << "/" << c.entry;
        EXPECT_EQ(e.line2, c.l2) << c.font << "/" << c.entry;
        EXPECT_EQ(e.line3, c.l3) << c.font << "/" << c.entry;
        EXPECT_EQ(info.edited, 1);
    }
}

TEST(EntryEditor, ActionsAreStoredAsTheButtonsAndNumberEditLeaveThem)
{
    struct Case {
        const char* action;
        int menu;
        int entry; // entry 3 of 80 starts as a CCL macro, 5 as a link, 8 as camera 7
        int kind;
        int valueA;
        int valueB;
    };
    const Case cases[] = {
        {"ccl:12345", 80, 3, 2, (1 << 8) | '0', 2345},
        {"ccl:999999", 80, 3, 2, (99 << 8) | '0', 9999},
        {"camera:42", 80, 3, 2, (42 << 8) | '5', 0},
        {"monitor:7", 80, 8, 2, (7 << 8) | '6', 0},
        {"off:3", 80, 8, 2, (3 << 8) | '1', 0},
        {"ccl:5", 80, 8, 2, '0', 5},
        {"none", 80, 3, 0, 0, 0},
        {"none", 80, 5, 0, 0, 0},
        {"link", 80, 3, 1, 83, 0},
        {"link:88", 80, 8, 1, 88, 0},
        {"ccl:1", 80, 5, 2, '0', 1},
        {"camera:9", 81, 2, 2, (9 << 8) | '5', 0},
        {"none", 81, 2, 0, 0, 0},
        {"ccl:20000", 81, 7, 2, (2 << 8) | '0', 0},
    };
    for (const auto& c : cases) {
        auto t = makeTable(1, 9);
        const auto result = applyEntryEdit(*t, request(c.menu, c.entry, std::nullopt, c.action));
        ASSERT_TRUE(result.ok) << c.action << ": " << templates::utf16ToUtf8(result.message.text());
        model::MenuEntryInfo info;
        const auto e = entryOf(*t, c.menu, c.entry, &info);
        EXPECT_EQ(e.actionKind, c.kind) << c.action << " on " << c.menu << "/" << c.entry;
        EXPECT_EQ(e.valueA, c.valueA) << c.action << " on " << c.menu << "/" << c.entry;
        EXPECT_EQ(e.valueB, c.valueB) << c.action << " on " << c.menu << "/" << c.entry;
        EXPECT_EQ(info.edited, 1) << c.action;
    }
}

TEST(EntryEditor, RemovingTheActionClearsTheTextAsTheNextCommitDoes)
{
    auto t = makeTable(1, 9);
    ASSERT_TRUE(applyEntryEdit(*t, request(80, 3, std::nullopt, "none")).ok);
    const auto e = entryOf(*t, 80, 3);
    EXPECT_EQ(e.line1, u"          ");
    EXPECT_EQ(e.line2, u"          ");
    // Without an action its text cannot be typed; with one given at the same time it can.
    EXPECT_FALSE(applyEntryEdit(*t, request(80, 3, std::vector<std::u16string>{u"X"})).ok);
    EXPECT_TRUE(applyEntryEdit(*t, request(80, 3, std::vector<std::u16string>{u"X"}, "ccl:4")).ok);
    EXPECT_EQ(entryOf(*t, 80, 3).line1, u"X         ");
}

TEST(EntryEditor, WhatTheEditorDoesNotAllowIsRefusedAndChangesNothing)
{
    struct Case {
        const char* name;
        int menu;
        int entry;
        std::optional<std::vector<std::u16string>> lines;
        std::optional<std::string> action;
        void (*prepare)(model::CS1_LangTable&);
    };
    const auto none = [](model::CS1_LangTable&) {};
    const Case cases[] = {
        {"action on menu 80 entry 1", 80, 1, std::nullopt, "ccl:1", none},
        {"action on menu 80 entry 2", 80, 2, std::nullopt, "none", none},
        {"action on a sub menu's entry 1", 81, 1, std::nullopt, "ccl:1", none},
        {"link in a sub menu", 81, 3, std::nullopt, "link", none},
        {"link to another menu", 80, 4, std::nullopt, "link:90", none},
        {"kind-4 action", 80, 6, std::nullopt, "ccl:1",
         [](model::CS1_LangTable& t) { putEntry(t, 80, 6, u"Fix", u"", 4, 90); }},
        {"read-only table", 80, 3, std::vector<std::u16string>{u"A"}, std::nullopt,
         [](model::CS1_LangTable& t) { t.SetByte(model::layout::kReadOnlyOffset, 1); }},
        {"menu without a name", 90, 3, std::nullopt, "ccl:1", none},
        {"not a script menu", 79, 3, std::nullopt, "ccl:1", none},
        {"entry 15", 80, 15, std::nullopt, "ccl:1", none},
        {"line too long", 80, 3, std::vector<std::u16string>{u"ABCDEFGHIJK"}, std::nullopt, none},
        {"three lines in font 7", 80, 3, std::vector<std::u16string>{u"A", u"B", u"C"}, std::nullopt,
         [](model::CS1_LangTable& t) {
             t.SetByte(model::layout::kFontOffset, 7);
             t.SetFont(7);
         }},
        {"character the font lacks", 80, 3, std::vector<std::u16string>{u"1\u00BD"}, std::nullopt, none},
        {"unknown font", 80, 3, std::vector<std::u16string>{u"A"}, std::nullopt,
         [](model::CS1_LangTable& t) {
             t.SetByte(model::layout::kFontOffset, 9);
             t.SetFont(9);
         }},
    };
    for (const auto& c : cases) {
        auto t = makeTable(1, 9);
        c.prepare(*t);
        const auto before = test::imageOf(*t);
        const auto infosBefore = t->MenuEntryInfos().size();
        EntryEditRequest r;
        r.menu = c.menu;
        r.entry = c.entry;
        r.lines = c.lines;
        if (c.action) {
            ActionRequest a;
            std::u16string message;
            ASSERT_TRUE(parseActionRequest(*c.action, a, message)) << c.name;
            r.action = a;
        }
        const auto result = applyEntryEdit(*t, r);
        EXPECT_FALSE(result.ok) << c.name;
        EXPECT_FALSE(result.message.empty()) << c.name;
        EXPECT_EQ(test::imageOf(*t), before) << c.name;
        EXPECT_EQ(t->MenuEntryInfos().size(), infosBefore) << c.name;
    }
}

TEST(EntryEditor, WithoutAnActionTheActionBytesStayAsStored)
{
    struct Case {
        const char* name;
        int valueA;
        int valueB;
    };
    const Case cases[] = {
        {"CCL number the edit cannot show", (255 << 8) | '0', 65535},
        {"CCL low word above 9999", (5 << 8) | '0', 12345},
        {"camera macro with a low word", (7 << 8) | '5', 1234},
        {"off macro above 99", (200 << 8) | '1', 0},
    };
    for (const auto& c : cases) {
        auto t = makeTable(1, 9);
        putEntry(*t, 80, 3, u"Pan", u"", 2, c.valueA, c.valueB);
        t->SetByte(model::layout::menuEntryOffset(80, 3) + 30, 0x5A);
        ASSERT_TRUE(applyEntryEdit(*t, request(80, 3, std::vector<std::u16string>{u"Tilt"})).ok) << c.name;
        model::MenuEntryInfo info;
        const auto e = entryOf(*t, 80, 3, &info);
        EXPECT_EQ(e.line1, u"Tilt      ") << c.name;
        EXPECT_EQ(e.actionKind, 2) << c.name;
        EXPECT_EQ(e.valueA, c.valueA) << c.name;
        EXPECT_EQ(e.valueB, c.valueB) << c.name;
        EXPECT_EQ(e.byte30, 0x5A) << c.name;
        EXPECT_EQ(info.edited, 1) << c.name;
    }
}

TEST(EntryEditor, AnInfoRecordNamingAnotherEntryDoesNotMoveTheEdit)
{
    auto t = makeTable(1, 9);
    model::MenuEntryInfo elsewhere;
    elsewhere.menu = 0; // entry 0 of menu 0 lies in the user functions
    elsewhere.entry = 0;
    elsewhere.number = 7;
    elsewhere.label = std::u16string(u"kept");
    t->MenuEntryInfos().set(model::menuEntryKey(80, 3), elsewhere);
    auto expected = test::imageOf(*t);

    ASSERT_TRUE(applyEntryEdit(*t, request(80, 3, std::vector<std::u16string>{u"Here"})).ok);
    const std::size_t o = model::layout::menuEntryOffset(80, 3);
    // Lines not given are stored blank, padded to the width.
    const std::u16string lines = u"Here                          ";
    for (std::size_t i = 0; i < lines.size(); ++i)
        expected[o + i] = static_cast<std::uint8_t>(lines[i]);
    EXPECT_EQ(test::imageOf(*t), expected) << "only entry 3 of menu 80 changes";
    const auto* info = t->MenuEntryInfos().find(model::menuEntryKey(80, 3));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->menu, 80);
    EXPECT_EQ(info->entry, 3);
    EXPECT_EQ(info->number, 7);
    EXPECT_EQ(info->label, u"kept");
    EXPECT_EQ(t->MenuEntryInfos().find(model::menuEntryKey(0, 0)), nullptr);
}

TEST(EntryEditor, ARecordFontOtherThanTheKeyboardFontRefusesTheEdit)
{
    struct Case {
        int recordFont;
        int imageFont;
    };
    const Case cases[] = {{0, 1}, {2, 1}, {5, 1}, {1, 5}};
    for (const auto& c : cases) {
        auto t = makeTable(c.imageFont, 9);
        t->SetFont(c.recordFont);
        const auto before = test::imageOf(*t);
        const auto result = applyEntryEdit(*t, request(80, 3, std::vector<std::u16string>{u"AB"}, "ccl:9"));
        const std::string message = templates::utf16ToUtf8(result.message.text());
        EXPECT_FALSE(result.ok) << c.recordFont << "/" << c.imageFont;
        EXPECT_NE(message.find("font " + std::to_string(c.recordFont)), std::string::npos) << message;
        EXPECT_NE(message.find("font " + std::to_string(c.imageFont)), std::string::npos) << message;
        EXPECT_EQ(test::imageOf(*t), before) << message;
    }
    // Fonts that agree: what is written reads back.
    auto t = makeTable(1, 9);
    ASSERT_TRUE(applyEntryEdit(*t, request(80, 3, std::vector<std::u16string>{u"AB"}, "ccl:9")).ok);
    EXPECT_EQ(entryOf(*t, 80, 3).line1, u"AB        ");
}

TEST(EntryEditor, MacroNumbersAreDecimalWithinTheNumberEditsLimits)
{
    struct Case {
        const char* text;
        bool ok;
    };
    const Case cases[] = {
        {"ccl:0", true},     {"ccl:999999", true},  {"ccl:1000000", false}, {"ccl:0999999", false},
        {"camera:99", true}, {"camera:100", false}, {"off:07", true},       {"monitor:-1", false},
        {"ccl:0x10", false}, {"ccl:", false},       {"link", true},         {"link:85", true},
        {"none", true},      {"none:1", false},     {"macro:1", false},     {"off: 1", false},
    };
    for (const auto& c : cases) {
        ActionRequest a;
        std::u16string message;
        EXPECT_EQ(parseActionRequest(c.text, a, message), c.ok) << c.text;
        if (!c.ok) {
            EXPECT_FALSE(message.empty()) << c.text;
        }
    }
    ActionRequest a;
    std::u16string message;
    ASSERT_TRUE(parseActionRequest("off:07", a, message));
    EXPECT_EQ(a.number, 7);
}

TEST(EntryEditor, ButtonsFollowTheEditorsRules)
{
    model::MenuEntry e;
    clickMacro(e);
    EXPECT_EQ(e.actionKind, 2);
    EXPECT_EQ(actionCode(e), '0');
    clickCamera(e);
    EXPECT_EQ(actionCode(e), '5');
    clickMonitor(e);
    EXPECT_EQ(actionCode(e), '6');
    clickMonitor(e);
    EXPECT_EQ(actionCode(e), '0');
    storeMacroNumber(e, 12345);
    EXPECT_EQ(actionHighByte(e), 1);
    EXPECT_EQ(actionLowWord(e), 2345);
    EXPECT_EQ(shownMacroNumber(e), 12345);
    clickOff(e);
    EXPECT_EQ(actionCode(e), '1');
    EXPECT_EQ(shownMacroNumber(e), 0) << "a type change resets the number";
    clickMacro(e);
    EXPECT_EQ(e.actionKind, 0);
    clickCamera(e);
    EXPECT_EQ(e.actionKind, 0) << "camera does nothing without a macro";
    clickLink(e, 5);
    EXPECT_EQ(e.actionKind, 1);
    EXPECT_EQ(actionCode(e), 85);
    clickLink(e, 5);
    EXPECT_EQ(e.actionKind, 0);
    e.actionKind = 4;
    clickMacro(e);
    clickLink(e, 5);
    EXPECT_EQ(e.actionKind, 4) << "kind 4 stays";

    EXPECT_EQ(readNumberEditText(u"010"), 8) << "the editor reads octal";
    EXPECT_EQ(readNumberEditText(u"0x1F"), 31);
    EXPECT_EQ(readNumberEditText(u"42"), 42);
    EXPECT_EQ(readNumberEditText(u""), 0);
}

// --- The menu editor forms ---------------------------------------------------------

TEST(FormRowCommit, OnlyWhatTheUserChangedIsWrittenAndMarkedEdited)
{
    struct Case {
        const char* name;
        int menu;
        int entry;
        std::optional<std::vector<std::u16string>> lines;
        std::optional<std::u16string> number;
        bool ok;
        std::u16string line1; // expected after the commit
        int valueA;
        int valueB;
    };
    const Case cases[] = {
        {"typed line, left", 80, 3, std::vector<std::u16string>{u"Go", u"Left"}, std::nullopt, true,
         u"Go        ", '0', 0},
        {"typed line, right", 80, 8, std::vector<std::u16string>{u"abc", u"Up"}, std::nullopt, true,
         u"       abc", '5' | (7 << 8), 0},
        {"number decimal with leading zero", 80, 8, std::nullopt, u"010", true, u"Tilt", '5' | (10 << 8), 0},
        {"ccl number split", 81, 2, std::nullopt, u"012345", true, u"Zoom", '0' | (1 << 8), 2345},
        {"empty number is 0", 81, 2, std::nullopt, u"", true, u"Zoom", '0', 0},
        {"camera number out of range", 80, 8, std::nullopt, u"100", false, u"Tilt", '5' | (7 << 8), 0},
        {"number with a letter", 81, 2, std::nullopt, u"12a", false, u"Zoom", '0' | (1 << 8), 2345},
        {"line too long", 80, 3, std::vector<std::u16string>{u"ABCDEFGHIJK"}, std::nullopt, false, u"Pan",
         '0', 0},
    };
    for (const auto& c : cases) {
        auto t = makeTable(1, 9);
        const auto before = test::imageOf(*t);
        FormRowCommit row;
        row.menu = c.menu;
        row.entry = c.entry;
        row.lines = c.lines;
        row.numberText = c.number;
        EXPECT_EQ(commitFormRow(*t, row).ok, c.ok) << c.name;
        model::MenuEntryInfo info;
        const auto e = entryOf(*t, c.menu, c.entry, &info);
        EXPECT_EQ(e.line1, c.line1) << c.name;
        EXPECT_EQ(e.valueA, c.valueA) << c.name;
        EXPECT_EQ(e.valueB, c.valueB) << c.name;
        EXPECT_EQ(info.edited, c.ok ? 1 : 0) << c.name;
        if (!c.ok) {
            EXPECT_EQ(test::imageOf(*t), before) << c.name;
        }
    }
}

TEST(FormRowCommit, ARowLeftAloneChangesNoByteEvenWhereTheTextIsNotBlankPadded)
{
    // The table's texts end in zeros (as a keyboard may hold them): a full
    // write would pad them with blanks.
    auto t = makeTable(1, 9);
    const std::size_t o = model::layout::menuEntryOffset(80, 3);
    const auto before = test::imageOf(*t);
    for (int entry = 1; entry <= 14; ++entry) {
        FormRowCommit row;
        row.menu = 80;
        row.entry = entry;
        ASSERT_TRUE(commitFormRow(*t, row).ok);
    }
    EXPECT_EQ(test::imageOf(*t), before);
    // A changed number is written action-only: the texts stay as they are.
    FormRowCommit number;
    number.menu = 80;
    number.entry = 3;
    number.numberText = u"7";
    ASSERT_TRUE(commitFormRow(*t, number).ok);
    auto after = test::imageOf(*t);
    EXPECT_TRUE(std::equal(after.begin() + static_cast<long>(o), after.begin() + static_cast<long>(o + 31),
                           before.begin() + static_cast<long>(o)));
    EXPECT_EQ(entryOf(*t, 80, 3).valueB, 7);
}

TEST(FormRowCommit, AnActionTheUserRemovedLeavesTheTextBlankOthersKeepIt)
{
    auto t = makeTable(1, 9);
    // Entry 3 loses its macro through the MACRO button: its text goes at the commit.
    const auto click = clickEntryButton(*t, 80, 3, EntryButton::Macro);
    ASSERT_TRUE(click.ok);
    EXPECT_TRUE(click.changed);
    EXPECT_EQ(entryOf(*t, 80, 3).line1, u"Pan") << "the click writes the action only";
    FormRowCommit removed;
    removed.menu = 80;
    removed.entry = 3;
    removed.actionChanged = true;
    removed.lines = std::vector<std::u16string>{u"typed"}; // the edits are off: ignored
    ASSERT_TRUE(commitFormRow(*t, removed).ok);
    model::MenuEntryInfo info;
    const auto e = entryOf(*t, 80, 3, &info);
    EXPECT_EQ(e.line1, u"          ");
    EXPECT_EQ(e.actionKind, 0);
    EXPECT_EQ(info.edited, 1);

    // Entry 4 has no action and was not touched: its stored text stays.
    putEntry(*t, 80, 4, u"Keep", u"", 0, 0);
    const auto before = test::imageOf(*t);
    FormRowCommit untouched;
    untouched.menu = 80;
    untouched.entry = 4;
    untouched.lines = std::vector<std::u16string>{u""};
    ASSERT_TRUE(commitFormRow(*t, untouched).ok);
    EXPECT_EQ(test::imageOf(*t), before);
}

TEST(ClickEntryButton, ChangesTheActionOnlyAndMarksTheEntryEdited)
{
    struct Case {
        const char* name;
        int menu;
        int entry;
        EntryButton button;
        bool ok;
        bool changed;
        int kind;
        int valueA;
    };
    const Case cases[] = {
        {"macro on a link", 80, 5, EntryButton::Macro, true, true, 2, '0'},
        {"link on a macro", 80, 3, EntryButton::Link, true, true, 1, 83},
        {"camera on a ccl macro", 80, 3, EntryButton::Camera, true, true, 2, '5'},
        {"camera on a camera macro", 80, 8, EntryButton::Camera, true, true, 2, '0'},
        {"monitor without a macro", 80, 4, EntryButton::Monitor, true, false, 0, 0},
        {"link in a sub menu", 81, 2, EntryButton::Link, false, false, 2, '0' | (1 << 8)},
        {"no action controls", 80, 1, EntryButton::Macro, false, false, 0, 0},
    };
    for (const auto& c : cases) {
        auto t = makeTable(1, 9);
        const auto before = test::imageOf(*t);
        const auto result = clickEntryButton(*t, c.menu, c.entry, c.button);
        EXPECT_EQ(result.ok, c.ok) << c.name;
        EXPECT_EQ(result.changed, c.changed) << c.name;
        model::MenuEntryInfo info;
        const auto e = entryOf(*t, c.menu, c.entry, &info);
        EXPECT_EQ(e.actionKind, c.kind) << c.name;
        EXPECT_EQ(e.valueA, c.valueA) << c.name;
        EXPECT_EQ(info.edited, c.changed ? 1 : 0) << c.name;
        const auto after = test::imageOf(*t);
        const std::size_t o = model::layout::menuEntryOffset(c.menu, c.entry);
        for (std::size_t i = 0; i < after.size(); ++i)
            if (i < o + 31 || i >= o + 36) {
                ASSERT_EQ(after[i], before[i]) << c.name << " byte " << i;
            }
    }
    auto readOnly = makeTable(1, 9);
    readOnly->SetByte(model::layout::kReadOnlyOffset, 1);
    EXPECT_FALSE(clickEntryButton(*readOnly, 80, 3, EntryButton::Macro).ok);
    FormRowCommit row;
    row.menu = 80;
    row.entry = 3;
    row.lines = std::vector<std::u16string>{u"X"};
    EXPECT_FALSE(commitFormRow(*readOnly, row).ok);
}

TEST(MenuEntryRules, NavigateTargetsAndDecimalNumbers)
{
    struct Case {
        int kind;
        int valueA;
        int valueB;
        NavigateKind target;
        int menu;
    };
    const Case cases[] = {
        {1, 85, 0, NavigateKind::Menu, 85},       {4, 90, 0, NavigateKind::Menu, 90},
        {2, 18, 0, NavigateKind::Menu, 1},        {2, 66, 0x5A01, NavigateKind::Menu, 0x5A},
        {2, 6, 0x0153, NavigateKind::Menu, 0x53}, {2, 99, 0x0052, NavigateKind::Menu, 0x52},
        {2, 20, 0, NavigateKind::LinkingMenu, 0}, {2, 76, 0, NavigateKind::LinkingMenu, 0},
        {2, '0', 0x0052, NavigateKind::None, 0},  {0, 0, 0, NavigateKind::None, 0},
    };
    for (const auto& c : cases) {
        model::MenuEntry e;
        e.actionKind = c.kind;
        e.valueA = c.valueA;
        e.valueB = c.valueB;
        const NavigateTarget t = navigateTargetOf(e);
        EXPECT_EQ(t.kind, c.target) << c.kind << "/" << c.valueA;
        EXPECT_EQ(t.menu, c.menu) << c.kind << "/" << c.valueA;
    }
    EXPECT_EQ(readDecimalNumber(u"010"), 10);
    EXPECT_EQ(readDecimalNumber(u"09"), 9);
    EXPECT_EQ(readDecimalNumber(u"0000000000012"), 12) << "leading zeros do not count as digits";
    EXPECT_EQ(readDecimalNumber(u""), 0);
    EXPECT_EQ(readDecimalNumber(u"0x10"), -1);
    EXPECT_EQ(readDecimalNumber(u"1234567890"), -1);
    EXPECT_EQ(readDecimalNumber(u" 1"), -1);
}

} // namespace
} // namespace tarvo::document
