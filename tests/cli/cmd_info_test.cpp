// tarvo info: the keys and values of --json, the menus, and damaged files.
#include "support/tarvo_run.h"
#include "support/tool_documents.h"
#include "testkit/temp_dir.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

namespace tarvo::test {
namespace {

// Offsets in a file written by this program: the document header is 64
// bytes, a table record's image starts 26 bytes into the record.
constexpr std::size_t kFirstRecord = 64;
constexpr std::size_t kFirstImage = kFirstRecord + 26;
constexpr std::size_t kFontByte = 330;

std::string newDocument(const TempDir& dir)
{
    writeTemplate(dir.file("site.LT3"));
    const RunResult made = runTarvo({"new", "-o", "doc.tvo"}, dir.path());
    EXPECT_EQ(made.status, 0) << made.err;
    return dir.file("doc.tvo");
}

TEST(CmdInfo, JsonShowsTheSettingsAsTheUserSeesThem)
{
    TempDir dir;
    newDocument(dir);
    const RunResult info = runTarvo({"info", "doc.tvo", "--json"}, dir.path());
    ASSERT_EQ(info.status, 0) << info.err;
    const QJsonObject doc = parseJson(info);
    EXPECT_EQ(doc["schema"].toInt(), 3);
    EXPECT_EQ(doc["server_path"].toString(), "");
    const QJsonObject comm = doc["comm"].toObject();
    EXPECT_EQ(comm["port"].toString(), "COM1");
    EXPECT_FALSE(comm["device"].toString().isEmpty());
    EXPECT_EQ(comm["baud"].toInt(), 19200);
    EXPECT_EQ(comm["parity"].toString(), "None");
    EXPECT_EQ(comm["data_bits"].toInt(), 8);
    EXPECT_EQ(comm["stop_bits"].toString(), "1");
    EXPECT_EQ(comm["handshaking"].toString(), "RTS");
    EXPECT_EQ(comm["input_mode"].toString(), "Binary");
    EXPECT_EQ(comm["in_buffer_size"].toInt(), 1024);
    EXPECT_EQ(comm["out_buffer_size"].toInt(), 512);
    EXPECT_EQ(comm["r_threshold"].toInt(), 1);
    EXPECT_EQ(comm["rts_enable"].toBool(), true);
    EXPECT_EQ(comm["dtr_enable"].toBool(), false);
    EXPECT_EQ(comm["parity_replace"].toString(), "?");
    const QJsonObject first = doc["tables"].toArray()[0].toObject();
    EXPECT_EQ(first["index"].toInt(), 0);
    EXPECT_EQ(first["friendly_name"].toString(), "English");
    EXPECT_EQ(first["font"].toInt(), 1);
    EXPECT_EQ(first["version_code"].toInt(), 0);
    EXPECT_EQ(first["version"].toString(), QString("%1.%2")
                                               .arg(first["firmware_major"].toInt())
                                               .arg(first["firmware_minor"].toInt(), 2, 10, QChar('0')));
    EXPECT_EQ(first["read_only"].toBool(), false);
    EXPECT_FALSE(first.contains("menus"));
}

TEST(CmdInfo, MenusListAllFourteenEntriesOfMenus80To95AsStored)
{
    TempDir dir;
    newDocument(dir);
    const RunResult info = runTarvo({"info", "doc.tvo", "--json", "--menus"}, dir.path());
    ASSERT_EQ(info.status, 0) << info.err;
    const QJsonArray menus = parseJson(info)["tables"].toArray()[0].toObject()["menus"].toArray();
    ASSERT_EQ(menus.size(), 16);
    const QJsonObject main = menus[0].toObject();
    EXPECT_EQ(main["number"].toInt(), 80);
    EXPECT_EQ(main["name"].toString(), "Main");
    EXPECT_EQ(menus[15].toObject()["number"].toInt(), 95);
    const QJsonArray entries = main["entries"].toArray();
    ASSERT_EQ(entries.size(), 14);
    const QJsonObject third = entries[2].toObject();
    EXPECT_EQ(third["entry"].toInt(), 3);
    EXPECT_EQ(third["lines"].toArray()[0].toString(), "Pan       ") << "padding is kept";
    EXPECT_EQ(third["kind"].toInt(), 2);
    EXPECT_EQ(third["value_a"].toInt(), 48);
    EXPECT_EQ(third["edited"].toBool(), false);
    EXPECT_EQ(entries[0].toObject()["lines"].toArray()[0].toString(), "") << "a zero code ends a line";
}

TEST(CmdInfo, AnUnknownFontIsNamedUnknown)
{
    TempDir dir;
    const std::string path = newDocument(dir);
    auto bytes = readBytes(path);
    bytes[kFirstRecord] = 9; // the record's font
    bytes[kFirstImage + kFontByte] = 9;
    writeBytes(path, bytes);
    const RunResult json = runTarvo({"info", "doc.tvo", "--json"}, dir.path());
    ASSERT_EQ(json.status, 0) << json.err;
    const QJsonObject first = parseJson(json)["tables"].toArray()[0].toObject();
    EXPECT_EQ(first["font"].toInt(), 9);
    EXPECT_EQ(first["font_known"].toBool(), false);
    const RunResult text = runTarvo({"info", "doc.tvo"}, dir.path());
    ASSERT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("font 9 (unknown)"), std::string::npos) << text.out;
}

TEST(CmdInfo, DamagedAndForeignFilesGiveOneErrorLine)
{
    TempDir dir;
    const std::string path = newDocument(dir);
    auto bytes = readBytes(path);
    bytes.resize(bytes.size() / 2);
    writeBytes(dir.file("cut.tvo"), bytes);
    auto newer = readBytes(path);
    newer[0] = 4;
    writeBytes(dir.file("newer.tvo"), newer);
    for (const std::string name : {"cut.tvo", "newer.tvo", "site.LT3", "missing.tvo"}) {
        const RunResult info = runTarvo({"info", name}, dir.path());
        EXPECT_EQ(info.status, 1) << name;
        EXPECT_EQ(info.err.rfind("tarvo: " + name + ": ", 0), 0u) << info.err;
        EXPECT_EQ(std::count(info.err.begin(), info.err.end(), '\n'), 1) << info.err;
        EXPECT_TRUE(info.out.empty()) << name;
    }
    const RunResult newerInfo = runTarvo({"info", "newer.tvo"}, dir.path());
    EXPECT_NE(newerInfo.err.find("Wend Schema: 3 Doc Schema: 4"), std::string::npos) << newerInfo.err;
}

TEST(CmdInfo, EntryRecordsNamingNoEntryAreDroppedWithAWarning)
{
    TempDir dir;
    const std::string path = newDocument(dir);
    auto bytes = readBytes(path);
    // The entry info record of 80/3 in the first table: key, menu 80, entry 3.
    const std::vector<std::uint8_t> record = {3, 0, 80, 0, 80, 0, 0, 0, 3, 0, 0, 0};
    const auto at = std::search(bytes.begin(), bytes.end(), record.begin(), record.end());
    ASSERT_NE(at, bytes.end());
    at[2] = 96; // key (96 << 16) | 3: there is no menu 96
    writeBytes(path, bytes);

    const RunResult info = runTarvo({"info", "doc.tvo"}, dir.path());
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(info.err.rfind("tarvo: doc.tvo: warning: language table 0: 1 entry records", 0), 0u)
        << info.err;
    EXPECT_NE(info.err.find("0x00600003"), std::string::npos) << info.err;
    EXPECT_EQ(std::count(info.err.begin(), info.err.end(), '\n'), 1) << info.err;
}

TEST(CmdInfo, CommandsRefuseAPipeWithoutWaitingForAWriter)
{
    TempDir dir;
    newDocument(dir);
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    struct Case {
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {{"info", "pipe"}},
        {{"set-entry", "pipe", "--table", "0", "--menu", "80", "--entry", "3", "--lines", "A"}},
        {{"check-template", "pipe"}},
        {{"dump", "doc.tvo", "--srec", "out.s20", "--iconic", "--font-file", "pipe"}},
    };
    for (const auto& c : cases) {
        // A command that waits is stopped by runTarvo's limit and fails the test.
        const RunResult run = runTarvo(c.args, dir.path());
        EXPECT_EQ(run.status, 1) << c.args[0] << ": " << run.err;
        EXPECT_NE(run.err.find("pipe"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.s20"))) << "nothing is written";
    }
}

} // namespace
} // namespace tarvo::test
