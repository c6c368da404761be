// tarvo import against the simulated keyboard: the images in the document
// are the keyboard's, in slot order, and a failed import leaves no file.

#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "support/test_settings.h"
#include "support/tool_documents.h"
#include "testkit/temp_dir.h"

#include "document/doc.h"
#include "model/lang_table_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace tarvo::test {
namespace {

namespace fs = std::filesystem;
namespace layout = model::layout;

// The shipped template holds languages 0-4; the keyboard's slots hold them in
// another order, with one language the template lacks; slot 4 is blank and
// slot 6 empty (zeros).
constexpr int kFactoryEnglish = 1;
constexpr int kFactoryDeutsch = 2;
constexpr int kFactoryEspanol = 3;
constexpr int kFactoryKorean = 5;
constexpr int kUnknownLanguage = 46;
constexpr int kSlotOfUnknownLanguage = 3;
constexpr int kEmptySlot = 6;
constexpr std::size_t kScatterStep = 4093;
constexpr std::size_t kScatterStart = 4096;
constexpr std::uint8_t kReadOnly = 1;

class ImportCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_factory = factoryFlash(m_dir.file("factory.bin"));
        const Bytes& factory = m_factory;
        ASSERT_EQ(factory.size(), kSlotBytes * kFlashSlots);
        m_flash.assign(factory.size(), kErased);
        placeTable(factory, kFactoryEspanol, 1);
        placeTable(factory, kFactoryEnglish, 2);
        placeTable(factory, kFactoryDeutsch, kSlotOfUnknownLanguage);
        slotOf(m_flash, kSlotOfUnknownLanguage)[layout::kLanguageIdOffset] = kUnknownLanguage;
        placeTable(factory, kFactoryKorean, 5);
        std::ranges::fill(slotOf(m_flash, kEmptySlot), 0x00);
        writeFlash(m_keyboard.flashPath(), m_flash, false);
    }

    // A factory table in a slot, marked read-only and with bytes of its own
    // all through it, so that only the keyboard's image can match it.
    void placeTable(const Bytes& factory, int factorySlot, int slot)
    {
        const auto from = slotOf(factory, factorySlot);
        const auto to = slotOf(m_flash, slot);
        std::ranges::copy(from, to.begin());
        to[layout::kReadOnlyOffset] = kReadOnly;
        for (std::size_t i = kScatterStart; i < kSlotBytes; i += kScatterStep)
            to[i] = static_cast<std::uint8_t>(to[i] + slot * 16 + 1);
    }

    // What the document holds of a slot: the image as read, its read-only flag cleared.
    Bytes expectedImage(int slot) const
    {
        const auto image = slotOf(m_flash, slot);
        Bytes expected(image.begin(), image.end());
        expected[layout::kReadOnlyOffset] = 0;
        return expected;
    }

    RunResult import(const std::vector<std::string>& extra)
    {
        std::vector<std::string> args = {"import", "--port", m_keyboard.link(), "-o", output()};
        args.insert(args.end(), extra.begin(), extra.end());
        return runTarvo(args, m_dir.path());
    }

    std::string output() const { return m_dir.file("imported.tvo"); }

    // Files in the folder other than the keyboard's own.
    std::vector<std::string> strayFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir.path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("sim.", 0) != 0 && name.rfind("flash.bin", 0) != 0 &&
                name.rfind("factory.bin", 0) != 0 && name != "kbd")
                names.push_back(name);
        }
        return names;
    }

    TempDir m_dir;
    // The line speeds the tool keeps stay in this test.
    TestSettings m_settings;
    SimulatedKeyboard m_keyboard{m_dir.path()};
    Bytes m_factory;
    Bytes m_flash;
};

struct SlotCase {
    const char* name;
    std::vector<std::string> slotsOption;
    std::vector<int> expectedSlots;
    bool namesSkippedSlot;
    std::vector<std::string> keyboardOptions;
};

void PrintTo(const SlotCase& c, std::ostream* os)
{
    *os << c.name;
}

class ImportedSlots : public ImportCommand, public ::testing::WithParamInterface<SlotCase> {};

TEST_P(ImportedSlots, DocumentHoldsTheKeyboardsImagesInSlotOrder)
{
    const SlotCase& c = GetParam();
    ASSERT_TRUE(m_keyboard.start(c.keyboardOptions));
    std::vector<std::string> extra = c.slotsOption;
    extra.push_back("--json");
    const RunResult run = import(extra);
    ASSERT_EQ(run.status, 0) << run.err;

    const std::vector<Bytes> images = documentImages(output());
    ASSERT_EQ(images.size(), c.expectedSlots.size());
    for (std::size_t k = 0; k < images.size(); ++k)
        EXPECT_TRUE(images[k] == expectedImage(c.expectedSlots[k])) << "table " << k;

    const bool named = run.err.find("#" + std::to_string(kSlotOfUnknownLanguage) + " ") != std::string::npos;
    EXPECT_EQ(named, c.namesSkippedSlot) << run.err;

    const std::vector<QJsonObject> events = jsonLines(run.out);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), (QJsonObject{{"event", "done"}, {"status", 0}}));
    std::vector<std::pair<int, std::string>> expectedResults;
    for (const int slot : c.expectedSlots)
        expectedResults.emplace_back(slot, "read");
    EXPECT_EQ(slotResults(events), expectedResults);
    const int blocks = kBlocksPerSlot * static_cast<int>(c.expectedSlots.size());
    const auto lastRead = std::find_if(events.rbegin(), events.rend(), [](const QJsonObject& e) {
        return e["event"].toString() == "progress" && e["phase"].toString() == "read";
    });
    ASSERT_NE(lastRead, events.rend());
    EXPECT_EQ((*lastRead)["done"].toInt(), blocks);
    EXPECT_EQ((*lastRead)["total"].toInt(), blocks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportedSlots,
    ::testing::Values(
        SlotCase{"everyPresentSlotTheTemplateKnows", {}, {1, 2, 5}, true, {}},
        SlotCase{"chosenSlotsInSlotOrder", {"--slots", "2,1"}, {1, 2}, false, {}},
        SlotCase{"twoByteFontSlotAlone", {"--slots", "5"}, {5}, false, {}},
        SlotCase{"bootloaderOtherThan100", {"--slots", "5,2"}, {2, 5}, false, {"--bootloader", "1.01"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportCommand, TwoSlotsOfOneLanguageBecomeTwoTables)
{
    constexpr int kSecondEnglish = 7;
    placeTable(m_factory, kFactoryEnglish, kSecondEnglish);
    writeFlash(m_keyboard.flashPath(), m_flash, false);
    ASSERT_TRUE(m_keyboard.start());
    const RunResult run = import({"--slots", "7,2"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<Bytes> images = documentImages(output());
    ASSERT_EQ(images.size(), 2U);
    EXPECT_TRUE(images[0] == expectedImage(2));
    EXPECT_TRUE(images[1] == expectedImage(kSecondEnglish));
}

// A template of languages 7, 9 and 11, each table with Windows language ID
// 1000 + language and menu 80 named "Main <language>".
void writeTemplateOfLanguages7_9_11(const std::string& path)
{
    std::u16string text;
    for (const int id : {7, 9, 11}) {
        const std::u16string language = QString::number(id).toStdU16String();
        const std::u16string windowsId = QString::number(1000 + id).toStdU16String();
        text += u"START_TABLE_DATA_CODE\n1, \"Lang" + language + u"\", 1, " + windowsId + u", " + language +
                u"\n\nSTART_METADATA_LABELS_DATA_CODE\n10, \"Script Menus\"\n\n"
                u"START_SOFTKEY_MENU_NAME_DATA_CODE\n80, \"Main " +
                language +
                u"\"\n\nSTART_SOFTKEY_MENU_DATA_CODE\n80, 3, 0, , 0, 2, 48, , \"Pan\", \"\", \"\"\n\n";
    }
    text += u"ENDFILE_DATA_CODE\n\n";
    Bytes bytes = {0xFF, 0xFE};
    for (const char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    writeBytes(path, bytes);
}

TEST_F(ImportCommand, EachTableKeepsTheTemplateNamesOfItsOwnLanguage)
{
    // Slots 1-3 hold languages 9, 9 and 7: not the template's order, and one twice.
    const int languages[] = {9, 9, 7};
    m_flash.assign(m_factory.size(), kErased);
    for (int slot = 1; slot <= 3; ++slot) {
        placeTable(m_factory, kFactoryEnglish, slot);
        slotOf(m_flash, slot)[layout::kLanguageIdOffset] = static_cast<std::uint8_t>(languages[slot - 1]);
    }
    writeFlash(m_keyboard.flashPath(), m_flash, false);
    writeTemplateOfLanguages7_9_11(m_dir.file("three.LT3"));
    ASSERT_TRUE(m_keyboard.start());
    const RunResult run = import({"--template", m_dir.file("three.LT3")});
    ASSERT_EQ(run.status, 0) << run.err;

    document::DocumentNumberPool pool;
    const document::DocOutcome opened = document::openDocument(pool, output(), 0);
    ASSERT_TRUE(opened.doc);
    ASSERT_EQ(opened.doc->tableCount(), 3U);
    for (std::size_t k = 0; k < 3; ++k) {
        const model::CS1_LangTable& table = opened.doc->table(k);
        const int id = languages[k];
        EXPECT_TRUE(Bytes(table.Image().begin(), table.Image().end()) ==
                    expectedImage(static_cast<int>(k) + 1))
            << "table " << k;
        EXPECT_EQ(table.WindowsLanguageId(), 1000 + id) << "table " << k;
        EXPECT_EQ(table.GetMenuName(80), u"Main " + QString::number(id).toStdU16String()) << "table " << k;
    }
}

TEST_F(ImportCommand, ExistingOutputIsReplacedOnlyWithForce)
{
    ASSERT_TRUE(m_keyboard.start());
    const Bytes before = {'k', 'e', 'e', 'p'};
    writeBytes(output(), before);
    EXPECT_EQ(import({"--slots", "2"}).status, 1);
    EXPECT_EQ(readBytes(output()), before);

    const RunResult forced = import({"--slots", "2", "--force"});
    ASSERT_EQ(forced.status, 0) << forced.err;
    const std::vector<Bytes> images = documentImages(output());
    ASSERT_EQ(images.size(), 1U);
    EXPECT_TRUE(images[0] == expectedImage(2));
}

// A pipe (or a device) is never replaced by the saved document; that is
// known before anything is read, so nothing is.
TEST_F(ImportCommand, AnOutputThatIsNoRegularFileIsRefusedBeforeTheKeyboardIsAsked)
{
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_EQ(::mkfifo(output().c_str(), 0600), 0);
    const RunResult refused = import({"--slots", "2", "--force"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "tarvo: " + output() + ": is not a regular file\n");
    EXPECT_EQ(m_keyboard.framesReceived("C0"), 0);
    EXPECT_TRUE(fs::is_fifo(output()));
}

struct FaultCase {
    const char* name;
    const char* fault;
    std::vector<int> acceptedStatuses;
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class ImportFault : public ImportCommand, public ::testing::WithParamInterface<FaultCase> {};

// Slots 1 and 2 are read; the slot information takes 13 x 3 T0 and the
// read's own information phase 2 x 2, so T0 number 2000 is a middle block of
// slot 1. Which faults end a read where is the read session's; here, the exit
// status of each kind and the files left.
TEST_P(ImportFault, LeavesNoDocumentAndAnExistingFileUntouched)
{
    const FaultCase& c = GetParam();
    ASSERT_TRUE(m_keyboard.start({"--fault", c.fault}));
    const Bytes before = {'o', 'l', 'd'};
    writeBytes(output(), before);
    const RunResult run = import({"--slots", "1,2", "--force", "--json"});
    EXPECT_NE(std::ranges::find(c.acceptedStatuses, run.status), c.acceptedStatuses.end())
        << run.status << ": " << run.err;
    EXPECT_EQ(readBytes(output()), before);
    EXPECT_EQ(strayFiles(), std::vector<std::string>{"imported.tvo"});
    const std::vector<QJsonObject> events = jsonLines(run.out);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back()["status"].toInt(), run.status);
    EXPECT_NE(run.err.find("could not be read"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportFault,
                         ::testing::Values(FaultCase{"lostReplyMidSlot", "drop:T0:2000", {3}},
                                           FaultCase{"badChecksumMidSlot", "corrupt:T0:2000", {4}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportCommand, TableNamedForASlotIsAUsageError)
{
    // N=I names a document table to write: an import has none.
    ASSERT_TRUE(m_keyboard.start());
    const RunResult run = import({"--slots", "1=0"});
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_FALSE(fs::exists(output()));
    m_keyboard.stop();
    EXPECT_EQ(m_keyboard.framesReceived("T7"), 0);
}

} // namespace
} // namespace tarvo::test
