#include "serial/rfc2217_client.h"

#include <algorithm>

namespace tarvo::serial {

namespace {

using namespace telnet;

// A subnegotiation longer than this is no COM-PORT-OPTION reply: it is skipped.
constexpr std::size_t kMaxSubnegotiationBytes = 64;

// What each line setting is called in a message, by its reply command.
struct SettingName {
    std::uint8_t reply;
    const char16_t* name;
};
constexpr std::array<SettingName, 4> kSettingNames = {{
    {com_port::kSetBaudRate + com_port::kServerReplyOffset, u"line speed"},
    {com_port::kSetDataSize + com_port::kServerReplyOffset, u"data bits"},
    {com_port::kSetParity + com_port::kServerReplyOffset, u"parity"},
    {com_port::kSetStopSize + com_port::kServerReplyOffset, u"stop bits"},
}};

// The RFC's parity and stop-size codes.
std::uint8_t parityCode(char letter)
{
    switch (letter) {
    case 'O':
        return 2;
    case 'E':
        return 3;
    case 'M':
        return 4;
    case 'S':
        return 5;
    default:
        return 1; // none
    }
}

std::uint8_t stopSizeCode(StopBits stopBits)
{
    switch (stopBits) {
    case StopBits::Two:
        return 2;
    case StopBits::OnePointFive:
        return 3;
    case StopBits::One:
        break;
    }
    return 1;
}

std::vector<std::uint8_t> bigEndian32(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

// A value as a message shows it: the number it holds.
std::u16string valueText(std::span<const std::uint8_t> value)
{
    std::uint32_t number = 0;
    for (const std::uint8_t byte : value)
        number = (number << 8) | byte;
    return messages::number(number);
}

bool acceptedLocally(std::uint8_t option)
{
    return option == kOptionComPort || option == kOptionBinary || option == kOptionSuppressGoAhead;
}

bool acceptedFromServer(std::uint8_t option)
{
    return option == kOptionBinary || option == kOptionSuppressGoAhead;
}

void appendEscaped(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out)
{
    for (const std::uint8_t byte : bytes) {
        out.push_back(byte);
        if (byte == kIac)
            out.push_back(kIac);
    }
}

} // namespace

void Rfc2217Client::sendOption(std::uint8_t verb, std::uint8_t option)
{
    m_replies.insert(m_replies.end(), {kIac, verb, option});
}

void Rfc2217Client::connected()
{
    sendOption(kWill, kOptionComPort);
    sendOption(kWill, kOptionBinary);
    sendOption(kDo, kOptionBinary);
    m_localAsked[kOptionComPort] = true;
    m_localAsked[kOptionBinary] = true;
    m_remoteAsked[kOptionBinary] = true;
}

void Rfc2217Client::queueSubnegotiation(std::uint8_t command, const std::vector<std::uint8_t>& value,
                                        bool confirmed, Segment& segment)
{
    segment.bytes.insert(segment.bytes.end(), {kIac, kSb, kOptionComPort, command});
    appendEscaped(value, segment.bytes);
    segment.bytes.insert(segment.bytes.end(), {kIac, kSe});
    if (confirmed)
        segment.expected.push_back(
            {static_cast<std::uint8_t>(command + com_port::kServerReplyOffset), value});
}

void Rfc2217Client::queueLine(const LineSettings& line)
{
    Segment segment;
    queueSubnegotiation(com_port::kSetBaudRate, bigEndian32(static_cast<std::uint32_t>(line.baudRate)), true,
                        segment);
    queueSubnegotiation(com_port::kSetDataSize, {static_cast<std::uint8_t>(line.dataBits)}, true, segment);
    queueSubnegotiation(com_port::kSetParity, {parityCode(line.parity)}, true, segment);
    queueSubnegotiation(com_port::kSetStopSize, {stopSizeCode(line.stopBits)}, true, segment);
    m_queue.push_back(std::move(segment));
}

void Rfc2217Client::queueControl(Control control)
{
    // Not waited for: a server whose device cannot set a modem line (a
    // pseudo-terminal) is no reason to hold the data.
    Segment segment;
    queueSubnegotiation(com_port::kSetControl, {static_cast<std::uint8_t>(control)}, false, segment);
    m_queue.push_back(std::move(segment));
}

void Rfc2217Client::queueData(std::span<const std::uint8_t> bytes)
{
    if (m_queue.empty() || !m_queue.back().expected.empty())
        m_queue.emplace_back();
    appendEscaped(bytes, m_queue.back().bytes);
}

void Rfc2217Client::dropQueued()
{
    m_queue.clear();
}

std::size_t Rfc2217Client::queuedBytes() const
{
    std::size_t total = m_replies.size();
    for (const Segment& segment : m_queue)
        total += segment.bytes.size();
    return total;
}

std::vector<std::uint8_t> Rfc2217Client::takeOutgoing()
{
    std::vector<std::uint8_t> out = std::move(m_replies);
    m_replies.clear();
    // Nothing of the port's own before the option is agreed, and nothing
    // behind a line setting that is not confirmed yet.
    while (!m_queue.empty() && comPortAgreed() && m_expected.empty() && m_failure.empty()) {
        Segment& segment = m_queue.front();
        const bool holdsData = segment.expected.empty();
        if (holdsData && m_suspended)
            break;
        out.insert(out.end(), segment.bytes.begin(), segment.bytes.end());
        m_expected = std::move(segment.expected);
        m_queue.pop_front();
    }
    return out;
}

void Rfc2217Client::keepGreeting(std::uint8_t byte)
{
    if (m_greeting.size() >= kGreetingChars)
        return;
    if (byte >= 0x20 && byte < 0x7F)
        m_greeting += static_cast<char>(byte);
    else if ((byte == '\r' || byte == '\n') && !m_greeting.empty() && m_greeting.back() != ' ')
        m_greeting += ' ';
}

void Rfc2217Client::receive(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& data)
{
    const auto takeData = [this, &data](std::uint8_t byte) {
        if (comPortAgreed())
            data.push_back(byte);
        else
            keepGreeting(byte);
    };
    for (const std::uint8_t byte : bytes) {
        switch (m_state) {
        case ParseState::Data:
            if (byte == kIac)
                m_state = ParseState::Command;
            else
                takeData(byte);
            break;
        case ParseState::Command:
            m_state = ParseState::Data;
            if (byte == kIac) {
                takeData(kIac);
            } else if (byte == kWill || byte == kWont || byte == kDo || byte == kDont) {
                m_verb = byte;
                m_state = ParseState::Option;
            } else if (byte == kSb) {
                m_sub.clear();
                m_subOverflow = false;
                m_state = ParseState::Sub;
            }
            // Any other command (NOP, GA, AYT, ...) carries nothing for the port.
            break;
        case ParseState::Option:
            m_state = ParseState::Data;
            handleOption(m_verb, byte);
            break;
        case ParseState::Sub:
            if (byte == kIac)
                m_state = ParseState::SubCommand;
            else if (m_sub.size() < kMaxSubnegotiationBytes)
                m_sub.push_back(byte);
            else
                m_subOverflow = true;
            break;
        case ParseState::SubCommand:
            if (byte == kIac) {
                // A doubled 0xFF inside the subnegotiation's value.
                if (m_sub.size() < kMaxSubnegotiationBytes)
                    m_sub.push_back(kIac);
                else
                    m_subOverflow = true;
                m_state = ParseState::Sub;
            } else {
                // IAC SE ends it; any other command after IAC ends it as well.
                m_state = ParseState::Data;
                if (!m_subOverflow)
                    handleSubnegotiation();
            }
            break;
        }
    }
}

void Rfc2217Client::handleOption(std::uint8_t verb, std::uint8_t option)
{
    switch (verb) {
    case kDo:
        if (!acceptedLocally(option)) {
            sendOption(kWont, option);
        } else if (!m_localOn[option]) {
            m_localOn[option] = true;
            if (!m_localAsked[option])
                sendOption(kWill, option);
        }
        m_localAsked[option] = false;
        break;
    case kDont:
        if (m_localOn[option])
            sendOption(kWont, option);
        if ((m_localOn[option] || m_localAsked[option]) && option == kOptionComPort && m_failure.empty())
            m_failure = messages::Message(kRefusedPattern);
        m_localOn[option] = false;
        m_localAsked[option] = false;
        break;
    case kWill:
        if (!acceptedFromServer(option)) {
            sendOption(kDont, option);
        } else if (!m_remoteOn[option]) {
            m_remoteOn[option] = true;
            if (!m_remoteAsked[option])
                sendOption(kDo, option);
        }
        m_remoteAsked[option] = false;
        break;
    case kWont:
        if (m_remoteOn[option])
            sendOption(kDont, option);
        m_remoteOn[option] = false;
        m_remoteAsked[option] = false;
        break;
    default:
        break;
    }
}

void Rfc2217Client::handleSubnegotiation()
{
    if (m_sub.size() < 2 || m_sub[0] != kOptionComPort)
        return;
    const std::uint8_t command = m_sub[1];
    const std::span<const std::uint8_t> value = std::span<const std::uint8_t>(m_sub).subspan(2);
    switch (command) {
    case com_port::kFlowControlSuspend + com_port::kServerReplyOffset:
        m_suspended = true;
        break;
    case com_port::kFlowControlResume + com_port::kServerReplyOffset:
        m_suspended = false;
        break;
    default:
        // Line and modem state notifications and other replies are not data
        // and ask nothing of the port.
        confirm(command, value);
        break;
    }
}

void Rfc2217Client::confirm(std::uint8_t reply, std::span<const std::uint8_t> value)
{
    const auto it = std::find_if(m_expected.begin(), m_expected.end(),
                                 [reply](const Expected& e) { return e.reply == reply; });
    if (it == m_expected.end())
        return;
    if (!std::equal(value.begin(), value.end(), it->value.begin(), it->value.end()) && m_failure.empty()) {
        const auto name = std::find_if(kSettingNames.begin(), kSettingNames.end(),
                                       [reply](const SettingName& n) { return n.reply == reply; });
        m_failure = messages::Message(kOtherSettingPattern,
                                      {messages::Message(name != kSettingNames.end() ? name->name : u"line"),
                                       valueText(value), valueText(it->value)});
    }
    m_expected.erase(it);
}

} // namespace tarvo::serial
