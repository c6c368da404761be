#include "dump_test_support.h"

#include "export/iconic_font.h"
#include "export/table_dump.h"
#include "templates/utf_text.h"

#include <gtest/gtest.h>

using namespace dumptest;
using namespace tarvo::dump;

namespace {

const std::vector<std::string> kPreambleLines = {"#schema 1",
                                                 "#hardware 0,1,2",
                                                 "// *************************",
                                                 "// Iconic Font Table",
                                                 "// *************************",
                                                 "#if-hardware 0,1",
                                                 "C104CAC50666",
                                                 "#endif",
                                                 "#if-hardware 2",
                                                 "C104CAC50E5E",
                                                 "#endif",
                                                 "#if-hardware 0,1,2"};

// Font line n: 32 bytes n, n+1, ... as 64 upper-case digits.
std::vector<std::uint8_t> fontLineBytes(std::size_t n)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < 32; ++i)
        bytes.push_back(static_cast<std::uint8_t>((n * 13 + i * 5) & 0xFF));
    return bytes;
}

std::string fontLine(std::size_t n, bool upper = true)
{
    std::string digits;
    char hex[3];
    for (const auto b : fontLineBytes(n)) {
        std::snprintf(hex, sizeof hex, upper ? "%02X" : "%02x", b);
        digits += hex;
    }
    return digits;
}

std::string fontFile(std::size_t lines, const char* end = "\r\n")
{
    std::string text;
    for (std::size_t n = 0; n < lines; ++n)
        text += fontLine(n) + end;
    return text;
}

std::string iconicRecord(unsigned address, const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(address >> 16),
                                       static_cast<std::uint8_t>(address >> 8),
                                       static_cast<std::uint8_t>(address)};
    bytes.insert(bytes.end(), data.begin(), data.end());
    return recordLine("S2", bytes, true);
}

DumpRequest iconicRequest(const std::string& fontPath, std::initializer_list<int> positions,
                          const std::string& out = {})
{
    DumpRequest r = request(positions, out);
    r.iconic = true;
    r.fontFilePath = fontPath;
    return r;
}

} // namespace

TEST(IconicDump, PreambleFontRecordsAndTerminatorPrecedeTheTables)
{
    TempDir dir;
    const auto font = dir.file("Iconic_font.FT");
    spit(font, fontFile(3));
    const auto table = patternTable(2, 4, 6);
    const tarvo::model::CS1_LangTable* tables[] = {table.get()};

    std::string text;
    const DumpResult result = buildDump(tables, iconicRequest(font, {kNoTable, 0}), text);
    ASSERT_TRUE(result.ok) << result.message;
    const auto lines = crlfLines(text);
    ASSERT_EQ(lines.size(), kPreambleLines.size() + 6 + 1 + 4098);
    for (std::size_t i = 0; i < kPreambleLines.size(); ++i)
        EXPECT_EQ(lines[i], kPreambleLines[i]);
    std::size_t at = kPreambleLines.size();
    unsigned address = 0x0E0000;
    for (std::size_t n = 0; n < 3; ++n) {
        const auto bytes = fontLineBytes(n);
        for (int half = 0; half < 2; ++half) {
            const std::vector<std::uint8_t> data(bytes.begin() + half * 16, bytes.begin() + half * 16 + 16);
            EXPECT_EQ(lines[at], iconicRecord(address, data)) << "record " << at;
            EXPECT_EQ(lines[at].size(), 44u); // 46 bytes with CR LF
            ++at;
            address += 16;
        }
    }
    EXPECT_EQ(lines[at++], "S804fffffffe");
    EXPECT_EQ(lines[at++], "C104cac5016b");
    EXPECT_EQ(lines[at], dataLine(1, 0, dumpedImage(*table)));
}

TEST(IconicDump, WithoutTablesThePreambleAloneIsTheDump)
{
    TempDir dir;
    const auto font = dir.file("f.FT");
    spit(font, fontFile(1));
    const auto out = dir.file("out.s20");
    const DumpResult result = writeDump({}, iconicRequest(font, {}, out));
    ASSERT_TRUE(result.ok) << result.message;
    const auto lines = crlfLines(readText(out));
    ASSERT_EQ(lines.size(), kPreambleLines.size() + 3);
    EXPECT_EQ(lines.back(), "S804fffffffe");
}

TEST(IconicDump, AcceptedFontFileForms)
{
    struct Case {
        const char* what;
        std::string text;
        std::size_t lines;
    };
    std::string lowerCase = fontLine(0, false) + "\n" + fontLine(1, false) + "\n";
    const Case cases[] = {
        {"CR LF ends", fontFile(2, "\r\n"), 2},
        {"LF ends", fontFile(2, "\n"), 2},
        {"last line without an end", fontFile(1) + fontLine(1), 2},
        {"lower-case digits, written upper case", lowerCase, 2},
    };
    for (const auto& c : cases) {
        IconicFont font;
        const DumpResult result = parseIconicFont(
            {reinterpret_cast<const std::uint8_t*>(c.text.data()), c.text.size()}, "x.FT", font);
        ASSERT_TRUE(result.ok) << c.what << ": " << result.message;
        ASSERT_EQ(font.lines.size(), c.lines) << c.what;
        for (std::size_t n = 0; n < c.lines; ++n) {
            const auto expected = fontLineBytes(n);
            EXPECT_TRUE(std::equal(expected.begin(), expected.end(), font.lines[n].begin())) << c.what;
        }
        std::string text;
        appendIconicSection(text, font);
        const auto first = fontLineBytes(0);
        EXPECT_EQ(crlfLines(text)[kPreambleLines.size()],
                  iconicRecord(0x0E0000, std::vector<std::uint8_t>(first.begin(), first.begin() + 16)))
            << c.what;
    }
}

TEST(IconicDump, AFullFontEndsAtTheLastFiveDigitAddress)
{
    TempDir dir;
    const auto font = dir.file("full.FT");
    spit(font, fontFile(4096));
    std::string text;
    ASSERT_TRUE(buildDump({}, iconicRequest(font, {}), text).ok);
    const auto lines = crlfLines(text);
    ASSERT_EQ(lines.size(), kPreambleLines.size() + 8192 + 1);
    EXPECT_EQ(lines[lines.size() - 2].substr(0, 10), "S2140FFFF0");
}

TEST(IconicDump, FontFileFaultsNameTheFileAndLineAndWriteNothing)
{
    TempDir dir;
    const auto font = dir.file("Iconic_font.FT");
    struct Case {
        const char* what;
        bool present;
        std::string text;
        std::string messagePart;
    };
    const std::string good = fontLine(0) + "\r\n";
    const Case cases[] = {
        {"missing file", false, "", font + ": cannot be opened"},
        {"short line", true, good + good + fontLine(2).substr(1) + "\r\n",
         font + ":3: the line holds 63 characters"},
        {"long line", true, good + fontLine(1) + "0\r\n", font + ":2: the line holds 65 characters"},
        {"not a digit", true, good + "G" + fontLine(1).substr(1) + "\r\n", font + ":2: 'G' at column 1"},
        {"space inside", true, good + fontLine(1).substr(0, 10) + " " + fontLine(1).substr(11) + "\r\n",
         font + ":2: byte 0x20 at column 11"},
        {"empty line between", true, good + "\r\n" + good, font + ":2: the line holds 0 characters"},
        {"empty file", true, "", font + ": the iconic font file holds no lines"},
        {"one line too many", true, fontFile(4097), font + ":4097: more than 4096 lines"},
    };
    const auto out = dir.file("out.s20");
    for (const auto& c : cases) {
        fs::remove(font);
        if (c.present)
            spit(font, c.text);
        spit(out, "previous dump");
        const DumpResult result = writeDump({}, iconicRequest(font, {}, out));
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_NE(result.message.find(c.messagePart), std::string::npos) << c.what << ": " << result.message;
        // The same for the editor, which shows it in its language.
        ASSERT_FALSE(result.said.empty()) << c.what;
        EXPECT_FALSE(result.said.parts()[0].data) << c.what;
        EXPECT_EQ(tarvo::templates::utf16ToUtf8(result.said.text()), result.message) << c.what;
        EXPECT_EQ(readText(out), "previous dump") << c.what;
        // Only the font file and the previous dump: no temporary file is left.
        EXPECT_EQ(dir.entries(), c.present ? 2u : 1u) << c.what;
    }
}

TEST(IconicDump, AFontPathThatIsAFolderIsReported)
{
    TempDir dir;
    std::string text;
    const DumpResult result = buildDump({}, iconicRequest(dir.path().string(), {}), text);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find(dir.path().string() + ": is a directory"), std::string::npos)
        << result.message;
}

TEST(IconicDump, WithoutAFontPathTheCurrentDirectoryIsSearched)
{
    TempDir dir;
    spit(dir.file("Iconic_font.FT"), fontFile(2));
    const auto previous = fs::current_path();
    fs::current_path(dir.path());
    std::string text;
    const DumpResult found = buildDump({}, iconicRequest("", {}), text);
    fs::remove(dir.file("Iconic_font.FT"));
    const DumpResult missing = buildDump({}, iconicRequest("", {}), text);
    fs::current_path(previous);
    ASSERT_TRUE(found.ok) << found.message;
    EXPECT_EQ(crlfLines(text).size(), kPreambleLines.size() + 4 + 1);
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("Iconic_font.FT: cannot be opened"), std::string::npos) << missing.message;
}

TEST(IconicDump, TheOutputMayNotBeTheFontFile)
{
    TempDir dir;
    const auto font = dir.file("Iconic_font.FT");
    const std::string text = fontFile(2);
    spit(font, text);
    const DumpResult result = writeDump({}, iconicRequest(font, {}, font));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(readText(font), text);
}
