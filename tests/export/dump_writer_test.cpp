#include "dump_test_support.h"

#include "export/table_dump.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace dumptest;
using namespace tarvo::dump;

namespace {

bool srecCatInstalled()
{
    return std::system("command -v srec_cat >/dev/null 2>&1") == 0;
}

// Keeps only the lines srec_cat is to read: the S-records proper.
std::string standardRecordsOnly(const std::string& text)
{
    std::string kept;
    for (const auto& line : crlfLines(text))
        if (line.rfind("S", 0) == 0)
            kept += line + "\r\n";
    return kept;
}

// Limits the size of files this process writes; a write beyond it fails
// with EFBIG as a write to a full disk fails with ENOSPC.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

TEST(DumpWriter, WritesTheBuiltTextAndReplacesAnEarlierDump)
{
    TempDir dir;
    const auto table = patternTable(1, 1, 12);
    const tarvo::model::CS1_LangTable* tables[] = {table.get()};
    const auto out = dir.file("tables.s19");
    spit(out, "earlier dump");
    const DumpRequest r = request({0}, out);
    const DumpResult result = writeDump(tables, r);
    ASSERT_TRUE(result.ok) << result.message;
    std::string text;
    ASSERT_TRUE(buildDump(tables, r, text).ok);
    EXPECT_EQ(readText(out), text);
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(DumpWriter, FailuresWriteNothingAndLeaveAnEarlierFileAlone)
{
    TempDir dir;
    const auto table = patternTable(1, 1, 13);
    const tarvo::model::CS1_LangTable* tables[] = {table.get()};
    const auto earlier = dir.file("earlier.s19");
    spit(earlier, "earlier dump");
    ::mkfifo(dir.file("pipe").c_str(), 0600);
    fs::create_directory(dir.file("folder"));

    struct Case {
        const char* what;
        std::string out;
        DumpRequest request;
        std::string messagePart;
    };
    const Case cases[] = {
        {"no output path", "", request({0}), "Error: Output File not specified."},
        {"no table selected", earlier, request({}), "no language table selected"},
        {"missing folder", dir.file("missing/x.s19"), request({0}), dir.file("missing/x.s19")},
        {"folder that takes no files", "/proc/tarvo-export-test.s19", request({0}),
         "/proc/tarvo-export-test.s19"},
        {"a pipe", dir.file("pipe"), request({0}), dir.file("pipe") + ": is not a regular file"},
        {"a folder", dir.file("folder"), request({0}), dir.file("folder") + ": is a directory"},
    };
    for (const auto& c : cases) {
        DumpRequest r = c.request;
        r.outputPath = c.out;
        const DumpResult result = writeDump(tables, r);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_NE(result.message.find(c.messagePart), std::string::npos) << c.what << ": " << result.message;
    }
    EXPECT_EQ(readText(earlier), "earlier dump");
    EXPECT_EQ(fs::status(dir.file("pipe")).type(), fs::file_type::fifo);
    EXPECT_FALSE(fs::exists("/proc/tarvo-export-test.s19"));
    EXPECT_EQ(dir.entries(), 3u);
}

TEST(DumpWriter, AWriteErrorPartWayIsReportedAndLeavesNoPartialFile)
{
    TempDir dir;
    std::vector<std::unique_ptr<tarvo::model::CS1_LangTable>> owned;
    std::vector<const tarvo::model::CS1_LangTable*> tables;
    for (int i = 0; i < 8; ++i) {
        owned.push_back(patternTable(1, i, 20 + i));
        tables.push_back(owned.back().get());
    }
    const auto out = dir.file("big.s19");
    spit(out, "earlier dump");
    DumpRequest r = request({}, out);
    r.positions = autoSetPositions(8);
    DumpResult result;
    {
        const FileSizeLimit limit(64 * 1024);
        result = writeDump(tables, r);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(out + ": cannot be written"), std::string::npos) << result.message;
    EXPECT_EQ(readText(out), "earlier dump");
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(DumpWriter, SrecCatReadsTheImagesBackFromTheDump)
{
    if (!srecCatInstalled())
        GTEST_SKIP() << "srec_cat is not installed (Debian package srecord, see tools/install-deps.sh)";
    TempDir dir;
    const auto a = patternTable(3, 1, 30);
    const auto b = patternTable(5, 2, 31);
    const tarvo::model::CS1_LangTable* tables[] = {a.get(), b.get()};

    // Two tables in slots 0 and 2, after the iconic font from 0x0E0000.
    std::string font;
    for (int line = 0; line < 2; ++line) {
        for (int i = 0; i < 32; ++i)
            font += hex2(static_cast<std::uint8_t>(line * 32 + i + 0xA0));
        font += "\r\n";
    }
    spit(dir.file("Iconic_font.FT"), font);
    for (const bool iconic : {false, true}) {
        DumpRequest r = request({0, kNoTable, 1}, dir.file("dump.s19"));
        r.iconic = iconic;
        r.fontFilePath = dir.file("Iconic_font.FT");
        const DumpResult result = writeDump(tables, r);
        ASSERT_TRUE(result.ok) << result.message;
        spit(dir.file("records.s19"), standardRecordsOnly(readText(dir.file("dump.s19"))));

        const std::string command = "srec_cat " + dir.file("records.s19") + " -o " + dir.file("image.bin") +
                                    " -binary 2>" + dir.file("srec_cat.log");
        ASSERT_EQ(std::system(command.c_str()), 0) << readText(dir.file("srec_cat.log"));
        const std::string bin = readText(dir.file("image.bin"));
        ASSERT_EQ(bin.size(), iconic ? 0x0E0000u + 64u : 3u * 65536u);
        const auto imageA = dumpedImage(*a);
        const auto imageB = dumpedImage(*b);
        EXPECT_EQ(bin.substr(0, 65536), std::string(imageA.begin(), imageA.end()));
        EXPECT_EQ(bin.substr(2 * 65536, 65536), std::string(imageB.begin(), imageB.end()));
        if (iconic) {
            std::string fontBytes;
            for (int i = 0; i < 64; ++i)
                fontBytes += static_cast<char>(i + 0xA0);
            EXPECT_EQ(bin.substr(0x0E0000), fontBytes);
        }
    }
}
