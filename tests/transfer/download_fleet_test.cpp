// The fleet: several keyboards on one loop, each with its own job; one that
// fails alone leaves the others to finish, and the rows say how each ended.

#include "document/source_slot.h"
#include "download_rig.h"
#include "model/lang_table_layout.h"
#include "transfer/document_copy.h"
#include "transfer/download_fleet.h"
#include "transfer/fleet_choice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarvo::transfer {
namespace {

using serial::frames::FrameType;
using testing::kLanguage;
using testing::MapInterruptedWrites;
using testing::MapLineSpeedMemory;
using testing::RecordingJobListener;
using testing::ScriptedKeyboard;
using testing::TemplateTables;
constexpr int kBlocks = 4096;
constexpr std::size_t kKeyboards = 3;
constexpr std::size_t kFailing = 1;

// Saves nothing to disk: the backups are only counted.
class CountingSaver final : public DocumentSaver {
public:
    CountingSaver(std::string path, int& saves) : m_path(std::move(path)), m_saves(saves) {}
    std::string name() const override { return m_path; }
    bool save(document::CS1_Doc&, messages::Message&) override
    {
        ++m_saves;
        return true;
    }

private:
    std::string m_path;
    int& m_saves;
};

// One keyboard at the end of its own line, on the clock all of them share.
struct FleetLine {
    explicit FleetLine(testing::FakeHost& host, int portIndex)
        : keyboard(host), port(keyboard), settings(serial::CommSettings::forDocument(portIndex))
    {
        keyboard.replyDelayMs = 2;
    }
    ScriptedKeyboard keyboard;
    serial::CCommPort port;
    serial::CommSettings settings;
    RecordingJobListener listener;
    std::unique_ptr<document::CS1_Doc> doc;
};

TEST(DownloadFleet, OneKeyboardFailingAtAWriteBlockLeavesTheOthersWrittenAndEachRowSaysHowItEnded)
{
    testing::FakeHost host;
    MapLineSpeedMemory speeds;
    MapInterruptedWrites interrupted;
    TemplateTables tables;
    document::DocumentNumberPool pool;
    int saves = 0;
    const auto keyboardTable = document::test::makeTable(1, kLanguage);
    // The document's table, as stored, differs from the keyboards': every slot is written.
    const auto deutsch = [] { return document::test::makeTable(1, kLanguage, 1, 94, u"Deutsch"); };

    std::vector<std::unique_ptr<FleetLine>> lines;
    DownloadFleet fleet;
    for (std::size_t i = 0; i < kKeyboards; ++i) {
        auto line = std::make_unique<FleetLine>(host, static_cast<int>(i));
        line->keyboard.flash[0] = document::test::imageOf(*keyboardTable);
        document::TableList docTables;
        docTables.push_back(deutsch());
        line->doc = document::test::makeDocument(pool, std::move(docTables));
        const std::string device = "/dev/fake" + std::to_string(i);

        FleetKeyboard keyboard{device, JobLine{host, line->port, line->settings, device}};
        keyboard.options.speeds = &speeds;
        keyboard.options.interruptedWrites = &interrupted;
        keyboard.doc = line->doc.get();
        keyboard.setup.backupTables = &tables;
        keyboard.setup.backupSaver = [&saves](const std::string& path) {
            return std::make_unique<CountingSaver>(path, saves);
        };
        keyboard.listener = &line->listener;
        DownloadJob& job = fleet.add(std::move(keyboard));
        line->listener.onChoice = [&job, i] {
            DownloadChoice choice;
            choice.slots = chosenSlotsOf({{1, 0}});
            choice.verify = true;
            choice.backupPath = "/backups/COM" + std::to_string(i + 1) + ".tvo";
            job.choose(choice);
        };
        lines.push_back(std::move(line));
    }
    lines[kFailing]->keyboard.faults.push_back({FrameType::S2, 10, ScriptedKeyboard::Fault::Drop});

    int allEnded = 0;
    fleet.start([&] {
        ++allEnded;
        // The others are done by the time the last one ends.
        for (std::size_t i = 0; i < kKeyboards; ++i)
            EXPECT_TRUE(fleet.job(i).hasEnded()) << i;
    });
    for (std::int64_t t = 0; t < 600000 && !fleet.hasEnded(); t += 10)
        host.advance(10);
    ASSERT_TRUE(fleet.hasEnded());
    EXPECT_EQ(allEnded, 1);

    const std::vector<FleetRow> rows = fleet.rows();
    ASSERT_EQ(rows.size(), kKeyboards);
    EXPECT_EQ(saves, static_cast<int>(kKeyboards));
    for (std::size_t i = 0; i < kKeyboards; ++i) {
        const FleetRow& row = rows[i];
        const FleetLine& line = *lines[i];
        EXPECT_EQ(row.port, "/dev/fake" + std::to_string(i));
        // The scripted keyboard names itself KBD-OMNIA with firmware 1.94.
        EXPECT_EQ(row.keyboard, "KBD-OMNIA 1.94");
        EXPECT_EQ(row.backup, "/backups/COM" + std::to_string(i + 1) + ".tvo");
        EXPECT_EQ(row.unchanged, 0);
        EXPECT_EQ(line.listener.ends, 1) << "every listener hears its own end once";
        EXPECT_GT(row.seconds, 0.0);
        if (i == kFailing) {
            EXPECT_EQ(row.end.status, JobStatus::NoAnswer) << row.end.message;
            EXPECT_EQ(row.end.slot, std::optional<int>(1));
            EXPECT_EQ(row.written, 0);
            EXPECT_EQ(row.verified, 0);
            EXPECT_LT(line.keyboard.blockWrites[0], kBlocks);
        } else {
            EXPECT_EQ(row.end.status, JobStatus::Complete) << row.end.message;
            EXPECT_EQ(row.written, 1);
            EXPECT_EQ(row.verified, 1);
            EXPECT_EQ(line.keyboard.blockWrites[0], kBlocks);
            EXPECT_EQ(line.keyboard.flash[0], document::test::imageOf(*deutsch()));
        }
    }
}

// Cancel all is asked once: while the question is open every write holds
// still, so the slots it names are those a Yes leaves incomplete; No lets
// them go on, Yes ends each write with its end of data and every job ends.
TEST(DownloadFleet, CancelAllHoldsTheWritesWhileAskedAndEndsEachWithItsEndOfData)
{
    testing::FakeHost host;
    MapLineSpeedMemory speeds;
    MapInterruptedWrites interrupted;
    document::DocumentNumberPool pool;
    const auto deutsch = [] { return document::test::makeTable(1, kLanguage, 1, 94, u"Deutsch"); };
    const auto keyboardTable = document::test::makeTable(1, kLanguage);
    // The third keyboard's slot choice never comes: it has nothing erased when all are cancelled.
    constexpr std::size_t kUnchosen = 2;

    std::array<std::unique_ptr<FleetLine>, kKeyboards> lines;
    DownloadFleet fleet;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = std::make_unique<FleetLine>(host, static_cast<int>(i));
        FleetLine& line = *lines[i];
        line.keyboard.flash[0] = document::test::imageOf(*keyboardTable);
        document::TableList docTables;
        docTables.push_back(deutsch());
        line.doc = document::test::makeDocument(pool, std::move(docTables));
        const std::string device = "/dev/fake" + std::to_string(i);
        FleetKeyboard keyboard{device, JobLine{host, line.port, line.settings, device}};
        keyboard.options.speeds = &speeds;
        keyboard.options.interruptedWrites = &interrupted;
        keyboard.doc = line.doc.get();
        keyboard.listener = &line.listener;
        DownloadJob& job = fleet.add(std::move(keyboard));
        if (i != kUnchosen)
            line.listener.onChoice = [&job] {
                DownloadChoice choice;
                choice.slots = chosenSlotsOf({{1, 0}});
                job.choose(choice);
            };
    }
    const auto writing = [&] {
        return lines[0]->keyboard.blockWrites[0] > 100 && lines[1]->keyboard.blockWrites[0] > 100;
    };
    const auto advanceUntil = [&](const std::function<bool()>& done) {
        for (std::int64_t t = 0; t < 600000 && !done(); t += 10)
            host.advance(10);
    };
    const auto framesSent = [&] {
        return lines[0]->keyboard.frames.size() + lines[1]->keyboard.frames.size();
    };
    fleet.start({});
    advanceUntil(writing);
    ASSERT_TRUE(writing());

    // Asked, then No: nothing moves while the question is open, then the writes go on.
    const std::vector<std::vector<int>> named = fleet.holdForCancelAll();
    EXPECT_EQ(named, (std::vector<std::vector<int>>{{1}, {1}, {}}));
    const std::size_t framesAtQuestion = framesSent();
    host.advance(10000);
    EXPECT_EQ(framesSent(), framesAtQuestion);
    fleet.answerCancelAll(false);
    host.advance(1000);
    EXPECT_GT(framesSent(), framesAtQuestion);

    // Asked again, then Yes.
    const std::vector<std::vector<int>> namedAgain = fleet.holdForCancelAll();
    EXPECT_EQ(namedAgain, named);
    fleet.answerCancelAll(true);
    advanceUntil([&] { return fleet.hasEnded(); });
    ASSERT_TRUE(fleet.hasEnded());

    const std::vector<FleetRow> rows = fleet.rows();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const FleetRow& row = rows[i];
        EXPECT_EQ(row.end.status, JobStatus::Cancelled) << row.end.message;
        EXPECT_EQ(row.end.incompleteSlots, named[i]) << i;
        EXPECT_TRUE(lines[i]->listener.questions.empty()) << "Cancel all asked for every keyboard";
        const auto& frames = lines[i]->keyboard.frames;
        if (i == kUnchosen) {
            EXPECT_TRUE(std::none_of(frames.begin(), frames.end(),
                                     [](const auto& f) { return f.type == FrameType::C1; }));
            continue;
        }
        // The keyboard got its end of data: the write was closed, not left hanging.
        EXPECT_LT(lines[i]->keyboard.blockWrites[0], kBlocks);
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames.back().type, FrameType::S8) << i;
    }
}

TEST(DownloadFleet, FilesAreNamedAfterTheDeviceOrItsWholePathWhenTwoShareAName)
{
    const std::vector<std::string> devices = {"/dev/ttyUSB0", "/dev/serial/ttyUSB0", "/dev/ttyS1"};
    EXPECT_EQ(fleetFileIn("out", devices, 0, ".tvo"), "out/dev_ttyUSB0.tvo");
    EXPECT_EQ(fleetFileIn("out", devices, 1, ".tvo"), "out/dev_serial_ttyUSB0.tvo");
    EXPECT_EQ(fleetFileIn("out", devices, 2, ".trace"), "out/ttyS1.trace");
}

// Each keyboard's copy decides its download as the document would: the same
// bytes (a read-only flag included), the slot each table came from, whether
// the document came whole from an import, and the serial settings.
TEST(DownloadFleet, AKeyboardsCopyOfTheDocumentKeepsWhatTheDownloadReadsAndIsItsOwn)
{
    constexpr int kSourceSlot = 7;
    constexpr int kPort = 4;
    document::DocumentNumberPool pool;
    document::TableList tables;
    tables.push_back(document::test::makeTable(1, kLanguage, 1, 94, u"Deutsch"));
    document::setSourceSlot(*tables.back(), kSourceSlot);
    tables.back()->SetByte(model::layout::kReadOnlyOffset, 1);
    const auto doc = document::test::makeDocument(pool, std::move(tables));
    serial::CommSettings settings = serial::CommSettings::forDocument(kPort);
    settings.baudIndex = 1;
    doc->setCommSettings(settings);
    doc->setServerPath(u"\\\\server\\scripts");
    doc->setImportComplete(true);

    const auto copy = copyOfDocument(*doc, pool);
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->tableCount(), 1u);
    EXPECT_NE(copy->documentNumber(), doc->documentNumber());
    const auto image = doc->table(0).Image();
    EXPECT_TRUE(std::ranges::equal(copy->table(0).Image(), image));
    EXPECT_EQ(document::sourceSlot(copy->table(0)), kSourceSlot);
    EXPECT_TRUE(copy->importComplete());
    EXPECT_TRUE(copy->commSettings() == settings);
    EXPECT_EQ(copy->serverPath(), doc->serverPath());

    // A merge into the copy leaves the document as it was.
    copy->table(0).SetByte(model::layout::kReadOnlyOffset, 0);
    EXPECT_EQ(doc->table(0).GetByte(model::layout::kReadOnlyOffset), 1);
}

// A slot as its list offers it: the language held, under the keyboard's own name for it.
SlotListing heldSlot(int slot, int languageId, std::u16string name)
{
    SlotListing listing;
    listing.row.slot = slot;
    listing.row.present = true;
    listing.enabled = true;
    listing.languageId = languageId;
    listing.entries = {{messages::Message::data(std::move(name)), SlotEntryKind::Table},
                       {messages::Message::data(u"Do not download"), SlotEntryKind::DoNotDownload}};
    return listing;
}

TEST(DownloadFleet, KeyboardsShareASlotChoiceWhenTheirSlotsHoldTheSameLanguagesWhateverTheNames)
{
    constexpr int kEnglish = 0x409;
    constexpr int kKorean = 0x412;
    const std::vector<SlotListing> first = {heldSlot(1, kEnglish, u"English"),
                                            heldSlot(2, kLanguage, u"Deutsch")};
    const std::vector<SlotListing> renamed = {heldSlot(1, kEnglish, u"Operator"),
                                              heldSlot(2, kLanguage, u"DE")};
    const std::vector<SlotListing> otherLanguage = {heldSlot(1, kEnglish, u"English"),
                                                    heldSlot(2, kKorean, u"Korean")};
    std::vector<SlotListing> interrupted = first;
    interrupted[1].interrupted = true;
    const std::vector<SlotListing> fewerSlots = {heldSlot(1, kEnglish, u"English")};

    const auto groups = sharedChoiceGroups({first, otherLanguage, renamed, interrupted, fewerSlots});
    EXPECT_EQ(groups, (std::vector<std::vector<std::size_t>>{{0, 2}, {1}, {3}, {4}}));
}

} // namespace
} // namespace tarvo::transfer
