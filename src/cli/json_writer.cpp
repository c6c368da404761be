#include "cli/json_writer.h"

#include "templates/utf_text.h"

#include <cstdio>

namespace tarvo::cli {

std::string JsonWriter::quoted(std::string_view utf8)
{
    std::string out = "\"";
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (c < 0x20 || c == 0x7F) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out.push_back(ch);
            }
        }
    }
    out += "\"";
    return out;
}

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_hasValue.empty()) {
        if (m_hasValue.back())
            m_out += ",";
        m_hasValue.back() = true;
    }
}

JsonWriter& JsonWriter::beginObject()
{
    beforeValue();
    m_out += "{";
    m_hasValue.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    m_out += "}";
    m_hasValue.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    beforeValue();
    m_out += "[";
    m_hasValue.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    m_out += "]";
    m_hasValue.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    beforeValue();
    m_out += quoted(name) + ":";
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::u16string_view text)
{
    return valueUtf8(templates::utf16ToUtf8(std::u16string(text)));
}

JsonWriter& JsonWriter::valueUtf8(std::string_view text)
{
    beforeValue();
    m_out += quoted(text);
    return *this;
}

JsonWriter& JsonWriter::value(long long number)
{
    beforeValue();
    m_out += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(bool flag)
{
    beforeValue();
    m_out += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null()
{
    beforeValue();
    m_out += "null";
    return *this;
}

} // namespace tarvo::cli
