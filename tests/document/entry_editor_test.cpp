// Editing one entry as the script menu editors commit it, and what they
// refuse.
#include "document/entry_editor.h"
#include "document/menu_entry_rules.h"
#include "document_test_support.h"
#include "model/lang_table_layout.h"

#include <gtest/gtest.h>

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
        ASSERT_TRUE(result.ok) << c.font << " " << std::string(result.message.begin(), result.message.end());
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
        ASSERT_TRUE(result.ok) << c.action << ": "
                               << std::string(result.message.begin(), result.message.end());
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
             t.setFont(7);
         }},
        {"character the font lacks", 80, 3, std::vector<std::u16string>{u"1\u00BD"}, std::nullopt, none},
        {"unknown font", 80, 3, std::vector<std::u16string>{u"A"}, std::nullopt,
         [](model::CS1_LangTable& t) {
             t.SetByte(model::layout::kFontOffset, 9);
             t.setFont(9);
         }},
    };
    for (const auto& c : cases) {
        auto t = makeTable(1, 9);
        c.prepare(*t);
        const auto before = test::imageOf(*t);
        const auto infosBefore = t->menuEntryInfo().size();
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
        EXPECT_EQ(t->menuEntryInfo().size(), infosBefore) << c.name;
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
    elsewhere.label = u"kept";
    t->menuEntryInfo().set(model::menuEntryKey(80, 3), elsewhere);
    auto expected = test::imageOf(*t);

    ASSERT_TRUE(applyEntryEdit(*t, request(80, 3, std::vector<std::u16string>{u"Here"})).ok);
    const std::size_t o = model::layout::menuEntryOffset(80, 3);
    // Lines not given are stored blank, padded to the width.
    const std::u16string lines = u"Here                          ";
    for (std::size_t i = 0; i < lines.size(); ++i)
        expected[o + i] = static_cast<std::uint8_t>(lines[i]);
    EXPECT_EQ(test::imageOf(*t), expected) << "only entry 3 of menu 80 changes";
    const auto* info = t->menuEntryInfo().find(model::menuEntryKey(80, 3));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->menu, 80);
    EXPECT_EQ(info->entry, 3);
    EXPECT_EQ(info->number, 7);
    EXPECT_EQ(info->label, u"kept");
    EXPECT_EQ(t->menuEntryInfo().find(model::menuEntryKey(0, 0)), nullptr);
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
        t->setFont(c.recordFont);
        const auto before = test::imageOf(*t);
        const auto result = applyEntryEdit(*t, request(80, 3, std::vector<std::u16string>{u"AB"}, "ccl:9"));
        const std::string message(result.message.begin(), result.message.end());
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

} // namespace
} // namespace tarvo::document
