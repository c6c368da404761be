// The file side of the reader: byte order mark, odd lengths, garbage, file
// errors and the limits on lines and records.
#include "template_test_support.h"
#include "templates/template_messages.h"
#include "templates/template_parser.h"
#include "templates/utf_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

namespace tarvo::templates {
namespace {

struct Outcome {
    bool ok;
    std::size_t tables;
    std::optional<TemplateError> error;
};

Outcome parseBytes(const std::vector<std::uint8_t>& bytes)
{
    CTemplateReader reader;
    TableList tables;
    const bool ok = reader.ParseTemplateData("f.LT3", bytes, tables);
    return {ok, tables.size(), reader.Error()};
}

std::vector<std::uint8_t> minimalBytes()
{
    return test::utf16le(test::joinLines(test::minimalTemplateLines()));
}

TEST(TemplateFile, BadStartsGiveOneClearError)
{
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        int code;
        int cause;
    };
    std::vector<std::uint8_t> bigEndian = {0xFE, 0xFF};
    std::vector<std::uint8_t> odd = minimalBytes();
    odd.push_back(0x41);
    const std::u16string text = test::joinLines(test::minimalTemplateLines());
    const std::string utf8(text.begin(), text.end()); // the template is ASCII
    const Case cases[] = {
        {"empty file", {}, msg::kNoByteOrderMark, 0},
        {"one byte", {0xFF}, msg::kNoByteOrderMark, 0},
        {"big-endian mark", bigEndian, msg::kNoByteOrderMark, 0},
        {"UTF-16 without a mark", test::utf16le(text, false), msg::kNoByteOrderMark, 0},
        {"UTF-8 text", std::vector<std::uint8_t>(utf8.begin(), utf8.end()), msg::kNoByteOrderMark, 0},
        {"ends in the middle of a character", odd, msg::kCannotRead, msg::kCausePartialCharacter},
        {"mark only", {0xFF, 0xFE}, msg::kCannotRead, msg::kCauseEndOfFile},
        {"mark and one byte", {0xFF, 0xFE, 0x20}, msg::kCannotRead, msg::kCausePartialCharacter},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome o = parseBytes(c.bytes);
        EXPECT_FALSE(o.ok);
        EXPECT_EQ(o.tables, 0u);
        ASSERT_TRUE(o.error.has_value());
        EXPECT_EQ(o.error->code, c.code);
        EXPECT_EQ(o.error->causeCode, c.cause);
        if (c.code == msg::kNoByteOrderMark) {
            EXPECT_EQ(o.error->line, 0);
            EXPECT_EQ(o.error->column, 0);
            EXPECT_EQ(utf16ToUtf8(o.error->fullText),
                      "The template has no byte order mark.\n\n\nTemplate: f.LT3\n\nLine: 0\n\nColumn: 0");
        }
    }
}

TEST(TemplateFile, MegabytesOfGarbageGiveAnErrorAndNoTable)
{
    std::mt19937 random(12345);
    std::vector<std::uint8_t> garbage(4u << 20);
    for (auto& b : garbage)
        b = static_cast<std::uint8_t>(random());
    std::vector<std::uint8_t> marked(garbage.size() + 2);
    marked[0] = 0xFF;
    marked[1] = 0xFE;
    std::copy(garbage.begin(), garbage.end(), marked.begin() + 2);
    garbage[0] = 0x00; // surely no mark

    std::vector<std::uint8_t> lineFeeds = {0xFF, 0xFE};
    for (int i = 0; i < (2 << 20); ++i) {
        lineFeeds.push_back(0x0A);
        lineFeeds.push_back(0x00);
    }
    std::vector<std::uint8_t> oneLongString = test::utf16le(u"\"" + std::u16string(1u << 20, u'a'));
    std::vector<std::uint8_t> keywordsOnly;
    {
        std::u16string t;
        for (int i = 0; i < 20000; ++i)
            t += u"START_TABLE_DATA_CODE\n";
        keywordsOnly = test::utf16le(t);
    }
    struct Case {
        const char* what;
        const std::vector<std::uint8_t>& bytes;
        int code;
    };
    const Case cases[] = {
        {"random bytes", garbage, msg::kNoByteOrderMark},
        {"random bytes after a mark", marked, 0},
        {"millions of empty lines", lineFeeds, msg::kTooManyLines},
        {"one unterminated string of a million characters", oneLongString, msg::kUnexpectedEndOfLine},
        {"keyword lines only", keywordsOnly, msg::kUnexpectedToken},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome o = parseBytes(c.bytes);
        EXPECT_FALSE(o.ok);
        EXPECT_EQ(o.tables, 0u);
        ASSERT_TRUE(o.error.has_value());
        if (c.code != 0) {
            EXPECT_EQ(o.error->code, c.code);
        }
    }
}

TEST(TemplateFile, KeywordSearchStopsAfter5001Tokens)
{
    // The search starts on the empty line before line 1: with n comment lines
    // first, the keyword on line n + 1 is token n + 2.
    auto withComments = [](int n) {
        std::vector<std::u16string> lines(static_cast<std::size_t>(n), u"// c");
        const auto body = test::minimalTemplateLines();
        lines.insert(lines.end(), body.begin(), body.end());
        return test::utf16le(test::joinLines(lines));
    };
    EXPECT_TRUE(parseBytes(withComments(4999)).ok);
    const Outcome o = parseBytes(withComments(5000));
    EXPECT_FALSE(o.ok);
    ASSERT_TRUE(o.error.has_value());
    EXPECT_EQ(o.error->code, msg::kTooManyLines);
    EXPECT_EQ(o.error->line, 5001);
    EXPECT_TRUE(o.error->hasPosition);
    EXPECT_EQ(utf16ToUtf8(o.error->summary.text()),
              "Error: <too many lines>: No section keyword was found within 5001 lines.");
}

TEST(TemplateFile, SectionReadsAtMost5001Records)
{
    auto withLabels = [](int n) {
        std::vector<std::u16string> lines = test::minimalTemplateLines();
        std::vector<std::u16string> labels;
        for (int i = 0; i < n; ++i)
            labels.push_back(msg::numberText(i) + u", \"label\"");
        // Lines 5 onwards: the labels replace the single one.
        lines.erase(lines.begin() + 4);
        lines.insert(lines.begin() + 4, labels.begin(), labels.end());
        return test::utf16le(test::joinLines(lines));
    };
    CTemplateReader reader;
    TableList tables;
    ASSERT_TRUE(reader.ParseTemplateData("f.LT3", withLabels(5001), tables));
    EXPECT_EQ(tables[0]->MetadataLabels().size(), 5001u);
    EXPECT_EQ(tables[0]->GetMetadataLabel(5000), u"label");

    const Outcome o = parseBytes(withLabels(5002));
    EXPECT_FALSE(o.ok);
    ASSERT_TRUE(o.error.has_value());
    EXPECT_EQ(o.error->code, msg::kTooManyRecords);
    // Keyword on line 4; record 5002 (number 5001) on line 5006.
    EXPECT_EQ(o.error->line, 5006);
    EXPECT_EQ(o.error->column, 4);
}

TEST(TemplateFile, ATemplateHoldsAtMost256Tables)
{
    // Each block is lines 1-12 of the minimal template; the end keyword follows the last.
    auto withTables = [](std::size_t n) {
        const std::vector<std::u16string> minimal = test::minimalTemplateLines();
        std::vector<std::u16string> lines;
        for (std::size_t i = 0; i < n; ++i)
            lines.insert(lines.end(), minimal.begin(), minimal.begin() + 12);
        lines.insert(lines.end(), minimal.begin() + 12, minimal.end());
        return test::utf16le(test::joinLines(lines));
    };
    const Outcome allowed = parseBytes(withTables(256));
    ASSERT_TRUE(allowed.ok);
    EXPECT_EQ(allowed.tables, 256u);

    const Outcome o = parseBytes(withTables(257));
    EXPECT_FALSE(o.ok);
    EXPECT_EQ(o.tables, 0u);
    ASSERT_TRUE(o.error.has_value());
    EXPECT_EQ(o.error->code, msg::kTooManyTables);
    EXPECT_EQ(o.error->code, 12123) << "a code of its own, after the other limits";
    // Found at the keyword that opens block 257, on line 256 * 12 + 1.
    EXPECT_EQ(o.error->line, 256 * 12 + 1);
    EXPECT_EQ(utf16ToUtf8(o.error->summary.text()),
              "Error: <too many tables>: A template holds at most 256 language tables.");
}

TEST(TemplateFile, FilesThatCannotBeOpenedOrReadAreFileErrors)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder.LT3");
    const std::string large = dir.file("large.LT3");
    {
        std::vector<std::uint8_t> head = {0xFF, 0xFE};
        dir.write("large.LT3", head);
        std::filesystem::resize_file(large, kMaxTemplateBytes + 2);
    }
    struct Case {
        std::string path;
        int code;
        int cause;
    };
    const Case cases[] = {
        {dir.file("missing.LT3"), msg::kCannotOpen, msg::kCauseNotFound},
        {dir.file("no-folder/x.LT3"), msg::kCannotOpen, msg::kCauseNotFound},
        {dir.file("folder.LT3"), msg::kCannotOpen, msg::kCauseBadPath},
        {large, msg::kCannotRead, msg::kCauseTooLarge},
        {"/dev/zero", msg::kCannotOpen, msg::kCauseInvalidFile},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        CTemplateReader reader;
        reader.SetFailureNote(u"note");
        TableList tables;
        EXPECT_FALSE(reader.ParseTemplate(c.path, tables));
        ASSERT_TRUE(reader.Error().has_value());
        EXPECT_EQ(reader.Error()->code, c.code);
        EXPECT_EQ(reader.Error()->causeCode, c.cause);
        EXPECT_FALSE(reader.Error()->hasPosition);
        EXPECT_EQ(reader.Error()->fullText.find(u"note"), std::u16string::npos);
    }
    CTemplateReader reader;
    TableList tables;
    reader.ParseTemplate(dir.file("missing.LT3"), tables);
    EXPECT_EQ(utf16ToUtf8(reader.Error()->fullText), "The template \"" + dir.file("missing.LT3") +
                                                         "\" could not be opened.  It could not be found.");
}

TEST(TemplateFile, ParsesFromDiskAsFromMemory)
{
    test::TempDir dir;
    const std::string path = dir.write("Good.LT3", minimalBytes());
    CTemplateReader reader;
    TableList tables;
    ASSERT_TRUE(reader.ParseTemplate(path, tables));
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0]->GetMenuName(80), u"Main");
}

TEST(TemplateFile, FriendlyNameCheckLooksOnlyAtTheMark)
{
    test::TempDir dir;
    const std::string good = dir.write("good.LT3", test::utf16le(u"nonsense that is never parsed"));
    const std::string unmarked = dir.write("bad.LT3", test::utf16le(u"x", false));
    CTemplateReader reader;
    std::u16string name = u"old";
    EXPECT_FALSE(reader.ReadFriendlyName(good, name));
    EXPECT_TRUE(name.empty());
    EXPECT_FALSE(reader.Error().has_value());

    EXPECT_FALSE(reader.ReadFriendlyName(unmarked, name));
    ASSERT_TRUE(reader.Error().has_value());
    EXPECT_EQ(reader.Error()->code, msg::kNoByteOrderMark);

    EXPECT_FALSE(reader.ReadFriendlyName(dir.file("none.LT3"), name));
    ASSERT_TRUE(reader.Error().has_value());
    EXPECT_EQ(reader.Error()->code, msg::kCannotOpen);
}

} // namespace
} // namespace tarvo::templates
