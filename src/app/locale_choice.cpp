#include "app/locale_choice.h"

namespace tarvo::app {

namespace {

struct LocaleRow {
    std::uint32_t identifier;
    QLocale::Language language;
    QLocale::Territory territory;
};

// The languages the keyboard's tables are made for, and their neighbours.
constexpr LocaleRow kLocales[] = {
    {0x0401, QLocale::Arabic, QLocale::SaudiArabia},     {0x0404, QLocale::Chinese, QLocale::Taiwan},
    {0x0405, QLocale::Czech, QLocale::CzechRepublic},    {0x0406, QLocale::Danish, QLocale::Denmark},
    {0x0407, QLocale::German, QLocale::Germany},         {0x0408, QLocale::Greek, QLocale::Greece},
    {0x0409, QLocale::English, QLocale::UnitedStates},   {0x040A, QLocale::Spanish, QLocale::Spain},
    {0x040B, QLocale::Finnish, QLocale::Finland},        {0x040C, QLocale::French, QLocale::France},
    {0x040D, QLocale::Hebrew, QLocale::Israel},          {0x040E, QLocale::Hungarian, QLocale::Hungary},
    {0x0410, QLocale::Italian, QLocale::Italy},          {0x0411, QLocale::Japanese, QLocale::Japan},
    {0x0412, QLocale::Korean, QLocale::SouthKorea},      {0x0413, QLocale::Dutch, QLocale::Netherlands},
    {0x0414, QLocale::NorwegianBokmal, QLocale::Norway}, {0x0415, QLocale::Polish, QLocale::Poland},
    {0x0416, QLocale::Portuguese, QLocale::Brazil},      {0x0418, QLocale::Romanian, QLocale::Romania},
    {0x0419, QLocale::Russian, QLocale::Russia},         {0x041A, QLocale::Croatian, QLocale::Croatia},
    {0x041B, QLocale::Slovak, QLocale::Slovakia},        {0x041D, QLocale::Swedish, QLocale::Sweden},
    {0x041E, QLocale::Thai, QLocale::Thailand},          {0x041F, QLocale::Turkish, QLocale::Turkey},
    {0x0422, QLocale::Ukrainian, QLocale::Ukraine},      {0x0424, QLocale::Slovenian, QLocale::Slovenia},
    {0x0804, QLocale::Chinese, QLocale::China},          {0x0807, QLocale::German, QLocale::Switzerland},
    {0x0809, QLocale::English, QLocale::UnitedKingdom},  {0x080C, QLocale::French, QLocale::Belgium},
    {0x0816, QLocale::Portuguese, QLocale::Portugal},    {0x0C0A, QLocale::Spanish, QLocale::Spain},
};

} // namespace

std::uint32_t localeIdentifierOf(const QLocale& locale)
{
    for (const LocaleRow& row : kLocales)
        if (row.language == locale.language() && row.territory == locale.territory())
            return row.identifier;
    for (const LocaleRow& row : kLocales)
        if (row.language == locale.language())
            return row.identifier;
    return 0;
}

std::optional<QLocale> localeOfIdentifier(std::uint32_t identifier)
{
    for (const LocaleRow& row : kLocales)
        if (row.identifier == identifier)
            return QLocale(row.language, row.territory);
    return std::nullopt;
}

LocaleChoice chooseLocale(std::optional<std::uint32_t> threadLocale, const QLocale& systemLocale)
{
    if (threadLocale && *threadLocale != 0)
        return {*threadLocale, localeOfIdentifier(*threadLocale).value_or(systemLocale), true};
    return {localeIdentifierOf(systemLocale), systemLocale, false};
}

} // namespace tarvo::app
