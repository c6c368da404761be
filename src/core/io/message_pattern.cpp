#include "io/message_pattern.h"

#include <string>

namespace tarvo::messages {
namespace {

template <typename Args> std::u16string fill(std::u16string_view pattern, const Args& args)
{
    std::u16string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t c = pattern[i];
        if (c != u'%' || i + 1 == pattern.size()) {
            out += c;
            continue;
        }
        const char16_t directive = pattern[i + 1];
        if (directive == u'%') {
            out += u'%';
            ++i;
        } else if ((directive == u'd' || directive == u's' || directive == u'c') && next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

std::u16string format(std::u16string_view pattern, std::initializer_list<std::u16string> args)
{
    return fill(pattern, args);
}

std::u16string format(std::u16string_view pattern, const std::vector<std::u16string>& args)
{
    return fill(pattern, args);
}

std::u16string ascii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

Argument::Argument(const Message& nested) : message(std::make_shared<const Message>(nested)) {}

Message::Message(std::u16string_view pattern, std::vector<Argument> args)
{
    if (!pattern.empty())
        m_parts.push_back({{}, std::u16string(pattern), std::move(args), false});
}

Message Message::data(std::u16string text)
{
    Message message;
    if (!text.empty())
        message.m_parts.push_back({{}, std::move(text), {}, true});
    return message;
}

Message& Message::append(std::u16string_view separator, Message next)
{
    for (std::size_t i = 0; i < next.m_parts.size(); ++i) {
        Part& part = next.m_parts[i];
        if (i == 0)
            part.separator = m_parts.empty() ? std::u16string() : std::u16string(separator);
        m_parts.push_back(std::move(part));
    }
    return *this;
}

std::u16string Message::text() const
{
    std::u16string out;
    for (const Part& part : m_parts) {
        out += part.separator;
        if (part.data) {
            out += part.pattern;
            continue;
        }
        std::vector<std::u16string> filled;
        for (const Argument& arg : part.args)
            filled.push_back(arg.message ? arg.message->text() : arg.text);
        out += format(part.pattern, filled);
    }
    return out;
}

} // namespace tarvo::messages
