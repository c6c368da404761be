#include "transfer/table_info_row.h"

#include "model/keyboard_fonts.h"
#include "transfer/session_texts.h"

#include <array>
#include <cstdio>

namespace tarvo::transfer {

namespace {

constexpr int kSchemaByte = 0;
constexpr int kNameFirstByte = 1;
constexpr int kNameBytes = 20;
constexpr int kTwoByteNameCharacters = 8;
constexpr int kFontByte = 42;
constexpr int kVersionCodeByte = 43;
constexpr int kFirmwareMajorByte = 45;
constexpr int kFirmwareMinorByte = 46;
constexpr int kLanguageIdByte = 47;
constexpr std::uint8_t kEmptySlot = 0x00;

struct VersionOfCode {
    int code;
    int major;
    int minor;
};
constexpr std::array<VersionOfCode, 3> kVersionCodes = {{{1, 1, 2}, {2, 1, 3}, {3, 1, 10}}};

constexpr std::u16string_view kEmptyName = u"( empty )";
constexpr std::u16string_view kFlashedClearName = u"( flashed clear )";
constexpr std::u16string_view kUnknownFontName = u"?";
constexpr std::u16string_view kNotPresent = u"-";
constexpr std::u16string_view kNoVersion = u"-----";
constexpr char16_t kUnmappedCharacter = u'?';

std::u16string twoDigitVersion(int major, int minor)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d.%02d", major, minor);
    return texts::ascii(buffer);
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

std::u16string trimmed(const std::u16string& s)
{
    std::size_t first = 0;
    std::size_t last = s.size();
    while (first < last && isBlank(s[first]))
        ++first;
    while (last > first && isBlank(s[last - 1]))
        --last;
    return s.substr(first, last - first);
}

} // namespace

std::u16string tableVersionText(int versionCode, int firmwareMajor, int firmwareMinor)
{
    if (versionCode == 0)
        return twoDigitVersion(firmwareMajor, firmwareMinor);
    for (const auto& v : kVersionCodes)
        if (v.code == versionCode)
            return twoDigitVersion(v.major, v.minor);
    return twoDigitVersion(-1, -1);
}

std::u16string decodeFriendlyName(const std::uint8_t* nameBytes, int font)
{
    using model::KeyboardFonts;
    if (!KeyboardFonts::isKnownFont(font))
        return std::u16string(kUnknownFontName);
    const int width = KeyboardFonts::bytesPerCharacter(font);
    const auto& fonts = KeyboardFonts::instance();
    const int usedBytes = width == 2 ? kTwoByteNameCharacters * 2 : kNameBytes;
    std::u16string name;
    for (int i = 0; i + width <= usedBytes; i += width) {
        const std::uint32_t code =
            width == 2 ? (std::uint32_t{nameBytes[i]} << 8) | nameBytes[i + 1] : nameBytes[i];
        if (code == 0)
            break;
        const char16_t c = fonts.toUnicode(font, code);
        name += c == KeyboardFonts::kNoCharacter ? kUnmappedCharacter : c;
    }
    return trimmed(name);
}

TableInfoRow makeTableInfoRow(int slotNumber, const serial::TableInfoBlock& info, bool lastBlockErased)
{
    const auto& b = info.bytes;
    TableInfoRow row;
    row.slot = slotNumber;
    row.present = info.holdsTable();
    row.schema = b[kSchemaByte];
    row.font = b[kFontByte];
    row.versionCode = b[kVersionCodeByte];
    row.firmwareMajor = b[kFirmwareMajorByte];
    row.firmwareMinor = b[kFirmwareMinorByte];
    row.languageId = b[kLanguageIdByte];
    if (row.present) {
        row.friendlyName = decodeFriendlyName(b.data() + kNameFirstByte, row.font);
        row.schemaText = texts::number(row.schema);
        row.fontText = texts::number(row.font);
        row.versionText = tableVersionText(row.versionCode, row.firmwareMajor, row.firmwareMinor);
        row.languageIdText = texts::number(row.languageId);
    } else {
        row.friendlyName = std::u16string(b[kSchemaByte] == kEmptySlot ? kEmptyName : kFlashedClearName);
        // Built, not assigned from the view: GCC 12 at -O2 warns falsely on the assignment.
        row.schemaText = std::u16string(kNotPresent);
        row.fontText = std::u16string(kNotPresent);
        row.versionText = std::u16string(kNoVersion);
        row.languageIdText = std::u16string(kNotPresent);
    }
    row.incomplete = row.present && lastBlockErased;
    row.description = messages::Message::data(texts::number(slotNumber));
    row.description.append(u"  ", row.present ? messages::Message::data(row.friendlyName)
                                              : messages::Message(row.friendlyName));
    if (row.incomplete)
        row.description.append(u" ", messages::Message(kIncompleteNote));
    return row;
}

} // namespace tarvo::transfer
