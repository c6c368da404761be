#include "serial/ims_comm.h"

#include "serial/comm_settings_tables.h"
#include "serial/control_texts.h"
#include "serial/u16_text.h"

#include <algorithm>

namespace tarvo::serial {

namespace {

struct PropertyRule {
    PortProperty property;
    int minimum;
    int maximum;
    bool onlyWhileClosed;
    bool readOnly;
    std::u16string_view name;
};

constexpr std::array<PropertyRule, 15> kPropertyRules = {{
    {PortProperty::CommPort, 1, kMaxPortNumber, true, false, u"CommPort"},
    {PortProperty::DTREnable, 0, 1, false, false, u"DTREnable"},
    {PortProperty::Handshaking, 0, 3, false, false, u"Handshaking"},
    {PortProperty::InBufferSize, 1, kMaxBufferSetting, true, false, u"InBufferSize"},
    {PortProperty::InBufferCount, 0, 0, false, true, u"InBufferCount"},
    {PortProperty::InputLen, 0, kMaxBufferSetting, false, false, u"InputLen"},
    {PortProperty::NullDiscard, 0, 1, false, false, u"NullDiscard"},
    {PortProperty::OutBufferSize, 1, kMaxBufferSetting, true, false, u"OutBufferSize"},
    {PortProperty::OutBufferCount, 0, 0, false, true, u"OutBufferCount"},
    {PortProperty::ParityReplace, 0, 255, false, false, u"ParityReplace"},
    {PortProperty::RThreshold, 0, kMaxBufferSetting, false, false, u"RThreshold"},
    {PortProperty::RTSEnable, 0, 1, false, false, u"RTSEnable"},
    {PortProperty::SThreshold, 0, kMaxBufferSetting, false, false, u"SThreshold"},
    {PortProperty::EOFEnable, 0, 1, false, false, u"EOFEnable"},
    {PortProperty::InputMode, 0, 1, false, false, u"InputMode"},
}};

const PropertyRule& ruleOf(PortProperty property)
{
    return *std::find_if(kPropertyRules.begin(), kPropertyRules.end(),
                         [property](const PropertyRule& r) { return r.property == property; });
}

} // namespace

CIMSComm::CIMSComm(SerialPort& device) : m_device(&device)
{
    m_device->setListener(this);
}

CIMSComm::CIMSComm(std::unique_ptr<SerialPort> device) : m_owned(std::move(device)), m_device(m_owned.get())
{
    m_device->setListener(this);
}

CIMSComm::~CIMSComm()
{
    if (m_device->isOpen())
        m_device->close();
    m_device->setListener(nullptr);
}

bool CIMSComm::fail(messages::Message message) const
{
    m_lastError = std::move(message);
    return false;
}

bool CIMSComm::setProperty(PortProperty property, int value)
{
    const PropertyRule& rule = ruleOf(property);
    // The property's name is the control's own word, never translated.
    const std::u16string name(rule.name);
    if (rule.readOnly)
        return fail(messages::Message(control_texts::kReadOnly, {name}));
    if (value < rule.minimum || value > rule.maximum)
        return fail(messages::Message(control_texts::kOutOfBounds, {name, messages::number(rule.minimum),
                                                                    messages::number(rule.maximum)}));
    const bool open = m_device->isOpen();
    if (rule.onlyWhileClosed && open)
        return fail(messages::Message(control_texts::kOnlyWhileClosed, {name}));

    std::u16string error;
    switch (property) {
    case PortProperty::CommPort:
        m_commPort = value;
        break;
    case PortProperty::DTREnable:
        m_dtrEnable = value != 0;
        if (open)
            m_device->setDtr(m_dtrEnable);
        break;
    case PortProperty::Handshaking:
        if (open && !m_device->applyHandshaking(static_cast<serial::Handshaking>(value), error))
            return fail(messages::Message::data(std::move(error)));
        m_handshaking = value;
        break;
    // The buffer sizes are kept for the callers; the device's own buffers
    // are the platform's, and nothing received is dropped for them.
    case PortProperty::InBufferSize:
        m_inBufferSize = value;
        break;
    case PortProperty::OutBufferSize:
        m_outBufferSize = value;
        break;
    case PortProperty::InputLen:
        m_inputLen = value;
        break;
    case PortProperty::NullDiscard:
        m_nullDiscard = value != 0;
        break;
    // Kept as a property: the platform has no parity-replace policy.
    case PortProperty::ParityReplace:
        m_parityReplace = value;
        break;
    case PortProperty::RThreshold:
        // Takes effect at the next arrival: raising here would reach a
        // receiver that has not yet moved to the state awaiting the reply.
        m_rThreshold = value;
        m_receiveArmed = true;
        break;
    case PortProperty::RTSEnable:
        m_rtsEnable = value != 0;
        if (open)
            m_device->setRts(m_rtsEnable);
        break;
    case PortProperty::SThreshold:
        m_sThreshold = value;
        break;
    case PortProperty::EOFEnable:
        m_eofEnable = value != 0;
        break;
    case PortProperty::InputMode:
        m_inputMode = value;
        break;
    case PortProperty::InBufferCount:
    case PortProperty::OutBufferCount:
        break;
    }
    return true;
}

bool CIMSComm::getProperty(PortProperty property, int& value) const
{
    switch (property) {
    case PortProperty::CommPort:
        value = m_commPort;
        break;
    case PortProperty::DTREnable:
        value = m_dtrEnable ? 1 : 0;
        break;
    case PortProperty::Handshaking:
        value = m_handshaking;
        break;
    case PortProperty::InBufferSize:
        value = m_inBufferSize;
        break;
    case PortProperty::InBufferCount:
        value = static_cast<int>(std::min<std::size_t>(m_device->bytesWaiting(), kMaxBufferSetting));
        break;
    case PortProperty::InputLen:
        value = m_inputLen;
        break;
    case PortProperty::NullDiscard:
        value = m_nullDiscard ? 1 : 0;
        break;
    case PortProperty::OutBufferSize:
        value = m_outBufferSize;
        break;
    case PortProperty::OutBufferCount:
        value = static_cast<int>(std::min<std::size_t>(m_device->bytesToSend(), kMaxBufferSetting));
        break;
    case PortProperty::ParityReplace:
        value = m_parityReplace;
        break;
    case PortProperty::RThreshold:
        value = m_rThreshold;
        break;
    case PortProperty::RTSEnable:
        value = m_rtsEnable ? 1 : 0;
        break;
    case PortProperty::SThreshold:
        value = m_sThreshold;
        break;
    case PortProperty::EOFEnable:
        value = m_eofEnable ? 1 : 0;
        break;
    case PortProperty::InputMode:
        value = m_inputMode;
        break;
    }
    return true;
}

bool CIMSComm::setSettings(std::u16string_view text)
{
    LineSettings line;
    if (!parseSettingsText(text, line)) {
        return fail(messages::Message(control_texts::kBadSettingsText, {std::u16string(text)}));
    }
    std::u16string error;
    if (!m_device->supportsLine(line, error))
        return fail(messages::Message::data(std::move(error)));
    if (m_device->isOpen() && !m_device->applyLine(line, error))
        return fail(messages::Message::data(std::move(error)));
    m_line = line;
    return true;
}

bool CIMSComm::getSettings(std::u16string& text) const
{
    text = settingsText(m_line);
    return true;
}

bool CIMSComm::setPortOpen(bool open)
{
    if (open == m_device->isOpen()) {
        if (open)
            return fail(
                messages::Message(control_texts::kAlreadyOpen, {toU16(m_device->devicePath(m_commPort))}));
        return true;
    }
    if (!open) {
        m_device->close();
        return true;
    }
    std::u16string error;
    if (!m_device->open(m_commPort, m_line, static_cast<serial::Handshaking>(m_handshaking), m_rtsEnable,
                        m_dtrEnable, error))
        return fail(messages::Message::data(std::move(error)));
    m_receiveArmed = true;
    return true;
}

bool CIMSComm::getPortOpen(bool& open) const
{
    open = m_device->isOpen();
    return true;
}

bool CIMSComm::isPortOpen() const
{
    return m_device->isOpen();
}

bool CIMSComm::output(std::span<const std::uint8_t> bytes)
{
    if (!m_device->isOpen())
        return fail(control_texts::kNotOpen);
    std::u16string error;
    if (!m_device->write(bytes, error))
        return fail(messages::Message::data(std::move(error)));
    return true;
}

bool CIMSComm::input(std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    if (!m_device->isOpen())
        return fail(control_texts::kNotOpen);
    const std::size_t waiting = m_device->bytesWaiting();
    const std::size_t wanted = m_inputLen == 0 ? waiting : std::min<std::size_t>(waiting, m_inputLen);
    std::u16string error;
    if (wanted > 0 && !m_device->read(wanted, bytes, error))
        return fail(messages::Message::data(std::move(error)));
    if (m_nullDiscard)
        std::erase(bytes, std::uint8_t{0});
    if (m_device->bytesWaiting() < static_cast<std::size_t>(m_rThreshold))
        m_receiveArmed = true;
    return true;
}

void CIMSComm::raise(int controlEvent)
{
    m_commEvent = controlEvent;
    if (m_onComm) {
        const OnComm handler = m_onComm; // the handler may replace itself
        handler();
    }
}

void CIMSComm::checkReceiveThreshold()
{
    if (m_rThreshold <= 0 || !m_receiveArmed)
        return;
    if (m_device->bytesWaiting() < static_cast<std::size_t>(m_rThreshold))
        return;
    m_receiveArmed = false;
    raise(comm_event::kReceive);
}

void CIMSComm::onBytesArrived()
{
    checkReceiveThreshold();
}

void CIMSComm::onPortFailed(int controlEvent, const std::u16string& message)
{
    m_lastError = messages::Message::data(message);
    raise(controlEvent);
}

} // namespace tarvo::serial
