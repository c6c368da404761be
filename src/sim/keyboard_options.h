#pragma once
// What the simulated keyboard says about itself: its identity record, its
// line speed and the number of table slots that follow from its generation.

#include "serial/keyboard_records.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvo::sim {

struct Version {
    int major = 0;
    int minor = 0;
    bool operator==(const Version&) const = default;
};

inline constexpr int kBaudSlow = 19200;
inline constexpr int kBaudFast = 57600;

struct KeyboardOptions {
    int generation = 2;
    int keyboardType = serial::kKeyboardTypeOmnia;
    Version bootloader{2, 0};
    Version firmware{1, 94};
    // The fonts in the keyboard's four font slots, as font numbers 1-7.
    std::array<int, 4> fonts{1, 2, 3, 5};
    int iconicFont = 0;
    int dataSchema = 3;
    int baud = kBaudSlow;

    // The T7 reply's record.
    serial::KeyboardId keyboardId() const;
    // 5 for generations 0 and 1, 13 for generation 2, none otherwise.
    int slotCount() const { return keyboardId().slotCount(); }
    // Bootloader 1.00 answers T0 with paged addresses and dump lines.
    bool pagedAddresses() const { return bootloader == Version{1, 0}; }
};

// "X.YY" with one or two major digits and exactly two minor digits.
bool parseVersion(const std::string& text, Version& out);
// "0xNN" or decimal, 0-255.
bool parseByteValue(const std::string& text, int& out);

} // namespace tarvo::sim
