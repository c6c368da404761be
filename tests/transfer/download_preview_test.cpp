// A preview runs the download up to the first erase: it finds exactly the
// entries the write would change, the slots left unchanged, the recovery a
// slot left by an interrupted write would take, and the refusal the download
// would give, and nothing is erased or written.

#include "download_rig.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tarvo::transfer {
namespace {

using serial::frames::FrameType;
using testing::DownloadRig;
using testing::kLanguage;
using testing::ScriptedKeyboard;

constexpr int kOtherLanguage = 4;
constexpr int kMenu = 82;
constexpr int kEditedEntry = 4;
constexpr int kKeyboardEntry = 6;
constexpr int kLaterEntry = 9;
// Long enough for the inspection and one slot's read on the fake clock.
constexpr std::int64_t kUntilHeldMs = 120000;

class DownloadPreviewTest : public ::testing::Test, public DownloadRig {
protected:
    DownloadPreviewTest() : DownloadRig(1)
    {
        auto own = document::test::makeTable(1, kLanguage);
        document::test::putEntry(*own, kMenu, kKeyboardEntry, u"Kbd", u"", 2, '3');
        putKeyboardTable(*own);
        keyboard.flash[1] = document::test::imageOf(*document::test::makeTable(1, kOtherLanguage));
    }

    // Deutsch with one edited entry (two with later), and a table the keyboard holds as it is.
    std::unique_ptr<document::CS1_Doc> document(bool later = false)
    {
        auto deutsch = document::test::makeTable(1, kLanguage, 1, 94, u"Deutsch");
        document::test::putEntry(*deutsch, kMenu, kEditedEntry, u"Gate", u"", 2, '1', 0, true);
        if (later)
            document::test::putEntry(*deutsch, kMenu, kLaterEntry, u"Door", u"", 2, '2', 0, true);
        document::TableList tables;
        tables.push_back(std::move(deutsch));
        tables.push_back(document::test::makeTable(1, kOtherLanguage));
        return document::test::makeDocument(pool, std::move(tables));
    }

    // Runs a download of doc; faultAt > 0 drops that block's write.
    JobEnd run(document::CS1_Doc& doc, bool previewOnly, std::size_t faultAt = 0)
    {
        DownloadChoice choice;
        choice.previewOnly = previewOnly;
        if (faultAt > 0)
            keyboard.faults.push_back({FrameType::S2, faultAt, ScriptedKeyboard::Fault::Drop});
        start(doc, choice);
        runJob(*job);
        keyboard.faults.clear();
        return job->end();
    }

    void start(document::CS1_Doc& doc, const DownloadChoice& choice)
    {
        listener = {};
        job = std::make_unique<DownloadJob>(line(), listener, options(), doc, DownloadJobSetup{});
        listener.onChoice = [this, choice] { job->choose(choice); };
        job->start();
    }

    std::size_t changingFrames() const
    {
        return keyboard.countOf(FrameType::C1) + keyboard.countOf(FrameType::S2) +
               keyboard.countOf(FrameType::S8);
    }

    std::unique_ptr<DownloadJob> job;
};

TEST_F(DownloadPreviewTest, FindsTheEditedEntriesTheUnchangedSlotAndTheRecoveryWithoutWriting)
{
    auto doc = document();
    const auto flash = keyboard.flash;
    ASSERT_EQ(run(*doc, true).status, JobStatus::Complete) << job->end().message;
    EXPECT_EQ(changingFrames(), 0u);
    EXPECT_TRUE(keyboard.flash == flash);
    EXPECT_TRUE(interrupted.writes.empty());

    const DownloadPreview& plan = job->preview();
    ASSERT_EQ(plan.slots.size(), 2u);
    EXPECT_EQ(plan.slots[0].action, PreviewAction::Write);
    ASSERT_EQ(plan.slots[0].changes.size(), 1u); // the keyboard's own entry is merged, not changed
    const EntryChange& change = plan.slots[0].changes[0];
    EXPECT_EQ(change.menu, kMenu);
    EXPECT_EQ(change.entry, kEditedEntry);
    EXPECT_EQ(change.after.lines[0].rfind(u"Gate", 0), 0u);
    EXPECT_EQ(change.before.lines[0].find(u"Gate"), std::u16string::npos);
    EXPECT_EQ(plan.slots[1].slot, 2);
    EXPECT_EQ(plan.slots[1].action, PreviewAction::Unchanged);
    EXPECT_TRUE(plan.slots[1].changes.empty());

    // A write left slot 1 incomplete: the preview merges into what the
    // record's write was writing, so only the entry edited since changes.
    ASSERT_NE(run(*doc, false, 22).status, JobStatus::Complete);
    ASSERT_EQ(interrupted.writes.size(), 1u);
    auto edited = document(true);
    const std::size_t framesBefore = changingFrames();
    const auto leftFlash = keyboard.flash;
    ASSERT_EQ(run(*edited, true).status, JobStatus::Complete) << job->end().message;
    EXPECT_EQ(changingFrames(), framesBefore);
    EXPECT_TRUE(keyboard.flash == leftFlash);
    EXPECT_EQ(interrupted.writes.size(), 1u);
    const SlotPreview& recovered = job->preview().slots[0];
    EXPECT_EQ(recovered.action, PreviewAction::Recover);
    EXPECT_TRUE(recovered.backup.empty());
    ASSERT_EQ(recovered.changes.size(), 1u);
    EXPECT_EQ(recovered.changes[0].entry, kLaterEntry);

    // With no record that applies the download would refuse the slot: the
    // preview says so, and still plans the other slot.
    interrupted.writes.clear();
    const JobEnd refused = run(*edited, true);
    EXPECT_EQ(refused.status, JobStatus::FileError);
    ASSERT_EQ(job->preview().slots.size(), 2u);
    EXPECT_EQ(job->preview().slots[0].action, PreviewAction::Refused);
    EXPECT_EQ(job->preview().slots[0].reason, refused.happened);
    EXPECT_EQ(job->preview().slots[1].action, PreviewAction::Unchanged);
    EXPECT_EQ(changingFrames(), framesBefore);
}

// The editor's dialogs hold before the first erase on every road, here a
// table written as stored (a restore's road, which merges nothing): the
// held job's preview is the dry run's, and a cancel there erases nothing.
TEST_F(DownloadPreviewTest, AWriteAsStoredHoldsBeforeTheEraseWithTheDryRunsListAndCancelErasesNothing)
{
    auto doc = document();
    const auto flash = keyboard.flash;
    DownloadChoice choice;
    choice.slots = chosenSlotsOf({{1, 0}});
    choice.previewOnly = true;
    start(*doc, choice);
    runJob(*job);
    ASSERT_EQ(job->end().status, JobStatus::Complete) << job->end().message;
    ASSERT_EQ(job->preview().slots.size(), 1u);
    const SlotPreview dryRun = job->preview().slots[0];
    EXPECT_EQ(dryRun.action, PreviewAction::AsStored);
    // As stored, the keyboard's own entry goes and the edited one comes.
    ASSERT_EQ(dryRun.changes.size(), 2u);
    EXPECT_EQ(dryRun.changes[0].entry, kEditedEntry);
    EXPECT_EQ(dryRun.changes[1].entry, kKeyboardEntry);
    EXPECT_EQ(dryRun.changes[1].before.lines[0].rfind(u"Kbd", 0), 0u);
    EXPECT_EQ(dryRun.changes[1].after.lines[0].find(u"Kbd"), std::u16string::npos);

    holdAfterMergeRead = true;
    choice.previewOnly = false;
    start(*doc, choice);
    runJob(*job, kUntilHeldMs);
    ASSERT_FALSE(job->hasEnded()) << job->end().message;
    EXPECT_EQ(listener.mergeReads, 1);
    ASSERT_EQ(job->preview().slots.size(), 1u);
    const SlotPreview& held = job->preview().slots[0];
    EXPECT_EQ(held.action, dryRun.action);
    ASSERT_EQ(held.changes.size(), dryRun.changes.size());
    for (std::size_t i = 0; i < held.changes.size(); ++i) {
        EXPECT_EQ(held.changes[i].entry, dryRun.changes[i].entry);
        EXPECT_EQ(held.changes[i].before.lines, dryRun.changes[i].before.lines);
        EXPECT_EQ(held.changes[i].after.lines, dryRun.changes[i].after.lines);
    }

    job->cancel();
    runJob(*job);
    EXPECT_EQ(job->end().status, JobStatus::Cancelled);
    EXPECT_EQ(job->end().happened, texts::kNothingErased);
    EXPECT_EQ(changingFrames(), 0u);
    EXPECT_TRUE(keyboard.flash == flash);
}

} // namespace
} // namespace tarvo::transfer
