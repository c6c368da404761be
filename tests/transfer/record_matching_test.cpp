// Which record of an interrupted write a retry takes: found by the keyboard's
// identity under any device name, applied only when what the slot holds
// proves it (a blank slot: only the record made on the same device). Each
// case ends with the image a clean download writes, or with nothing erased.

#include "download_rig.h"
#include "transfer/download_job.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace tarvo::transfer {
namespace {

using serial::frames::FrameType;
using testing::DownloadRig;
using testing::kLanguage;
using testing::ScriptedKeyboard;
using testing::TemplateTables;

constexpr int kSlot = 1;
constexpr std::size_t kSlotIndex = kSlot - 1;
constexpr int kOtherLanguage = 10;
constexpr int kMenu = 82;
constexpr std::size_t kMidImageBlock = 2049;

struct Device {
    const char* named;
    const char* canonical;
};
constexpr Device kUsb0{"/dev/ttyUSB0", "/dev/serial/by-id/usb-adapter-port0"};
constexpr Device kUsb1Replugged{"/dev/ttyUSB1", "/dev/serial/by-id/usb-adapter-port0"};
constexpr Device kLink{"/home/op/kb", "/dev/ttyS0"};
constexpr Device kOtherPort{"/dev/ttyS3", "/dev/ttyS3"};

enum class Outcome { CleanImage, NothingErased, LeftBlankAndNamed };

struct RecordCase {
    const char* name;
    // The first download stops here (null: there is no first download).
    std::function<void(DownloadRig&)> interrupt;
    Device firstDevice;
    // What changes between the two downloads.
    std::function<void(DownloadRig&)> beforeRetry;
    Device retryDevice;
    bool retryNamesSlot; // --slots 1, else every slot matching a document table
    Outcome outcome;
};

void PrintTo(const RecordCase& c, std::ostream* os)
{
    *os << c.name;
}

void dropBlock(DownloadRig& rig, std::size_t nth)
{
    rig.keyboard.faults.push_back(
        {FrameType::S2, rig.keyboard.countOf(FrameType::S2) + nth, ScriptedKeyboard::Fault::Drop});
}

void refuseFirstBlock(DownloadRig& rig)
{
    rig.keyboard.faults.push_back(
        {FrameType::S2, rig.keyboard.countOf(FrameType::S2) + 1, ScriptedKeyboard::Fault::CE});
}

// Another table's write stopped half way: what another keyboard on the same port holds.
std::vector<std::uint8_t> anotherKeyboardsHalfWrite()
{
    std::vector<std::uint8_t> image =
        document::test::imageOf(*document::test::makeTable(1, kLanguage, 1, 94, u"Anders"));
    std::fill(image.begin() + static_cast<std::ptrdiff_t>(image.size() / 2), image.end(), 0xFF);
    return image;
}

class RecordMatching : public ::testing::TestWithParam<RecordCase>, public DownloadRig {
protected:
    RecordMatching() : DownloadRig(1)
    {
        auto own = document::test::makeTable(1, kLanguage);
        document::test::putEntry(*own, kMenu, 6, u"Kbd", u"", 2, '3');
        putKeyboardTable(*own);
        m_ownImage = keyboard.flash[kSlotIndex];
        keyboard.flash[1] = document::test::imageOf(*document::test::makeTable(1, kOtherLanguage));
    }

    std::unique_ptr<document::CS1_Doc> editedDocument()
    {
        auto deutsch = document::test::makeTable(1, kLanguage, 1, 94, u"Deutsch");
        document::test::putEntry(*deutsch, kMenu, 4, u"Gate", u"", 2, '1', 0, true);
        document::TableList tables;
        tables.push_back(std::move(deutsch));
        tables.push_back(document::test::makeTable(1, kOtherLanguage));
        return document::test::makeDocument(pool, std::move(tables));
    }

    JobEnd download(const Device& device, bool namesSlot)
    {
        auto doc = editedDocument();
        DownloadJobSetup setup;
        DownloadChoice choice;
        if (namesSlot)
            choice.slots = chosenSlotsOf({{kSlot, std::nullopt}});
        TemplateTables tables;
        setup.backupTables = &tables;
        listener = {};
        DownloadJob job(JobLine{host, port, settings, device.named, device.canonical}, listener, options(),
                        *doc, setup);
        listener.onChoice = [&job, &choice] { job.choose(choice); };
        job.start();
        runJob(job);
        EXPECT_TRUE(job.hasEnded());
        return job.end();
    }

    std::vector<std::uint8_t> m_ownImage;
};

TEST_P(RecordMatching, TheRetryWritesTheCleanImageOrErasesNothing)
{
    const RecordCase& c = GetParam();
    ASSERT_EQ(download(kUsb0, true).status, JobStatus::Complete);
    const std::vector<std::uint8_t> clean = keyboard.flash[kSlotIndex];
    keyboard.flash[kSlotIndex] = m_ownImage;

    if (c.interrupt) {
        c.interrupt(*this);
        const JobEnd failed = download(c.firstDevice, true);
        ASSERT_EQ(failed.incompleteSlots, std::vector<int>{kSlot}) << failed.message;
        keyboard.faults.clear();
    }
    if (c.beforeRetry)
        c.beforeRetry(*this);
    const std::vector<std::uint8_t> beforeRetry = keyboard.flash[kSlotIndex];
    const int erasesBefore = keyboard.erases[kSlotIndex];

    const JobEnd retried = download(c.retryDevice, c.retryNamesSlot);
    switch (c.outcome) {
    case Outcome::CleanImage:
        EXPECT_EQ(retried.status, JobStatus::Complete) << retried.message;
        EXPECT_TRUE(keyboard.flash[kSlotIndex] == clean);
        EXPECT_TRUE(interrupted.writes.empty());
        break;
    case Outcome::NothingErased:
        EXPECT_EQ(retried.status, JobStatus::FileError) << retried.message;
        EXPECT_NE(retried.message.find("othing was erased"), std::string::npos) << retried.message;
        EXPECT_EQ(keyboard.erases[kSlotIndex], erasesBefore);
        EXPECT_TRUE(keyboard.flash[kSlotIndex] == beforeRetry);
        break;
    case Outcome::LeftBlankAndNamed:
        EXPECT_EQ(retried.status, JobStatus::Complete) << retried.message;
        EXPECT_EQ(keyboard.erases[kSlotIndex], erasesBefore);
        ASSERT_EQ(listener.notWritten.size(), 1u);
        EXPECT_EQ(listener.notWritten.front().first, 0);
        EXPECT_EQ(listener.notWritten.front().second.front(), kSlot);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, RecordMatching,
    ::testing::Values(
        RecordCase{"same_keyboard_under_another_name",
                   [](DownloadRig& r) { dropBlock(r, kMidImageBlock); },
                   kUsb0,
                   {},
                   kLink,
                   true,
                   Outcome::CleanImage},
        RecordCase{"another_keyboard_on_the_same_name", [](DownloadRig& r) { dropBlock(r, kMidImageBlock); },
                   kUsb0, [](DownloadRig& r) { r.keyboard.flash[kSlotIndex] = anotherKeyboardsHalfWrite(); },
                   kUsb0, true, Outcome::NothingErased},
        RecordCase{"stale_record_and_a_newer_write",
                   [](DownloadRig& r) {
                       InterruptedWrite stale;
                       stale.devicePath = stale.canonicalDevice = kOtherPort.canonical;
                       stale.keyboardId = keyboardIdText(r.keyboard.id);
                       stale.slot = kSlot;
                       stale.time = "2020-01-01T00:00:00Z";
                       stale.languageId = kLanguage;
                       stale.image = anotherKeyboardsHalfWrite();
                       std::fill(stale.image.begin() + static_cast<std::ptrdiff_t>(stale.image.size() / 2),
                                 stale.image.end(), 0);
                       std::string reason;
                       r.interrupted.remember(stale, reason);
                       dropBlock(r, kMidImageBlock);
                   },
                   kUsb0,
                   {},
                   kOtherPort,
                   true,
                   Outcome::CleanImage},
        RecordCase{"blank_slot_with_a_record_of_this_device",
                   refuseFirstBlock,
                   kUsb0,
                   {},
                   kUsb1Replugged,
                   true,
                   Outcome::CleanImage},
        RecordCase{"blank_slot_with_a_record_of_another_device",
                   refuseFirstBlock,
                   kUsb0,
                   {},
                   kOtherPort,
                   true,
                   Outcome::NothingErased},
        RecordCase{"blank_slot_without_a_record", refuseFirstBlock, kUsb0,
                   [](DownloadRig& r) { r.interrupted.writes.clear(); }, kUsb0, false,
                   Outcome::LeftBlankAndNamed},
        RecordCase{"record_that_cannot_be_stored",
                   {},
                   kUsb0,
                   [](DownloadRig& r) { r.interrupted.failure = "disk full"; },
                   kUsb0,
                   true,
                   Outcome::NothingErased}),
    [](const ::testing::TestParamInfo<RecordCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo::transfer
