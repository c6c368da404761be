#include "sim/keyboard_options.h"

#include <cctype>
#include <cstdlib>

namespace tarvo::sim {

serial::KeyboardId KeyboardOptions::keyboardId() const
{
    serial::KeyboardId id;
    auto& b = id.bytes;
    b[0] = 'K';
    b[1] = 'B';
    for (std::size_t i = 0; i < fonts.size(); ++i)
        b[2 + i] = static_cast<std::uint8_t>(fonts[i] - 1);
    b[6] = static_cast<std::uint8_t>(generation);
    b[7] = static_cast<std::uint8_t>(keyboardType);
    b[8] = static_cast<std::uint8_t>(bootloader.major);
    b[9] = static_cast<std::uint8_t>(bootloader.minor);
    b[10] = static_cast<std::uint8_t>(firmware.major);
    b[11] = static_cast<std::uint8_t>(firmware.minor);
    b[14] = static_cast<std::uint8_t>(iconicFont);
    b[15] = static_cast<std::uint8_t>(dataSchema);
    return id;
}

namespace {

bool allDigits(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

bool parseVersion(const std::string& text, Version& out)
{
    const auto dot = text.find('.');
    if (dot == std::string::npos)
        return false;
    const std::string major = text.substr(0, dot);
    const std::string minor = text.substr(dot + 1);
    if (!allDigits(major) || major.size() > 2 || !allDigits(minor) || minor.size() != 2)
        return false;
    out.major = std::atoi(major.c_str());
    out.minor = std::atoi(minor.c_str());
    return true;
}

bool parseByteValue(const std::string& text, int& out)
{
    std::string digits = text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits = digits.substr(2);
        base = 16;
    }
    if (digits.empty() || digits.size() > 3)
        return false;
    for (char c : digits) {
        const bool ok = base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                                   : std::isdigit(static_cast<unsigned char>(c)) != 0;
        if (!ok)
            return false;
    }
    const long value = std::strtol(digits.c_str(), nullptr, base);
    if (value < 0 || value > 255)
        return false;
    out = static_cast<int>(value);
    return true;
}

} // namespace tarvo::sim
