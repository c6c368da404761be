// The records a transfer leaves, as its front end hears of it, and the rows
// the history shows: whole transfers, killed ones, and a store that fails.

#include "history/history_recorder.h"
#include "history/history_rows.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace tarvo::history {
namespace {

class FakeHistory final : public TransferHistory {
public:
    bool append(const HistoryRecord& record, std::string& reason) override
    {
        if (failing) {
            reason = "disk full";
            return false;
        }
        records.push_back(record);
        return true;
    }
    // Not a SHA-256: enough to tell the images apart.
    std::string sha256Hex(std::span<const std::uint8_t> bytes) const override
    {
        return std::to_string(bytes.size()) + ":" +
               std::to_string(std::accumulate(bytes.begin(), bytes.end(), 0));
    }
    std::string timeNow() const override { return time; }

    std::vector<HistoryRecord> records;
    bool failing = false;
    std::string time = "2026-03-04T10:00:00Z";
};

TransferStart startOn(const std::string& port, const std::string& device)
{
    TransferStart s;
    s.transfer = "t-" + port;
    s.program = "tarvo";
    s.command = "download";
    s.port = port;
    s.device = device;
    s.documentSha256 = "d0c";
    return s;
}

std::vector<std::uint8_t> image(std::uint8_t language)
{
    std::vector<std::uint8_t> bytes(0x10000, 0);
    bytes[335] = language; // the language ID's byte
    bytes[1] = 'K';
    return bytes;
}

std::vector<std::string> kinds(const std::vector<HistoryRecord>& records)
{
    std::vector<std::string> names;
    for (const auto& r : records)
        names.emplace_back(recordKindName(r.kind));
    return names;
}

serial::KeyboardId omnia()
{
    serial::KeyboardId id;
    id.bytes = {'K', 'B', 0, 1, 2, 3, 2, serial::kKeyboardTypeOmnia, 1, 0, 1, 94};
    return id;
}

TEST(HistoryRecorder, DownloadRecordsStartEachSlotBeforeItsEraseAndAtItsEndThenTheEnd)
{
    FakeHistory store;
    const serial::KeyboardId id = omnia();
    HistoryRecorder recorder(&store, startOn("/dev/ttyUSB0", "/dev/serial/by-id/usb-kbd"));
    recorder.setBackup("/home/u/backup.tvo");
    recorder.begin(&id);
    recorder.slotDone(1, transfer::SlotOutcome::Unchanged);
    const auto written = image(7);
    recorder.slotImage(2, written);
    recorder.slotDone(2, transfer::SlotOutcome::Written);
    recorder.slotDone(2, transfer::SlotOutcome::Verified);
    recorder.end(transfer::JobEnd{});

    EXPECT_EQ(kinds(store.records),
              (std::vector<std::string>{"start", "slot_end", "slot_start", "slot_end", "slot_end", "end"}));
    const HistoryRecord& slotStart = store.records[2];
    EXPECT_EQ(slotStart.slot, 2);
    EXPECT_EQ(slotStart.language, 7);
    const HistoryRecord& slotEnd = store.records[3];
    EXPECT_EQ(slotEnd.outcome, "written");
    EXPECT_EQ(slotEnd.sha256, store.sha256Hex(written));
    EXPECT_EQ(slotEnd.backup, "/home/u/backup.tvo");
    EXPECT_EQ(store.records[1].backup, "") << "an unchanged slot was not erased: no backup of it";

    const auto rows = transferRows(store.records);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(slotsText(rows[0]), "1 unchanged, 2 verified");
    EXPECT_EQ(resultText(rows[0]), "complete");
    EXPECT_EQ(keyboardText(rows[0].keyboard), "KBD-OMNIA generation 2, bootloader 1.00, firmware 1.94");
    EXPECT_EQ(backupOf(rows[0]), "/home/u/backup.tvo");
}

TEST(HistoryRecorder, KilledTransferLeavesItsStartAndSlotStartAndShowsUnfinished)
{
    FakeHistory store;
    const serial::KeyboardId id = omnia();
    {
        HistoryRecorder recorder(&store, startOn("/dev/ttyUSB0", "/dev/ttyUSB0"));
        recorder.begin(&id);
        recorder.slotImage(3, image(9));
        // The tool is killed during the write: nothing more is heard.
    }
    EXPECT_EQ(kinds(store.records), (std::vector<std::string>{"start", "slot_start"}));
    const auto rows = transferRows(store.records);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_FALSE(rows[0].finished);
    EXPECT_EQ(resultText(rows[0]), "unfinished (no end recorded)");
    EXPECT_EQ(slotsText(rows[0]), "3 started");
}

TEST(HistoryRecorder, SlotsOpenAtTheEndAreIncompleteWhenTheJobLeftThemErasedElseFailed)
{
    FakeHistory store;
    HistoryRecorder recorder(&store, startOn("a", "a"));
    recorder.slotImage(1, image(1));
    recorder.slotDone(1, transfer::SlotOutcome::Written);
    recorder.slotImage(2, image(2));
    recorder.slotImage(4, image(4));
    transfer::JobEnd end = transfer::jobEnd(transfer::JobStatus::PortError, "the port was lost");
    end.incompleteSlots = {2};
    recorder.end(end);

    const auto rows = transferRows(store.records);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(slotsText(rows[0]), "1 written, 2 incomplete, 4 failed");
    EXPECT_EQ(resultText(rows[0]), "exit 7: the port was lost");
    EXPECT_EQ(store.records.front().kind, RecordKind::Start)
        << "a transfer that never met the keyboard starts too";
}

TEST(HistoryRecorder, EndKeepsItsMessageAsSaidForTranslationAndOlderRecordsTheirEnglishLine)
{
    FakeHistory store;
    HistoryRecorder recorder(&store, startOn("a", "a"));
    const messages::Message why(u"the keyboard could not be read, nothing was erased: %s",
                                {messages::Message::data(u"Input/output error\n\nunplugged")});
    recorder.end(
        transfer::jobEnd(transfer::JobStatus::Cancelled, messages::Message(u"cancelled: %s", {why})));

    auto rows = transferRows(store.records);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(resultText(rows[0]), "exit 5: cancelled: the keyboard could not be read, nothing was erased: "
                                   "Input/output error unplugged");
    // The editor looks each pattern up in its language: the stored end keeps them apart.
    const messages::Message shown = resultMessage(rows[0]);
    ASSERT_EQ(shown.parts().size(), 1U);
    const auto& because = shown.parts()[0].args.at(1);
    ASSERT_TRUE(because.message);
    EXPECT_EQ(because.message->parts().at(0).pattern, u"cancelled: %s");

    // A record from before keeps only the English line: shown as it stands.
    store.records.back().said = {};
    rows = transferRows(store.records);
    const messages::Message older = resultMessage(rows[0]);
    const auto& line = older.parts()[0].args.at(1);
    ASSERT_TRUE(line.message);
    EXPECT_TRUE(line.message->parts().at(0).data);
    EXPECT_EQ(resultText(rows[0]), "exit 5: " + store.records.back().message);
}

TEST(HistoryRecorder, WrittenSlotsOfARecoveryAreNamedByHowTheyWereRecovered)
{
    const std::vector<std::pair<transfer::Recovery, std::string>> cases = {
        {transfer::Recovery::None, "written"},
        {transfer::Recovery::FromBackup, "recovered"},
        {transfer::Recovery::AsStored, "as_stored"},
    };
    for (const auto& [recovery, expected] : cases) {
        FakeHistory store;
        HistoryRecorder recorder(&store, startOn("a", "a"));
        recorder.slotRecovery(5, recovery);
        recorder.slotImage(5, image(5));
        recorder.slotDone(5, transfer::SlotOutcome::Written);
        EXPECT_EQ(store.records.back().outcome, expected);
    }
}

TEST(HistoryRecorder, ImportedSlotRecordsCarryTheSha256OfTheImageRead)
{
    FakeHistory store;
    HistoryRecorder recorder(&store, startOn("a", "a"));
    recorder.slotDone(1, transfer::SlotOutcome::Read);
    recorder.slotDone(2, transfer::SlotOutcome::Read);
    const auto first = image(1);
    recorder.slotImage(1, first);
    // Slot 2's image never came (the document could not be made): it was read all the same.
    recorder.end(transfer::jobEnd(transfer::JobStatus::FileError, "cannot save"));

    EXPECT_EQ(kinds(store.records),
              (std::vector<std::string>{"start", "slot_start", "slot_end", "slot_end", "end"}));
    EXPECT_EQ(store.records[2].outcome, "read");
    EXPECT_EQ(store.records[2].sha256, store.sha256Hex(first));
    EXPECT_EQ(store.records[3].slot, 2);
    EXPECT_EQ(store.records[3].outcome, "read");
}

TEST(HistoryRecorder, AStoreThatCannotBeWrittenIsOneWarningAndTheRecorderGoesOn)
{
    FakeHistory store;
    store.failing = true;
    HistoryRecorder recorder(&store, startOn("a", "a"));
    recorder.begin(nullptr);
    recorder.slotImage(1, image(1));
    EXPECT_EQ(recorder.takeWarning(), u"the transfer history could not be written: disk full");
    store.failing = false;
    recorder.slotDone(1, transfer::SlotOutcome::Written);
    store.failing = true;
    recorder.end(transfer::JobEnd{});
    EXPECT_TRUE(recorder.takeWarning().empty()) << "said once";
    EXPECT_EQ(kinds(store.records), (std::vector<std::string>{"slot_end"}));
}

TEST(HistoryRows, PortMatchesAsNamedOrCanonicalAndSinceByDate)
{
    FakeHistory store;
    store.time = "2026-03-01T23:59:59Z";
    HistoryRecorder(&store, startOn("/dev/kbd-left", "/dev/ttyUSB0")).end(0, {});
    store.time = "2026-03-02T00:00:00Z";
    HistoryRecorder(&store, startOn("/dev/ttyS1", "/dev/ttyS1")).end(0, {});
    const auto rows = transferRows(store.records);
    ASSERT_EQ(rows.size(), 2U);

    const std::vector<std::pair<RowFilter, std::vector<bool>>> cases = {
        {{}, {true, true}},
        {{{"/dev/kbd-left"}, ""}, {true, false}},
        {{{"/dev/ttyUSB0"}, ""}, {true, false}},
        {{{"/dev/ttyS1"}, ""}, {false, true}},
        {{{}, "2026-03-02"}, {false, true}},
        {{{}, "2026-03-01"}, {true, true}},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ((std::vector<bool>{matches(rows[0], filter), matches(rows[1], filter)}), expected);
}

TEST(HistoryRows, LastTransferOfEachKeyboardIsItsDeviceAndIdentity)
{
    FakeHistory store;
    serial::KeyboardId a = omnia();
    serial::KeyboardId b = omnia();
    b.bytes[11] = 95; // another firmware: another keyboard on the same device
    const auto run = [&store](const char* device, const serial::KeyboardId& id, const char* sha, int status) {
        TransferStart start = startOn(device, device);
        start.transfer += std::to_string(store.records.size());
        start.documentSha256 = sha;
        HistoryRecorder recorder(&store, start);
        recorder.begin(&id);
        recorder.end(status, {});
    };
    run("/dev/ttyUSB0", a, "doc", 3);
    run("/dev/ttyUSB0", b, "doc", 0);
    run("/dev/ttyUSB0", a, "doc", 0);
    run("/dev/ttyUSB1", a, "other", 0);
    const auto last = lastPerKeyboard(transferRows(store.records), "doc");
    ASSERT_EQ(last.size(), 2U);
    EXPECT_EQ(last[0].keyboard, b);
    EXPECT_EQ(last[1].keyboard, a);
    EXPECT_EQ(last[1].status, 0) << "the later transfer of the same keyboard replaces the earlier";
}

} // namespace
} // namespace tarvo::history
