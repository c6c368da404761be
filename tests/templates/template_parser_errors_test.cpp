// Broken templates: each gives its message, line and column, and no table.
// Positions follow the reader's rule: the line is the number of lines read,
// the column the characters the last token took from the rest of its line
// (after that rest's leading white space).
#include "template_test_support.h"
#include "templates/template_messages.h"
#include "templates/template_parser.h"
#include "templates/utf_text.h"

#include <gtest/gtest.h>

#include <functional>

namespace tarvo::templates {
namespace {

using Lines = std::vector<std::u16string>;

struct ErrorCase {
    const char* what;
    std::function<void(Lines&)> edit;
    int code;
    int line;
    int column;
    std::u16string summary; // empty: not checked
};

Lines replaced(std::size_t lineNumber, std::u16string text)
{
    Lines lines = test::minimalTemplateLines();
    lines[lineNumber - 1] = std::move(text);
    return lines;
}

auto replace(std::size_t lineNumber, std::u16string text)
{
    return [lineNumber, text](Lines& lines) { lines[lineNumber - 1] = text; };
}

auto insertBefore(std::size_t lineNumber, std::u16string text)
{
    return [lineNumber, text](Lines& lines) {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lineNumber - 1), text);
    };
}

const std::u16string kMenuTail = u", 0, , 0, 2, 48, , \"Pan\", \"Left\", \"\"";

std::vector<ErrorCase> errorCases()
{
    return {
        {"hexadecimal without quotes", replace(11, u"80, 8, 0, , 0, 2, 0x1F, , \"Pan\", \"Left\", \"\""),
         12000, 11, 2, u"Error: <illegal character>: 'x' (120)"},
        {"illegal character at the start of an indented line", replace(3, u"\t  #"), 12000, 3, 1,
         u"Error: <illegal character>: '#' (35)"},
        {"illegal character inside an identifier", replace(1, u"START-TABLE"), 12000, 1, 6,
         u"Error: <illegal character>: '-' (45)"},
        {"quote right after a number", replace(5, u"10\", \"Script Menus\""), 12000, 5, 3,
         u"Error: <illegal character>: '\"' (34)"},
        {"line ends inside a string", replace(8, u"80, \"Main"), 12001, 8, 5,
         u"Error: <unexpected End Of Line>"},
        {"line ends after a single slash", replace(5, u"10, \"Script Menus\" /"), 12001, 5, 1,
         u"Error: <unexpected End Of Line>"},
        {"line ends after a doubled quote", replace(8, u"80, \"Main\"\""), 12001, 8, 7,
         u"Error: <unexpected End Of Line>"},
        {"slash followed by another character", replace(6, u"/*"), 12000, 6, 2,
         u"Error: <illegal character>: '*' (42)"},
        {"comment line right after a record", insertBefore(6, u"// note"), 12002, 6, 7,
         u"Error: <unexpected token>: // note"},
        {"comment at the end of a record line", replace(5, u"10, \"Script Menus\" // note"), 12002, 5, 7,
         u"Error: <unexpected token>: // note"},
        {"empty line right after a keyword", replace(5, u""), 12005, 5, 0,
         u"Error: <unexpected token>: EOLN"},
        {"value beyond the signed 32-bit range",
         replace(11, u"80, 8, 0, , 0, 2, 2147483648, , \"Pan\", \"Left\", \"\""), 12002, 11, 10,
         u"Error: <unexpected token>: 2147483648"},
        {"quoted value below the signed 32-bit range",
         replace(11, u"80, 8, 0, , 0, 2, \"-2147483649\", , \"Pan\", \"Left\", \"\""), 12002, 11, 13,
         u"Error: <unexpected token>: \"-2147483649\""},
        {"missing comma", replace(2, u"1 \"English\", 1, 1033, 0"), 12002, 2, 9,
         u"Error: <unexpected token>: \"English\""},
        {"second record in the table section", replace(3, u"2, \"Other\", 1, 1033, 1"), 12002, 3, 1,
         u"Error: <unexpected token>: 2"},
        {"extra field in the table record", replace(2, u"1, \"English\", 1, 1033, 0, 5"), 12002, 2, 1,
         u"Error: <unexpected token>: ,"},
        {"number where a keyword belongs", replace(4, u"4"), 12002, 4, 1, u"Error: <unexpected token>: 4"},
        {"number where a text belongs", replace(8, u"80, 5"), 12002, 8, 1, u"Error: <unexpected token>: 5"},
        {"identifier where a number belongs", replace(5, u"ten, \"Script Menus\""), 12002, 5, 3,
         u"Error: <unexpected token>: ten"},
        {"label text left out", replace(5, u"10, "), 12005, 5, 0, u"Error: <unexpected token>: EOLN"},
        {"metadata label given without its comma", replace(5, u"10 \"x\""), 12002, 5, 3,
         u"Error: <unexpected token>: \"x\""},
        {"comma after the third menu line", replace(11, u"80, 8" + kMenuTail + u","), 12002, 11, 1,
         u"Error: <unexpected token>: ,"},
        {"string record where a number starts a record", insertBefore(6, u"\"11\", \"x\""), 12002, 6, 4,
         u"Error: <unexpected token>: \"11\""},
        {"another identifier opens a table block", replace(13, u"MORE_TABLES"), 12005, 14, 0,
         u"Error: <unexpected token>: EOLN"},
        {"menu number above 95", replace(11, u"96, 8" + kMenuTail), 12118, 11, 2,
         u"Error: <invalid menu number>: 96 (menus are numbered 0 to 95)"},
        {"negative menu number", replace(11, u"-1, 8" + kMenuTail), 12118, 11, 2, {}},
        {"quoted menu number beyond the image", replace(11, u"\"$1000\", 8" + kMenuTail), 12118, 11, 7,
         u"Error: <invalid menu number>: 4096 (menus are numbered 0 to 95)"},
        {"entry number 0", replace(11, u"80, 0" + kMenuTail), 12119, 11, 1,
         u"Error: <invalid entry number>: 0 (entries are numbered 1 to 14)"},
        {"entry number 15", replace(11, u"80, 15" + kMenuTail), 12119, 11, 2, {}},
        {"font 0", replace(2, u"1, \"English\", 0, 1033, 0"), 12120, 2, 1,
         u"Error: <invalid font number>: 0 (fonts are numbered 1 to 7)"},
        {"font 8", replace(2, u"1, \"English\", 8, 1033, 0"), 12120, 2, 1, {}},
    };
}

TEST(TemplateParserErrors, EachBrokenTemplateGivesItsMessageLineAndColumn)
{
    for (const auto& c : errorCases()) {
        SCOPED_TRACE(c.what);
        Lines lines = test::minimalTemplateLines();
        c.edit(lines);
        CTemplateReader reader;
        TableList tables;
        EXPECT_FALSE(reader.ParseTemplateData("bad.LT3", test::utf16le(test::joinLines(lines)), tables));
        EXPECT_TRUE(tables.empty());
        ASSERT_TRUE(reader.Error().has_value());
        const TemplateError& e = *reader.Error();
        EXPECT_EQ(e.code, c.code);
        EXPECT_EQ(e.line, c.line);
        EXPECT_EQ(e.column, c.column);
        EXPECT_TRUE(e.hasPosition);
        if (!c.summary.empty()) {
            EXPECT_EQ(utf16ToUtf8(e.summary.text()), utf16ToUtf8(c.summary));
        }
    }
}

TEST(TemplateParserErrors, PositionTextAndFailureNoteFollowTheMessage)
{
    CTemplateReader reader;
    reader.SetFailureNote(u"A new document could not be created.");
    TableList tables;
    EXPECT_FALSE(
        reader.ParseTemplateData("/tmp/x.LT3", test::utf16le(test::joinLines(replaced(5, u""))), tables));
    ASSERT_TRUE(reader.Error().has_value());
    EXPECT_EQ(utf16ToUtf8(reader.Error()->fullText),
              "Error: <unexpected token>: EOLN\n\n\nTemplate: /tmp/x.LT3\n\nLine: 5\n\nColumn: 0"
              "\n\n\nA new document could not be created.");
}

TEST(TemplateParserErrors, MissingLineAtTheEndIsAReadError)
{
    struct Case {
        const char* what;
        std::size_t keepLines; // the file ends after this many lines of the minimal template
        int line;
    };
    const Case cases[] = {
        {"end keyword is the last line", 13, 13},
        {"file ends after a menu record", 11, 11},
        {"file ends after the table keyword", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Lines lines = test::minimalTemplateLines();
        lines.resize(c.keepLines);
        CTemplateReader reader;
        reader.SetFailureNote(u"note");
        TableList tables;
        EXPECT_FALSE(reader.ParseTemplateData("end.LT3", test::utf16le(test::joinLines(lines)), tables));
        ASSERT_TRUE(reader.Error().has_value());
        const TemplateError& e = *reader.Error();
        EXPECT_EQ(e.code, msg::kCannotRead);
        EXPECT_EQ(e.causeCode, msg::kCauseEndOfFile);
        EXPECT_EQ(e.line, c.line);
        EXPECT_FALSE(e.hasPosition);
        // File messages carry neither the position text nor the failure note.
        EXPECT_EQ(utf16ToUtf8(e.fullText),
                  "The template \"end.LT3\" could not be read.  The EOF was encountered unexpectantly.");
    }
}

TEST(TemplateParserErrors, EndKeywordWithoutLineFeedAfterItFails)
{
    Lines lines = test::minimalTemplateLines();
    lines.pop_back();
    std::u16string text = test::joinLines(lines);
    text.pop_back(); // "ENDFILE_DATA_CODE" is the file's last text
    CTemplateReader reader;
    TableList tables;
    EXPECT_FALSE(reader.ParseTemplateData("end.LT3", test::utf16le(text), tables));
    ASSERT_TRUE(reader.Error().has_value());
    EXPECT_EQ(reader.Error()->code, msg::kCannotRead);
}

TEST(TemplateParserErrors, FailureInALaterBlockLeavesTheCallersListAsItWas)
{
    Lines lines = test::minimalTemplateLines();
    lines.pop_back();
    lines.pop_back();
    Lines second = test::minimalTemplateLines();
    second[10] = u"80, 15" + kMenuTail;
    lines.insert(lines.end(), second.begin(), second.end());
    TableList tables;
    tables.push_back(std::make_unique<model::CS1_LangTable>());
    const auto* held = tables[0].get();
    CTemplateReader reader;
    EXPECT_FALSE(reader.ParseTemplateData("two.LT3", test::utf16le(test::joinLines(lines)), tables));
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].get(), held);
    ASSERT_TRUE(reader.Error().has_value());
    EXPECT_EQ(reader.Error()->code, msg::kInvalidEntryNumber);
    EXPECT_EQ(reader.Error()->line, 12 + 11);
}

} // namespace
} // namespace tarvo::templates
