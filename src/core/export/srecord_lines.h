#pragma once
// S-record text lines: the record type, the count byte, the address, the data
// and the check byte, each byte as two hexadecimal digits, CR LF. These are
// the text form of the keyboard frames C1, S2 and S8.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarvo::dump {

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::size_t kDataRecordBytes = 16;
// The last address a 24-bit data record's first byte may have and still be
// written with five address digits after a leading "0".
inline constexpr std::uint32_t kHighestFiveDigitAddress = 0x0FFFFF;

enum class HexCase { Lower, Upper };

void appendHexByte(std::string& out, std::uint8_t value, HexCase hexCase);

// One record: type (two characters), count = bytes + 1, the bytes (address
// and data), the check byte over count and bytes, CR LF.
void appendRecord(std::string& out, std::string_view type, std::span<const std::uint8_t> bytes,
                  HexCase hexCase);

// "S214", the 24-bit address high byte first, 16 data bytes, check byte.
void appendDataRecord(std::string& out, std::uint32_t address,
                      std::span<const std::uint8_t, kDataRecordBytes> data, HexCase hexCase);

// The keyboard table selector "C104cac5" slot check byte (not a standard type).
void appendSelectorLine(std::string& out, std::uint8_t slot);

// "S804fffffffe".
void appendTerminator(std::string& out);

} // namespace tarvo::dump
