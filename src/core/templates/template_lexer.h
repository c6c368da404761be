#pragma once
// The template lexer: the lines of a decoded template and the tokens of the
// current line. Line number and column describe the last token for messages.

#include "templates/template_error.h"
#include "templates/template_text_file.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tarvo::templates {

enum TokenKind : int {
    TK_NONE = 1,
    TK_START = 2,
    TK_PUSHED_BACK = 4,
    TK_ILLEGAL_CHAR = 8,
    TK_COMMA = 16,
    TK_STRING = 32,
    TK_STRING_QUOTE = 64,
    TK_NUMBER = 128,
    TK_IDENTIFIER = 256,
    TK_COMMENT = 512,
    TK_EOLN = 1024,
    TK_UNEXPECTED_EOLN = 2048,
};

class TemplateLexer {
public:
    // Starts on a decoded file: no line read yet, kind TK_NONE.
    void Reset(std::string path, TemplateText text);

    // Reads the next line (leading white space removed) and counts it. At the
    // end of the file returns false, with the message 12115 when report.
    bool NextLine(bool report);
    // Reads one token from the line. An illegal character or a line ending
    // inside a token returns false (message when report); the line is kept.
    bool NextToken(bool report);
    // Gives the last token back to the line.
    void PushBack();

    TokenKind Kind() const { return m_kind; }
    const std::u16string& Text() const { return m_text; }
    int LineNumber() const { return m_lineNumber; }
    int Column() const { return m_column; }
    const std::string& Path() const { return m_path; }

    void SetFailureNote(const std::u16string* note) { m_failureNote = note; }
    // Records a message that shows the current position (the lexer's and
    // the parser's messages).
    void ReportAtPosition(int code, messages::Message summary);
    // The unexpected-token message for the last token (12005 at end of line).
    void ReportUnexpectedToken();
    const std::optional<TemplateError>& Error() const { return m_error; }
    std::optional<TemplateError> TakeError();

private:
    enum class State { Start, String, StringQuote, Number, Identifier, CommentStart };

    std::string m_path;
    TemplateText m_file;
    std::u16string m_line;
    int m_lineNumber = 0;
    int m_column = 0;
    TokenKind m_kind = TK_NONE;
    std::u16string m_text;
    const std::u16string* m_failureNote = nullptr;
    std::optional<TemplateError> m_error;
};

} // namespace tarvo::templates
