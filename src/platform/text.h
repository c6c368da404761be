#pragma once
// The one conversion between the core's texts (UTF-16 strings) and Qt's.

#include <QString>

#include <string>
#include <string_view>

namespace tarvo::platform {

inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string toU16(const QString& text)
{
    return text.toStdU16String();
}

} // namespace tarvo::platform
