#include "model/lang_table.h"

#include "model/keyboard_fonts.h"
#include "model/lang_table_layout.h"

#include <algorithm>
#include <new>

namespace tarvo::model {

bool CS1_LangTable::Init()
{
    try {
        m_image.assign(kImageBytes, 0);
        m_metadataLabels.reset(kTableBuckets);
        m_misc20Groups.reset(kTableBuckets);
        m_misc10Groups.reset(kTableBuckets);
        m_menuNames.reset(kTableBuckets);
        m_menuEntryInfo.reset(kTableBuckets);
        // Key 0: the number of strings that belong to no group.
        m_misc20Groups.set(0, 0);
        m_misc10Groups.set(0, 0);
    } catch (const std::bad_alloc&) {
        m_valid = 0;
        return false;
    }
    m_valid = 1;
    return true;
}

void CS1_LangTable::CopyFrom(const CS1_LangTable& other)
{
    if (&other == this)
        return;
    m_valid = other.m_valid;
    m_image = other.m_image;
    m_font = other.m_font;
    m_readOnly = other.m_readOnly;
    m_windowsLanguageId = other.m_windowsLanguageId;
    m_firmwareMajor = other.m_firmwareMajor;
    m_firmwareMinor = other.m_firmwareMinor;
    m_spareText = other.m_spareText;
    m_metadataLabels = other.m_metadataLabels;
    m_spareValues = other.m_spareValues;
    m_spareTexts = other.m_spareTexts;
    m_misc20Groups = other.m_misc20Groups;
    m_misc10Groups = other.m_misc10Groups;
    m_misc20Info = other.m_misc20Info;
    m_misc10Info = other.m_misc10Info;
    m_errorMessageNames = other.m_errorMessageNames;
    m_userFunctionNames = other.m_userFunctionNames;
    m_spareTexts2 = other.m_spareTexts2;
    m_menuNames = other.m_menuNames;
    m_menuEntryInfo = other.m_menuEntryInfo;
}

std::unique_ptr<CS1_LangTable> CS1_LangTable::Clone() const
{
    auto copyMap = [](const auto& from, auto& to) {
        from.forEach([&to](std::int32_t key, const auto& value) { to.set(key, value); });
    };
    try {
        auto copy = std::make_unique<CS1_LangTable>();
        if (!copy->Init())
            return nullptr;
        copy->m_image = m_image;
        copy->m_font = m_font;
        copy->m_windowsLanguageId = m_windowsLanguageId;
        copy->m_spareText = m_spareText;
        copy->m_firmwareMajor = m_firmwareMajor;
        copy->m_firmwareMinor = m_firmwareMinor;
        copy->m_readOnly = 0;
        copyMap(m_metadataLabels, copy->m_metadataLabels);
        copyMap(m_misc20Groups, copy->m_misc20Groups);
        copyMap(m_misc10Groups, copy->m_misc10Groups);
        copyMap(m_menuNames, copy->m_menuNames);
        copyMap(m_menuEntryInfo, copy->m_menuEntryInfo);
        copy->m_spareValues = m_spareValues;
        copy->m_spareTexts = m_spareTexts;
        copy->m_misc20Info = m_misc20Info;
        copy->m_misc10Info = m_misc10Info;
        copy->m_errorMessageNames = m_errorMessageNames;
        copy->m_userFunctionNames = m_userFunctionNames;
        copy->m_spareTexts2 = m_spareTexts2;
        // A copy is editable. The header's members follow its bytes, as a
        // header written back would leave them; the name bytes are not
        // re-encoded, so a name holding a code without a character (or bytes
        // after its end) is copied exactly.
        if (copy->m_image.size() > layout::kLanguageIdOffset) {
            copy->m_font = copy->GetByte(layout::kFontOffset);
            copy->m_firmwareMajor = copy->GetByte(layout::kFirmwareMajorOffset);
            copy->m_firmwareMinor = copy->GetByte(layout::kFirmwareMinorOffset);
        }
        copy->SetByte(layout::kReadOnlyOffset, 0);
        return copy;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void CS1_LangTable::SetByte(std::size_t offset, int value)
{
    if (offset < m_image.size())
        m_image[offset] = static_cast<std::uint8_t>(value & layout::kByteMask);
}

int CS1_LangTable::GetByte(std::size_t offset) const
{
    return offset < m_image.size() ? m_image[offset] : 0;
}

std::size_t CS1_LangTable::ReadBytes(std::size_t offset, std::size_t count, std::uint8_t* destination) const
{
    if (offset >= m_image.size())
        return 0;
    const std::size_t available = std::min(count, m_image.size() - offset);
    std::copy_n(m_image.begin() + static_cast<std::ptrdiff_t>(offset), available, destination);
    return available;
}

void CS1_LangTable::LoadImage(std::span<const std::uint8_t> bytes)
{
    // Always a full image: a shorter array leaves the rest zero, a longer
    // one gives only its first 64 KB.
    std::vector<std::uint8_t> Image(kImageBytes, 0);
    std::copy_n(bytes.begin(), std::min(bytes.size(), kImageBytes), Image.begin());
    m_image = std::move(Image);
    m_font = GetByte(layout::kFontOffset);
    SetByte(layout::kReadOnlyOffset, 0);
    m_firmwareMajor = GetByte(layout::kFirmwareMajorOffset);
    m_firmwareMinor = GetByte(layout::kFirmwareMinorOffset);
}

void CS1_LangTable::WriteText(const std::u16string& text, int width, std::size_t offset)
{
    if (width <= 0)
        return;
    const auto& fonts = KeyboardFonts::instance();
    const int bytesPerCharacter = KeyboardFonts::bytesPerCharacter(m_font);
    const std::size_t used = std::min(text.size(), static_cast<std::size_t>(width));
    std::size_t position = offset;
    for (std::size_t i = 0; i < static_cast<std::size_t>(width); ++i) {
        const std::uint32_t code = i < used ? fonts.toDevice(m_font, text[i]) : 0;
        if (bytesPerCharacter == 2) {
            SetByte(position, static_cast<int>(code >> layout::kBitsPerByte));
            SetByte(position + 1, static_cast<int>(code));
        } else {
            SetByte(position, static_cast<int>(code));
        }
        position += static_cast<std::size_t>(bytesPerCharacter);
    }
}

std::u16string CS1_LangTable::ReadText(int byteCount, std::size_t offset) const
{
    std::u16string text;
    if (byteCount <= 0)
        return text;
    const auto& fonts = KeyboardFonts::instance();
    const std::size_t bytesPerCharacter = static_cast<std::size_t>(KeyboardFonts::bytesPerCharacter(m_font));
    const std::size_t end = offset + static_cast<std::size_t>(byteCount);
    for (std::size_t position = offset; position + bytesPerCharacter <= end; position += bytesPerCharacter) {
        if (position + bytesPerCharacter > m_image.size())
            break;
        std::uint32_t code = m_image[position];
        if (bytesPerCharacter == 2)
            code = (code << layout::kBitsPerByte) | m_image[position + 1];
        const char16_t ch = fonts.toUnicode(m_font, code);
        if (ch == KeyboardFonts::kNoCharacter)
            break;
        text.push_back(ch);
    }
    return text;
}

int CS1_LangTable::WriteWidth(const layout::TextField& field) const
{
    return KeyboardFonts::isTwoByte(m_font) ? field.charactersFont5 : field.characters;
}

int CS1_LangTable::ReadBytes(const layout::TextField& field) const
{
    return WriteWidth(field) * KeyboardFonts::bytesPerCharacter(m_font);
}

void CS1_LangTable::WriteField(const std::u16string& text, const layout::TextField& field, std::size_t offset)
{
    WriteText(text, WriteWidth(field), offset);
}

std::u16string CS1_LangTable::ReadField(const layout::TextField& field, std::size_t offset) const
{
    return ReadText(ReadBytes(field), offset);
}

bool CS1_LangTable::SetHeader(const TableHeader& header, const TableMetadata& metadata)
{
    // The font first, so that the name is written in it.
    m_font = metadata.font;
    SetByte(layout::kSchemaOffset, header.schema);
    WriteField(header.friendlyName, layout::kFriendlyName, layout::kFriendlyNameOffset);
    m_windowsLanguageId = metadata.windowsLanguageId;
    SetByte(layout::kFontSlotOffset, header.fontSlot);
    SetByte(layout::kFontOffset, metadata.font);
    SetByte(layout::kVersionCodeOffset, metadata.versionCode);
    m_firmwareMajor = metadata.firmwareMajor;
    m_firmwareMinor = metadata.firmwareMinor;
    SetByte(layout::kFirmwareMajorOffset, metadata.firmwareMajor);
    SetByte(layout::kFirmwareMinorOffset, metadata.firmwareMinor);
    m_readOnly = metadata.readOnly;
    SetByte(layout::kReadOnlyOffset, metadata.readOnly);
    SetByte(layout::kLanguageIdOffset, metadata.languageId);
    return true;
}

void CS1_LangTable::GetHeader(TableHeader& header, TableMetadata& metadata) const
{
    header.schema = GetByte(layout::kSchemaOffset);
    header.friendlyName = ReadField(layout::kFriendlyName, layout::kFriendlyNameOffset);
    header.fontSlot = GetByte(layout::kFontSlotOffset);
    metadata.font = GetByte(layout::kFontOffset);
    metadata.windowsLanguageId = m_windowsLanguageId;
    metadata.versionCode = GetByte(layout::kVersionCodeOffset);
    metadata.readOnly = GetByte(layout::kReadOnlyOffset);
    metadata.firmwareMajor = GetByte(layout::kFirmwareMajorOffset);
    metadata.firmwareMinor = GetByte(layout::kFirmwareMinorOffset);
    metadata.languageId = GetByte(layout::kLanguageIdOffset);
}

void CS1_LangTable::SetMetadataLabel(int number, const std::u16string& text)
{
    m_metadataLabels.set(number, text);
}

std::u16string CS1_LangTable::GetMetadataLabel(int number) const
{
    const std::u16string* label = m_metadataLabels.find(number);
    return label ? *label : std::u16string();
}

} // namespace tarvo::model
