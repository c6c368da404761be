#include "export/memory_map.h"

#include "export/srecord_lines.h"

namespace tarvo::dump {
namespace {

constexpr int kRowGroups = 4;
constexpr int kBytesPerGroup = 4;
constexpr std::uint8_t kFirstShownCharacter = 0x20;

void appendHeadings(std::string& out, std::size_t offset)
{
    for (const auto& section : kSectionHeadings) {
        if (section.offset == offset) {
            out.append(section.heading);
            out.append(kLineEnd);
        }
    }
    if (offset >= kSoftkeyMenusOffset && (offset - kSoftkeyMenusOffset) % kSoftkeyMenuBytes == 0) {
        out.append("Softkey Menu ");
        out.append(std::to_string((offset - kSoftkeyMenusOffset) / kSoftkeyMenuBytes));
        out.append(":");
        out.append(kLineEnd);
    }
}

void appendRow(std::string& out, std::size_t offset, std::span<const std::uint8_t> row)
{
    // "%06x  "
    appendHexByte(out, static_cast<std::uint8_t>(offset >> 16), HexCase::Lower);
    appendHexByte(out, static_cast<std::uint8_t>(offset >> 8), HexCase::Lower);
    appendHexByte(out, static_cast<std::uint8_t>(offset), HexCase::Lower);
    out.append("  ");
    // Four groups "%02x %02x %02x %02x  ".
    for (int g = 0; g < kRowGroups; ++g) {
        for (int b = 0; b < kBytesPerGroup; ++b) {
            appendHexByte(out, row[static_cast<std::size_t>(g * kBytesPerGroup + b)], HexCase::Lower);
            out.append(b + 1 < kBytesPerGroup ? " " : "  ");
        }
    }
    // The bytes themselves; control codes as ".".
    for (const std::uint8_t byte : row)
        out.push_back(byte < kFirstShownCharacter ? '.' : static_cast<char>(byte));
    out.append(kLineEnd);
}

} // namespace

void appendBlockMemoryMap(std::string& out, std::span<const std::uint8_t> image)
{
    for (std::size_t offset = 0; offset + kRowBytes <= image.size(); offset += kRowBytes) {
        appendHeadings(out, offset);
        appendRow(out, offset, image.subspan(offset, kRowBytes));
    }
    for (int i = 0; i < kLinesAfterTable; ++i)
        out.append(kLineEnd);
}

} // namespace tarvo::dump
