// tarvo new: a document from the start directory's template, and the
// refusal to replace a file without --force.
#include "support/tarvo_run.h"
#include "support/tool_documents.h"
#include "testkit/temp_dir.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace tarvo::test {
namespace {

TEST(CmdNew, BuildsTheDocumentFromTheStartDirectorysTemplate)
{
    TempDir dir;
    writeTemplate(dir.file("site.lt3"));
    const RunResult made = runTarvo({"new", "-o", "out.tvo"}, dir.path());
    ASSERT_EQ(made.status, 0) << made.err;
    const RunResult info = runTarvo({"info", "out.tvo", "--json"}, dir.path());
    ASSERT_EQ(info.status, 0) << info.err;
    const QJsonArray tables = parseJson(info)["tables"].toArray();
    ASSERT_EQ(tables.size(), 2);
    EXPECT_EQ(tables[0].toObject()["language_id"].toInt(), 9);
    EXPECT_EQ(tables[1].toObject()["font"].toInt(), 5);
    EXPECT_EQ(tables[1].toObject()["friendly_name"].toString(), "Korea");
}

TEST(CmdNew, AnExplicitTemplateIsUsedWhereverItLies)
{
    TempDir dir;
    std::filesystem::create_directory(dir.file("t"));
    writeTemplate(dir.file("t/other.LT3"));
    const RunResult made =
        runTarvo({"new", "-o", dir.file("x.tvo"), "--template", dir.file("t/other.LT3")}, dir.path());
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(std::filesystem::exists(dir.file("x.tvo")));
}

TEST(CmdNew, AnExistingFileIsReplacedOnlyWithForce)
{
    TempDir dir;
    writeTemplate(dir.file("site.LT3"));
    writeBytes(dir.file("out.tvo"), {1, 2, 3});
    const RunResult refused = runTarvo({"new", "-o", "out.tvo"}, dir.path());
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.rfind("tarvo: out.tvo: ", 0), 0u) << refused.err;
    EXPECT_EQ(readBytes(dir.file("out.tvo")), (std::vector<std::uint8_t>{1, 2, 3}));
    const RunResult forced = runTarvo({"new", "-o", "out.tvo", "--force"}, dir.path());
    ASSERT_EQ(forced.status, 0) << forced.err;
    EXPECT_GT(readBytes(dir.file("out.tvo")).size(), 2u * 65536u);
}

// -o follows links as every save does: a link naming no file yet makes that
// file, and a pipe behind a link is refused even with --force.
TEST(CmdNew, TheOutputIsTheFileALinkNamesAndNeverAPipe)
{
    TempDir dir;
    writeTemplate(dir.file("site.LT3"));
    std::filesystem::create_symlink("later.tvo", dir.file("dangling.tvo"));
    const RunResult made = runTarvo({"new", "-o", "dangling.tvo"}, dir.path());
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("dangling.tvo")));
    EXPECT_GT(readBytes(dir.file("later.tvo")).size(), 2u * 65536u);

    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("pipe", dir.file("piped.tvo"));
    const RunResult refused = runTarvo({"new", "-o", "piped.tvo", "--force"}, dir.path());
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "tarvo: piped.tvo: is not a regular file\n");
    EXPECT_TRUE(std::filesystem::is_fifo(dir.file("pipe")));
}

TEST(CmdNew, FailuresLeaveNoFileAndSayWhy)
{
    TempDir dir;
    writeBytes(dir.file("bad.LT3"), {'n', 'o', ' ', 'm', 'a', 'r', 'k'});
    const RunResult badTemplate = runTarvo({"new", "-o", "out.tvo", "--template", "bad.LT3"}, dir.path());
    EXPECT_EQ(badTemplate.status, 1);
    EXPECT_EQ(badTemplate.err.rfind("tarvo: ", 0), 0u);
    EXPECT_EQ(std::count(badTemplate.err.begin(), badTemplate.err.end(), '\n'), 1) << badTemplate.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.tvo")));
    const RunResult noOutput = runTarvo({"new"}, dir.path());
    EXPECT_EQ(noOutput.status, 2);
}

} // namespace
} // namespace tarvo::test
