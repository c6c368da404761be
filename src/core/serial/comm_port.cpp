#include "serial/comm_port.h"

#include "serial/comm_settings_tables.h"
#include "serial/u16_text.h"

#include <algorithm>

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

const std::u16string& CCommPort::lastError() const
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
        m_error = setFailureMessage(SettingsProperty::General) + u"\n\n" + error;
        return false;
    }

    const bool open = m_control.isPortOpen();
    const auto failed = [this](SettingsProperty p) {
        m_error = setFailureMessage(p) + u"\n\n" + m_control.lastError();
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
    m_error.clear();
    return true;
}

bool CCommPort::readSettings(CommSettings& settings) const
{
    CommSettings s = settings;
    std::u16string text;
    int value = 0;
    m_control.getProperty(PortProperty::CommPort, value);
    s.portIndex = value - 1;
    if (!m_control.getSettings(text) || !parseSettingsText(text, s)) {
        m_error = getFailureMessage(SettingsProperty::General);
        return false;
    }
    const auto get = [&](PortProperty p) {
        int v = 0;
        m_control.getProperty(p, v);
        return v;
    };
    s.handshakingIndex = get(PortProperty::Handshaking);
    s.inBufferSize = static_cast<std::int16_t>(get(PortProperty::InBufferSize));
    s.rThreshold = static_cast<std::int16_t>(get(PortProperty::RThreshold));
    s.inputLen = static_cast<std::int16_t>(get(PortProperty::InputLen));
    s.outBufferSize = static_cast<std::int16_t>(get(PortProperty::OutBufferSize));
    s.sThreshold = static_cast<std::int16_t>(get(PortProperty::SThreshold));
    s.eofEnable = get(PortProperty::EOFEnable);
    s.nullDiscard = get(PortProperty::NullDiscard);
    s.rtsEnable = get(PortProperty::RTSEnable);
    s.dtrEnable = get(PortProperty::DTREnable);
    s.parityReplace = static_cast<std::int16_t>(get(PortProperty::ParityReplace));
    s.inputModeIndex = get(PortProperty::InputMode);
    settings = s;
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
    if (event == comm_event::kDeviceLost || event == comm_event::kWriteFailed)
        m_error = m_control.lastError();
    if (m_receivers.empty())
        return;
    // A copy: the receiver may unregister (or register another) while it runs.
    const EventFunction onEvent = m_receivers.back().onEvent;
    if (onEvent)
        onEvent(commEventCodeFor(event));
}

} // namespace tarvo::serial
