#include "transfer/line_speed.h"

namespace tarvo::transfer {

namespace {

constexpr int kBaud19200 = 19200;
constexpr int kBaud57600 = 57600;

} // namespace

std::optional<LineSpeedChoice> parseLineSpeedChoice(std::string_view text)
{
    if (text == "auto")
        return LineSpeedChoice::Auto;
    if (text == "19200")
        return LineSpeedChoice::Baud19200;
    if (text == "57600")
        return LineSpeedChoice::Baud57600;
    return std::nullopt;
}

LineSpeedProbe probeFor(LineSpeedChoice choice, std::optional<int> rememberedBaud)
{
    switch (choice) {
    case LineSpeedChoice::Baud19200:
        return {kBaudIndex19200, false};
    case LineSpeedChoice::Baud57600:
        return {kBaudIndex57600, false};
    case LineSpeedChoice::Auto:
        break;
    }
    return {rememberedBaud == kBaud57600 ? kBaudIndex57600 : kBaudIndex19200, true};
}

LineSpeedProbe probeForDevice(LineSpeedChoice choice, const LineSpeedMemory* memory,
                              const std::string& devicePath)
{
    if (choice != LineSpeedChoice::Auto || memory == nullptr)
        return probeFor(choice, std::nullopt);
    return probeFor(choice, memory->remembered(devicePath));
}

int baudRateOfIndex(int baudIndex)
{
    if (baudIndex == kBaudIndex19200)
        return kBaud19200;
    if (baudIndex == kBaudIndex57600)
        return kBaud57600;
    return 0;
}

} // namespace tarvo::transfer
