#pragma once
// One bounded reader for everything parsed from a file or the serial line:
// every read checks the bytes left first, so nothing reads past the end.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tarvo::io {

class BoundedReader {
public:
    explicit BoundedReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t position() const { return m_pos; }
    std::size_t remaining() const { return m_bytes.size() - m_pos; }
    bool atEnd() const { return m_pos == m_bytes.size(); }
    bool failed() const { return !m_error.empty(); }
    // "truncated at offset N" or another reason; empty while all reads succeeded.
    const std::string& error() const { return m_error; }

    // Little-endian reads (the document file). A failed read returns false,
    // leaves the output untouched and records the error; later reads fail too.
    bool readU8(std::uint8_t& out);
    bool readU16(std::uint16_t& out);
    bool readU32(std::uint32_t& out);
    bool readI16(std::int16_t& out);
    bool readI32(std::int32_t& out);
    bool readBytes(std::size_t count, std::span<const std::uint8_t>& out);
    bool skip(std::size_t count);

    // Checks that count items of itemBytes each can still be read, before the
    // caller allocates room for them.
    bool require(std::size_t count, std::size_t itemBytes = 1);

    // Records a reason found by the caller (a value out of range, say).
    void fail(std::string reason);

private:
    bool take(std::size_t count, const std::uint8_t*& at);

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    std::string m_error;
};

} // namespace tarvo::io
