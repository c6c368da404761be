#include "serial/comm_port.h"

#include "serial/comm_settings_tables.h"
#include "serial/u16_text.h"

#include <algorithm>
#include <array>

namespace tarvo::serial {

namespace {

struct ConfigStep {
    SettingsProperty reported;
    PortProperty property; // unused for the port number and Settings rows
    bool onlyWhileClosed;
};

int propertyValue(const CommSettings& s, PortProperty p)
{
    switch (p) {
    case PortProperty::CommPort:
        return s.portIndex + 1;
    case PortProperty::Handshaking:
        return s.handshakingIndex;
    case PortProperty::InBufferSize:
        return s.inBufferSize;
    case PortProperty::RThreshold:
        return s.rThreshold;
    case PortProperty::InputLen:
        return s.inputLen;
    case PortProperty::OutBufferSize:
        return s.outBufferSize;
    case PortProperty::SThreshold:
        return s.sThreshold;
    case PortProperty::EOFEnable:
        return s.eofEnable != 0;
    case PortProperty::NullDiscard:
        return s.nullDiscard != 0;
    case PortProperty::RTSEnable:
        return s.rtsEnable != 0;
    case PortProperty::DTREnable:
        return s.dtrEnable != 0;
    case PortProperty::ParityReplace:
        return s.parityReplace;
    case PortProperty::InputMode:
        return s.inputModeIndex;
    case PortProperty::InBufferCount:
    case PortProperty::OutBufferCount:
        break;
    }
    return 0;
}

// The properties after CommPort and Settings, in the order they are written.
constexpr std::array<ConfigStep, 12> kPropertySteps = {{
    {SettingsProperty::Handshaking, PortProperty::Handshaking, false},
    {SettingsProperty::InBufferSize, PortProperty::InBufferSize, true},
    {SettingsProperty::RThreshold, PortProperty::RThreshold, false},
    {SettingsProperty::InputLen, PortProperty::InputLen, false},
    {SettingsProperty::OutBufferSize, PortProperty::OutBufferSize, true},
    {SettingsProperty::SThreshold, PortProperty::SThreshold, false},
    {SettingsProperty::EOFEnable, PortProperty::EOFEnable, false},
    {SettingsProperty::NullDiscard, PortProperty::NullDiscard, false},
    {SettingsProperty::RTSEnable, PortProperty::RTSEnable, false},
    {SettingsProperty::DTREnable, PortProperty::DTREnable, false},
    {SettingsProperty::ParityReplace, PortProperty::ParityReplace, false},
    {SettingsProperty::InputMode, PortProperty::InputMode, false},
}};

// The properties after CommPort and Settings, in the order the settings
// dialog reads them at its start, with the values that map back to a table
// index or a record field.
struct ReadStep {
    SettingsProperty reported;
    PortProperty property;
    int minimum;
    int maximum;
};
constexpr std::array<ReadStep, 12> kReadSteps = {{
    {SettingsProperty::Handshaking, PortProperty::Handshaking, 0, static_cast<int>(kHandshakings.size()) - 1},
    {SettingsProperty::EOFEnable, PortProperty::EOFEnable, 0, 1},
    {SettingsProperty::NullDiscard, PortProperty::NullDiscard, 0, 1},
    {SettingsProperty::RTSEnable, PortProperty::RTSEnable, 0, 1},
    {SettingsProperty::DTREnable, PortProperty::DTREnable, 0, 1},
    {SettingsProperty::InputMode, PortProperty::InputMode, 0, static_cast<int>(kInputModes.size()) - 1},
    {SettingsProperty::ParityReplace, PortProperty::ParityReplace, 0, 255},
    {SettingsProperty::SThreshold, PortProperty::SThreshold, 0, kMaxBufferSetting},
    {SettingsProperty::OutBufferSize, PortProperty::OutBufferSize, 0, kMaxBufferSetting},
    {SettingsProperty::InputLen, PortProperty::InputLen, 0, kMaxBufferSetting},
    {SettingsProperty::RThreshold, PortProperty::RThreshold, 0, kMaxBufferSetting},
    {SettingsProperty::InBufferSize, PortProperty::InBufferSize, 0, kMaxBufferSetting},
}};

void storeValue(CommSettings& s, PortProperty p, int value)
{
    const auto i16 = [value] { return static_cast<std::int16_t>(value); };
    switch (p) {
    case PortProperty::Handshaking:
        s.handshakingIndex = value;
        break;
    case PortProperty::EOFEnable:
        s.eofEnable = value;
        break;
    case PortProperty::NullDiscard:
        s.nullDiscard = value;
        break;
    case PortProperty::RTSEnable:
        s.rtsEnable = value;
        break;
    case PortProperty::DTREnable:
        s.dtrEnable = value;
        break;
    case PortProperty::InputMode:
        s.inputModeIndex = value;
        break;
    case PortProperty::ParityReplace:
        s.parityReplace = i16();
        break;
    case PortProperty::SThreshold:
        s.sThreshold = i16();
        break;
    case PortProperty::OutBufferSize:
        s.outBufferSize = i16();
        break;
    case PortProperty::InputLen:
        s.inputLen = i16();
        break;
    case PortProperty::RThreshold:
        s.rThreshold = i16();
        break;
    case PortProperty::InBufferSize:
        s.inBufferSize = i16();
        break;
    case PortProperty::CommPort:
    case PortProperty::InBufferCount:
    case PortProperty::OutBufferCount:
        break;
    }
}

} // namespace

CCommPort::CCommPort(SerialPort& device) : m_control(device)
{
    m_control.setOnComm([this] { dispatch(); });
}

CCommPort::CCommPort(std::unique_ptr<SerialPort> device) : m_control(std::move(device))
{
    m_control.setOnComm([this] { dispatch(); });
}

CCommPort::~CCommPort()
{
    m_control.setOnComm({});
}

const messages::Message& CCommPort::lastError() const
{
    return m_error;
}

bool CCommPort::configure(const CommSettings& settings)
{
    // Everything is checked before anything is written, so a refused value
    // never leaves the port half-configured.
    CommSettings checked = settings;
    std::vector<SettingsCorrection> corrections;
    if (!validateSettings(checked, corrections)) {
        m_error = describeCorrections(corrections);
        return false;
    }
    LineSettings line;
    lineSettingsFor(settings, line);
    std::u16string error;
    if (!m_control.device().supportsLine(line, error)) {
        m_error = setFailureMessage(SettingsProperty::General);
        m_error.append(u"\n\n", messages::Message::data(std::move(error)));
        return false;
    }

    const bool open = m_control.isPortOpen();
    const auto failed = [this](SettingsProperty p) {
        m_error = setFailureMessage(p);
        m_error.append(u"\n\n", m_control.lastError());
        return false;
    };
    if (!open && !m_control.setProperty(PortProperty::CommPort, settings.portIndex + 1))
        return failed(SettingsProperty::PortNumber);
    if (!m_control.setSettings(settingsText(line)))
        return failed(SettingsProperty::General);
    for (const ConfigStep& step : kPropertySteps) {
        if (step.onlyWhileClosed && open)
            continue;
        if (!m_control.setProperty(step.property, propertyValue(settings, step.property)))
            return failed(step.reported);
    }
    m_error = {};
    return true;
}

bool CCommPort::readSettings(CommSettings& settings) const
{
    // Every read can fail, and a value outside its table cannot be shown:
    // either is reported with the property's own message, and the record is
    // left as it was.
    CommSettings s = settings;
    // A failed read adds the control's reason; a value outside its table has
    // none of its own.
    const auto failed = [this](SettingsProperty p, bool readFailed) {
        m_error = getFailureMessage(p);
        if (readFailed)
            m_error.append(u"\n\n", m_control.lastError());
        return false;
    };
    int portNumber = 0;
    if (!m_control.getProperty(PortProperty::CommPort, portNumber))
        return failed(SettingsProperty::PortNumber, true);
    if (portNumber < 1 || portNumber > kPortCount)
        return failed(SettingsProperty::PortNumber, false);
    s.portIndex = portNumber - 1;
    std::u16string text;
    if (!m_control.getSettings(text))
        return failed(SettingsProperty::General, true);
    if (!parseSettingsText(text, s))
        return failed(SettingsProperty::General, false);
    for (const ReadStep& step : kReadSteps) {
        int value = 0;
        if (!m_control.getProperty(step.property, value))
            return failed(step.reported, true);
        if (value < step.minimum || value > step.maximum)
            return failed(step.reported, false);
        storeValue(s, step.property, value);
    }
    settings = s;
    m_error = {};
    return true;
}

bool CCommPort::sendBytes(std::span<const std::uint8_t> bytes)
{
    if (m_control.output(bytes))
        return true;
    m_error = m_control.lastError();
    return false;
}

bool CCommPort::setPortOpen(bool open)
{
    if (open)
        m_deviceFailure = comm_event::kNone;
    if (m_control.setPortOpen(open))
        return true;
    m_error = m_control.lastError();
    return false;
}

bool CCommPort::setRThreshold(int bytes)
{
    if (m_control.setProperty(PortProperty::RThreshold, bytes))
        return true;
    m_error = m_control.lastError();
    return false;
}

bool CCommPort::sendText(std::u16string_view text)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size());
    for (char16_t c : text)
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    return sendBytes(bytes);
}

bool CCommPort::receiveBytes(std::vector<std::uint8_t>& bytes)
{
    if (m_control.input(bytes))
        return true;
    m_error = m_control.lastError();
    return false;
}

bool CCommPort::receiveText(std::u16string& text)
{
    std::vector<std::uint8_t> bytes;
    if (!receiveBytes(bytes))
        return false;
    text.assign(bytes.begin(), bytes.end());
    return true;
}

bool CCommPort::isBinaryMode(bool& binary) const
{
    int mode = 0;
    if (!m_control.getProperty(PortProperty::InputMode, mode))
        return false;
    binary = mode == kInputModeBinary;
    return true;
}

void CCommPort::setEventReceiver(const void* owner, EventFunction onEvent)
{
    std::erase_if(m_receivers, [owner](const Receiver& r) { return r.owner == owner; });
    m_receivers.push_back({owner, std::move(onEvent)});
}

void CCommPort::removeEventReceiver(const void* owner)
{
    std::erase_if(m_receivers, [owner](const Receiver& r) { return r.owner == owner; });
}

const void* CCommPort::currentEventReceiver() const
{
    return m_receivers.empty() ? nullptr : m_receivers.back().owner;
}

void CCommPort::dispatch()
{
    const int event = m_control.commEvent();
    if (event == comm_event::kDeviceLost || event == comm_event::kWriteFailed ||
        event == comm_event::kDeviceUnreachable) {
        m_error = m_control.lastError();
        m_deviceFailure = event;
    }
    if (m_receivers.empty())
        return;
    // A copy: the receiver may unregister (or register another) while it runs.
    const EventFunction onEvent = m_receivers.back().onEvent;
    if (onEvent)
        onEvent(commEventCodeFor(event));
}

} // namespace tarvo::serial
