#include "templates/template_lexer.h"

#include "templates/char_classes.h"
#include "templates/template_messages.h"

namespace tarvo::templates {
namespace {

void removeLeadingWhiteSpace(std::u16string& line)
{
    std::size_t n = 0;
    while (n < line.size() && isWhiteSpace(line[n]))
        ++n;
    line.erase(0, n);
}

} // namespace

void TemplateLexer::Reset(std::string path, TemplateText text)
{
    m_path = std::move(path);
    m_file = std::move(text);
    m_line.clear();
    m_lineNumber = 0;
    m_column = 0;
    m_kind = TK_NONE;
    m_text.clear();
    m_error.reset();
}

bool TemplateLexer::NextLine(bool report)
{
    std::u16string line;
    if (!m_file.readLine(line)) {
        if (report)
            m_error = fileError(msg::kCannotRead, m_path, kCauseEndOfFile, m_lineNumber, m_column);
        return false;
    }
    removeLeadingWhiteSpace(line);
    m_line = std::move(line);
    ++m_lineNumber;
    return true;
}

bool TemplateLexer::NextToken(bool report)
{
    m_kind = TK_START;
    m_text.clear();
    removeLeadingWhiteSpace(m_line);
    m_column = 0;
    if (m_line.empty()) {
        m_kind = TK_EOLN;
        return true;
    }

    State state = State::Start;
    char16_t illegal = 0;
    bool done = false;
    while (!done && static_cast<std::size_t>(m_column) < m_line.size()) {
        const char16_t c = m_line[static_cast<std::size_t>(m_column)];
        ++m_column;
        const bool last = static_cast<std::size_t>(m_column) == m_line.size();
        const auto illegalCharacter = [&] {
            m_kind = TK_ILLEGAL_CHAR;
            illegal = c;
            m_text += c;
            done = true;
        };
        // A comma or white space ends a number or an identifier and stays in the line.
        const auto giveBack = [&](TokenKind kind) {
            --m_column;
            m_kind = kind;
            done = true;
        };
        switch (state) {
        case State::Start:
            if (c == u'"') {
                state = State::String;
            } else if (c == u',') {
                m_kind = TK_COMMA;
                m_text += c;
                done = true;
                break;
            } else if (c == u'/') {
                state = State::CommentStart;
            } else if (c == u'-' || isDigit(c)) {
                state = State::Number;
            } else if (isLetter(c) || c == u'_') {
                state = State::Identifier;
            } else {
                illegalCharacter();
                break;
            }
            m_text += c;
            if (last) {
                if (state == State::String || state == State::CommentStart)
                    m_kind = TK_UNEXPECTED_EOLN;
                else
                    m_kind = state == State::Number ? TK_NUMBER : TK_IDENTIFIER;
                done = true;
            }
            break;
        case State::String:
            m_text += c;
            if (c == u'"') {
                if (last) {
                    m_kind = TK_STRING;
                    done = true;
                } else {
                    state = State::StringQuote;
                }
            } else if (last) {
                m_kind = TK_UNEXPECTED_EOLN;
                done = true;
            }
            break;
        case State::StringQuote:
            if (c == u'"') {
                // A doubled quote stands for one quote, already in the text.
                state = State::String;
                if (last) {
                    m_kind = TK_UNEXPECTED_EOLN;
                    done = true;
                }
            } else {
                giveBack(TK_STRING);
            }
            break;
        case State::Number:
            if (isDigit(c)) {
                m_text += c;
                if (last) {
                    m_kind = TK_NUMBER;
                    done = true;
                }
            } else if (c == u',' || isWhiteSpace(c)) {
                giveBack(TK_NUMBER);
            } else {
                illegalCharacter();
            }
            break;
        case State::Identifier:
            if (isLetter(c) || isDigit(c) || c == u'_') {
                m_text += c;
                if (last) {
                    m_kind = TK_IDENTIFIER;
                    done = true;
                }
            } else if (c == u',' || isWhiteSpace(c)) {
                giveBack(TK_IDENTIFIER);
            } else {
                illegalCharacter();
            }
            break;
        case State::CommentStart:
            if (c == u'/') {
                m_text = m_line;
                m_column = static_cast<int>(m_line.size());
                m_kind = TK_COMMENT;
                done = true;
            } else {
                illegalCharacter();
            }
            break;
        }
    }

    if (m_kind == TK_ILLEGAL_CHAR || m_kind == TK_UNEXPECTED_EOLN) {
        if (report) {
            if (m_kind == TK_ILLEGAL_CHAR)
                ReportAtPosition(msg::kIllegalCharacter,
                                 msg::message(msg::kIllegalCharacter,
                                              {std::u16string(1, illegal), msg::numberText(illegal)}));
            else
                ReportAtPosition(msg::kUnexpectedEndOfLine, msg::message(msg::kUnexpectedEndOfLine));
        }
        m_text = m_line;
        return false;
    }
    m_line.erase(0, static_cast<std::size_t>(m_column));
    return true;
}

void TemplateLexer::PushBack()
{
    m_line = m_text + m_line;
    m_text.clear();
    m_kind = TK_PUSHED_BACK;
}

void TemplateLexer::ReportAtPosition(int code, messages::Message summary)
{
    static const std::u16string noNote;
    m_error = positionError(code, std::move(summary), m_path, m_lineNumber, m_column,
                            m_failureNote ? *m_failureNote : noNote);
}

void TemplateLexer::ReportUnexpectedToken()
{
    if (m_kind == TK_EOLN)
        ReportAtPosition(msg::kUnexpectedTokenAtEndOfLine, msg::message(msg::kUnexpectedTokenAtEndOfLine));
    else
        ReportAtPosition(msg::kUnexpectedToken, msg::message(msg::kUnexpectedToken, {m_text}));
}

std::optional<TemplateError> TemplateLexer::TakeError()
{
    auto e = std::move(m_error);
    m_error.reset();
    return e;
}

} // namespace tarvo::templates
