#pragma once
// Tables, files and expected S-record lines for the dump tests, computed here
// from the record rule, independently of the program's own formatting.

#include "export/table_dump.h"
#include "model/lang_table.h"
#include "testkit/temp_dir.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace dumptest {

namespace fs = std::filesystem;

using ::tarvo::test::readText;
using ::tarvo::test::TempDir;

inline void spit(const std::string& p, const std::string& text)
{
    std::ofstream out(p, std::ios::binary);
    out << text;
}

// Lines of a CR LF text; a missing final CR LF or a bare LF is a failure
// the caller sees as a line that still holds it.
inline std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// A table whose image holds a recognisable pattern, with the given font,
// language ID and font slot byte.
inline std::unique_ptr<tarvo::model::CS1_LangTable> patternTable(int font, int languageId, int seed)
{
    auto table = std::make_unique<tarvo::model::CS1_LangTable>();
    table->Init();
    for (std::size_t i = 0; i < tarvo::model::kImageBytes; ++i)
        table->SetByte(i, static_cast<int>((i * 7 + (i >> 8) + static_cast<std::size_t>(seed) * 31) & 0xFF));
    tarvo::model::TableHeader header;
    header.schema = 1;
    header.friendlyName = std::u16string(u"Table");
    header.fontSlot = 0x5A;
    tarvo::model::TableMetadata meta;
    meta.font = font;
    meta.versionCode = 0;
    meta.firmwareMajor = 1;
    meta.firmwareMinor = 94;
    meta.languageId = languageId;
    table->SetHeader(header, meta);
    return table;
}

inline std::unique_ptr<tarvo::model::CS1_LangTable> zeroTable()
{
    auto table = std::make_unique<tarvo::model::CS1_LangTable>();
    table->Init();
    return table;
}

// The standard S-record checksum: ones' complement of the low byte of the sum.
inline std::uint8_t checksum(const std::vector<std::uint8_t>& countAddressData)
{
    unsigned sum = 0;
    for (const auto b : countAddressData)
        sum += b;
    return static_cast<std::uint8_t>(~sum & 0xFF);
}

inline std::string hex2(std::uint8_t b)
{
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", b);
    return hex;
}

// A record line (without CR LF) with printf formatting.
inline std::string recordLine(const char* type, const std::vector<std::uint8_t>& addressAndData, bool upper)
{
    std::vector<std::uint8_t> all;
    all.push_back(static_cast<std::uint8_t>(addressAndData.size() + 1));
    all.insert(all.end(), addressAndData.begin(), addressAndData.end());
    all.push_back(checksum(all));
    std::string line = type;
    char hex[3];
    for (const auto b : all) {
        std::snprintf(hex, sizeof hex, upper ? "%02X" : "%02x", b);
        line += hex;
    }
    return line;
}

// The S2 line of one row of an image placed in slot.
inline std::string dataLine(int slot, int row, const std::vector<std::uint8_t>& image)
{
    const unsigned address = static_cast<unsigned>(slot) * 0x10000u + static_cast<unsigned>(row) * 16u;
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(address >> 16),
                                       static_cast<std::uint8_t>(address >> 8),
                                       static_cast<std::uint8_t>(address)};
    for (int i = 0; i < 16; ++i)
        bytes.push_back(image[static_cast<std::size_t>(row * 16 + i)]);
    return recordLine("S2", bytes, false);
}

// The image as the S-records carry it: byte 21 is the font number minus 1.
inline std::vector<std::uint8_t> dumpedImage(const tarvo::model::CS1_LangTable& table)
{
    std::vector<std::uint8_t> image(table.Image().begin(), table.Image().end());
    image[21] = static_cast<std::uint8_t>((image[330] + 255) % 256);
    return image;
}

inline tarvo::dump::DumpRequest request(std::initializer_list<int> positions, const std::string& out = {})
{
    tarvo::dump::DumpRequest r;
    std::size_t p = 0;
    for (const int index : positions)
        r.positions[p++] = index;
    r.outputPath = out;
    return r;
}

} // namespace dumptest
