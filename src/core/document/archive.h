#pragma once
// The archive encoding of the document file: little-endian integers, counts,
// length-prefixed strings, lists and maps. The writer always produces the
// current forms; the reader accepts every form older files may hold and
// checks each length against the bytes left before it allocates anything.

#include "io/bounded_reader.h"
#include "model/bucket_map.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::document {

// A count is a 16-bit word below this value, otherwise this word and a 32-bit word.
inline constexpr std::uint16_t kCountEscape = 0xFFFF;
// The first byte 0xFF of a string length says a wider length (or the tag) follows.
inline constexpr std::uint8_t kStringLengthEscape = 0xFF;
// 0xFF followed by this word marks UTF-16 text.
inline constexpr std::uint16_t kUnicodeTag = 0xFFFE;

class ArchiveWriter {
public:
    void writeU8(std::uint8_t value) { m_bytes.push_back(value); }
    void writeU16(std::uint16_t value);
    void writeU32(std::uint32_t value);
    void writeI16(std::int16_t value) { writeU16(static_cast<std::uint16_t>(value)); }
    void writeI32(std::int32_t value) { writeU32(static_cast<std::uint32_t>(value)); }
    void writeCount(std::size_t count);
    // Always with the UTF-16 tag.
    void writeString(std::u16string_view text);
    void writeBytes(std::span<const std::uint8_t> bytes);

    void writeByteList(std::span<const std::uint8_t> bytes);
    void writeValueList(std::span<const std::uint32_t> values);
    void writeStringList(std::span<const std::u16string> texts);
    // Maps in hash order: bucket by bucket, newest key first within a bucket.
    void writeIntMap(const model::BucketMap<int>& map);
    void writeStringMap(const model::BucketMap<std::u16string>& map);

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    std::vector<std::uint8_t> take() { return std::move(m_bytes); }
    void reserve(std::size_t bytes) { m_bytes.reserve(bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};

// Reads on a bounded reader. Every read returns false once anything failed;
// the reason is in reader().error().
class ArchiveReader {
public:
    explicit ArchiveReader(io::BoundedReader& reader) : m_reader(reader) {}

    io::BoundedReader& reader() { return m_reader; }
    bool failed() const { return m_reader.failed(); }
    const std::string& error() const { return m_reader.error(); }
    std::size_t position() const { return m_reader.position(); }
    void fail(const std::string& reason) { m_reader.fail(reason); }

    bool readI16(std::int16_t& out) { return m_reader.readI16(out); }
    bool readI32(std::int32_t& out) { return m_reader.readI32(out); }
    bool readU32(std::uint32_t& out) { return m_reader.readU32(out); }
    bool readCount(std::uint32_t& out);
    // A plain int used as a count (the info arrays): refused when negative or
    // when fewer than count * minItemBytes bytes are left.
    bool readIntCount(std::uint32_t& out, std::size_t minItemBytes);
    // A tagged UTF-16 string or an untagged 8-bit one (read in archiveCodePage()).
    bool readString(std::u16string& out);

    bool readByteList(std::vector<std::uint8_t>& out);
    bool readValueList(std::vector<std::uint32_t>& out);
    bool readStringList(std::vector<std::u16string>& out);
    // Entries are stored in file order; a later duplicate key replaces the earlier value.
    bool readIntMap(model::BucketMap<int>& map);
    bool readStringMap(model::BucketMap<std::u16string>& map);

    // The smallest encodings, for checking a count against the bytes left.
    static constexpr std::size_t kMinStringBytes = 1;
    static constexpr std::size_t kMinIntBytes = 4;

private:
    // Checks that count items of at least itemBytes each can follow.
    bool requireItems(std::uint32_t count, std::size_t itemBytes, std::size_t at);

    io::BoundedReader& m_reader;
};

// One byte of Windows-1252 as a UTF-16 code unit. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their value as the C1
// control of the same number, so no byte is lost.
char16_t windows1252ToUnicode(std::uint8_t byte);

} // namespace tarvo::document
