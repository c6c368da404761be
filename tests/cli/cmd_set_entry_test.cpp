// tarvo set-entry: an edit as the menu editors make it, saved; refusals
// leave the file as it was.
#include "support/tarvo_run.h"
#include "support/tool_documents.h"
#include "testkit/temp_dir.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace tarvo::test {
namespace {

QJsonObject entryOf(const RunResult& info, int table, int menu, int entry)
{
    const QJsonArray menus = parseJson(info)["tables"].toArray()[table].toObject()["menus"].toArray();
    return menus[menu - 80].toObject()["entries"].toArray()[entry - 1].toObject();
}

class CmdSetEntry : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeTemplate(dir.file("site.LT3"));
        ASSERT_EQ(runTarvo({"new", "-o", "doc.tvo"}, dir.path()).status, 0);
    }
    RunResult set(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"set-entry", "doc.tvo"});
        return runTarvo(args, dir.path());
    }
    RunResult menus() { return runTarvo({"info", "doc.tvo", "--json", "--menus"}, dir.path()); }
    TempDir dir;
};

TEST_F(CmdSetEntry, LinesAndActionAreWrittenAsTheEditorCommitsThem)
{
    const RunResult run =
        set({"--table", "0", "--menu", "80", "--entry", "9", "--lines", "Dome|Two", "--action", "ccl:12345"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject e = entryOf(menus(), 0, 80, 9);
    EXPECT_EQ(e["lines"].toArray()[0].toString(), "      Dome") << "entry 9 is in the right column";
    EXPECT_EQ(e["lines"].toArray()[1].toString(), "       Two");
    EXPECT_EQ(e["lines"].toArray()[2].toString(), "          ");
    EXPECT_EQ(e["kind"].toInt(), 2);
    EXPECT_EQ(e["value_a"].toInt(), (1 << 8) | '0');
    EXPECT_EQ(e["value_b"].toInt(), 2345);
    EXPECT_EQ(e["edited"].toBool(), true) << "the edited flag is kept in the file";
}

// The tool saves as the editor does: through a symbolic link into the file
// it names, the link left a link.
TEST_F(CmdSetEntry, AnEditThroughASymbolicLinkLandsInTheFileItNames)
{
    ASSERT_EQ(::symlink("doc.tvo", dir.file("link.tvo").c_str()), 0);
    const RunResult run = runTarvo({"set-entry", "link.tvo", "--table", "0", "--menu", "80", "--entry", "9",
                                    "--lines", "Dome", "--action", "ccl:1"},
                                   dir.path());
    ASSERT_EQ(run.status, 0) << run.err;
    struct stat st {};
    ASSERT_EQ(::lstat(dir.file("link.tvo").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(entryOf(menus(), 0, 80, 9)["lines"].toArray()[0].toString(), "      Dome");
}

TEST_F(CmdSetEntry, LinkFromMenu80GoesToMenuNPlus80)
{
    ASSERT_EQ(set({"--table", "0", "--menu", "80", "--entry", "6", "--action", "link"}).status, 0);
    const QJsonObject e = entryOf(menus(), 0, 80, 6);
    EXPECT_EQ(e["kind"].toInt(), 1);
    EXPECT_EQ(e["value_a"].toInt(), 86);
    EXPECT_EQ(set({"--table", "0", "--menu", "80", "--entry", "6", "--action", "link:87"}).status, 1);
}

TEST_F(CmdSetEntry, RefusalsAndUsageErrorsLeaveTheFileUnchanged)
{
    const auto before = readBytes(dir.file("doc.tvo"));
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const Case cases[] = {
        {{"--table", "0", "--menu", "80", "--entry", "1", "--action", "ccl:1"}, 1},
        {{"--table", "0", "--menu", "81", "--entry", "1", "--action", "none"}, 1},
        {{"--table", "0", "--menu", "82", "--entry", "3", "--lines", "A"}, 1},
        {{"--table", "1", "--menu", "80", "--entry", "3", "--lines", "ABCDE"}, 1},
        {{"--table", "5", "--menu", "80", "--entry", "3", "--lines", "A"}, 1},
        {{"--table", "0", "--menu", "80", "--entry", "3", "--action", "ccl:1000000"}, 2},
        {{"--table", "0", "--menu", "80", "--entry", "3"}, 2},
        {{"--table", "x", "--menu", "80", "--entry", "3", "--lines", "A"}, 2},
    };
    for (const auto& c : cases) {
        const RunResult run = set(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err.rfind("tarvo: ", 0), 0u) << run.err;
        EXPECT_EQ(readBytes(dir.file("doc.tvo")), before);
    }
}

TEST_F(CmdSetEntry, AReadOnlyDocumentIsRefusedAndLeftAsItWas)
{
    const std::string path = dir.file("doc.tvo");
    const auto before = readBytes(path);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const RunResult run = set({"--table", "0", "--menu", "80", "--entry", "3", "--lines", "Tilt"});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err.rfind("tarvo: doc.tvo: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("read-only"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_EQ(readBytes(path), before);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
}

TEST_F(CmdSetEntry, LinesAloneKeepTheActionBytesAsStored)
{
    // Entry 3 of menu 80 in the first table: a CCL macro whose number the
    // number edit cannot show (high byte 255, low word 65535).
    constexpr std::size_t kFirstImage = 64 + 26;
    constexpr std::size_t kEntry = kFirstImage + 16348 + 512 * 80 + 36 * 3;
    const std::string path = dir.file("doc.tvo");
    auto bytes = readBytes(path);
    ASSERT_EQ(bytes[kEntry + 33], '0');
    bytes[kEntry + 32] = 0xFF;
    bytes[kEntry + 34] = 0xFF;
    bytes[kEntry + 35] = 0xFF;
    writeBytes(path, bytes);

    const RunResult run = set({"--table", "0", "--menu", "80", "--entry", "3", "--lines", "Tilt|Up"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject e = entryOf(menus(), 0, 80, 3);
    EXPECT_EQ(e["lines"].toArray()[0].toString(), "Tilt      ");
    EXPECT_EQ(e["kind"].toInt(), 2);
    EXPECT_EQ(e["value_a"].toInt(), 0xFF30);
    EXPECT_EQ(e["value_b"].toInt(), 65535);
    EXPECT_EQ(e["edited"].toBool(), true);
}

} // namespace
} // namespace tarvo::test
