#include "document/table_record.h"

#include "model/lang_table_layout.h"

#include <algorithm>

namespace tarvo::document {

namespace {

// Smallest encodings of the info records, to check their counts before reading.
constexpr std::size_t kMinMiscInfoBytes = 5 * ArchiveReader::kMinIntBytes + ArchiveReader::kMinStringBytes;
constexpr std::size_t kMinEntryInfoBytes = 4 * ArchiveReader::kMinIntBytes + ArchiveReader::kMinStringBytes;
constexpr std::size_t kMarkerHeaderValues = 2; // the marker and the count

void writeMiscInfo(ArchiveWriter& archive, const std::vector<model::MiscStringInfo>& infos)
{
    archive.writeI32(static_cast<std::int32_t>(infos.size()));
    for (const auto& info : infos) {
        archive.writeI32(info.firstValue);
        archive.writeI32(info.group);
        archive.writeI32(info.ordinal);
        archive.writeI32(info.justification);
        archive.writeI32(info.maximumLength);
        archive.writeString(info.label);
    }
}

bool readMiscInfo(ArchiveReader& archive, std::vector<model::MiscStringInfo>& infos)
{
    std::uint32_t count = 0;
    if (!archive.readIntCount(count, kMinMiscInfoBytes))
        return false;
    std::vector<model::MiscStringInfo> read;
    for (std::uint32_t i = 0; i < count; ++i) {
        model::MiscStringInfo info;
        if (!archive.readI32(info.firstValue) || !archive.readI32(info.group) ||
            !archive.readI32(info.ordinal) || !archive.readI32(info.justification) ||
            !archive.readI32(info.maximumLength) || !archive.readString(info.label))
            return false;
        read.push_back(std::move(info));
    }
    infos = std::move(read);
    return true;
}

void writeEntryInfo(ArchiveWriter& archive, const model::BucketMap<model::MenuEntryInfo>& infos)
{
    archive.writeI32(static_cast<std::int32_t>(infos.size()));
    infos.forEach([&archive](std::int32_t key, const model::MenuEntryInfo& info) {
        archive.writeI32(key);
        archive.writeI32(info.menu);
        archive.writeI32(info.entry);
        archive.writeI32(info.number);
        archive.writeString(info.label);
    });
}

bool readEntryInfo(ArchiveReader& archive, model::BucketMap<model::MenuEntryInfo>& infos,
                   std::vector<std::int32_t>* droppedKeys)
{
    std::uint32_t count = 0;
    if (!archive.readIntCount(count, kMinEntryInfoBytes))
        return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::int32_t key = 0;
        std::int32_t storedMenu = 0;
        std::int32_t storedEntry = 0;
        model::MenuEntryInfo info;
        if (!archive.readI32(key) || !archive.readI32(storedMenu) || !archive.readI32(storedEntry) ||
            !archive.readI32(info.number) || !archive.readString(info.label))
            return false;
        // The key is what the table looks the record up by, so it decides
        // which entry the record describes.
        if (!entryOfKey(key, info.menu, info.entry)) {
            if (droppedKeys != nullptr)
                droppedKeys->push_back(key);
            continue;
        }
        info.edited = 0;
        infos.set(key, std::move(info));
    }
    return true;
}

// Sets the edited flag of every key; an edited entry without an info record
// gets one, so that the edit is not lost.
void markEdited(model::CS1_LangTable& table, std::span<const std::int32_t> keys)
{
    for (const auto key : keys) {
        model::MenuEntryInfo created;
        if (auto* info = table.MenuEntryInfos().find(key)) {
            info->edited = 1;
        } else if (entryOfKey(key, created.menu, created.entry)) {
            created.edited = 1;
            table.MenuEntryInfos().set(key, std::move(created));
        }
    }
}

bool lessAsUnsigned(std::int32_t a, std::int32_t b)
{
    return static_cast<std::uint32_t>(a) < static_cast<std::uint32_t>(b);
}

} // namespace

bool entryOfKey(std::int32_t key, int& menu, int& entry)
{
    const auto bits = static_cast<std::uint32_t>(key);
    const auto keyMenu = static_cast<int>(bits >> 16);
    const auto keyEntry = static_cast<int>(bits & 0xFFFF);
    if (keyMenu >= model::layout::kMenuCount || keyEntry < model::layout::kFirstEntry ||
        keyEntry > model::layout::kEntriesPerMenu)
        return false;
    menu = keyMenu;
    entry = keyEntry;
    return true;
}

SpareValues splitSpareValues(std::span<const std::uint32_t> values)
{
    for (std::size_t p = 0; p + kMarkerHeaderValues <= values.size(); ++p) {
        if (values[p] != kEditedEntriesMarker || values[p + 1] != values.size() - p - kMarkerHeaderValues)
            continue;
        SpareValues split;
        split.kept.assign(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(p));
        for (std::size_t i = p + kMarkerHeaderValues; i < values.size(); ++i)
            split.editedKeys.push_back(static_cast<std::int32_t>(values[i]));
        std::sort(split.editedKeys.begin(), split.editedKeys.end(), lessAsUnsigned);
        return split;
    }
    return {{values.begin(), values.end()}, {}};
}

std::vector<std::uint32_t> joinSpareValues(std::span<const std::uint32_t> kept,
                                           std::vector<std::int32_t> editedKeys)
{
    std::vector<std::uint32_t> values(kept.begin(), kept.end());
    if (editedKeys.empty())
        return values;
    std::sort(editedKeys.begin(), editedKeys.end(), lessAsUnsigned);
    editedKeys.erase(std::unique(editedKeys.begin(), editedKeys.end()), editedKeys.end());
    values.push_back(kEditedEntriesMarker);
    values.push_back(static_cast<std::uint32_t>(editedKeys.size()));
    for (const auto key : editedKeys)
        values.push_back(static_cast<std::uint32_t>(key));
    return values;
}

std::vector<std::int32_t> editedEntryKeys(const model::CS1_LangTable& table)
{
    std::vector<std::int32_t> keys;
    table.MenuEntryInfos().forEach([&keys](std::int32_t key, const model::MenuEntryInfo& info) {
        if (info.edited != 0)
            keys.push_back(key);
    });
    std::sort(keys.begin(), keys.end(), lessAsUnsigned);
    return keys;
}

void writeTableRecord(ArchiveWriter& archive, const model::CS1_LangTable& table)
{
    archive.writeI32(table.GetFont());
    archive.writeI32(table.WindowsLanguageId());
    archive.writeString(table.SpareText());
    archive.writeI32(table.FirmwareMajor());
    archive.writeI32(table.FirmwareMinor());
    archive.writeByteList(table.Image());
    archive.writeStringMap(table.MetadataLabels());
    archive.writeValueList(joinSpareValues(table.SpareValues(), editedEntryKeys(table)));
    archive.writeStringList(table.SpareTexts());
    archive.writeIntMap(table.Misc20Groups());
    archive.writeIntMap(table.Misc10Groups());
    writeMiscInfo(archive, table.Misc20Info());
    writeMiscInfo(archive, table.Misc10Info());
    archive.writeStringList(table.ErrorMessageNames());
    archive.writeStringList(table.UserFunctionNames());
    archive.writeStringList(table.SpareTexts2());
    archive.writeStringMap(table.MenuNames());
    writeEntryInfo(archive, table.MenuEntryInfos());
}

bool readTableRecord(ArchiveReader& archive, int documentSchema, model::CS1_LangTable& table,
                     std::vector<std::int32_t>* droppedEntryKeys)
{
    std::int32_t font = 0;
    std::int32_t windowsLanguageId = 0;
    if (!archive.readI32(font) || !archive.readI32(windowsLanguageId) ||
        !archive.readString(table.SpareText()))
        return false;
    table.SetFont(font);
    table.SetWindowsLanguageId(windowsLanguageId);
    if (documentSchema >= kFirstSchemaWithFirmware) {
        std::int32_t major = 0;
        std::int32_t minor = 0;
        if (!archive.readI32(major) || !archive.readI32(minor))
            return false;
        table.SetFirmware(major, minor);
    }

    const std::size_t imageAt = archive.position();
    std::uint32_t imageBytes = 0;
    if (!archive.readCount(imageBytes))
        return false;
    if (imageBytes != model::kImageBytes) {
        archive.fail("the image at offset " + std::to_string(imageAt) + " holds " +
                     std::to_string(imageBytes) + " bytes instead of " + std::to_string(model::kImageBytes));
        return false;
    }
    std::span<const std::uint8_t> image;
    if (!archive.reader().readBytes(imageBytes, image))
        return false;
    std::copy(image.begin(), image.end(), table.MutableImage().begin());

    std::vector<std::uint32_t> spareValues;
    if (!archive.readStringMap(table.MetadataLabels()) || !archive.readValueList(spareValues) ||
        !archive.readStringList(table.SpareTexts()) || !archive.readIntMap(table.Misc20Groups()) ||
        !archive.readIntMap(table.Misc10Groups()) || !readMiscInfo(archive, table.Misc20Info()) ||
        !readMiscInfo(archive, table.Misc10Info()) || !archive.readStringList(table.ErrorMessageNames()) ||
        !archive.readStringList(table.UserFunctionNames()) || !archive.readStringList(table.SpareTexts2()) ||
        !archive.readStringMap(table.MenuNames()) ||
        !readEntryInfo(archive, table.MenuEntryInfos(), droppedEntryKeys))
        return false;

    SpareValues split = splitSpareValues(spareValues);
    table.SpareValues() = std::move(split.kept);
    markEdited(table, split.editedKeys);
    return true;
}

} // namespace tarvo::document
