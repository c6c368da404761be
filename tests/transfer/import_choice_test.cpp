// Which slots an import reads: the default choice by the template's
// languages, and the checks of a --slots list before anything is read.

#include "transfer/import_choice.h"
#include "transfer/read_session.h"

#include <gtest/gtest.h>

namespace tarvo::transfer {
namespace {

SlotListing held(int slot, int languageId, bool accepted = true)
{
    SlotListing l;
    l.row.slot = slot;
    l.row.present = true;
    l.versionAccepted = accepted;
    l.languageId = languageId;
    return l;
}

// An interrupted write left it: its header reads as a table, its last block erased.
SlotListing incomplete(int slot, int languageId)
{
    SlotListing l = held(slot, languageId);
    l.row.incomplete = true;
    l.recoverable = true;
    l.interrupted = true;
    return l;
}

SlotListing blank(int slot)
{
    SlotListing l;
    l.row.slot = slot;
    l.recoverable = true;
    return l;
}

std::vector<SlotRequest> slots(const std::string& list)
{
    std::u16string message;
    return parseSlotList(list, message).value();
}

TEST(ImportChoice, ByDefaultReadsEveryTableInALanguageOfTheTemplateAndNamesTheOthers)
{
    const std::vector<SlotListing> keyboard = {held(1, 0),        blank(2),   held(3, 8),      held(4, 1),
                                               held(5, 1, false), held(6, 0), incomplete(7, 0)};
    const ImportChoice c = chooseImportSlots(keyboard, 13, {}, {0, 1, 2});
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.languageIds[0], 0);
    EXPECT_EQ(c.languageIds[1], kNoTable);
    EXPECT_EQ(c.languageIds[2], kNoTable);
    EXPECT_EQ(c.languageIds[3], 1);
    EXPECT_EQ(c.languageIds[4], kNoTable); // too old a version
    EXPECT_EQ(c.languageIds[5], 0);        // the same language twice: each becomes its own table
    EXPECT_EQ(c.languageIds[6], kNoTable); // never read as if whole
    EXPECT_EQ(c.skipped, std::vector<int>{3});
    EXPECT_EQ(c.incomplete, std::vector<int>{7});
    EXPECT_EQ(c.chosenCount(), 3);

    const auto map = importSlotMap(c);
    EXPECT_EQ(map[0], kSlotNewTable);
    EXPECT_EQ(map[1], kSlotNotRead);
    EXPECT_EQ(map[5], kSlotNewTable);

    EXPECT_FALSE(chooseImportSlots({held(1, 8), blank(2)}, 13, {}, {0}).ok);
}

TEST(ImportChoice, ANamedSlotMustHoldATableTheTemplateKnows)
{
    const std::vector<SlotListing> keyboard = {held(1, 0), blank(2),   held(3, 8),
                                               held(4, 1), held(5, 1), incomplete(6, 1)};
    struct Case {
        const char* list;
        int slotCount;
        const char16_t* needle;
        bool incompleteNamed = false; // refused as a document error: nothing can be made of it
    };
    for (const Case& c : {Case{"2", 13, u"holds no table"}, Case{"3", 13, u"template has no table"},
                          Case{"6", 5, u"only supports 5"}, Case{"1=0", 13, u"only a download"},
                          Case{"1,6", 13, u"#6 is incomplete", true}}) {
        const ImportChoice r = chooseImportSlots(keyboard, c.slotCount, slots(c.list), {0, 1});
        EXPECT_FALSE(r.ok) << c.list;
        EXPECT_NE(r.message.text().find(c.needle), std::u16string::npos) << c.list;
        EXPECT_EQ(r.incompleteNamed, c.incompleteNamed) << c.list;
    }
    const ImportChoice named = chooseImportSlots(keyboard, 5, slots("5,1"), {0, 1});
    ASSERT_TRUE(named.ok);
    EXPECT_EQ(named.chosenCount(), 2);
    EXPECT_EQ(named.languageIds[4], 1);
    EXPECT_TRUE(named.skipped.empty());
}

} // namespace
} // namespace tarvo::transfer
