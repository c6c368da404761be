// tarvo query against the simulated keyboard on a pseudo-terminal: both line
// speeds, both address modes, and empty, blank and present slots.

#include "model/keyboard_fonts.h"
#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "support/test_settings.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

#include <sstream>
#include <string>
#include <vector>

namespace {

using tarvo::test::kSlotBytes;
constexpr int kSlots = tarvo::test::kFlashSlots;

using tarvo::test::RunResult;

// A slot image head: schema 3, the name in font 1, firmware version 1.94.
void writeTable(std::vector<std::uint8_t>& flash, int slot, const std::u16string& name, int languageId)
{
    auto* image = flash.data() + static_cast<std::size_t>(slot) * kSlotBytes;
    std::fill(image, image + 336, 0x00);
    image[0] = 3;
    for (std::size_t i = 0; i < name.size(); ++i)
        image[1 + i] =
            static_cast<std::uint8_t>(tarvo::model::KeyboardFonts::instance().toDevice(1, name[i]));
    for (std::size_t i = name.size(); i < 20; ++i)
        image[1 + i] = static_cast<std::uint8_t>(tarvo::model::KeyboardFonts::instance().toDevice(1, u' '));
    image[330] = 1;
    image[331] = 0;
    image[333] = 1;
    image[334] = 94;
    image[335] = static_cast<std::uint8_t>(languageId);
}

// A slot image head in font 5: eight two-byte codes, high byte first.
void writeTwoByteTable(std::vector<std::uint8_t>& flash, int slot, const std::u16string& name, int languageId)
{
    constexpr int kTwoByteFont = 5;
    writeTable(flash, slot, u"", languageId);
    auto* image = flash.data() + static_cast<std::size_t>(slot) * kSlotBytes;
    std::fill(image + 1, image + 21, 0x00);
    for (std::size_t i = 0; i < name.size() && i < 8; ++i) {
        const std::uint32_t code = tarvo::model::KeyboardFonts::instance().toDevice(kTwoByteFont, name[i]);
        image[1 + 2 * i] = static_cast<std::uint8_t>(code >> 8);
        image[2 + 2 * i] = static_cast<std::uint8_t>(code);
    }
    image[330] = kTwoByteFont;
}

// Terminal columns of a text, by hand: Hangul syllables take two, the rest
// of what these tests print one.
int columnsOf(const QString& text)
{
    int columns = 0;
    for (const QChar c : text)
        columns += c.unicode() >= 0xAC00 && c.unicode() <= 0xD7A3 ? 2 : 1;
    return columns;
}

class QueryCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Slot 1 holds a table, slot 2 is zeroed (empty), slot 3 holds a table, the rest are erased.
        std::vector<std::uint8_t> flash(kSlots * kSlotBytes, 0xFF);
        writeTable(flash, 0, u"English", 1);
        std::fill(flash.begin() + kSlotBytes, flash.begin() + 2 * kSlotBytes, 0x00);
        writeTable(flash, 2, u"Svenska", 46);
        tarvo::test::writeBytes(m_sim.flashPath(), flash);
    }

    bool startSimulator(const std::vector<std::string>& options) { return m_sim.start(options); }
    // tarvo query on the simulator with the extra options (separated by spaces).
    RunResult query(const std::string& extra = " --json")
    {
        std::vector<std::string> args = {"query", "--port", m_sim.link()};
        std::istringstream words(extra);
        for (std::string word; words >> word;)
            args.push_back(word);
        return tarvo::test::runTarvo(args);
    }

    // The line speeds the tool keeps stay in this test.
    tarvo::test::TestSettings m_settings;
    tarvo::test::SimulatedKeyboard m_sim;
};

struct LineCase {
    const char* name;
    int baud;
    const char* bootloader;
    int generation;
    int expectedSlots;
};

class QueryCommandLine : public QueryCommand, public ::testing::WithParamInterface<LineCase> {};

TEST_P(QueryCommandLine, ReportsIdentityAndEverySlot)
{
    const LineCase& c = GetParam();
    ASSERT_TRUE(startSimulator({"--baud", std::to_string(c.baud), "--bootloader", c.bootloader,
                                "--generation", std::to_string(c.generation)}));
    const RunResult result = query();
    ASSERT_EQ(result.status, 0) << result.out;
    QJsonParseError error{};
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out;
    EXPECT_EQ(root["model"].toString(), "KBD-OMNIA");
    EXPECT_EQ(root["baud"].toInt(), c.baud);
    const QJsonObject identity = root["identity"].toObject();
    EXPECT_EQ(identity["generation"].toInt(), c.generation);
    EXPECT_EQ(identity["firmware_major"].toInt(), 1);
    EXPECT_EQ(identity["firmware_minor"].toInt(), 94);
    const QJsonArray slotList = root["slots"].toArray();
    ASSERT_EQ(slotList.size(), c.expectedSlots);
    const QJsonObject first = slotList[0].toObject();
    EXPECT_EQ(first["slot"].toInt(), 1);
    EXPECT_EQ(first["friendly_name"].toString(), "English");
    EXPECT_EQ(first["language_id"].toInt(), 1);
    EXPECT_EQ(first["font"].toInt(), 1);
    EXPECT_EQ(first["version_code"].toInt(), 0);
    EXPECT_EQ(first["version"].toString(), "1.94");
    EXPECT_TRUE(slotList[1].isNull()); // byte 0 is 0
    EXPECT_EQ(slotList[2].toObject()["friendly_name"].toString(), "Svenska");
    EXPECT_EQ(slotList[2].toObject()["language_id"].toInt(), 46);
    for (int i = 3; i < c.expectedSlots; ++i)
        EXPECT_TRUE(slotList[i].isNull()) << i; // erased
}

INSTANTIATE_TEST_SUITE_P(Cases, QueryCommandLine,
                         ::testing::Values(LineCase{"linear19200", 19200, "2.00", 2, 13},
                                           LineCase{"paged57600", 57600, "1.00", 2, 13},
                                           LineCase{"pagedFiveSlots19200", 19200, "1.00", 1, 5},
                                           LineCase{"linearFiveSlots57600", 57600, "1.01", 0, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(QueryCommand, HumanOutputShowsTheRowsAsTheDialogDoes)
{
    ASSERT_TRUE(startSimulator({}));
    const RunResult result = query("");
    ASSERT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("1  English"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("2  ( empty )"), std::string::npos);
    EXPECT_NE(result.out.find("13  ( flashed clear )"), std::string::npos);
    EXPECT_NE(result.out.find("-----"), std::string::npos);
}

TEST_F(QueryCommand, ColumnsLineUpWithWideNamesAndTwoDigitSlots)
{
    // Hangul syllables the two-byte font has: two columns each.
    std::u16string hangul;
    for (const char16_t c : tarvo::model::KeyboardFonts::instance().characters(5))
        if (c >= 0xAC00 && c <= 0xD7A3 && hangul.size() < 3)
            hangul += c;
    ASSERT_EQ(hangul.size(), 3u);
    std::vector<std::uint8_t> flash(kSlots * kSlotBytes, 0xFF);
    writeTable(flash, 0, u"English", 1);
    writeTwoByteTable(flash, 2, hangul, 18);
    writeTable(flash, 10, u"Svenska", 46);
    writeTwoByteTable(flash, 12, hangul.substr(0, 2), 19);
    tarvo::test::writeBytes(m_sim.flashPath(), flash);
    ASSERT_TRUE(startSimulator({}));
    const RunResult result = query("");
    ASSERT_EQ(result.status, 0) << result.out;

    // "  " + description (26 columns) + " " + schema (10) + " " + font (12) + " " + version (11) + " ".
    constexpr int kNameColumn = 6;
    constexpr int kLanguageIdColumn = 2 + 26 + 1 + 10 + 1 + 12 + 1 + 11 + 1;
    QStringList rows = QString::fromStdString(result.out).split('\n');
    rows.removeIf(
        [](const QString& line) { return !QRegularExpression("^ +\\d+  ").match(line).hasMatch(); });
    ASSERT_EQ(rows.size(), 13) << result.out;
    for (const QString& row : rows)
        EXPECT_EQ(columnsOf(row.left(row.lastIndexOf(' ') + 1)), kLanguageIdColumn) << row.toStdString();
    const std::pair<int, std::u16string> names[] = {
        {1, u"English"}, {3, hangul}, {11, u"Svenska"}, {13, hangul.substr(0, 2)}};
    for (const auto& [slot, name] : names) {
        const QString& row = rows[slot - 1];
        EXPECT_EQ(columnsOf(row.left(row.indexOf(QString::fromStdU16String(name)))), kNameColumn)
            << row.toStdString();
    }
}

TEST_F(QueryCommand, ExitStatusesByFailureClass)
{
    // No device at all.
    EXPECT_EQ(query().status, 7);
    // The keyboard refuses a block: the reply fails its check.
    ASSERT_TRUE(startSimulator({"--fault", "corrupt:T0:2"}));
    EXPECT_EQ(query().status, 4);
}

TEST_F(QueryCommand, KeyboardThatNeverAnswersGivesNoAnswer)
{
    ASSERT_TRUE(startSimulator({"--fault", "drop:C0:1", "--fault", "drop:C0:2"}));
    EXPECT_EQ(query().status, 3);
}

TEST_F(QueryCommand, ComNumberOutOfRangeIsAUsageError)
{
    EXPECT_EQ(tarvo::test::runTarvo({"query", "--port", "17"}).status, 2);
    EXPECT_EQ(tarvo::test::runTarvo({"query"}).status, 2);
}

} // namespace
