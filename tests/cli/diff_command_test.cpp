// tarvo diff: exit 0 for equal documents, 1 with each difference printed
// (entries decoded in their table's font), 2 for a file that cannot be read.
#include "support/tarvo_run.h"
#include "support/tool_documents.h"
#include "testkit/temp_dir.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <filesystem>

namespace tarvo::test {
namespace {

constexpr int kKoreanTable = 1;
constexpr int kKoreanLanguageId = 18;

class DiffCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeTemplate(dir.file("site.LT3"));
        ASSERT_EQ(runTarvo({"new", "-o", "a.tvo"}, dir.path()).status, 0);
        std::filesystem::copy_file(dir.file("a.tvo"), dir.file("b.tvo"));
    }
    RunResult diff(std::vector<std::string> extra = {})
    {
        std::vector<std::string> args{"diff", "a.tvo", "b.tvo"};
        args.insert(args.end(), extra.begin(), extra.end());
        return runTarvo(args, dir.path());
    }
    TempDir dir;
};

TEST_F(DiffCommand, EqualDocumentsExitZeroAndPrintNothing)
{
    const RunResult run = diff();
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const RunResult json = diff({"--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_TRUE(parseJson(json)["equal"].toBool());
    EXPECT_EQ(parseJson(json)["tables"].toArray().size(), 2);
}

TEST_F(DiffCommand, AnEditedFontFiveEntryIsShownDecodedOnBothSides)
{
    const RunResult edit = runTarvo({"set-entry", "b.tvo", "--table", std::to_string(kKoreanTable), "--menu",
                                     "80", "--entry", "2", "--lines", "\xEA\xB0\x80\xEA\xB0\x81"},
                                    dir.path());
    ASSERT_EQ(edit.status, 0) << edit.err;

    const RunResult text = diff();
    EXPECT_EQ(text.status, 1) << text.err;
    EXPECT_NE(text.out.find("menu 80 entry 2"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\xEA\xB0\x80\xEA\xB0\x81"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("edited"), std::string::npos) << text.out;

    const RunResult json = diff({"--json"});
    EXPECT_EQ(json.status, 1);
    const QJsonObject root = parseJson(json);
    EXPECT_FALSE(root["equal"].toBool());
    const QJsonArray tables = root["tables"].toArray();
    ASSERT_EQ(tables.size(), 2);
    EXPECT_EQ(tables[0].toObject()["status"].toString(), "same");
    EXPECT_EQ(tables[1].toObject()["status"].toString(), "changed");
    EXPECT_EQ(tables[1].toObject()["index_a"].toInt(), kKoreanTable);
    const QJsonArray entries = root["entries"].toArray();
    ASSERT_EQ(entries.size(), 1);
    const QJsonObject e = entries[0].toObject();
    EXPECT_EQ(e["language_id"].toInt(), kKoreanLanguageId);
    EXPECT_EQ(e["menu"].toInt(), 80);
    EXPECT_EQ(e["entry"].toInt(), 2);
    EXPECT_TRUE(
        e["b"].toObject()["lines"].toArray()[0].toString().contains(QString::fromUtf8("\xEA\xB0\x80")));
    EXPECT_TRUE(e["b"].toObject()["edited"].toBool());
    EXPECT_FALSE(e["a"].toObject()["edited"].toBool());
    EXPECT_EQ(e["a"].toObject()["lines"].toArray().size(), 3);
}

TEST_F(DiffCommand, AMissingOrDamagedFileIsExitTwoWithTheDocumentMessage)
{
    std::filesystem::remove(dir.file("b.tvo"));
    const RunResult missing = diff();
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("b.tvo"), std::string::npos) << missing.err;

    writeBytes(dir.file("b.tvo"), {3, 0, 0, 0, 1});
    const RunResult damaged = diff({"--json"});
    EXPECT_EQ(damaged.status, 2);
    EXPECT_NE(damaged.err.find("b.tvo"), std::string::npos) << damaged.err;
    EXPECT_EQ(damaged.out, "");

    EXPECT_EQ(runTarvo({"diff", "a.tvo"}, dir.path()).status, 2);
}

} // namespace
} // namespace tarvo::test
