#pragma once
// The value tables of CommSettings, the Settings text both ways, the range
// checks with their messages, the checks of a record read from a file, and
// the comm event names of the diagnostic dialog.

#include "io/message_pattern.h"
#include "serial/comm_settings.h"
#include "serial/serial_port.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::serial {

inline constexpr int kPortCount = 16;
// "COM1" ... "COM16"; the control's port number is index + 1.
std::u16string portName(int portIndex);

struct BaudEntry {
    std::u16string_view text;
    int rate;
};
inline constexpr std::array<BaudEntry, 16> kBaudRates = {{{u"110", 110},
                                                          {u"300", 300},
                                                          {u"600", 600},
                                                          {u"1200", 1200},
                                                          {u"2400", 2400},
                                                          {u"4800", 4800},
                                                          {u"9600", 9600},
                                                          {u"14400", 14400},
                                                          {u"19200", 19200},
                                                          {u"28800", 28800},
                                                          {u"38400", 38400},
                                                          {u"56000", 56000},
                                                          {u"57600", 57600},
                                                          {u"115200", 115200},
                                                          {u"128000", 128000},
                                                          {u"256000", 256000}}};
inline constexpr int kBaudIndex19200 = 8;
inline constexpr int kBaudIndex57600 = 12;

struct ParityEntry {
    std::u16string_view text;
    char letter;
};
inline constexpr std::array<ParityEntry, 5> kParities = {
    {{u"Even", 'E'}, {u"Mark", 'M'}, {u"None", 'N'}, {u"Odd", 'O'}, {u"Space", 'S'}}};

struct DataBitsEntry {
    std::u16string_view text;
    int bits;
};
inline constexpr std::array<DataBitsEntry, 5> kDataBits = {
    {{u"4", 4}, {u"5", 5}, {u"6", 6}, {u"7", 7}, {u"8", 8}}};

struct StopBitsEntry {
    std::u16string_view text;
    StopBits stopBits;
};
inline constexpr std::array<StopBitsEntry, 3> kStopBits = {
    {{u"1", StopBits::One}, {u"1.5", StopBits::OnePointFive}, {u"2", StopBits::Two}}};

// Handshaking: the index is the control value.
inline constexpr std::array<std::u16string_view, 4> kHandshakings = {u"None", u"Xon/Xoff", u"RTS",
                                                                     u"RTS & Xon/Xoff"};
// Input mode: the index is the control value.
inline constexpr std::array<std::u16string_view, 2> kInputModes = {u"ASCII", u"Binary"};
inline constexpr int kInputModeBinary = 1;

// The line settings the indices stand for; false when an index is outside
// its table.
bool lineSettingsFor(const CommSettings& settings, LineSettings& line);
// Baud text, parity letter, data bits and stop bits joined by commas; empty
// when an index is outside its table.
std::u16string settingsText(const CommSettings& settings);
// Splits at the commas and looks each part up (the parity letter in upper
// case). Only the four indices change, and only when all four parts are found.
bool parseSettingsText(std::u16string_view text, CommSettings& settings);
bool parseSettingsText(std::u16string_view text, LineSettings& line);
std::u16string settingsText(const LineSettings& line);

// --- Ranges -----------------------------------------------------------------

enum class RangedField { InBufferSize, RThreshold, InputLen, OutBufferSize, SThreshold, ParityReplace };

struct FieldRange {
    RangedField field;
    int minimum;
    int maximum;
    std::u16string_view rangeMessage; // "... must be a value between %d and %d."
};
inline constexpr std::array<FieldRange, 6> kFieldRanges = {{
    {RangedField::InBufferSize, 1, 32767, u"In Buffer Size must be a value between %d and %d."},
    {RangedField::RThreshold, 0, 32767, u"RThreshold must be a value between %d and %d."},
    {RangedField::InputLen, 0, 32767, u"Input Len must be a value between %d and %d."},
    {RangedField::OutBufferSize, 1, 32767, u"Out Buffer Size must be a value between %d and %d."},
    {RangedField::SThreshold, 0, 32767, u"SThreshold must be a value between %d and %d."},
    {RangedField::ParityReplace, 0, 255, u"Parity Replace must be a value between %d and %d."},
}};

int fieldValue(const CommSettings& settings, RangedField field);
const FieldRange& rangeOf(RangedField field);
// The range message with its bounds filled in.
messages::Message rangeMessage(RangedField field);
// The first field outside its range, in the order above; nullopt when all
// are inside.
std::optional<RangedField> firstFieldOutOfRange(const CommSettings& settings);

// --- The texts of the COM Port Settings dialog -------------------------------

// The properties in the order the dialog reports them.
enum class SettingsProperty {
    PortOpen,
    PortNumber,
    General,
    Handshaking,
    InBufferSize,
    RThreshold,
    InputLen,
    OutBufferSize,
    SThreshold,
    EOFEnable,
    NullDiscard,
    RTSEnable,
    DTREnable,
    ParityReplace,
    InputMode,
};
// "An error occurred while attempting to set the COM port's ..." and the
// matching "get" text: the sentence and the property's ending, each a pattern.
messages::Message setFailureMessage(SettingsProperty property);
messages::Message getFailureMessage(SettingsProperty property);

// --- Records read from a file ------------------------------------------------

// One field that was outside its table or range and was replaced by its
// document default.
struct SettingsCorrection {
    std::u16string field; // "baud index", "In Buffer Size", ...
    int found;
    int replacedBy;
};
// Checks every field; a field outside its table or range falls back to the
// default of documents (CommSettings::forDocument) and is listed. Returns
// true when nothing had to change.
bool validateSettings(CommSettings& settings, std::vector<SettingsCorrection>& corrections);
// "The serial settings held baud index 99; 8 (19200) is used instead." and
// so on, one line per correction.
messages::Message describeCorrections(const std::vector<SettingsCorrection>& corrections);

// --- Comm events ---------------------------------------------------------------

// The name of a control event value: "Rx Buffer Met RThreshold", ...;
// "No Event" for 0 and "** Unknown Event **" for values not in the list.
std::u16string_view commEventName(int controlValue);

// The texts above that the editor shows: the two failure sentences, every
// property's ending, every event name and the corrections' words.
std::vector<std::u16string_view> portMessagePatterns();

} // namespace tarvo::serial
