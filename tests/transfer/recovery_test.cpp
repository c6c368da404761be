// A download interrupted at each place a write can stop, then the retry its
// message asks for: the keyboard ends holding what a clean download would
// have written, merged into the backup from before the erase when one was
// saved, else into the image the record of that write holds. Nothing erased
// is ever merged.

#include "download_rig.h"
#include "model/lang_table_layout.h"
#include "transfer/download_job.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>

namespace tarvo::transfer {
namespace {

using serial::frames::FrameType;
using testing::DownloadRig;
using testing::JobRig;
using testing::kLanguage;
using testing::ScriptedKeyboard;
using testing::TemplateTables;
namespace layout = model::layout;

constexpr int kSlot = 1;
constexpr std::size_t kSlotIndex = kSlot - 1;
constexpr int kMenu = 82;
constexpr int kEditedEntry = 4;
constexpr int kKeyboardEntry = 6;

// Where the first download stops.
struct Interruption {
    const char* name;
    std::function<void(JobRig&)> arrange;
    bool slotLeftWhole; // every block and the end of data reached the keyboard
};

void PrintTo(const Interruption& c, std::ostream* os)
{
    *os << c.name;
}

// The nth frame of type from now on: carried out without a reply (Drop), or
// refused with "CE" and not carried out.
void fault(JobRig& rig, FrameType type, std::size_t nth,
           ScriptedKeyboard::Fault kind = ScriptedKeyboard::Fault::Drop)
{
    rig.keyboard.faults.push_back({type, rig.keyboard.countOf(type) + nth, kind});
}

class InterruptedDownload : public ::testing::TestWithParam<std::tuple<Interruption, bool>>,
                            public DownloadRig {
protected:
    InterruptedDownload() : DownloadRig(1)
    {
        auto own = document::test::makeTable(1, kLanguage);
        document::test::putEntry(*own, kMenu, kKeyboardEntry, u"Kbd", u"", 2, '3');
        putKeyboardTable(*own);
        m_keyboardImage = keyboard.flash[kSlotIndex];
    }

    std::unique_ptr<document::CS1_Doc> editedDocument()
    {
        return deutschDocument([](model::CS1_LangTable& table) {
            document::test::putEntry(table, kMenu, kEditedEntry, u"Gate", u"", 2, '1', 0, true);
        });
    }

    // A download of the edited document into kSlot, with a backup when one is named.
    JobEnd download(const std::string& backupPath = {}, const std::function<void(JobRig&)>& arrange = {})
    {
        auto doc = editedDocument();
        DownloadJobSetup setup;
        DownloadChoice choice;
        choice.slots = chosenSlotsOf({{kSlot, std::nullopt}});
        choice.backupPath = backupPath;
        TemplateTables tables;
        setup.backupTables = &tables;
        listener = {};
        if (arrange)
            arrange(*this);
        DownloadJob job(line(), listener, options(), *doc, setup);
        listener.onChoice = [&job, &choice] { job.choose(choice); };
        job.start();
        runJob(job);
        EXPECT_TRUE(job.hasEnded());
        return job.end();
    }

    std::vector<std::uint8_t> m_keyboardImage;
    document::test::TempDir m_dir;
};

TEST_P(InterruptedDownload, TheRetryWritesTheCleanImageFromTheBackupOrTheRecord)
{
    const auto& [interruption, withBackup] = GetParam();
    ASSERT_EQ(download().status, JobStatus::Complete);
    const std::vector<std::uint8_t> clean = keyboard.flash[kSlotIndex];
    keyboard.flash[kSlotIndex] = m_keyboardImage;

    const std::string backup = withBackup ? m_dir.file("before.tvo") : std::string();
    const JobEnd failed = download(backup, interruption.arrange);
    ASSERT_NE(failed.status, JobStatus::Complete);
    ASSERT_EQ(failed.incompleteSlots, std::vector<int>{kSlot}) << failed.message;
    ASSERT_EQ(interrupted.writes.size(), 1u);
    EXPECT_EQ(interrupted.writes.begin()->second.backupPath.empty(), !withBackup);

    keyboard.faults.clear();
    keyboard.silentFor.clear();
    const JobEnd retried = download(m_dir.file("retry.tvo"));
    ASSERT_EQ(retried.status, JobStatus::Complete) << retried.message;
    EXPECT_TRUE(interrupted.writes.empty());

    Recovery how = withBackup ? Recovery::FromBackup : Recovery::FromRecord;
    if (interruption.slotLeftWhole)
        how = Recovery::None; // the slot holds a whole table: merged as any other
    EXPECT_TRUE(keyboard.flash[kSlotIndex] == clean);
    if (how == Recovery::None)
        EXPECT_TRUE(listener.recoveries.empty());
    else
        EXPECT_EQ(listener.recoveries, (std::vector<std::pair<int, Recovery>>{{kSlot, how}}));
}

INSTANTIATE_TEST_SUITE_P(
    Places, InterruptedDownload,
    ::testing::
        Combine(
            ::testing::Values(
                Interruption{"first_block",
                             [](JobRig& r) { fault(r, FrameType::S2, 1, ScriptedKeyboard::Fault::CE); },
                             false},
                Interruption{"block_1", [](JobRig& r) { fault(r, FrameType::S2, 2); }, false},
                Interruption{"block_21", [](JobRig& r) { fault(r, FrameType::S2, 22); }, false},
                Interruption{"mid_image", [](JobRig& r) { fault(r, FrameType::S2, 2049); }, false},
                Interruption{"last_block",
                             [](JobRig& r) { fault(r, FrameType::S2, 4096, ScriptedKeyboard::Fault::CE); },
                             false},
                Interruption{"end_of_data", [](JobRig& r) { fault(r, FrameType::S8, 1); }, true},
                Interruption{
                    "keyboard_silent",
                    [](JobRig& r) {
                        r.listener.onProgress = [&r](const BlockProgress& p) {
                            if (p.phase == TransferPhase::Write && p.done == 3000)
                                for (auto type : {FrameType::S2, FrameType::S8, FrameType::T0})
                                    r.keyboard.silentFor.insert(type);
                        };
                    },
                    false}),
            ::testing::Bool()),
    [](const ::testing::TestParamInfo<std::tuple<Interruption, bool>>& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) ? "_backup" : "_no_backup");
    });

// Whatever the plan, a read-back whose script menus read erased is never merged.
TEST(MergeReadBack, RefusesAnImageWhoseScriptMenusReadErased)
{
    document::DocumentNumberPool pool;
    document::TableList tables;
    tables.push_back(document::test::makeTable(1, kLanguage));
    auto doc = document::test::makeDocument(pool, std::move(tables));
    const std::vector<std::uint8_t> before = document::test::imageOf(doc->table(0));
    DownloadPlan plan;
    plan.table.fill(kNoTable);
    plan.table[0] = 0;
    plan.merge[0] = true;
    SlotImages images;
    images[0] = before;
    std::fill(images[0].begin() + static_cast<std::ptrdiff_t>(layout::menuEntryOffset(90, 1)),
              images[0].begin() + static_cast<std::ptrdiff_t>(layout::menuEntryOffset(91, 1)), 0xFF);
    messages::Message message;
    EXPECT_FALSE(mergeReadBack(*doc, plan, images, message));
    EXPECT_NE(message.text().find(u"#1"), std::u16string::npos);
    EXPECT_TRUE(document::test::imageOf(doc->table(0)) == before);
}

} // namespace
} // namespace tarvo::transfer
