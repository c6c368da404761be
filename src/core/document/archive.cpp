#include "document/archive.h"

#include "document/archive_code_page.h"

#include <array>

namespace tarvo::document {

namespace {

constexpr std::uint32_t kMaxByteLength = 0xFE;   // longest length held in the first byte
constexpr std::uint32_t kMaxWordLength = 0xFFFD; // longest length held in the 16-bit word
constexpr std::uint8_t kFirstWindows1252Special = 0x80;

// Windows-1252 bytes 0x80-0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kWindows1252Specials = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::string at(std::size_t offset)
{
    return " at offset " + std::to_string(offset);
}

} // namespace

char16_t windows1252ToUnicode(std::uint8_t byte)
{
    if (byte >= kFirstWindows1252Special && byte < kFirstWindows1252Special + kWindows1252Specials.size())
        return kWindows1252Specials[byte - kFirstWindows1252Special];
    return static_cast<char16_t>(byte);
}

// --- Writer ------------------------------------------------------------------

void ArchiveWriter::writeU16(std::uint16_t value)
{
    m_bytes.push_back(static_cast<std::uint8_t>(value));
    m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ArchiveWriter::writeU32(std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        m_bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

void ArchiveWriter::writeCount(std::size_t count)
{
    if (count < kCountEscape) {
        writeU16(static_cast<std::uint16_t>(count));
    } else {
        writeU16(kCountEscape);
        writeU32(static_cast<std::uint32_t>(count));
    }
}

void ArchiveWriter::writeString(std::u16string_view text)
{
    writeU8(kStringLengthEscape);
    writeU16(kUnicodeTag);
    const std::size_t length = text.size();
    if (length <= kMaxByteLength) {
        writeU8(static_cast<std::uint8_t>(length));
    } else if (length <= kMaxWordLength) {
        writeU8(kStringLengthEscape);
        writeU16(static_cast<std::uint16_t>(length));
    } else {
        writeU8(kStringLengthEscape);
        writeU16(0xFFFF);
        writeU32(static_cast<std::uint32_t>(length));
    }
    for (const char16_t c : text)
        writeU16(static_cast<std::uint16_t>(c));
}

void ArchiveWriter::writeBytes(std::span<const std::uint8_t> bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void ArchiveWriter::writeByteList(std::span<const std::uint8_t> bytes)
{
    writeCount(bytes.size());
    writeBytes(bytes);
}

void ArchiveWriter::writeValueList(std::span<const std::uint32_t> values)
{
    writeCount(values.size());
    for (const auto v : values)
        writeU32(v);
}

void ArchiveWriter::writeStringList(std::span<const std::u16string> texts)
{
    writeCount(texts.size());
    for (const auto& t : texts)
        writeString(t);
}

void ArchiveWriter::writeIntMap(const model::BucketMap<int>& map)
{
    writeCount(map.size());
    map.forEach([this](std::int32_t key, const int& value) {
        writeI32(key);
        writeI32(value);
    });
}

void ArchiveWriter::writeStringMap(const model::BucketMap<std::u16string>& map)
{
    writeCount(map.size());
    map.forEach([this](std::int32_t key, const std::u16string& value) {
        writeI32(key);
        writeString(value);
    });
}

// --- Reader ------------------------------------------------------------------

bool ArchiveReader::requireItems(std::uint32_t count, std::size_t itemBytes, std::size_t where)
{
    if (failed())
        return false;
    if (itemBytes != 0 && count > m_reader.remaining() / itemBytes) {
        m_reader.fail("the count " + std::to_string(count) + at(where) +
                      " is larger than the rest of the file");
        return false;
    }
    return true;
}

bool ArchiveReader::readCount(std::uint32_t& out)
{
    std::uint16_t word = 0;
    if (!m_reader.readU16(word))
        return false;
    if (word != kCountEscape) {
        out = word;
        return true;
    }
    return m_reader.readU32(out);
}

bool ArchiveReader::readIntCount(std::uint32_t& out, std::size_t minItemBytes)
{
    const std::size_t where = position();
    std::int32_t value = 0;
    if (!readI32(value))
        return false;
    if (value < 0) {
        fail("the count " + std::to_string(value) + at(where) + " is negative");
        return false;
    }
    if (!requireItems(static_cast<std::uint32_t>(value), minItemBytes, where))
        return false;
    out = static_cast<std::uint32_t>(value);
    return true;
}

bool ArchiveReader::readString(std::u16string& out)
{
    const std::size_t where = position();
    bool unicode = false;
    std::uint8_t first = 0;
    if (!m_reader.readU8(first))
        return false;
    std::uint32_t length = first;
    if (first == kStringLengthEscape) {
        std::uint16_t word = 0;
        if (!m_reader.readU16(word))
            return false;
        if (word == kUnicodeTag) {
            unicode = true;
            if (!m_reader.readU8(first))
                return false;
            length = first;
            if (first == kStringLengthEscape) {
                if (!m_reader.readU16(word))
                    return false;
                length = word;
                if (word == 0xFFFF && !m_reader.readU32(length))
                    return false;
            }
        } else {
            length = word;
            if (word == 0xFFFF && !m_reader.readU32(length))
                return false;
        }
    }
    const std::size_t unitBytes = unicode ? 2 : 1;
    if (length > m_reader.remaining() / unitBytes) {
        fail("the string" + at(where) + " is longer than the rest of the file");
        return false;
    }
    std::span<const std::uint8_t> bytes;
    if (!m_reader.readBytes(length * unitBytes, bytes))
        return false;
    std::u16string text;
    text.reserve(length);
    if (unicode) {
        for (std::size_t i = 0; i < bytes.size(); i += 2)
            text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    } else {
        for (const auto b : bytes)
            text.push_back(archiveByteToUnicode(b));
    }
    out = std::move(text);
    return true;
}

bool ArchiveReader::readByteList(std::vector<std::uint8_t>& out)
{
    const std::size_t where = position();
    std::uint32_t count = 0;
    if (!readCount(count) || !requireItems(count, 1, where))
        return false;
    std::span<const std::uint8_t> bytes;
    if (!m_reader.readBytes(count, bytes))
        return false;
    out.assign(bytes.begin(), bytes.end());
    return true;
}

bool ArchiveReader::readValueList(std::vector<std::uint32_t>& out)
{
    const std::size_t where = position();
    std::uint32_t count = 0;
    if (!readCount(count) || !requireItems(count, 4, where))
        return false;
    std::vector<std::uint32_t> values(count);
    for (auto& v : values)
        if (!readU32(v))
            return false;
    out = std::move(values);
    return true;
}

bool ArchiveReader::readStringList(std::vector<std::u16string>& out)
{
    const std::size_t where = position();
    std::uint32_t count = 0;
    if (!readCount(count) || !requireItems(count, kMinStringBytes, where))
        return false;
    // Grown as strings are read: memory follows what the file really holds.
    std::vector<std::u16string> texts;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::u16string text;
        if (!readString(text))
            return false;
        texts.push_back(std::move(text));
    }
    out = std::move(texts);
    return true;
}

bool ArchiveReader::readIntMap(model::BucketMap<int>& map)
{
    const std::size_t where = position();
    std::uint32_t count = 0;
    if (!readCount(count) || !requireItems(count, 2 * kMinIntBytes, where))
        return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::int32_t key = 0;
        std::int32_t value = 0;
        if (!readI32(key) || !readI32(value))
            return false;
        map.set(key, value);
    }
    return true;
}

bool ArchiveReader::readStringMap(model::BucketMap<std::u16string>& map)
{
    const std::size_t where = position();
    std::uint32_t count = 0;
    if (!readCount(count) || !requireItems(count, kMinIntBytes + kMinStringBytes, where))
        return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::int32_t key = 0;
        std::u16string value;
        if (!readI32(key) || !readString(value))
            return false;
        map.set(key, std::move(value));
    }
    return true;
}

} // namespace tarvo::document
