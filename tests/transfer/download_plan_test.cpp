// Deciding a download before anything is erased: which table goes where,
// what is read first, what is merged, what is written and what is left
// unchanged, and how a verification names a difference.

#include "document/source_slot.h"
#include "model/lang_table_layout.h"
#include "support/document_builders.h"
#include "transfer/download_plan.h"

#include "templates/utf_text.h"

#include <gtest/gtest.h>

namespace tarvo::transfer {
namespace {

using document::test::entryOf;
using document::test::imageOf;
using document::test::makeTable;
using document::test::putEntry;

// What a slot was found to hold.
enum class Held { Table, OldTable, Blank };

SlotListing listing(int slot, Held held, int languageId = 0)
{
    SlotListing l;
    l.row.slot = slot;
    l.row.present = held != Held::Blank;
    l.recoverable = held == Held::Blank;
    l.versionAccepted = held == Held::Table;
    l.languageId = languageId;
    return l;
}

std::vector<SlotListing> keyboard(std::initializer_list<std::pair<Held, int>> slots)
{
    std::vector<SlotListing> listings;
    int slot = 1;
    for (const auto& [held, language] : slots)
        listings.push_back(listing(slot++, held, language));
    return listings;
}

DownloadRequest requestFor(const std::string& list, bool asIs = false, bool backup = false)
{
    DownloadRequest request;
    std::u16string message;
    if (!list.empty())
        request.slots = parseSlotList(list, message).value();
    request.asIs = asIs;
    request.backup = backup;
    return request;
}

TEST(DownloadPlan, MatchesSlotsByLanguageAndMergesOnlyThoseNotNamedWithATable)
{
    const auto slots = keyboard({{Held::Table, 7}, {Held::Table, 9}, {Held::Blank, 0}, {Held::Table, 4}});
    const std::vector<DocumentTableInfo> tables = {{9, {}}, {7, {}}};

    const PlanResult all = planDownload(slots, 13, tables, requestFor(""));
    ASSERT_TRUE(all.ok) << tarvo::templates::oneLineUtf8(all.message);
    EXPECT_EQ(all.plan.table[0], 1);
    EXPECT_EQ(all.plan.table[1], 0);
    EXPECT_EQ(all.plan.table[2], kNoTable); // blank: no language to match
    EXPECT_EQ(all.plan.table[3], kNoTable); // language 4 is not in the document
    EXPECT_TRUE(all.plan.merge[0] && all.plan.merge[1]);
    EXPECT_EQ(all.plan.readFirst, all.plan.merge);

    // A document just made by an import is the keyboard's own: nothing to merge.
    DownloadRequest fromImport = requestFor("");
    fromImport.documentFromImport = true;
    const PlanResult imported = planDownload(slots, 13, tables, fromImport);
    ASSERT_TRUE(imported.ok);
    EXPECT_EQ(imported.plan.table, all.plan.table);
    EXPECT_FALSE(imported.plan.anyRead());

    // N=I writes as stored: nothing to merge, and a blank slot can be chosen.
    const PlanResult named = planDownload(slots, 13, tables, requestFor("3=1,2"));
    ASSERT_TRUE(named.ok);
    EXPECT_EQ(named.plan.table[2], 1);
    EXPECT_FALSE(named.plan.merge[2]);
    EXPECT_FALSE(named.plan.readFirst[2]);
    EXPECT_TRUE(named.plan.merge[1]);
    EXPECT_EQ(named.plan.chosenCount(), 2);

    // A backup reads the chosen slots that hold a table, and no blank one.
    const PlanResult backup = planDownload(slots, 13, tables, requestFor("3=0,4=1", false, true));
    ASSERT_TRUE(backup.ok);
    EXPECT_FALSE(backup.plan.readFirst[2]);
    EXPECT_TRUE(backup.plan.readFirst[3]);
    EXPECT_FALSE(backup.plan.anyMerge());
}

TEST(DownloadPlan, RefusesBeforeAnythingIsErased)
{
    const auto slots = keyboard(
        {{Held::Table, 7}, {Held::Table, 7}, {Held::OldTable, 7}, {Held::Blank, 0}, {Held::Table, 3}});
    const std::vector<DocumentTableInfo> tables = {{7, {}}};
    struct Case {
        const char* list;
        int slotCount;
        const char16_t* needle;
    };
    for (const Case& c : {
             Case{"6=0", 5, u"only supports 5"},     // beyond the keyboard's slots
             Case{"1,2", 13, u"would both receive"}, // two slots into one table, not named
             Case{"", 13, u"would both receive"},    // the same, chosen by language
             Case{"3=0", 13, u"1.94"},               // a present table older than the rule
             Case{"3", 13, u"1.94"},                 // the same, to be matched by language
             Case{"4", 13, u"holds no table"},       // blank: name the table
             Case{"5", 13, u"no table of language"}, // a language the document lacks
             Case{"1=3", 13, u"has no table 3"},     // no such document table
         }) {
        const PlanResult r = planDownload(slots, c.slotCount, tables, requestFor(c.list));
        EXPECT_FALSE(r.ok) << c.list;
        EXPECT_NE(r.message.text().find(c.needle), std::u16string::npos)
            << c.list << ": " << tarvo::templates::oneLineUtf8(r.message);
    }
    // Both named: the same table may go into two slots on purpose.
    EXPECT_TRUE(planDownload(slots, 13, tables, requestFor("1=0,2=0")).ok);
    EXPECT_FALSE(planDownload(slots, 13, {}, requestFor("")).ok);
}

// The Download dialog checks the same refusals while it is open, worded for
// its lists: none names an option of the tool.
TEST(DownloadPlan, RefusalsWordedForTheDialogNameNoOption)
{
    const auto slots = keyboard({{Held::Table, 7}, {Held::Table, 7}, {Held::Blank, 0}, {Held::Table, 3}});
    const std::vector<DocumentTableInfo> tables = {{7, {}}};
    for (const auto& [list, asIs] : std::initializer_list<std::pair<const char*, bool>>{
             {"1,2", false}, {"3", false}, {"4", false}, {"1=3", false}, {"1", true}, {"", true}}) {
        DownloadRequest request = requestFor(list, asIs);
        request.wording = Wording::Dialog;
        const PlanResult r = planDownload(slots, 13, tables, request);
        ASSERT_FALSE(r.ok) << list;
        EXPECT_EQ(r.message.text().find(u"--slots"), std::u16string::npos) << list;
        EXPECT_EQ(r.message.text().find(u"N=I"), std::u16string::npos) << list;
    }
}

// A slot an interrupted write left is never read or merged: the job
// recovers it from its backup or writes the table as stored.
TEST(DownloadPlan, AnInterruptedSlotIsNeitherReadNorMerged)
{
    auto slots = keyboard({{Held::Table, 7}, {Held::Table, 7}});
    slots[1].recoverable = true;
    slots[1].interrupted = true;
    const PlanResult r = planDownload(slots, 13, {{7, {}}}, requestFor("2", false, true));
    ASSERT_TRUE(r.ok) << tarvo::templates::oneLineUtf8(r.message);
    EXPECT_TRUE(r.plan.recover[1]);
    EXPECT_FALSE(r.plan.merge[1]);
    EXPECT_FALSE(r.plan.readFirst[1]);
}

TEST(DownloadPlan, AsIsWritesEachTableIntoItsRecordedSlot)
{
    const auto slots = keyboard({{Held::Table, 7}, {Held::Blank, 0}, {Held::Table, 9}});
    const std::vector<DocumentTableInfo> recorded = {{9, 3}, {7, 2}};

    const PlanResult r = planDownload(slots, 13, recorded, requestFor("", true));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.plan.table[2], 0);
    EXPECT_EQ(r.plan.table[1], 1);
    EXPECT_EQ(r.plan.table[0], kNoTable);
    EXPECT_FALSE(r.plan.anyRead());
    EXPECT_TRUE(r.plan.asIs);

    const PlanResult picked = planDownload(slots, 13, recorded, requestFor("2", true));
    ASSERT_TRUE(picked.ok);
    EXPECT_EQ(picked.plan.chosenCount(), 1);
    EXPECT_EQ(picked.plan.table[1], 1);

    EXPECT_FALSE(planDownload(slots, 13, {{9, {}}}, requestFor("", true)).ok);        // no record
    EXPECT_FALSE(planDownload(slots, 13, {{9, 2}, {7, 2}}, requestFor("", true)).ok); // one slot twice
    EXPECT_FALSE(planDownload(slots, 13, recorded, requestFor("1", true)).ok); // nothing recorded for 1
    EXPECT_FALSE(planDownload(slots, 5, {{9, 6}}, requestFor("", true)).ok);   // beyond the keyboard
}

class DownloadPlanDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        document::TableList tables;
        tables.push_back(makeTable(1, 7));
        tables.push_back(makeTable(2, 9));
        doc = document::test::makeDocument(pool, std::move(tables));
        plan.table.fill(kNoTable);
    }
    document::DocumentNumberPool pool;
    std::unique_ptr<document::CS1_Doc> doc;
    DownloadPlan plan;
};

TEST_F(DownloadPlanDocument, MergeKeepsTheKeyboardsMenusAndTheDocumentsEdits)
{
    auto keyboardTable = makeTable(1, 7);
    putEntry(*keyboardTable, 81, 2, u"Kb", u"", 2, '5');
    putEntry(*keyboardTable, 81, 3, u"KbOther", u"", 2, '6');
    putEntry(doc->table(0), 81, 3, u"Mine", u"", 2, '7', 0, true);
    SlotImages read;
    read[4] = imageOf(*keyboardTable);
    plan.table[4] = 0;
    plan.merge[4] = true;
    const auto fileBytes = doc->serialize();

    messages::Message message;
    ASSERT_TRUE(mergeReadBack(*doc, plan, read, message));
    EXPECT_EQ(entryOf(doc->table(0), 81, 2).line1.substr(0, 2), u"Kb");
    EXPECT_EQ(entryOf(doc->table(0), 81, 3).line1.substr(0, 4), u"Mine");
    EXPECT_NE(doc->serialize(), fileBytes); // in memory only: the caller never saves it

    // A merged slot that was not read whole merges nothing at all.
    auto before = imageOf(doc->table(1));
    plan.table[5] = 1;
    plan.merge[5] = true;
    read[5].assign(100, 0);
    EXPECT_FALSE(mergeReadBack(*doc, plan, read, message));
    EXPECT_NE(message.text().find(u"#6"), std::u16string::npos);
    EXPECT_EQ(imageOf(doc->table(1)), before);
}

TEST_F(DownloadPlanDocument, WritesSetTheFontSlotAndSkipWhatTheKeyboardAlreadyHolds)
{
    plan.table[0] = 0;
    plan.table[1] = 1;
    SlotImages read;
    PreparedWrite w = prepareWrite(*doc, plan, read, false);
    ASSERT_EQ(w.writeCount(), 2);
    EXPECT_EQ(w.tables[1]->GetByte(model::layout::kFontSlotOffset), 1); // font 2 - 1
    EXPECT_EQ(w.tables[0]->GetByte(model::layout::kFontSlotOffset), 0);
    // The document's own tables are not touched.
    doc->table(1).SetByte(model::layout::kFontSlotOffset, 0x33);
    EXPECT_EQ(doc->table(1).GetByte(model::layout::kFontSlotOffset), 0x33);

    // What the keyboard holds is what would be written: unchanged, unless forced.
    read[1] = std::vector<std::uint8_t>(w.tables[1]->Image().begin(), w.tables[1]->Image().end());
    read[1][model::layout::kFontSlotOffset] = 1;
    doc->table(1).SetByte(model::layout::kFontSlotOffset, 1);
    PreparedWrite again = prepareWrite(*doc, plan, read, false);
    EXPECT_TRUE(again.unchanged[1]);
    EXPECT_EQ(again.tables[1], nullptr);
    EXPECT_EQ(again.writeCount(), 1);
    EXPECT_EQ(again.unchangedCount(), 1);
    EXPECT_EQ(prepareWrite(*doc, plan, read, true).writeCount(), 2);

    // As is: exactly as stored, font slot included.
    plan.asIs = true;
    doc->table(0).SetByte(model::layout::kFontSlotOffset, 0x5A);
    PreparedWrite asIs = prepareWrite(*doc, plan, SlotImages{}, false);
    EXPECT_EQ(asIs.tables[0]->GetByte(model::layout::kFontSlotOffset), 0x5A);
}

TEST(DownloadVerify, NamesTheFirstDifferingByteByBlockAndOffset)
{
    std::vector<std::uint8_t> expected(65536, 0x11);
    auto actual = expected;
    EXPECT_FALSE(firstDifference(2, expected, actual));
    actual[16 * 300 + 5] = 0x10;
    actual[16 * 400] = 0;
    const auto d = firstDifference(2, expected, actual);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->slot, 2);
    EXPECT_EQ(d->block, 300);
    EXPECT_EQ(d->offset, 16u * 300 + 5);
    EXPECT_EQ(d->expected, 0x11);
    EXPECT_EQ(d->actual, 0x10);
    const std::u16string text = describeDifference(*d).text();
    for (const char16_t* part : {u"#2", u"block 300", u"0x12C5", u"0x11", u"0x10"})
        EXPECT_NE(text.find(part), std::u16string::npos) << std::string(text.begin(), text.end());

    actual.resize(100);
    std::fill(actual.begin(), actual.end(), 0x11);
    const auto shortRead = firstDifference(1, expected, actual);
    ASSERT_TRUE(shortRead);
    EXPECT_EQ(shortRead->offset, 100u);
    EXPECT_EQ(shortRead->actual, -1);
}

} // namespace
} // namespace tarvo::transfer
