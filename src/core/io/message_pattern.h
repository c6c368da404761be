#pragma once
// The one way the core fills its message texts: each "%d", "%s" or "%c" takes
// the next argument in order, "%%" gives "%". The English pattern is also what
// the editor looks its translation up by, so a message keeps its pattern and
// its arguments apart until it is shown: the tool prints text(), the editor
// translates the pattern first.

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tarvo::messages {

// A directive left without an argument stays as written, so a missing value is
// seen rather than silently dropped.
std::u16string format(std::u16string_view pattern, std::initializer_list<std::u16string> args);
std::u16string format(std::u16string_view pattern, const std::vector<std::u16string>& args);

// ASCII text (digits, names of the system's own) as UTF-16.
std::u16string ascii(std::string_view text);
// Decimal text of a number of any integer type, for the "%d" arguments.
template <typename Number, typename = std::enable_if_t<std::is_integral_v<Number>>>
std::u16string number(Number value)
{
    return ascii(std::to_string(value));
}

class Message;

// One argument: data (a number, an entry, a table name, a path), shown as it
// is, or a message of the system, shown in the reader's language too.
struct Argument {
    Argument(std::u16string data) : text(std::move(data)) {}
    Argument(const char16_t* data) : text(data) {}
    Argument(const Message& nested);

    std::u16string text;
    std::shared_ptr<const Message> message;
};

// A message of the system: one or more parts, each a pattern with its
// arguments, joined by the separator written before it. A part may instead be
// data (what a port or a file system said), which no translation touches.
class Message {
public:
    struct Part {
        std::u16string separator; // before the part; empty for the first
        std::u16string pattern;   // the English pattern, or the data itself
        std::vector<Argument> args;
        bool data = false;
    };

    Message() = default;
    // A pattern of the system; constants convert, other texts say data() or pattern().
    Message(std::u16string_view pattern, std::vector<Argument> args = {});
    static Message data(std::u16string text);

    // The next part, after separator ("\n\n" between paragraphs).
    Message& append(std::u16string_view separator, Message next);

    bool empty() const { return m_parts.empty(); }
    const std::vector<Part>& parts() const { return m_parts; }
    // The message in English, filled.
    std::u16string text() const;

    friend bool operator==(const Message& a, const Message& b) { return a.text() == b.text(); }
    friend bool operator==(const Message& a, std::u16string_view english) { return a.text() == english; }

private:
    std::vector<Part> m_parts;
};

} // namespace tarvo::messages
