#include "export/srecord_lines.h"

#include "serial/frames.h"

#include <algorithm>
#include <array>

namespace tarvo::dump {
namespace {

constexpr std::uint8_t kSelectBytes[] = {0xCA, 0xC5};
constexpr std::uint32_t kTerminatorAddress = 0xFFFFFF;
constexpr std::size_t kMaxRecordBytes = 3 + kDataRecordBytes;

std::array<std::uint8_t, 3> addressBytes(std::uint32_t address)
{
    return {static_cast<std::uint8_t>(address >> 16), static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address)};
}

} // namespace

void appendHexByte(std::string& out, std::uint8_t value, HexCase hexCase)
{
    static constexpr char kLower[] = "0123456789abcdef";
    static constexpr char kUpper[] = "0123456789ABCDEF";
    const char* digits = hexCase == HexCase::Lower ? kLower : kUpper;
    out.push_back(digits[value >> 4]);
    out.push_back(digits[value & 0x0F]);
}

void appendRecord(std::string& out, std::string_view type, std::span<const std::uint8_t> bytes,
                  HexCase hexCase)
{
    // The check byte covers the count byte and every byte after it.
    std::array<std::uint8_t, 1 + kMaxRecordBytes> counted{};
    const std::size_t n = bytes.size() < kMaxRecordBytes ? bytes.size() : kMaxRecordBytes;
    counted[0] = static_cast<std::uint8_t>(n + 1);
    for (std::size_t i = 0; i < n; ++i)
        counted[1 + i] = bytes[i];

    out.append(type);
    for (std::size_t i = 0; i < 1 + n; ++i)
        appendHexByte(out, counted[i], hexCase);
    appendHexByte(out, serial::frames::checkByte({counted.data(), 1 + n}), hexCase);
    out.append(kLineEnd);
}

void appendDataRecord(std::string& out, std::uint32_t address,
                      std::span<const std::uint8_t, kDataRecordBytes> data, HexCase hexCase)
{
    std::array<std::uint8_t, kMaxRecordBytes> bytes{};
    const auto a = addressBytes(address);
    std::copy(a.begin(), a.end(), bytes.begin());
    std::copy(data.begin(), data.end(), bytes.begin() + 3);
    appendRecord(out, "S2", bytes, hexCase);
}

void appendSelectorLine(std::string& out, std::uint8_t slot)
{
    const std::uint8_t bytes[] = {kSelectBytes[0], kSelectBytes[1], slot};
    appendRecord(out, "C1", bytes, HexCase::Lower);
}

void appendTerminator(std::string& out)
{
    appendRecord(out, "S8", addressBytes(kTerminatorAddress), HexCase::Lower);
}

} // namespace tarvo::dump
