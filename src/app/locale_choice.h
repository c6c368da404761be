#pragma once
// The application's locale: the identifier set in "ThreadLocale" when there
// is one (0 counts as none), otherwise the system's default locale.

#include <QLocale>

#include <cstdint>
#include <optional>

namespace tarvo::app {

struct LocaleChoice {
    std::uint32_t identifier = 0; // the numeric locale identifier
    QLocale locale;
    bool fromSetting = false;
};

// The numeric identifier of locale (0x0409 for en-US); 0 when unknown.
std::uint32_t localeIdentifierOf(const QLocale& locale);
// The locale of a numeric identifier; nullopt when unknown.
std::optional<QLocale> localeOfIdentifier(std::uint32_t identifier);

LocaleChoice chooseLocale(std::optional<std::uint32_t> threadLocale, const QLocale& systemLocale);

} // namespace tarvo::app
