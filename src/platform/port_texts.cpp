#include "platform/port_texts.h"

#include <QCoreApplication>

#include <string_view>

namespace tarvo::platform {

namespace {
constexpr std::string_view kParityLetters = "EMNOS";
} // namespace

QString portText(const char* text)
{
    return QCoreApplication::translate("SerialPort", text);
}

QString lineSettingsFault(const serial::LineSettings& line)
{
    if (kParityLetters.find(line.parity) == std::string_view::npos)
        return portText(QT_TRANSLATE_NOOP("SerialPort", "The parity letter is not one of E, M, N, O and S."));
    if (line.baudRate <= 0)
        return portText(QT_TRANSLATE_NOOP("SerialPort", "The baud rate must be positive."));
    return {};
}

} // namespace tarvo::platform
