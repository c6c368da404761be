#include "export/dump_test_support.h"

#include "document/doc.h"
#include "support/tarvo_run.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace dumptest;

namespace {

// Runs tarvo dump in folder with the arguments, separated by single spaces
// ('' stands for an empty argument).
tarvo::test::RunResult runDump(const TempDir& dir, const std::string& arguments)
{
    std::vector<std::string> args = {"dump"};
    std::istringstream words(arguments);
    for (std::string word; words >> word;)
        args.push_back(word == "''" ? std::string() : word);
    return tarvo::test::runTarvo(args, dir.path());
}

// A saved document holding tables a and b; the tables stay with the caller
// for the expected values.
struct DocumentFixture {
    TempDir dir;
    std::unique_ptr<tarvo::model::CS1_LangTable> a = patternTable(3, 0x11, 40);
    std::unique_ptr<tarvo::model::CS1_LangTable> b = patternTable(1, 0x22, 41);
    std::string path = dir.file("site.tvo");
    std::string saved;

    DocumentFixture()
    {
        tarvo::document::DocumentNumberPool pool;
        auto number = pool.take();
        tarvo::document::CS1_Doc doc(std::move(*number), 0);
        tarvo::document::TableList tables;
        tables.push_back(a->Clone());
        tables.push_back(b->Clone());
        EXPECT_TRUE(doc.newDocument(std::move(tables), nullptr).ok());
        EXPECT_TRUE(doc.saveToPath(path, true).ok());
        saved = readText(path);
    }
};

std::string fontText(int lines)
{
    std::string text;
    for (int n = 0; n < lines; ++n) {
        text.append(64, "0123456789ABCDEF"[n % 16]);
        text.append("\r\n");
    }
    return text;
}

} // namespace

TEST(DumpCommand, WithoutPositionsTheFirstTablesFillTheFirstSlots)
{
    DocumentFixture f;
    const tarvo::test::RunResult run = runDump(f.dir, "site.tvo --srec out.s19");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = crlfLines(readText(f.dir.file("out.s19")));
    ASSERT_EQ(lines.size(), 2u * 4098u);
    EXPECT_EQ(lines[0], "C104cac5006c");
    EXPECT_EQ(lines[4098], "C104cac5016b");
    const auto imageA = dumpedImage(*f.a);
    const auto imageB = dumpedImage(*f.b);
    for (int row = 0; row < 4096; ++row) {
        ASSERT_EQ(lines[static_cast<std::size_t>(row) + 1], dataLine(0, row, imageA)) << row;
        ASSERT_EQ(lines[4099 + static_cast<std::size_t>(row)], dataLine(1, row, imageB)) << row;
    }
    EXPECT_EQ(readText(f.path), f.saved) << "the document file is never changed";
}

TEST(DumpCommand, PositionsAreTableIndicesInSlotOrder)
{
    DocumentFixture f;
    const tarvo::test::RunResult run = runDump(f.dir, "site.tvo --srec out.s19 --positions 1,-,0");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = crlfLines(readText(f.dir.file("out.s19")));
    ASSERT_EQ(lines.size(), 2u * 4098u);
    EXPECT_EQ(lines[1], dataLine(0, 0, dumpedImage(*f.b)));
    EXPECT_EQ(lines[4098], "C104cac5026a");
    EXPECT_EQ(lines[4099], dataLine(2, 0, dumpedImage(*f.a)));
}

TEST(DumpCommand, BlockMemoryMapAndIconicDumps)
{
    DocumentFixture f;
    ASSERT_EQ(runDump(f.dir, "site.tvo --mmb out.mmb --positions 0").status, 0);
    const auto map = crlfLines(readText(f.dir.file("out.mmb")));
    ASSERT_EQ(map.size(), 4096u + 7u + 96u + 5u);
    EXPECT_EQ(map[0], "Table Description Structure:");
    EXPECT_EQ(map[1].substr(0, 8), "000000  ");

    // "Iconic_font.FT" in the current directory, or the file --font-file names.
    spit(f.dir.file("Iconic_font.FT"), fontText(2));
    spit(f.dir.file("other.FT"), fontText(3));
    ASSERT_EQ(runDump(f.dir, "site.tvo --srec a.s20 --iconic --positions -").status, 0);
    ASSERT_EQ(runDump(f.dir, "site.tvo --srec b.s20 --iconic --font-file other.FT --positions -").status, 0);
    const auto a = crlfLines(readText(f.dir.file("a.s20")));
    const auto b = crlfLines(readText(f.dir.file("b.s20")));
    ASSERT_EQ(a.size(), 12u + 4u + 1u);
    ASSERT_EQ(b.size(), 12u + 6u + 1u);
    EXPECT_EQ(a[0], "#schema 1");
    EXPECT_EQ(a[12].substr(0, 10), "S2140E0000");
}

TEST(DumpCommand, UsageErrors)
{
    DocumentFixture f;
    const char* cases[] = {
        "",
        "site.tvo",
        "site.tvo --srec a.s19 --mmb a.mmb",
        "site.tvo --mmb a.mmb --iconic",
        "site.tvo --srec a.s19 --font-file x.FT",
        "site.tvo other.tvo --srec a.s19",
        "site.tvo --srec a.s19 --positions x",
        "site.tvo --srec a.s19 --positions 1,,0",
        "site.tvo --srec a.s19 --positions -1",
        "site.tvo --srec a.s19 --positions 0,1,0,1,0,1,0,1,0",
        "site.tvo --srec ''",
        "site.tvo --srec a.s19 --bogus",
    };
    for (const char* c : cases) {
        const tarvo::test::RunResult run = runDump(f.dir, c);
        EXPECT_EQ(run.status, 2) << c << ": " << run.err;
        EXPECT_NE(run.err.find("usage: tarvo dump"), std::string::npos) << c;
    }
    EXPECT_EQ(f.dir.entries(), 1u) << "nothing is written";
}

TEST(DumpCommand, FailuresExitOneWithAMessageAndWriteNothing)
{
    DocumentFixture f;
    spit(f.dir.file("bad.FT"), fontText(1) + "12\r\n");
    spit(f.dir.file("kept.s19"), "earlier");
    struct Case {
        const char* arguments;
        std::string messagePart;
    };
    const Case cases[] = {
        {"site.tvo --srec site.tvo", "site.tvo: is the input document"},
        {"missing.tvo --srec kept.s19", "tarvo: missing.tvo: "},
        {"site.tvo --srec kept.s19 --positions 0,9", "position 1: the document has no table 9 (it has 2)"},
        {"site.tvo --srec kept.s19 --positions -,-", "no language table selected"},
        {"site.tvo --srec kept.s19 --iconic", "Iconic_font.FT: cannot be opened"},
        {"site.tvo --srec kept.s19 --iconic --font-file bad.FT", "bad.FT:2: the line holds 2 characters"},
        {"site.tvo --srec missing/x.s19", "missing/x.s19"},
    };
    for (const auto& c : cases) {
        const tarvo::test::RunResult run = runDump(f.dir, c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments << ": " << run.err;
        EXPECT_EQ(run.err.rfind("tarvo: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(c.messagePart), std::string::npos) << c.arguments << ": " << run.err;
    }
    EXPECT_EQ(readText(f.path), f.saved);
    EXPECT_EQ(readText(f.dir.file("kept.s19")), "earlier");
    EXPECT_EQ(f.dir.entries(), 3u);
}
