// Tokens of a line, character classes, number fields and justification.
#include "template_test_support.h"
#include "templates/char_classes.h"
#include "templates/template_lexer.h"
#include "templates/template_values.h"
#include "templates/utf_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace tarvo::templates {
namespace {

struct Token {
    TokenKind kind;
    std::u16string text;
    int column;
};

// Every token of one line, up to the end of the line or a lexer error.
std::vector<Token> tokensOf(const std::u16string& line)
{
    TemplateLexer lexer;
    lexer.Reset("l.LT3", TemplateText(line));
    EXPECT_TRUE(lexer.NextLine(true));
    std::vector<Token> tokens;
    for (int guard = 0; guard < 100; ++guard) {
        const bool ok = lexer.NextToken(false);
        tokens.push_back({lexer.Kind(), lexer.Text(), lexer.Column()});
        if (!ok || lexer.Kind() == TK_EOLN)
            break;
    }
    return tokens;
}

TEST(TemplateLexer, LineSplitsIntoTokensWithTheirColumns)
{
    struct Case {
        std::u16string line;
        std::vector<Token> tokens;
    };
    const Case cases[] = {
        {u"  abc_1, -12 \"a\"\"b\" // c d",
         {{TK_IDENTIFIER, u"abc_1", 5},
          {TK_COMMA, u",", 1},
          {TK_NUMBER, u"-12", 3},
          {TK_STRING, u"\"a\"b\"", 6},
          {TK_COMMENT, u"// c d", 6},
          {TK_EOLN, u"", 0}}},
        {u"_x\t\r", {{TK_IDENTIFIER, u"_x", 2}, {TK_EOLN, u"", 0}}},
        {u"Gr\u00F6\u00DFe \u65E5\u672C",
         {{TK_IDENTIFIER, u"Gr\u00F6\u00DFe", 5}, {TK_IDENTIFIER, u"\u65E5\u672C", 2}, {TK_EOLN, u"", 0}}},
        {u"\"\",\"\"",
         {{TK_STRING, u"\"\"", 2}, {TK_COMMA, u",", 1}, {TK_STRING, u"\"\"", 2}, {TK_EOLN, u"", 0}}},
        {u"-", {{TK_NUMBER, u"-", 1}, {TK_EOLN, u"", 0}}},
        // Errors keep the rest of the line as the token text.
        {u"12x, 3", {{TK_ILLEGAL_CHAR, u"12x, 3", 3}}},
        {u"a.b", {{TK_ILLEGAL_CHAR, u"a.b", 2}}},
        {u"\"open", {{TK_UNEXPECTED_EOLN, u"\"open", 5}}},
        {u"\"", {{TK_UNEXPECTED_EOLN, u"\"", 1}}},
        {u"/", {{TK_UNEXPECTED_EOLN, u"/", 1}}},
        {u"\u00BD", {{TK_ILLEGAL_CHAR, u"\u00BD", 1}}},
        {u"\u3000,", {{TK_COMMA, u",", 1}, {TK_EOLN, u"", 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(utf16ToUtf8(c.line));
        const auto tokens = tokensOf(c.line);
        ASSERT_EQ(tokens.size(), c.tokens.size());
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            EXPECT_EQ(tokens[i].kind, c.tokens[i].kind) << i;
            EXPECT_EQ(utf16ToUtf8(tokens[i].text), utf16ToUtf8(c.tokens[i].text)) << i;
            EXPECT_EQ(tokens[i].column, c.tokens[i].column) << i;
        }
    }
}

TEST(TemplateLexer, PushedBackTokenIsReadAgain)
{
    TemplateLexer lexer;
    lexer.Reset("l.LT3", TemplateText(u"NAME, 5"));
    ASSERT_TRUE(lexer.NextLine(true));
    ASSERT_TRUE(lexer.NextToken(true));
    lexer.PushBack();
    EXPECT_EQ(lexer.Kind(), TK_PUSHED_BACK);
    EXPECT_TRUE(lexer.Text().empty());
    ASSERT_TRUE(lexer.NextToken(true));
    EXPECT_EQ(lexer.Kind(), TK_IDENTIFIER);
    EXPECT_EQ(lexer.Text(), u"NAME");
}

TEST(TemplateLexer, LinesEndAtLineFeedAndAnEmptyLastPieceIsNoLine)
{
    struct Case {
        std::u16string text;
        int lines;
    };
    const Case cases[] = {
        {u"", 0}, {u"\n", 1}, {u"a", 1}, {u"a\n", 1}, {u"a\nb", 2}, {u"a\r\n\r\n", 2}, {u"\n\n\n", 3},
    };
    for (const auto& c : cases) {
        TemplateText text(c.text);
        std::u16string line;
        int count = 0;
        while (text.readLine(line))
            ++count;
        EXPECT_EQ(count, c.lines) << utf16ToUtf8(c.text);
    }
}

TEST(CharClasses, LettersDigitsAndWhiteSpaceComeFromUnicode)
{
    for (const char16_t c :
         {u'A', u'z', u'\u00AA', u'\u00E9', u'\u0416', u'\u05D0', u'\uAC00', u'\u4E2D', u'\u9898'})
        EXPECT_TRUE(isLetter(c)) << int(c);
    for (const char16_t c :
         {u'0', u'_', u'-', u'\u00BD', u'\u20AC', u'\u0300', u'\u0660', char16_t(0xD800), u'\uFFFF'})
        EXPECT_FALSE(isLetter(c)) << int(c);
    for (char16_t c = u'0'; c <= u'9'; ++c)
        EXPECT_TRUE(isDigit(c));
    EXPECT_FALSE(isDigit(u'\u0661')); // Arabic-Indic one: a digit elsewhere, not here
    for (const char16_t c :
         {u' ', u'\t', u'\r', u'\n', u'\v', u'\f', u'\u0085', u'\u00A0', u'\u2028', u'\u3000'})
        EXPECT_TRUE(isWhiteSpace(c)) << int(c);
    for (const char16_t c : {u'a', u'\u200B', u'\uFEFF', u'\0'})
        EXPECT_FALSE(isWhiteSpace(c)) << int(c);
}

TEST(TemplateValues, NumberFieldsConvertWithAutomaticBase)
{
    struct Case {
        std::u16string token;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {u"0", 0},
        {u"010", 8},
        {u"\"0x10\"", 16},
        {u"\"$10\"", 16},
        {u"\"1$0\"", 16}, // every "$" goes, "0x" goes in front
        {u"\"0X1f\"", 31},
        {u"\"12abc\"", 12},
        {u"\"09\"", 0}, // octal stops at 9
        {u"\"0x\"", 0},
        {u"\"$\"", 0},
        {u"\"abc\"", 0},
        {u"\"\"", 0},
        {u"-", 0},
        {u"-5", -5},
        {u"\"  +7\"", 7},
        {u"\"1\"\"2\"", 12}, // every quote removed
        {u"2147483647", INT32_MAX},
        {u"-2147483648", INT32_MIN},
        {u"\"$7FFFFFFF\"", INT32_MAX},
        {u"\"-0x80000000\"", INT32_MIN},
        {u"2147483648", std::nullopt},
        {u"-2147483649", std::nullopt},
        {u"\"$FFFFFFFF\"", std::nullopt},
        {u"99999999999999999999999", std::nullopt},
        {u"\"037777777777\"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberFieldValue(c.token), c.value) << utf16ToUtf8(c.token);
}

TEST(TemplateValues, JustifyPadsOrKeepsTheFirstCharacters)
{
    struct Case {
        std::u16string text;
        int width;
        Justification side;
        std::u16string result;
    };
    const Case cases[] = {
        {u"Pan", 10, Justification::Left, u"Pan       "},
        {u"Pan", 10, Justification::Right, u"       Pan"},
        {u"Pan", 10, Justification::Centre, u"   Pan    "},
        {u"Pa", 10, Justification::Centre, u"    Pa    "},
        {u"", 4, Justification::Right, u"    "},
        {u"ABCDEFGHIJK", 10, Justification::Left, u"ABCDEFGHIJ"},
        {u"ABCDEFGHIJK", 10, Justification::Right, u"ABCDEFGHIJ"},
        {u"ABCDEFGHIJK", 8, Justification::Centre, u"ABCDEFGH"},
        {u"ABCD", 4, Justification::Right, u"ABCD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(justifyText(c.text, c.width, c.side), c.result) << utf16ToUtf8(c.text);
}

TEST(UtfText, RoundTripsAndReplacesBrokenInput)
{
    const std::u16string text = u"a\u00E9\u0416\uAC00\U0001F600";
    EXPECT_EQ(utf8ToUtf16(utf16ToUtf8(text)), text);
    EXPECT_EQ(utf16ToUtf8(u"\u00E9"), "\xC3\xA9");
    EXPECT_EQ(utf8ToUtf16("\xC3"), u"\uFFFD");
    EXPECT_EQ(utf8ToUtf16("\xC0\x80"), u"\uFFFD"); // over-long form
    EXPECT_EQ(utf16ToUtf8(std::u16string{char16_t(0xD800), u'x'}), "\xEF\xBF\xBDx");
}

} // namespace
} // namespace tarvo::templates
