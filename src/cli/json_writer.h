#pragma once
// A small JSON writer for the tool's --json output: objects, arrays, strings
// (UTF-16 texts written as UTF-8, escaped), numbers, booleans and null.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::cli {

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The key of the next value inside an object.
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::u16string_view text);
    // Already UTF-8 (paths, names of this program).
    JsonWriter& valueUtf8(std::string_view text);
    JsonWriter& value(long long number);
    JsonWriter& value(int number) { return value(static_cast<long long>(number)); }
    JsonWriter& value(bool flag);
    JsonWriter& null();

    // The document, with a final newline.
    std::string finish() const { return m_out + "\n"; }

    // text as a JSON string literal.
    static std::string quoted(std::string_view utf8);

private:
    void beforeValue();

    std::string m_out;
    // Per open container: whether a value was written in it.
    std::vector<bool> m_hasValue;
    bool m_afterKey = false;
};

} // namespace tarvo::cli
