#include "serial/comm_settings_tables.h"

#include "io/message_pattern.h"
#include "serial/control_texts.h"
#include "serial/u16_text.h"

#include <algorithm>

namespace tarvo::serial {

std::u16string formatBounds(std::u16string_view pattern, int first, int second)
{
    return messages::format(pattern, {messages::number(first), messages::number(second)});
}

namespace {

template <typename Table> bool inTable(const Table& table, int index)
{
    return index >= 0 && index < static_cast<int>(table.size());
}

std::u16string_view stopBitsText(StopBits stopBits)
{
    for (const StopBitsEntry& e : kStopBits)
        if (e.stopBits == stopBits)
            return e.text;
    return u"1";
}

std::vector<std::u16string_view> splitAtCommas(std::u16string_view text)
{
    std::vector<std::u16string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(u',', start);
        parts.push_back(text.substr(start, comma == std::u16string_view::npos ? std::u16string_view::npos
                                                                              : comma - start));
        if (comma == std::u16string_view::npos)
            return parts;
        start = comma + 1;
    }
}

char16_t upper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

struct ParsedIndices {
    int baud = -1;
    int parity = -1;
    int dataBits = -1;
    int stopBits = -1;
};

bool parseIndices(std::u16string_view text, ParsedIndices& out)
{
    const std::vector<std::u16string_view> parts = splitAtCommas(text);
    if (parts.size() != 4)
        return false;
    ParsedIndices p;
    for (std::size_t i = 0; i < kBaudRates.size(); ++i)
        if (kBaudRates[i].text == parts[0])
            p.baud = static_cast<int>(i);
    if (parts[1].size() == 1)
        for (std::size_t i = 0; i < kParities.size(); ++i)
            if (static_cast<char16_t>(kParities[i].letter) == upper(parts[1][0]))
                p.parity = static_cast<int>(i);
    for (std::size_t i = 0; i < kDataBits.size(); ++i)
        if (kDataBits[i].text == parts[2])
            p.dataBits = static_cast<int>(i);
    for (std::size_t i = 0; i < kStopBits.size(); ++i)
        if (kStopBits[i].text == parts[3])
            p.stopBits = static_cast<int>(i);
    if (p.baud < 0 || p.parity < 0 || p.dataBits < 0 || p.stopBits < 0)
        return false;
    out = p;
    return true;
}

constexpr std::u16string_view kSetFailure = u"An error occurred while attempting to set the COM port's %s";
constexpr std::u16string_view kGetFailure = u"An error occurred while attempting to get the COM port's %s";
constexpr std::u16string_view kUnknownEvent = u"** Unknown Event **";
constexpr std::u16string_view kOutOfRange =
    u"The serial settings held %s %d, which is out of range; %d is used instead.";

// The fields a document's record may hold out of their lists.
constexpr std::u16string_view kPortIndexName = u"port index";
constexpr std::u16string_view kBaudIndexName = u"baud index";
constexpr std::u16string_view kParityIndexName = u"parity index";
constexpr std::u16string_view kDataBitsIndexName = u"data-bits index";
constexpr std::u16string_view kStopBitsIndexName = u"stop-bits index";
constexpr std::u16string_view kHandshakingIndexName = u"handshaking index";
constexpr std::u16string_view kInputModeIndexName = u"input-mode index";
constexpr std::array<std::u16string_view, 7> kIndexFieldNames = {
    kPortIndexName,     kBaudIndexName,        kParityIndexName,   kDataBitsIndexName,
    kStopBitsIndexName, kHandshakingIndexName, kInputModeIndexName};

struct PropertyText {
    SettingsProperty property;
    std::u16string_view ending;
};
constexpr std::array<PropertyText, 15> kPropertyTexts = {{
    {SettingsProperty::PortOpen, u"PortOpen value."},
    {SettingsProperty::PortNumber, u"port number."},
    {SettingsProperty::General, u"general settings (Baud, Parity, Data Bits, and Stop Bits)."},
    {SettingsProperty::Handshaking, u"Handshaking value."},
    {SettingsProperty::InBufferSize, u"In Buffer Size."},
    {SettingsProperty::RThreshold, u"RThreshold value."},
    {SettingsProperty::InputLen, u"Input Len."},
    {SettingsProperty::OutBufferSize, u"Out Buffer Size."},
    {SettingsProperty::SThreshold, u"SThreshold value."},
    {SettingsProperty::EOFEnable, u"EOF Enable property."},
    {SettingsProperty::NullDiscard, u"Null Discard property."},
    {SettingsProperty::RTSEnable, u"RTS Enable property."},
    {SettingsProperty::DTREnable, u"DTR Enable property."},
    {SettingsProperty::ParityReplace, u"Parity Replace value."},
    {SettingsProperty::InputMode, u"Input Mode."},
}};

std::u16string_view endingOf(SettingsProperty property)
{
    for (const PropertyText& t : kPropertyTexts)
        if (t.property == property)
            return t.ending;
    return u"";
}

struct EventName {
    int value;
    std::u16string_view name;
};
constexpr std::array<EventName, 18> kEventNames = {{
    {comm_event::kSend, u"Tx Buffer Below SThreshold"},
    {comm_event::kReceive, u"Rx Buffer Met RThreshold"},
    {comm_event::kCts, u"CTS Changed"},
    {comm_event::kDsr, u"DSR Transitioned To 0"},
    {comm_event::kCd, u"CD Changed"},
    {comm_event::kRing, u"Ring Detected"},
    {comm_event::kEof, u"EOF Received (ASCII 26)"},
    {comm_event::kBreak, u"BREAK Received"},
    {comm_event::kCtsTimeout, u"CTS Timeout"},
    {comm_event::kDsrTimeout, u"DSR Timeout"},
    {comm_event::kFrame, u"Framing Error"},
    {comm_event::kOverrun, u"Port Overrun"},
    {comm_event::kCdTimeout, u"CD Timeout"},
    {comm_event::kRxOver, u"Rx Buffer Overflow"},
    {comm_event::kRxParity, u"Rx Parity Error"},
    {comm_event::kTxFull, u"Tx Buffer Full"},
    {comm_event::kDcb, u"DCB Retrieval Error"},
    {comm_event::kNone, u"No Event"},
}};

} // namespace

std::u16string portName(int portIndex)
{
    return u"COM" + toU16(portIndex + 1);
}

bool lineSettingsFor(const CommSettings& s, LineSettings& line)
{
    if (!inTable(kBaudRates, s.baudIndex) || !inTable(kParities, s.parityIndex) ||
        !inTable(kDataBits, s.dataBitsIndex) || !inTable(kStopBits, s.stopBitsIndex))
        return false;
    line.baudRate = kBaudRates[static_cast<std::size_t>(s.baudIndex)].rate;
    line.parity = kParities[static_cast<std::size_t>(s.parityIndex)].letter;
    line.dataBits = kDataBits[static_cast<std::size_t>(s.dataBitsIndex)].bits;
    line.stopBits = kStopBits[static_cast<std::size_t>(s.stopBitsIndex)].stopBits;
    return true;
}

std::u16string settingsText(const LineSettings& line)
{
    std::u16string text = toU16(line.baudRate);
    text += u',';
    text += static_cast<char16_t>(line.parity);
    text += u',';
    text += toU16(line.dataBits);
    text += u',';
    text += stopBitsText(line.stopBits);
    return text;
}

std::u16string settingsText(const CommSettings& settings)
{
    LineSettings line;
    if (!lineSettingsFor(settings, line))
        return {};
    return settingsText(line);
}

bool parseSettingsText(std::u16string_view text, CommSettings& settings)
{
    ParsedIndices p;
    if (!parseIndices(text, p))
        return false;
    settings.baudIndex = p.baud;
    settings.parityIndex = p.parity;
    settings.dataBitsIndex = p.dataBits;
    settings.stopBitsIndex = p.stopBits;
    return true;
}

bool parseSettingsText(std::u16string_view text, LineSettings& line)
{
    CommSettings s;
    return parseSettingsText(text, s) && lineSettingsFor(s, line);
}

int fieldValue(const CommSettings& s, RangedField field)
{
    switch (field) {
    case RangedField::InBufferSize:
        return s.inBufferSize;
    case RangedField::RThreshold:
        return s.rThreshold;
    case RangedField::InputLen:
        return s.inputLen;
    case RangedField::OutBufferSize:
        return s.outBufferSize;
    case RangedField::SThreshold:
        return s.sThreshold;
    case RangedField::ParityReplace:
        return s.parityReplace;
    }
    return 0;
}

const FieldRange& rangeOf(RangedField field)
{
    return *std::find_if(kFieldRanges.begin(), kFieldRanges.end(),
                         [field](const FieldRange& r) { return r.field == field; });
}

messages::Message rangeMessage(RangedField field)
{
    const FieldRange& r = rangeOf(field);
    return messages::Message(r.rangeMessage, {messages::number(r.minimum), messages::number(r.maximum)});
}

std::optional<RangedField> firstFieldOutOfRange(const CommSettings& settings)
{
    for (const FieldRange& r : kFieldRanges) {
        const int v = fieldValue(settings, r.field);
        if (v < r.minimum || v > r.maximum)
            return r.field;
    }
    return std::nullopt;
}

messages::Message setFailureMessage(SettingsProperty property)
{
    return messages::Message(kSetFailure, {messages::Message(endingOf(property))});
}

messages::Message getFailureMessage(SettingsProperty property)
{
    return messages::Message(kGetFailure, {messages::Message(endingOf(property))});
}

namespace {

void setRangedField(CommSettings& s, RangedField field, int value)
{
    const auto v = static_cast<std::int16_t>(value);
    switch (field) {
    case RangedField::InBufferSize:
        s.inBufferSize = v;
        break;
    case RangedField::RThreshold:
        s.rThreshold = v;
        break;
    case RangedField::InputLen:
        s.inputLen = v;
        break;
    case RangedField::OutBufferSize:
        s.outBufferSize = v;
        break;
    case RangedField::SThreshold:
        s.sThreshold = v;
        break;
    case RangedField::ParityReplace:
        s.parityReplace = v;
        break;
    }
}

std::u16string_view rangedFieldName(RangedField field)
{
    switch (field) {
    case RangedField::InBufferSize:
        return u"In Buffer Size";
    case RangedField::RThreshold:
        return u"RThreshold";
    case RangedField::InputLen:
        return u"Input Len";
    case RangedField::OutBufferSize:
        return u"Out Buffer Size";
    case RangedField::SThreshold:
        return u"SThreshold";
    case RangedField::ParityReplace:
        return u"Parity Replace";
    }
    return u"";
}

} // namespace

bool validateSettings(CommSettings& s, std::vector<SettingsCorrection>& corrections)
{
    const CommSettings defaults = CommSettings::forDocument();
    const std::size_t before = corrections.size();
    const auto checkIndex = [&](std::int32_t& index, int count, std::int32_t fallback,
                                std::u16string_view name) {
        if (index >= 0 && index < count)
            return;
        corrections.push_back({std::u16string(name), index, fallback});
        index = fallback;
    };
    checkIndex(s.portIndex, kPortCount, defaults.portIndex, kPortIndexName);
    checkIndex(s.baudIndex, static_cast<int>(kBaudRates.size()), defaults.baudIndex, kBaudIndexName);
    checkIndex(s.parityIndex, static_cast<int>(kParities.size()), defaults.parityIndex, kParityIndexName);
    checkIndex(s.dataBitsIndex, static_cast<int>(kDataBits.size()), defaults.dataBitsIndex,
               kDataBitsIndexName);
    checkIndex(s.stopBitsIndex, static_cast<int>(kStopBits.size()), defaults.stopBitsIndex,
               kStopBitsIndexName);
    checkIndex(s.handshakingIndex, static_cast<int>(kHandshakings.size()), defaults.handshakingIndex,
               kHandshakingIndexName);
    checkIndex(s.inputModeIndex, static_cast<int>(kInputModes.size()), defaults.inputModeIndex,
               kInputModeIndexName);
    for (const FieldRange& r : kFieldRanges) {
        const int v = fieldValue(s, r.field);
        if (v >= r.minimum && v <= r.maximum)
            continue;
        const int fallback = fieldValue(defaults, r.field);
        corrections.push_back({std::u16string(rangedFieldName(r.field)), v, fallback});
        setRangedField(s, r.field, fallback);
    }
    return corrections.size() == before;
}

messages::Message describeCorrections(const std::vector<SettingsCorrection>& corrections)
{
    messages::Message text;
    for (const SettingsCorrection& c : corrections)
        text.append(u"\n", messages::Message(kOutOfRange, {messages::Message(c.field), toU16(c.found),
                                                           toU16(c.replacedBy)}));
    return text;
}

std::u16string_view commEventName(int controlValue)
{
    for (const EventName& e : kEventNames)
        if (e.value == controlValue)
            return e.name;
    return kUnknownEvent;
}

std::vector<std::u16string_view> portMessagePatterns()
{
    std::vector<std::u16string_view> patterns = {kSetFailure, kGetFailure, kUnknownEvent, kOutOfRange};
    for (const std::u16string_view name : kIndexFieldNames)
        patterns.push_back(name);
    for (const FieldRange& r : kFieldRanges)
        patterns.push_back(rangedFieldName(r.field));
    for (const PropertyText& t : kPropertyTexts)
        patterns.push_back(t.ending);
    for (const EventName& e : kEventNames)
        patterns.push_back(e.name);
    for (const std::u16string_view text :
         {control_texts::kReadOnly, control_texts::kOutOfBounds, control_texts::kOnlyWhileClosed,
          control_texts::kBadSettingsText, control_texts::kAlreadyOpen, control_texts::kNotOpen})
        patterns.push_back(text);
    return patterns;
}

} // namespace tarvo::serial
