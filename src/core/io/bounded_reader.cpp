#include "io/bounded_reader.h"

#include <limits>

namespace tarvo::io {

void BoundedReader::fail(std::string reason)
{
    if (m_error.empty())
        m_error = std::move(reason);
}

bool BoundedReader::require(std::size_t count, std::size_t itemBytes)
{
    if (failed())
        return false;
    if (itemBytes != 0 && count > remaining() / itemBytes) {
        fail("truncated at offset " + std::to_string(m_bytes.size()));
        return false;
    }
    return true;
}

bool BoundedReader::take(std::size_t count, const std::uint8_t*& at)
{
    if (failed())
        return false;
    if (count > remaining()) {
        fail("truncated at offset " + std::to_string(m_bytes.size()));
        return false;
    }
    at = m_bytes.data() + m_pos;
    m_pos += count;
    return true;
}

bool BoundedReader::readU8(std::uint8_t& out)
{
    const std::uint8_t* at = nullptr;
    if (!take(1, at))
        return false;
    out = at[0];
    return true;
}

bool BoundedReader::readU16(std::uint16_t& out)
{
    const std::uint8_t* at = nullptr;
    if (!take(2, at))
        return false;
    out = static_cast<std::uint16_t>(at[0] | (at[1] << 8));
    return true;
}

bool BoundedReader::readU32(std::uint32_t& out)
{
    const std::uint8_t* at = nullptr;
    if (!take(4, at))
        return false;
    out = static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
          (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
    return true;
}

bool BoundedReader::readI16(std::int16_t& out)
{
    std::uint16_t v = 0;
    if (!readU16(v))
        return false;
    out = static_cast<std::int16_t>(v);
    return true;
}

bool BoundedReader::readI32(std::int32_t& out)
{
    std::uint32_t v = 0;
    if (!readU32(v))
        return false;
    out = static_cast<std::int32_t>(v);
    return true;
}

bool BoundedReader::readBytes(std::size_t count, std::span<const std::uint8_t>& out)
{
    const std::uint8_t* at = nullptr;
    if (!take(count, at))
        return false;
    out = std::span<const std::uint8_t>(at, count);
    return true;
}

bool BoundedReader::skip(std::size_t count)
{
    const std::uint8_t* at = nullptr;
    return take(count, at);
}

} // namespace tarvo::io
