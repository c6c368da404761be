#include "diagnostics/locale_table.h"

#include <array>

namespace tarvo::diagnostics {

namespace {

constexpr int kWesternCodePage = 1252;

// Ordered by identifier; the first row of a language is its primary one.
constexpr std::array kRows = {
    LocaleRow{0x0401, "Arabic (Saudi Arabia)", "ar_SA", 1256},
    LocaleRow{0x0404, "Chinese (Taiwan)", "zh_TW", 950},
    LocaleRow{0x0405, "Czech", "cs_CZ", 1250},
    LocaleRow{0x0406, "Danish", "da_DK", 1252},
    LocaleRow{0x0407, "German (Standard)", "de_DE", 1252},
    LocaleRow{0x0408, "Greek", "el_GR", 1253},
    LocaleRow{0x0409, "English (United States)", "en_US", 1252},
    LocaleRow{0x040B, "Finnish", "fi_FI", 1252},
    LocaleRow{0x040C, "French (Standard)", "fr_FR", 1252},
    LocaleRow{0x040D, "Hebrew", "he_IL", 1255},
    LocaleRow{0x040E, "Hungarian", "hu_HU", 1250},
    LocaleRow{0x0410, "Italian (Standard)", "it_IT", 1252},
    LocaleRow{0x0411, "Japanese", "ja_JP", 932},
    LocaleRow{0x0412, "Korean", "ko_KR", 949},
    LocaleRow{0x0413, "Dutch (Standard)", "nl_NL", 1252},
    LocaleRow{0x0414, "Norwegian (Bokmal)", "nb_NO", 1252},
    LocaleRow{0x0415, "Polish", "pl_PL", 1250},
    LocaleRow{0x0416, "Portuguese (Brazil)", "pt_BR", 1252},
    LocaleRow{0x0418, "Romanian", "ro_RO", 1250},
    LocaleRow{0x0419, "Russian", "ru_RU", 1251},
    LocaleRow{0x041A, "Croatian", "hr_HR", 1250},
    LocaleRow{0x041B, "Slovak", "sk_SK", 1250},
    LocaleRow{0x041D, "Swedish", "sv_SE", 1252},
    LocaleRow{0x041E, "Thai", "th_TH", 874},
    LocaleRow{0x041F, "Turkish", "tr_TR", 1254},
    LocaleRow{0x0422, "Ukrainian", "uk_UA", 1251},
    LocaleRow{0x0424, "Slovenian", "sl_SI", 1250},
    LocaleRow{0x0804, "Chinese (PRC)", "zh_CN", 936},
    LocaleRow{0x0807, "German (Swiss)", "de_CH", 1252},
    LocaleRow{0x0809, "English (United Kingdom)", "en_GB", 1252},
    LocaleRow{0x080C, "French (Belgian)", "fr_BE", 1252},
    LocaleRow{0x0816, "Portuguese (Portugal)", "pt_PT", 1252},
    LocaleRow{0x0C0A, "Spanish (Modern)", "es_ES", 1252},
};

std::string_view languageOf(std::string_view name)
{
    return name.substr(0, name.find_first_of("_.@"));
}

// "fr_CH.UTF-8@euro" -> "fr_CH".
std::string_view withoutCodeset(std::string_view name)
{
    return name.substr(0, name.find_first_of(".@"));
}

} // namespace

std::span<const LocaleRow> localeRows()
{
    return kRows;
}

const LocaleRow* localeRowOf(std::uint32_t identifier)
{
    for (const LocaleRow& row : kRows)
        if (row.identifier == identifier)
            return &row;
    return nullptr;
}

LocaleMatch matchLinuxLocale(std::string_view linuxName)
{
    const std::string_view wanted = withoutCodeset(linuxName);
    for (const LocaleRow& row : kRows)
        if (row.linuxName == wanted)
            return {&row, true};
    const std::string_view language = languageOf(linuxName);
    for (const LocaleRow& row : kRows)
        if (!language.empty() && languageOf(row.linuxName) == language)
            return {&row, false};
    return {localeRowOf(kEnglishUnitedStates), false};
}

int codePageOf(std::uint32_t identifier)
{
    const LocaleRow* row = localeRowOf(identifier);
    return row != nullptr ? row->codePage : kWesternCodePage;
}

} // namespace tarvo::diagnostics
