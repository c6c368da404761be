// Comparing two documents: tables matched by language ID, moved, added and
// removed tables, header fields, and script-menu entries decoded in each
// table's font (two-byte font 5 included).
#include "compare/document_diff.h"
#include "model/lang_table_layout.h"
#include "support/document_builders.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarvo::compare {
namespace {

namespace test = document::test;
using document::CS1_Doc;
using document::DocumentNumberPool;
using document::TableList;
using test::makeTable;
using test::putEntry;

constexpr int kEnglish = 9;
constexpr int kKorean = 18;
constexpr int kFont1 = 1;
constexpr int kFont5 = 5;
const std::u16string kHangul = u"\uAC00\uAC01";

// English (font 1) then Korean (font 5), as a site's document holds them.
std::unique_ptr<CS1_Doc> siteDocument(DocumentNumberPool& pool, bool koreanFirst = false)
{
    TableList tables;
    auto english = makeTable(kFont1, kEnglish);
    auto korean = makeTable(kFont5, kKorean, 1, 94, kHangul);
    putEntry(*korean, 82, 4, kHangul, u"", 2, '0', 7);
    if (koreanFirst) {
        tables.push_back(std::move(korean));
        tables.push_back(std::move(english));
    } else {
        tables.push_back(std::move(english));
        tables.push_back(std::move(korean));
    }
    return test::makeDocument(pool, std::move(tables));
}

TEST(DocumentDiff, EqualDocumentsHaveNoDifference)
{
    DocumentNumberPool pool;
    const auto a = siteDocument(pool);
    const auto b = siteDocument(pool);
    const DocumentDiff diff = compareDocuments(*a, *b);
    EXPECT_TRUE(diff.equal());
    ASSERT_EQ(diff.tables.size(), 2u);
    for (const auto& t : diff.tables) {
        EXPECT_EQ(t.status, TableStatus::Same);
        EXPECT_FALSE(t.moved());
    }
    EXPECT_EQ(diff.tables[1].friendlyName, kHangul);
}

TEST(DocumentDiff, MovedTablesAreMatchedByLanguageAndNotChanged)
{
    DocumentNumberPool pool;
    const auto a = siteDocument(pool);
    const auto b = siteDocument(pool, true);
    const DocumentDiff diff = compareDocuments(*a, *b);
    EXPECT_FALSE(diff.equal());
    EXPECT_TRUE(diff.fields.empty());
    EXPECT_TRUE(diff.entries.empty());
    ASSERT_EQ(diff.tables.size(), 2u);
    EXPECT_EQ(diff.tables[0].languageId, kKorean);
    EXPECT_EQ(diff.tables[0].status, TableStatus::Same);
    EXPECT_EQ(diff.tables[0].indexA, 1u);
    EXPECT_EQ(diff.tables[0].indexB, 0u);
    EXPECT_TRUE(diff.tables[1].moved());
}

TEST(DocumentDiff, AddedAndRemovedTables)
{
    DocumentNumberPool pool;
    const auto a = siteDocument(pool);
    TableList tables;
    tables.push_back(makeTable(kFont1, kEnglish));
    tables.push_back(makeTable(kFont1, 7, 1, 94, u"Deutsch"));
    const auto b = test::makeDocument(pool, std::move(tables));
    const DocumentDiff diff = compareDocuments(*a, *b);
    EXPECT_FALSE(diff.equal());
    ASSERT_EQ(diff.tables.size(), 3u);
    EXPECT_EQ(diff.tables[0].status, TableStatus::Same);
    EXPECT_EQ(diff.tables[1].status, TableStatus::Added);
    EXPECT_EQ(diff.tables[1].friendlyName, u"Deutsch");
    EXPECT_FALSE(diff.tables[1].indexA);
    EXPECT_EQ(diff.tables[2].status, TableStatus::Removed);
    EXPECT_EQ(diff.tables[2].languageId, kKorean);
    EXPECT_EQ(diff.tables[2].indexA, 1u);
    EXPECT_FALSE(diff.tables[2].indexB);
}

TEST(DocumentDiff, TablesOfOneLanguageAreMatchedInTheirOrder)
{
    DocumentNumberPool pool;
    TableList ta;
    ta.push_back(makeTable(kFont1, kEnglish, 1, 94, u"First"));
    ta.push_back(makeTable(kFont1, kEnglish, 1, 94, u"Second"));
    const auto a = test::makeDocument(pool, std::move(ta));
    TableList tb;
    tb.push_back(makeTable(kFont1, kEnglish, 1, 94, u"First"));
    tb.push_back(makeTable(kFont1, kEnglish, 1, 94, u"Second"));
    const auto b = test::makeDocument(pool, std::move(tb));
    EXPECT_TRUE(compareDocuments(*a, *b).equal());
}

struct FieldCase {
    const char* name;
    std::function<void(model::CS1_LangTable&)> change;
    const char* field;
    std::u16string a;
    std::u16string b;
};

TEST(DocumentDiff, EachHeaderFieldThatDiffersIsNamedWithBothValues)
{
    namespace layout = model::layout;
    const FieldCase cases[] = {
        {"version code", [](auto& t) { t.SetByte(layout::kVersionCodeOffset, 3); }, "version_code", u"0",
         u"3"},
        {"read-only", [](auto& t) { t.SetByte(layout::kReadOnlyOffset, 5); }, "read_only", u"0", u"5"},
        {"firmware", [](auto& t) { t.SetByte(layout::kFirmwareMinorOffset, 95); }, "firmware_minor", u"94",
         u"95"},
        {"font slot", [](auto& t) { t.SetByte(layout::kFontSlotOffset, 2); }, "font_slot", u"0", u"2"},
        {"menu name", [](auto& t) { t.SetMenuName(90, u"Lights"); }, "menu_90_name", u"", u"Lights"},
        {"windows language", [](auto& t) { t.SetWindowsLanguageId(1042); }, "windows_language_id", u"1033",
         u"1042"},
        {"a product text", [](auto& t) { t.SetByte(layout::productOffset(0), 'Z'); }, "other_image_bytes",
         u"", u""},
    };
    for (const auto& c : cases) {
        DocumentNumberPool pool;
        const auto a = siteDocument(pool);
        const auto b = siteDocument(pool);
        c.change(b->table(0));
        const DocumentDiff diff = compareDocuments(*a, *b);
        EXPECT_FALSE(diff.equal()) << c.name;
        EXPECT_EQ(diff.tables[0].status, TableStatus::Changed) << c.name;
        EXPECT_EQ(diff.tables[1].status, TableStatus::Same) << c.name;
        ASSERT_EQ(diff.fields.size(), 1u) << c.name;
        EXPECT_EQ(diff.fields[0].field, c.field) << c.name;
        EXPECT_EQ(diff.fields[0].languageId, kEnglish) << c.name;
        if (!c.a.empty() || !c.b.empty()) {
            EXPECT_EQ(diff.fields[0].a, c.a) << c.name;
            EXPECT_EQ(diff.fields[0].b, c.b) << c.name;
        } else {
            EXPECT_NE(diff.fields[0].a, diff.fields[0].b) << c.name;
        }
        EXPECT_TRUE(diff.entries.empty()) << c.name;
    }
}

TEST(DocumentDiff, FontFiveFriendlyNameIsDecoded)
{
    DocumentNumberPool pool;
    const auto a = siteDocument(pool);
    TableList tables;
    tables.push_back(makeTable(kFont1, kEnglish));
    tables.push_back(makeTable(kFont5, kKorean, 1, 94, u"\uAC04"));
    putEntry(tables.back().operator*(), 82, 4, kHangul, u"", 2, '0', 7);
    const auto b = test::makeDocument(pool, std::move(tables));
    const DocumentDiff diff = compareDocuments(*a, *b);
    ASSERT_EQ(diff.fields.size(), 1u);
    EXPECT_EQ(diff.fields[0].field, "friendly_name");
    EXPECT_EQ(diff.fields[0].a, kHangul);
    EXPECT_EQ(diff.fields[0].b, u"\uAC04");
}

struct EntryCase {
    const char* name;
    int table;
    int menu;
    int entry;
    std::function<void(model::CS1_LangTable&)> change;
};

TEST(DocumentDiff, ScriptMenuEntriesThatDifferAreListedDecoded)
{
    const EntryCase cases[] = {
        {"font 5 lines", 1, 82, 4, [](auto& t) { putEntry(t, 82, 4, u"\uCE74", u"", 2, '0', 7); }},
        {"font 1 lines", 0, 80, 3, [](auto& t) { putEntry(t, 80, 3, u"Pan", u"Right", 2, '0'); }},
        {"action", 0, 81, 2, [](auto& t) { putEntry(t, 81, 2, u"Zoom", u"", 2, '0' | (1 << 8), 2346); }},
        {"edited flag only", 0, 80, 8,
         [](auto& t) { putEntry(t, 80, 8, u"Tilt", u"Up", 2, '5' | (7 << 8), 0, true); }},
        {"last entry of menu 95", 1, 95, 14, [](auto& t) { putEntry(t, 95, 14, kHangul, u"", 1, 80); }},
    };
    for (const auto& c : cases) {
        DocumentNumberPool pool;
        const auto a = siteDocument(pool);
        const auto b = siteDocument(pool);
        c.change(b->table(static_cast<std::size_t>(c.table)));
        const DocumentDiff diff = compareDocuments(*a, *b);
        EXPECT_FALSE(diff.equal()) << c.name;
        EXPECT_TRUE(diff.fields.empty()) << c.name;
        ASSERT_EQ(diff.entries.size(), 1u) << c.name;
        const EntryDifference& e = diff.entries[0];
        EXPECT_EQ(e.menu, c.menu) << c.name;
        EXPECT_EQ(e.entry, c.entry) << c.name;
        ASSERT_TRUE(e.a && e.b) << c.name;
        model::MenuEntryInfo infoA, infoB;
        const auto ea = test::entryOf(a->table(static_cast<std::size_t>(c.table)), c.menu, c.entry, &infoA);
        const auto eb = test::entryOf(b->table(static_cast<std::size_t>(c.table)), c.menu, c.entry, &infoB);
        EXPECT_EQ(e.a->lines[0], ea.line1) << c.name;
        EXPECT_EQ(e.b->lines[0], eb.line1) << c.name;
        EXPECT_EQ(e.b->lines[1], eb.line2) << c.name;
        EXPECT_EQ(e.b->valueB, eb.valueB) << c.name;
        EXPECT_EQ(e.b->kind, eb.actionKind) << c.name;
        EXPECT_EQ(e.b->edited, infoB.edited != 0) << c.name;
    }
}

TEST(DocumentDiff, FontFiveEntryKeepsBothHangulVersions)
{
    DocumentNumberPool pool;
    const auto a = siteDocument(pool);
    const auto b = siteDocument(pool);
    putEntry(b->table(1), 82, 4, u"\uCE74", u"\uBA54", 2, '0', 7);
    const DocumentDiff diff = compareDocuments(*a, *b);
    ASSERT_EQ(diff.entries.size(), 1u);
    EXPECT_EQ(diff.entries[0].languageId, kKorean);
    EXPECT_NE(diff.entries[0].a->lines[0].find(kHangul), std::u16string::npos);
    EXPECT_NE(diff.entries[0].b->lines[0].find(u"\uCE74"), std::u16string::npos);
    EXPECT_NE(diff.entries[0].b->lines[1].find(u"\uBA54"), std::u16string::npos);
}

} // namespace
} // namespace tarvo::compare
