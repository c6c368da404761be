#include "export/iconic_font.h"

#include "export/dump_texts.h"
#include "io/atomic_file.h"
#include "io/bounded_reader.h"
#include "serial/frames.h"
#include "templates/utf_text.h"

namespace tarvo::dump {
namespace {

bool isHexDigit(std::uint8_t c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

std::u16string describeCharacter(std::uint8_t c)
{
    if (c >= 0x21 && c < 0x7F)
        return std::u16string(u"'") + static_cast<char16_t>(c) + u"'";
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    return std::u16string(u"byte 0x") + kDigits[c >> 4] + kDigits[c & 0x0F];
}

// What is wrong at a line of the font file.
DumpResult lineFailure(const std::string& path, std::size_t lineNumber, messages::Message reason)
{
    return dumpFailure(messages::Message(
        texts::kFontLine, {templates::utf8ToUtf16(path), messages::number(lineNumber), std::move(reason)}));
}

// One line without its end; the reason when it is not 64 hex digits.
bool parseLine(std::span<const std::uint8_t> line, std::array<std::uint8_t, kFontLineBytes>& bytes,
               messages::Message& reason)
{
    for (std::size_t i = 0; i < line.size() && i < kFontLineDigits; ++i) {
        if (!isHexDigit(line[i])) {
            reason =
                messages::Message(texts::kNotHexDigit, {describeCharacter(line[i]), messages::number(i + 1)});
            return false;
        }
    }
    if (line.size() != kFontLineDigits) {
        reason = messages::Message(texts::kLineLength,
                                   {messages::number(line.size()), messages::number(kFontLineDigits)});
        return false;
    }
    for (std::size_t b = 0; b < kFontLineBytes; ++b)
        bytes[b] = static_cast<std::uint8_t>(serial::frames::hexDigitValue(line[2 * b]) << 4 |
                                             serial::frames::hexDigitValue(line[2 * b + 1]));
    return true;
}

} // namespace

DumpResult parseIconicFont(std::span<const std::uint8_t> text, const std::string& path, IconicFont& out)
{
    IconicFont font;
    io::BoundedReader reader(text);
    std::size_t lineNumber = 0;
    while (!reader.atEnd()) {
        ++lineNumber;
        const std::size_t start = reader.position();
        std::size_t length = 0;
        std::uint8_t c = 0;
        bool ended = false;
        while (reader.readU8(c)) {
            if (c == '\n') {
                ended = true;
                break;
            }
            ++length;
        }
        std::span<const std::uint8_t> line = text.subspan(start, length);
        if (ended && !line.empty() && line.back() == '\r')
            line = line.first(line.size() - 1);

        if (font.lines.size() == kMaxFontLines)
            return lineFailure(
                path, lineNumber,
                messages::Message(texts::kTooManyFontLines, {messages::number(kMaxFontLines)}));
        messages::Message reason;
        auto& bytes = font.lines.emplace_back();
        if (!parseLine(line, bytes, reason))
            return lineFailure(path, lineNumber, std::move(reason));
    }
    if (font.lines.empty())
        return dumpFailure(messages::Message(texts::kFontFileEmpty, {templates::utf8ToUtf16(path)}));
    out = std::move(font);
    return {true, {}, {}};
}

DumpResult readIconicFont(const std::string& path, IconicFont& out)
{
    std::vector<std::uint8_t> text;
    const io::FileResult read = io::readWholeFile(path, text, kMaxFontFileBytes);
    if (!read.ok)
        return dumpFailure(messages::Message(
            texts::kFontFileUnread,
            {messages::Message(texts::kFileAndReason, {templates::utf8ToUtf16(path), read.reason})}));
    return parseIconicFont(text, path, out);
}

void appendIconicSection(std::string& out, const IconicFont& font)
{
    out.append(kIconicPreamble);
    std::uint32_t address = kIconicFontAddress;
    for (const auto& line : font.lines) {
        for (std::size_t half = 0; half < kFontLineBytes; half += kDataRecordBytes) {
            appendDataRecord(
                out, address,
                std::span<const std::uint8_t, kDataRecordBytes>(line.data() + half, kDataRecordBytes),
                HexCase::Upper);
            address += kDataRecordBytes;
        }
    }
    appendTerminator(out);
}

} // namespace tarvo::dump
