#include "export/table_dump.h"

#include "export/dump_texts.h"
#include "export/iconic_font.h"
#include "export/memory_map.h"
#include "export/srecord_lines.h"
#include "io/atomic_file.h"
#include "model/lang_table_layout.h"
#include "templates/utf_text.h"

#include <filesystem>
#include <vector>

namespace tarvo::dump {
namespace {

constexpr std::uint32_t kSlotAddressShift = 16;
// 8 positions of 4098 lines of at most 46 bytes, and the iconic preamble.
constexpr std::size_t kTypicalDumpBytes = std::size_t(2) << 20;

std::string iconicFontPath(const DumpRequest& request)
{
    return request.fontFilePath.empty() ? std::string(texts::kIconicFontFileName) : request.fontFilePath;
}

// A file as the user named it: data.
std::u16string named(const std::string& path)
{
    return templates::utf8ToUtf16(path);
}

DumpResult checkPositions(TableList tables, const DumpRequest& request)
{
    for (std::size_t p = 0; p < request.positions.size(); ++p) {
        const int index = request.positions[p];
        if (index == kNoTable)
            continue;
        if (index < 0 || static_cast<std::size_t>(index) >= tables.size() ||
            tables[static_cast<std::size_t>(index)] == nullptr)
            return dumpFailure(
                messages::Message(texts::kNoTableAtPosition, {messages::number(p), messages::number(index),
                                                              messages::number(tables.size())}));
        const auto image = tables[static_cast<std::size_t>(index)]->Image();
        if (image.size() != model::kImageBytes)
            return dumpFailure(
                messages::Message(texts::kImageSize, {messages::number(index), messages::number(image.size()),
                                                      messages::number(model::kImageBytes)}));
    }
    return {true, {}, {}};
}

void appendTableRecords(std::string& out, std::uint8_t slot, std::span<const std::uint8_t> image,
                        std::vector<std::uint8_t>& copy)
{
    copy.assign(image.begin(), image.end());
    copy[model::layout::kFontSlotOffset] = dumpedFontSlot(copy[model::layout::kFontOffset]);

    appendSelectorLine(out, slot);
    const std::uint32_t base = static_cast<std::uint32_t>(slot) << kSlotAddressShift;
    for (std::size_t offset = 0; offset < copy.size(); offset += kDataRecordBytes)
        appendDataRecord(
            out, base + static_cast<std::uint32_t>(offset),
            std::span<const std::uint8_t, kDataRecordBytes>(copy.data() + offset, kDataRecordBytes),
            HexCase::Lower);
    appendTerminator(out);
}

// An existing output that is not a regular file (a device, a pipe) would be
// replaced by the rename, not written to.
DumpResult checkOutputPath(const DumpRequest& request)
{
    if (request.outputPath.empty())
        return dumpFailure(texts::kOutputFileNotSpecified);
    std::error_code ec;
    const auto status = std::filesystem::status(request.outputPath, ec);
    if (!ec && std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_directory(status))
        return dumpFailure(messages::Message(texts::kNotRegularFile, {named(request.outputPath)}));
    if (request.iconic && io::sameFile(request.outputPath, iconicFontPath(request)))
        return dumpFailure(messages::Message(texts::kIsTheFontFile, {named(request.outputPath)}));
    return {true, {}, {}};
}

} // namespace

std::uint8_t dumpedFontSlot(int fontNumber)
{
    return static_cast<std::uint8_t>(fontNumber - 1);
}

DumpResult buildDump(TableList tables, const DumpRequest& request, std::string& text)
{
    const bool srecords = request.type == DumpType::SRecords;
    if (request.iconic && !srecords)
        return dumpFailure(texts::kPreambleWithSRecords);
    if (const DumpResult checked = checkPositions(tables, request); !checked.ok)
        return checked;
    // The iconic preamble alone is a valid dump; no table and no preamble is not.
    if (!anyTableSelected(request.positions) && !request.iconic)
        return dumpFailure(texts::kNothingSelected);

    IconicFont font;
    if (request.iconic) {
        if (const DumpResult read = readIconicFont(iconicFontPath(request), font); !read.ok)
            return read;
    }

    std::string out;
    out.reserve(kTypicalDumpBytes);
    if (request.iconic)
        appendIconicSection(out, font);
    std::vector<std::uint8_t> copy;
    for (std::size_t p = 0; p < request.positions.size(); ++p) {
        const int index = request.positions[p];
        if (index == kNoTable)
            continue;
        const auto image = tables[static_cast<std::size_t>(index)]->Image();
        if (srecords)
            appendTableRecords(out, static_cast<std::uint8_t>(p), image, copy);
        else
            appendBlockMemoryMap(out, image);
    }
    text = std::move(out);
    return {true, {}, {}};
}

DumpResult writeDump(TableList tables, const DumpRequest& request)
{
    if (const DumpResult checked = checkOutputPath(request); !checked.ok)
        return checked;
    std::string text;
    if (const DumpResult built = buildDump(tables, request, text); !built.ok)
        return built;
    const io::FileResult written = io::writeFileAtomically(
        request.outputPath,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!written.ok)
        return dumpFailure(
            messages::Message(texts::kFileAndReason, {named(request.outputPath), written.reason}));
    return {true, {}, {}};
}

} // namespace tarvo::dump
