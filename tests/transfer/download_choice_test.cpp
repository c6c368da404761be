// What the plan is asked for by a choice: the sources named per slot, and a
// backup only when something may be erased.

#include "transfer/download_choice.h"

#include <gtest/gtest.h>

namespace tarvo::transfer {
namespace {

TEST(DownloadChoice, NamedTablesAreAsStoredAndABackupIsWantedOnlyBeforeAWrite)
{
    DownloadChoice choice;
    choice.slots = chosenSlotsOf({{1, std::nullopt}, {3, 2}});
    choice.slots.push_back({4, SlotSource::Recovered, std::nullopt, "slot4.tvo"});
    choice.recoverFrom = "any.tvo";
    choice.backupPath = "before.tvo";

    const DownloadRequest request = requestOf(choice, Wording::Dialog, false);
    ASSERT_EQ(request.slots.size(), 3u);
    EXPECT_FALSE(request.slots[0].table);
    EXPECT_EQ(request.slots[1].table, 2);
    EXPECT_FALSE(request.slots[2].table);
    EXPECT_TRUE(request.backup);
    EXPECT_EQ(request.wording, Wording::Dialog);
    EXPECT_EQ(choice.recoveryBackup(4), "slot4.tvo");
    EXPECT_EQ(choice.recoveryBackup(1), "any.tvo");

    choice.previewOnly = true;
    EXPECT_FALSE(requestOf(choice, Wording::Dialog, false).backup);
}

} // namespace
} // namespace tarvo::transfer
