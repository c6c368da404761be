// tarvo download against the simulated keyboard: what lands in the flash
// (merge, as-is restore, an explicit table for a blank slot), verify,
// unchanged slots, faults and Ctrl-C during the write, and the slots that
// end the session before anything is erased.

#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "support/test_settings.h"
#include "support/tool_documents.h"
#include "testkit/ser2net_server.h"
#include "testkit/temp_dir.h"

#include "model/keyboard_fonts.h"
#include "model/lang_table_layout.h"

#include <gtest/gtest.h>

#include <QJsonArray>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

namespace tarvo::test {
namespace {

namespace fs = std::filesystem;
namespace layout = model::layout;

// The document's Deutsch table (index 1) is written into slot 2.
constexpr int kTable = 1;
constexpr int kSlot = 2;
constexpr int kPresentSlots = 5;
constexpr int kMenu = 81;
constexpr int kEditedEntry = 1;
constexpr int kKeyboardEntry = 2;
constexpr char16_t kKeyboardLine[] = u"Kbd";
constexpr std::size_t kKeyboardOnlyByte = layout::kUserFunctionOffset + 4;
constexpr std::uint8_t kReadOnly = 1;
constexpr int kFontOne = 1;

// The flipped and the lost block: S2 number 300 carries block 299.
constexpr int kFaultyS2 = 300;

std::string s2Fault(const char* kind)
{
    return std::string(kind) + ":S2:" + std::to_string(kFaultyS2);
}

class DownloadCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The records of interrupted writes are the test's own.
        m_previousState = qgetenv("XDG_STATE_HOME");
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(m_dir.file("state")));
        m_factory = factoryFlash(m_dir.file("factory.bin"));
        ASSERT_EQ(m_factory.size(), kSlotBytes * kFlashSlots);
        // The keyboard's Deutsch table has an entry and a byte of its own, so
        // a download that merely replaced it would be seen.
        m_before = m_factory;
        const auto slot = slotOf(m_before, kSlot);
        const std::size_t entry = layout::menuEntryOffset(kMenu, kKeyboardEntry);
        std::fill(slot.begin() + static_cast<std::ptrdiff_t>(entry),
                  slot.begin() + static_cast<std::ptrdiff_t>(entry + layout::kEntryLine2Offset), 0);
        for (std::size_t i = 0; kKeyboardLine[i] != 0; ++i)
            slot[entry + i] = static_cast<std::uint8_t>(
                model::KeyboardFonts::instance().toDevice(kFontOne, kKeyboardLine[i]));
        slot[kKeyboardOnlyByte] = static_cast<std::uint8_t>(slot[kKeyboardOnlyByte] ^ 0x5A);
        writeFlash(m_keyboard.flashPath(), m_before, true);

        ASSERT_EQ(tarvo({"new", "-o", document()}).status, 0);
        ASSERT_EQ(tarvo({"set-entry", document(), "--table", std::to_string(kTable), "--menu",
                         std::to_string(kMenu), "--entry", std::to_string(kEditedEntry), "--lines", "A|B|C"})
                      .status,
                  0);
        m_documentImages = documentImages(document());
        ASSERT_GT(m_documentImages.size(), static_cast<std::size_t>(kTable));
    }

    void TearDown() override { qputenv("XDG_STATE_HOME", m_previousState); }

    RunResult tarvo(const std::vector<std::string>& args) { return runTarvo(args, m_dir.path()); }

    RunResult download(const std::string& file, const std::vector<std::string>& extra)
    {
        std::vector<std::string> args = {"download", file, "--port", m_keyboard.link(), "--json"};
        args.insert(args.end(), extra.begin(), extra.end());
        return tarvo(args);
    }

    Bytes flashNow()
    {
        m_keyboard.stop();
        return readBytes(m_keyboard.flashPath());
    }

    std::string document() const { return m_dir.file("doc.tvo"); }

    // What a download writes over a slot's old image: the keyboard's table
    // (loaded, so not read-only), the font slot byte of its font, and the
    // document's edited entry.
    Bytes merged(int slot) const
    {
        const auto old = slotOf(m_before, slot);
        Bytes image(old.begin(), old.end());
        image[layout::kReadOnlyOffset] = 0;
        image[layout::kFontSlotOffset] = static_cast<std::uint8_t>(image[layout::kFontOffset] - 1);
        if (slot == kSlot) {
            const std::size_t entry = layout::menuEntryOffset(kMenu, kEditedEntry);
            std::copy_n(m_documentImages[kTable].begin() + static_cast<std::ptrdiff_t>(entry),
                        layout::kEntryBytes, image.begin() + static_cast<std::ptrdiff_t>(entry));
        }
        return image;
    }

    static Bytes copyOf(std::span<const std::uint8_t> bytes) { return Bytes(bytes.begin(), bytes.end()); }

    TempDir m_dir;
    // The line speeds the tool keeps stay in this test.
    TestSettings m_settings;
    SimulatedKeyboard m_keyboard{m_dir.path()};
    Bytes m_factory;
    Bytes m_before;
    std::vector<Bytes> m_documentImages;
    QByteArray m_previousState;
};

std::vector<std::string> trimmedLines(const QJsonObject& entry)
{
    std::vector<std::string> lines;
    for (const auto& line : entry["lines"].toArray())
        lines.push_back(line.toString().trimmed().toStdString());
    return lines;
}

TEST_F(DownloadCommand, MergesTheEditedEntryIntoTheKeyboardsTables)
{
    ASSERT_TRUE(m_keyboard.start());
    const Bytes documentBefore = readBytes(document());
    const RunResult run = download(document(), {});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(document()), documentBefore);

    const Bytes after = flashNow();
    for (int slot = 1; slot <= kPresentSlots; ++slot)
        EXPECT_TRUE(copyOf(slotOf(after, slot)) == merged(slot)) << "slot " << slot;
    for (int slot = kPresentSlots + 1; slot <= kFlashSlots; ++slot)
        EXPECT_TRUE(std::ranges::all_of(slotOf(after, slot), [](std::uint8_t b) { return b == kErased; }))
            << "slot " << slot;

    // Read back as a user would see it: the edit and the keyboard's own entry.
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_EQ(tarvo({"import", "--port", m_keyboard.link(), "-o", m_dir.file("check.tvo"), "--slots",
                     std::to_string(kSlot)})
                  .status,
              0);
    const RunResult info = tarvo({"info", m_dir.file("check.tvo"), "--menus", "--json"});
    ASSERT_EQ(info.status, 0);
    const QJsonArray menus = parseJson(info)["tables"].toArray()[0].toObject()["menus"].toArray();
    QJsonObject menu;
    for (const auto& m : menus)
        if (m.toObject()["number"].toInt() == kMenu)
            menu = m.toObject();
    const QJsonArray entries = menu["entries"].toArray();
    ASSERT_GE(entries.size(), kKeyboardEntry);
    EXPECT_EQ(trimmedLines(entries[kEditedEntry - 1].toObject()), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(trimmedLines(entries[kKeyboardEntry - 1].toObject())[0], "Kbd");
}

TEST_F(DownloadCommand, SecondDownloadFindsTheSlotUnchangedUnlessForced)
{
    const std::vector<std::string> oneSlot = {"--slots", std::to_string(kSlot)};
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_EQ(download(document(), oneSlot).status, 0);
    const Bytes written = flashNow();

    ASSERT_TRUE(m_keyboard.start());
    const RunResult again = download(document(), oneSlot);
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(slotResults(jsonLines(again.out)),
              (std::vector<std::pair<int, std::string>>{{kSlot, "unchanged"}}));
    EXPECT_EQ(flashNow(), written);
    EXPECT_EQ(m_keyboard.framesReceived("C1"), 0);
    EXPECT_GT(m_keyboard.framesReceived("T0"), kBlocksPerSlot); // the slot was read back

    ASSERT_TRUE(m_keyboard.start());
    const RunResult forced = download(document(), {"--slots", std::to_string(kSlot), "--force-write"});
    ASSERT_EQ(forced.status, 0) << forced.err;
    EXPECT_EQ(slotResults(jsonLines(forced.out)),
              (std::vector<std::pair<int, std::string>>{{kSlot, "written"}}));
    EXPECT_EQ(flashNow(), written);
    EXPECT_EQ(m_keyboard.framesReceived("C1"), 1);
}

TEST_F(DownloadCommand, DryRunPlansTheEditedEntryAndErasesWritesAndSavesNothing)
{
    ASSERT_TRUE(m_keyboard.start());
    const std::string backup = m_dir.file("dry.tvo");
    const RunResult run =
        download(document(), {"--slots", std::to_string(kSlot), "--dry-run", "--backup", backup});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<QJsonObject> events = jsonLines(run.out);
    ASSERT_GE(events.size(), 2u);
    const QJsonObject plan = events[events.size() - 2];
    EXPECT_EQ(plan["event"].toString(), "plan");
    EXPECT_EQ(plan["slot"].toInt(), kSlot);
    EXPECT_EQ(plan["action"].toString(), "write");
    const QJsonArray changes = plan["changes"].toArray();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes[0].toObject()["menu"].toInt(), kMenu);
    EXPECT_EQ(changes[0].toObject()["entry"].toInt(), kEditedEntry);
    EXPECT_EQ(trimmedLines(changes[0].toObject()["new"].toObject()),
              (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(events.back()["event"].toString(), "done");

    EXPECT_EQ(flashNow(), m_before);
    for (const char* frame : {"C1", "S2", "S8"})
        EXPECT_EQ(m_keyboard.framesReceived(frame), 0) << frame;
    EXPECT_FALSE(fs::exists(backup));
}

TEST_F(DownloadCommand, BackupWrittenBackAsIsRestoresTheKeyboard)
{
    // A read-only table: the backup must keep even the flag that loading clears.
    slotOf(m_before, kSlot)[layout::kReadOnlyOffset] = kReadOnly;
    writeFlash(m_keyboard.flashPath(), m_before, true);
    ASSERT_TRUE(m_keyboard.start());
    const std::string backup = m_dir.file("backup.tvo");
    const RunResult run = download(document(), {"--slots", std::to_string(kSlot), "--backup", backup});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<Bytes> saved = documentImages(backup);
    ASSERT_EQ(saved.size(), 1U);
    EXPECT_TRUE(saved[0] == copyOf(slotOf(m_before, kSlot)));
    EXPECT_TRUE(copyOf(slotOf(flashNow(), kSlot)) == merged(kSlot));

    ASSERT_TRUE(m_keyboard.start());
    const RunResult restore = download(backup, {"--as-is"});
    ASSERT_EQ(restore.status, 0) << restore.err;
    EXPECT_TRUE(flashNow() == m_before);
    EXPECT_NE(slotStatus(m_keyboard.flashPath(), kSlot).find("complete"), std::string::npos);
}

TEST_F(DownloadCommand, BackupSavedBeforeAFailedWritePutsTheSlotBack)
{
    ASSERT_TRUE(m_keyboard.start({"--fault", "fe:S8:1"}));
    const std::string backup = m_dir.file("backup.tvo");
    const RunResult failed = download(document(), {"--slots", std::to_string(kSlot), "--backup", backup});
    ASSERT_EQ(failed.status, 4) << failed.err;
    ASSERT_TRUE(m_keyboard.start());
    const RunResult restore = download(backup, {"--as-is"});
    ASSERT_EQ(restore.status, 0) << restore.err;
    EXPECT_TRUE(flashNow() == m_before);
}

TEST_F(DownloadCommand, ExistingBackupFileEndsTheDownloadBeforeTheKeyboardIsAsked)
{
    ASSERT_TRUE(m_keyboard.start());
    const std::string backup = m_dir.file("backup.tvo");
    const Bytes kept = {'m', 'i', 'n', 'e'};
    writeBytes(backup, kept);
    const RunResult run = download(document(), {"--slots", std::to_string(kSlot), "--backup", backup});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(readBytes(backup), kept);
    EXPECT_TRUE(flashNow() == m_before);
    EXPECT_EQ(m_keyboard.framesReceived("T7"), 0);
}

TEST_F(DownloadCommand, VerifyPassesAndTheTraceHoldsEveryFrameInHex)
{
    ASSERT_TRUE(m_keyboard.start());
    const std::string trace = m_dir.file("trace.txt");
    const RunResult run =
        download(document(), {"--slots", std::to_string(kSlot), "--verify", "--trace", trace});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<QJsonObject> events = jsonLines(run.out);
    EXPECT_EQ(slotResults(events),
              (std::vector<std::pair<int, std::string>>{{kSlot, "written"}, {kSlot, "verified"}}));
    for (const char* phase : {"write", "verify"}) {
        const auto last = std::find_if(events.rbegin(), events.rend(), [phase](const QJsonObject& e) {
            return e["phase"].toString() == phase;
        });
        ASSERT_NE(last, events.rend()) << phase;
        EXPECT_EQ((*last)["done"].toInt(), kBlocksPerSlot) << phase;
        EXPECT_EQ((*last)["total"].toInt(), kBlocksPerSlot) << phase;
    }

    const std::regex frameLine(R"(\+(\d+) ms (sent|recv) (\d+):((?: [0-9A-F]{2})*))");
    std::ifstream in(trace);
    int sent = 0;
    int received = 0;
    int imageBlocks = 0;
    int erases = 0;
    for (std::string line; std::getline(in, line);) {
        std::smatch m;
        if (line.find(" # ") != std::string::npos)
            continue; // a session's heading
        ASSERT_TRUE(std::regex_match(line, m, frameLine)) << line;
        EXPECT_EQ(m[4].str().size(), 3 * std::stoul(m[3].str())) << line;
        if (m[2] == "sent") {
            ++sent;
            imageBlocks += m[4].str().rfind(" 53 32", 0) == 0 ? 1 : 0; // "S2"
            erases += m[4].str().rfind(" 43 31", 0) == 0 ? 1 : 0;      // "C1"
        } else {
            ++received;
        }
    }
    EXPECT_EQ(imageBlocks, kBlocksPerSlot);
    EXPECT_EQ(erases, 1);
    EXPECT_GT(sent, kBlocksPerSlot);
    EXPECT_EQ(received, sent); // every frame has its reply, or its time-out, on record
}

TEST_F(DownloadCommand, VerifyNamesTheSlotBlockAndOffsetOfAWrongByte)
{
    ASSERT_TRUE(m_keyboard.start({"--fault", s2Fault("flip")}));
    const RunResult run = download(document(), {"--slots", std::to_string(kSlot), "--verify"});
    EXPECT_EQ(run.status, 6) << run.err;
    const std::vector<QJsonObject> events = jsonLines(run.out);
    const std::string message = errorMessage(events);
    EXPECT_NE(message.find(std::string("#").append(std::to_string(kSlot))), std::string::npos) << message;
    const int block = kFaultyS2 - 1;
    EXPECT_NE(message.find(std::string("block ").append(std::to_string(block))), std::string::npos)
        << message;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(
        message, m,
        std::regex(R"(offset 0x([0-9A-Fa-f]+).*expected 0x([0-9A-Fa-f]{2}).*read 0x([0-9A-Fa-f]{2}))")))
        << message;
    const unsigned long offset = std::stoul(m[1].str(), nullptr, 16);
    EXPECT_GE(offset, block * kBlockBytes);
    EXPECT_LT(offset, (block + 1) * kBlockBytes);
    const unsigned difference = std::stoul(m[2].str(), nullptr, 16) ^ std::stoul(m[3].str(), nullptr, 16);
    EXPECT_EQ(std::popcount(difference), 1);
    EXPECT_EQ(events.back()["status"].toInt(), 6);
}

struct WriteFault {
    const char* name;
    std::string fault;
    int expectedStatus;
    const char* slotStateAfter;
};

void PrintTo(const WriteFault& c, std::ostream* os)
{
    *os << c.name;
}

class DownloadWriteFault : public DownloadCommand, public ::testing::WithParamInterface<WriteFault> {};

TEST_P(DownloadWriteFault, SlotIsReportedIncompleteAndCanBeWrittenAgain)
{
    const WriteFault& c = GetParam();
    ASSERT_TRUE(m_keyboard.start({"--fault", c.fault}));
    const RunResult run = download(document(), {"--slots", std::to_string(kSlot)});
    EXPECT_EQ(run.status, c.expectedStatus) << run.err;
    const std::vector<QJsonObject> events = jsonLines(run.out);
    EXPECT_NE(errorMessage(events).find("incomplete"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("incomplete"), std::string::npos) << run.err;
    for (const auto& [slot, result] : slotResults(events))
        EXPECT_NE(result, "written") << slot;
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back()["status"].toInt(), c.expectedStatus);
    m_keyboard.stop();
    EXPECT_NE(slotStatus(m_keyboard.flashPath(), kSlot).find(c.slotStateAfter), std::string::npos)
        << slotStatus(m_keyboard.flashPath(), kSlot);

    // Whatever the slot holds now, naming the table writes it whole.
    ASSERT_TRUE(m_keyboard.start());
    const RunResult again =
        download(document(), {"--slots", std::to_string(kSlot) + "=" + std::to_string(kTable)});
    ASSERT_EQ(again.status, 0) << again.err;
    m_keyboard.stop();
    EXPECT_NE(slotStatus(m_keyboard.flashPath(), kSlot).find("complete"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DownloadWriteFault,
    ::testing::Values(WriteFault{"lostBlockReply", s2Fault("drop"), 3, "partly written"},
                      // The keyboard did not carry out the refused erase; the tool cannot know that.
                      WriteFault{"refusedErase", "ce:C1:1", 4, "complete"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DownloadCommand, OneRetryRidesOverALostBlock)
{
    ASSERT_TRUE(m_keyboard.start({"--fault", s2Fault("drop")}));
    const RunResult run = download(document(), {"--slots", std::to_string(kSlot), "--retries", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(copyOf(slotOf(flashNow(), kSlot)) == merged(kSlot));
}

struct RefusedSlots {
    const char* name;
    std::string generation;
    std::vector<std::string> slotsOption;
    int expectedStatus;
    bool asksTheKeyboard;
};

void PrintTo(const RefusedSlots& c, std::ostream* os)
{
    *os << c.name;
}

class DownloadRefusedSlots : public DownloadCommand, public ::testing::WithParamInterface<RefusedSlots> {};

TEST_P(DownloadRefusedSlots, EndsBeforeAnythingIsErased)
{
    const RefusedSlots& c = GetParam();
    ASSERT_TRUE(m_keyboard.start({"--generation", c.generation}));
    const RunResult run = download(document(), c.slotsOption);
    EXPECT_EQ(run.status, c.expectedStatus) << run.err;
    EXPECT_TRUE(flashNow() == m_before);
    EXPECT_EQ(m_keyboard.framesReceived("C1"), 0);
    EXPECT_EQ(m_keyboard.framesReceived("T7") > 0, c.asksTheKeyboard);
}

INSTANTIATE_TEST_SUITE_P(Cases, DownloadRefusedSlots,
                         ::testing::Values(RefusedSlots{"noSuchSlot", "2", {"--slots", "14"}, 2, false},
                                           RefusedSlots{
                                               "beyondAFiveSlotKeyboard", "1", {"--slots", "6=0"}, 4, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Bootloader 1.00 answers reads only with unchecked dump lines: nothing read
// from it could be trusted to merge, so nothing is erased.
TEST_F(DownloadCommand, BootloaderThatAnswersOnlyDumpLinesErasesNothing)
{
    ASSERT_TRUE(m_keyboard.start({"--bootloader", "1.00"}));
    const RunResult run = download(document(), {"--slots", std::to_string(kSlot)});
    EXPECT_EQ(run.status, 4) << run.err;
    EXPECT_NE(run.err.find("bootloader is version 1.00"), std::string::npos) << run.err;
    EXPECT_TRUE(flashNow() == m_before);
    EXPECT_EQ(m_keyboard.framesReceived("C1"), 0);
}

// The backup takes each table's names from the template table of its own
// language; a language the template lacks gets no borrowed names, and no erase.
TEST_F(DownloadCommand, BackupOfALanguageTheTemplateLacksErasesNothing)
{
    constexpr int kLanguageNotShipped = 9; // the two-table template's English
    fs::create_directories(m_dir.file("other"));
    writeTemplate(m_dir.file("other/other.LT3"));
    const std::string other = m_dir.file("other.tvo");
    ASSERT_EQ(tarvo({"new", "-o", other, "--template", m_dir.file("other/other.LT3")}).status, 0);
    slotOf(m_before, kSlot)[layout::kLanguageIdOffset] = kLanguageNotShipped;
    writeFlash(m_keyboard.flashPath(), m_before, true);
    ASSERT_TRUE(m_keyboard.start());
    const std::string backup = m_dir.file("backup.tvo");
    const RunResult run = download(other, {"--slots", std::to_string(kSlot), "--backup", backup});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find(std::string("#").append(std::to_string(kSlot))), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("nothing was erased"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(backup));
    EXPECT_TRUE(flashNow() == m_before);
    EXPECT_EQ(m_keyboard.framesReceived("C1"), 0);
}

// As a new user after a loose cable: the download stops half way, the
// message asks for the write again, and the retry (as it says) gives the
// keyboard its own menus plus the edit, merged into the backup saved before
// the first erase, and says so.
TEST_F(DownloadCommand, TheRetryAnInterruptedDownloadAsksForMergesIntoItsBackup)
{
    constexpr int kIssueMenu = 80;
    constexpr int kIssueEntry = 3;
    const std::string doc = m_dir.file("issue.tvo");
    ASSERT_EQ(tarvo({"new", "-o", doc}).status, 0);
    ASSERT_EQ(tarvo({"set-entry", doc, "--table", "1", "--menu", std::to_string(kIssueMenu), "--entry",
                     std::to_string(kIssueEntry), "--lines", "Gate"})
                  .status,
              0);
    const std::string slot = std::to_string(kSlot);
    const std::string backup = m_dir.file("bk.tvo");
    ASSERT_TRUE(m_keyboard.start({"--fault", s2Fault("drop")}));
    const RunResult failed =
        tarvo({"download", doc, "--port", m_keyboard.link(), "--slots", slot, "--backup", backup});
    ASSERT_EQ(failed.status, 3) << failed.err;
    EXPECT_NE(
        failed.err.find("Language table #2 in the keyboard is now incomplete and must be written again."),
        std::string::npos)
        << failed.err;
    m_keyboard.stop();

    // What the keyboard holds now says so, and is not read as if whole.
    ASSERT_TRUE(m_keyboard.start());
    const RunResult query = tarvo({"query", "--port", m_keyboard.link(), "--json"});
    ASSERT_EQ(query.status, 0) << query.err;
    const QJsonArray rows = parseJson(query)["slots"].toArray();
    EXPECT_TRUE(rows[kSlot - 1].toObject()["incomplete"].toBool());
    EXPECT_FALSE(rows[0].toObject()["incomplete"].toBool());
    EXPECT_EQ(
        tarvo({"import", "--port", m_keyboard.link(), "--slots", slot, "-o", m_dir.file("half.tvo")}).status,
        1);
    EXPECT_FALSE(fs::exists(m_dir.file("half.tvo")));

    const RunResult retry = download(doc, {"--slots", slot});
    ASSERT_EQ(retry.status, 0) << retry.err;
    EXPECT_NE(retry.err.find("merged into its table in the backup"), std::string::npos) << retry.err;
    const std::vector<QJsonObject> events = jsonLines(retry.out);
    const auto written = std::find_if(events.begin(), events.end(), [](const QJsonObject& e) {
        return e["event"].toString() == "slot_done";
    });
    ASSERT_NE(written, events.end());
    EXPECT_EQ(*written,
              (QJsonObject{
                  {"event", "slot_done"}, {"slot", kSlot}, {"result", "written"}, {"recovered", "backup"}}));

    Bytes expected = copyOf(slotOf(m_before, kSlot));
    expected[layout::kReadOnlyOffset] = 0;
    expected[layout::kFontSlotOffset] = static_cast<std::uint8_t>(expected[layout::kFontOffset] - 1);
    const std::size_t entry = layout::menuEntryOffset(kIssueMenu, kIssueEntry);
    const std::vector<Bytes> issueImages = documentImages(doc);
    std::copy_n(issueImages[kTable].begin() + static_cast<std::ptrdiff_t>(entry), layout::kEntryBytes,
                expected.begin() + static_cast<std::ptrdiff_t>(entry));
    EXPECT_TRUE(copyOf(slotOf(flashNow(), kSlot)) == expected);
}

// The two ways a keyboard is reached under a second name: two links to one
// device, and one network server as 127.0.0.1 and as localhost.
enum class SecondName { Links, NetworkHost };

class RecoveryUnderAnotherName : public DownloadCommand, public ::testing::WithParamInterface<SecondName> {
protected:
    std::string recoveredOf(const RunResult& run)
    {
        for (const QJsonObject& e : jsonLines(run.out))
            if (e["event"].toString() == "slot_done" && e["slot"].toInt() == kSlot)
                return e["recovered"].toString().toStdString();
        return {};
    }

    Ser2NetServer m_server{m_dir.path()};
};

// A write stopped before its first block (the slot left blank), then one
// stopped half way with a backup; each retry goes through the other name.
// The keyboard ends with its own menus and the edit, as a clean download
// leaves it.
TEST_P(RecoveryUnderAnotherName, EachRetryRecoversTheKeyboardsMenus)
{
    constexpr int kFirstBlock = 1;
    constexpr int kMidWrite = kFirstBlock + kBlocksPerSlot + kBlocksPerSlot / 2;
    ASSERT_TRUE(m_keyboard.start({"--fault", "drop:S2:" + std::to_string(kFirstBlock), "--fault",
                                  "drop:S2:" + std::to_string(kMidWrite)}));
    std::string first;
    std::string second;
    if (GetParam() == SecondName::Links) {
        first = m_dir.file("ttyUSB0");
        second = m_dir.file("ttyUSB1");
        fs::create_symlink(m_keyboard.link(), first);
        fs::create_symlink(m_keyboard.link(), second);
    } else {
        ASSERT_TRUE(m_server.start(m_keyboard.link()));
        first = m_server.address();
        second = "rfc2217://localhost:" + std::to_string(m_server.port());
    }
    const std::string slot = std::to_string(kSlot);
    const auto downloadThrough = [&](const std::string& port, std::vector<std::string> extra) {
        std::vector<std::string> args = {"download", document(), "--port", port, "--slots", slot, "--json"};
        args.insert(args.end(), extra.begin(), extra.end());
        return tarvo(args);
    };

    ASSERT_EQ(downloadThrough(first, {}).status, 3);
    const RunResult query = tarvo({"query", "--port", second, "--json"});
    ASSERT_EQ(query.status, 0) << query.err;
    EXPECT_TRUE(parseJson(query)["slots"].toArray()[kSlot - 1].toObject()["interrupted"].toBool())
        << query.out;
    const RunResult blankRetry = downloadThrough(second, {});
    ASSERT_EQ(blankRetry.status, 0) << blankRetry.err;
    EXPECT_EQ(recoveredOf(blankRetry), "record") << blankRetry.out;
    EXPECT_NE(blankRetry.err.find("assumed"), std::string::npos) << blankRetry.err;

    ASSERT_EQ(downloadThrough(first, {"--backup", m_dir.file("bk.tvo"), "--force-write"}).status, 3);
    const RunResult backupRetry = downloadThrough(second, {});
    ASSERT_EQ(backupRetry.status, 0) << backupRetry.err;
    EXPECT_EQ(recoveredOf(backupRetry), "backup") << backupRetry.out;

    m_server.stop();
    EXPECT_TRUE(copyOf(slotOf(flashNow(), kSlot)) == merged(kSlot));
}

INSTANTIATE_TEST_SUITE_P(Names, RecoveryUnderAnotherName,
                         ::testing::Values(SecondName::Links, SecondName::NetworkHost), [](const auto& info) {
                             return std::string(info.param == SecondName::Links ? "two_links"
                                                                                : "network_host");
                         });

// A slot no record proves is never erased unasked: the refusal names the
// two ways on, and the way the user picks writes the slot.
TEST_F(DownloadCommand, AnIncompleteSlotNoRecordMatchesIsRefusedUntilTheUserNamesTheWay)
{
    ASSERT_TRUE(m_keyboard.start({"--fault", "drop:S2:" + std::to_string(kBlocksPerSlot / 2)}));
    const std::string slot = std::to_string(kSlot);
    const std::string backup = m_dir.file("bk.tvo");
    ASSERT_EQ(download(document(), {"--slots", slot, "--backup", backup}).status, 3);
    // Another user: the records are not theirs.
    qputenv("XDG_STATE_HOME", QByteArray::fromStdString(m_dir.file("other-user")));
    const RunResult refused = download(document(), {"--slots", slot});
    EXPECT_EQ(refused.status, 1) << refused.err;
    EXPECT_NE(refused.err.find("--recover-from BACKUP.tvo"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("--slots " + slot + "=I"), std::string::npos) << refused.err;

    const RunResult recovered = download(document(), {"--slots", slot, "--recover-from", backup});
    ASSERT_EQ(recovered.status, 0) << recovered.err;
    EXPECT_TRUE(copyOf(slotOf(flashNow(), kSlot)) == merged(kSlot));
}

} // namespace
} // namespace tarvo::test

namespace tarvo::test {
namespace {

// The line speed remembered in the test's settings; the trace's pings (C0)
// are counted per session.
class RememberedLineSpeed : public DownloadCommand {
protected:
    // Sessions (their headings) and pings in a --trace file.
    static std::pair<int, int> sessionsAndPings(const std::string& trace)
    {
        const std::regex ping(R"(\+\d+ ms sent \d+: 43 30( [0-9A-F]{2})*)");
        std::ifstream in(trace);
        int sessions = 0;
        int pings = 0;
        for (std::string line; std::getline(in, line);) {
            sessions += line.find(" # ") != std::string::npos ? 1 : 0;
            pings += std::regex_match(line, ping) ? 1 : 0;
        }
        return {sessions, pings};
    }

    RunResult downloadAsStored(const std::string& trace, const std::vector<std::string>& extra = {})
    {
        std::vector<std::string> args = {"--slots", std::to_string(kSlot) + "=" + std::to_string(kTable),
                                         "--force-write", "--trace", trace};
        args.insert(args.end(), extra.begin(), extra.end());
        return download(document(), args);
    }
};

TEST_F(RememberedLineSpeed, ASecondCommandToA57600KeyboardPingsAt57600Only)
{
    ASSERT_TRUE(m_keyboard.start({"--baud", "57600"}));
    // Never seen: the inspection pings at 19200 (no answer), then at 57600.
    const std::string first = m_dir.file("first.trace");
    const RunResult run1 = downloadAsStored(first);
    ASSERT_EQ(run1.status, 0) << run1.err;
    const auto [sessions1, pings1] = sessionsAndPings(first);
    EXPECT_EQ(pings1, sessions1 + 1);

    // Remembered: one ping per session, none of them at 19200.
    const std::string second = m_dir.file("second.trace");
    const RunResult run2 = downloadAsStored(second);
    ASSERT_EQ(run2.status, 0) << run2.err;
    const auto [sessions2, pings2] = sessionsAndPings(second);
    EXPECT_GE(sessions2, 2);
    EXPECT_EQ(pings2, sessions2);

    // A named speed is the only one tried: 19200 finds no keyboard at 57600.
    const RunResult named = downloadAsStored(m_dir.file("named.trace"), {"--baud", "19200"});
    EXPECT_EQ(named.status, 3) << named.err;
    const auto [sessions3, pings3] = sessionsAndPings(m_dir.file("named.trace"));
    EXPECT_EQ(sessions3, 1);
    EXPECT_EQ(pings3, 1);
}

TEST_F(RememberedLineSpeed, AnUnknownSpeedIsAUsageError)
{
    const RunResult run = tarvo({"query", "--port", m_keyboard.link(), "--baud", "38400"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--baud takes auto, 19200 or 57600"), std::string::npos) << run.err;
}

} // namespace
} // namespace tarvo::test
