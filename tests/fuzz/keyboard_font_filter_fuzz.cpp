// What is typed, pasted or dropped into a keyboard-font field: only
// characters of the field's set arrive, the field never outgrows its limit
// (unless it already held more), and the caret stays inside the text.

#include "fuzz_check.h"
#include "model/char_set_service.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr int kFonts = 7;
constexpr std::size_t kHeaderBytes = 4;

int setFromByte(std::uint8_t b)
{
    const int font = 1 + (b & 0x07) % kFonts;
    // Odd bytes above 0x7F choose the font's digits set; 0xFF an unknown set.
    if (b == 0xFF)
        return 0;
    return (b & 0x80) ? tarvo::model::digitsSetOf(font) : font;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvo::model;
    if (size < kHeaderBytes)
        return 0;
    const int set = setFromByte(data[0]);
    const std::size_t limit = data[1];
    const std::size_t split = std::size_t(data[2]) % (size - kHeaderBytes + 1);
    const std::size_t selectionLength = data[3] & 0x0F;

    // The bytes after the header, as UTF-16 code units: the first split bytes
    // make the field, the rest the incoming text.
    std::u16string units;
    for (std::size_t i = kHeaderBytes; i + 1 < size; i += 2)
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    const std::size_t fieldUnits = std::min(split / 2, units.size());
    FieldState field;
    field.text = units.substr(0, fieldUnits);
    field.selectionStart = data[3] >> 4;
    field.selectionLength = selectionLength;
    const std::u16string incoming = units.substr(fieldUnits);

    const std::u16string filtered = filterForSet(set, incoming, limit);
    TARVO_FUZZ_CHECK(filtered.size() <= limit);
    for (char16_t ch : filtered) {
        TARVO_FUZZ_CHECK(ch != 0);
        TARVO_FUZZ_CHECK(acceptsCharacter(set, ch));
        TARVO_FUZZ_CHECK(hasCharacter(set, codeOf(set, ch)));
    }

    const FieldInsert after = insertIntoField(set, field, limit, incoming);
    TARVO_FUZZ_CHECK(after.caret <= after.text.size());
    if (!after.changed) {
        TARVO_FUZZ_CHECK(after.text == field.text);
        return 0;
    }
    TARVO_FUZZ_CHECK(after.text.size() <= std::max(limit, field.text.size()));
    for (char16_t ch : after.inserted)
        TARVO_FUZZ_CHECK(acceptsCharacter(set, ch));
    TARVO_FUZZ_CHECK(after.text.find(after.inserted) != std::u16string::npos);
    return 0;
}
