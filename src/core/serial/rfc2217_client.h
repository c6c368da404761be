#pragma once
// The client side of Telnet COM Port Control (RFC 2217) as bytes in and
// bytes out, with no socket: the platform's network port feeds it what the
// server sends and writes what it takes from it.
//
// Own code rather than a library: the sessions need only the option
// negotiation, the four line settings, the modem lines and the data escape,
// and a library that runs its own event loop (Debian's gensio has its own OS
// handler) would need a thread or an adapter to live beside Qt's loop.
//
// What it does:
// - agrees COM-PORT-OPTION (and binary transmission both ways, so that a CR
//   is not turned into CR NUL), refuses every other option;
// - sends the line settings and modem-line commands and holds the data queued
//   behind a line setting until the server confirms that setting, so that no
//   byte goes out at the old speed;
// - doubles each 0xFF data byte and undoubles what comes back; telnet
//   commands and the server's notifications (line and modem state) never
//   reach the data;
// - keeps data back while the server asks for a pause (FLOWCONTROL-SUSPEND).

#include "io/message_pattern.h"
#include "serial/serial_port.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::serial {

namespace telnet {
inline constexpr std::uint8_t kIac = 255;
inline constexpr std::uint8_t kDont = 254;
inline constexpr std::uint8_t kDo = 253;
inline constexpr std::uint8_t kWont = 252;
inline constexpr std::uint8_t kWill = 251;
inline constexpr std::uint8_t kSb = 250;
inline constexpr std::uint8_t kSe = 240;
inline constexpr std::uint8_t kOptionBinary = 0;
inline constexpr std::uint8_t kOptionSuppressGoAhead = 3;
inline constexpr std::uint8_t kOptionComPort = 44;
} // namespace telnet

// The COM-PORT-OPTION commands the client sends; the server answers each
// with the same command plus kServerReplyOffset.
namespace com_port {
inline constexpr std::uint8_t kSetBaudRate = 1;
inline constexpr std::uint8_t kSetDataSize = 2;
inline constexpr std::uint8_t kSetParity = 3;
inline constexpr std::uint8_t kSetStopSize = 4;
inline constexpr std::uint8_t kSetControl = 5;
inline constexpr std::uint8_t kFlowControlSuspend = 8;
inline constexpr std::uint8_t kFlowControlResume = 9;
inline constexpr std::uint8_t kServerReplyOffset = 100;
} // namespace com_port

class Rfc2217Client {
public:
    // The SET-CONTROL values the port uses.
    enum class Control : std::uint8_t {
        FlowNone = 1,
        FlowXonXoff = 2,
        FlowHardware = 3,
        DtrOn = 8,
        DtrOff = 9,
        RtsOn = 11,
        RtsOff = 12,
    };

    // The connection is made: the negotiation starts.
    void connected();
    // Queued in order behind what is queued already. The line settings are
    // checked by the caller (5-8 data bits, a parity letter, a speed above 0).
    void queueLine(const LineSettings& line);
    void queueControl(Control control);
    void queueData(std::span<const std::uint8_t> bytes);
    // Forgets queued line settings, controls and data not yet taken (the port
    // is closed); what the server still has to confirm stays expected.
    void dropQueued();

    // Bytes from the server, in any pieces: data bytes are appended to data
    // once the option is agreed (before that they are kept as the server's
    // greeting, for messages).
    void receive(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& data);
    // What may be written to the server now, in order; it is removed here.
    std::vector<std::uint8_t> takeOutgoing();

    bool comPortAgreed() const { return m_localOn[telnet::kOptionComPort]; }
    // The option is not agreed yet, or a line setting is not confirmed yet.
    bool waitingForServer() const { return !comPortAgreed() || !m_expected.empty(); }
    // The server asked for a pause (FLOWCONTROL-SUSPEND) and has not resumed.
    bool suspended() const { return m_suspended; }
    std::size_t queuedBytes() const;
    // Not empty once the server refused the option or confirmed a line
    // setting other than the one asked for; the connection is of no use then.
    // Its patterns are kRefusedPattern and kOtherSettingPattern, whose first
    // argument is the setting's name ("line speed", "data bits", "parity",
    // "stop bits", "line").
    const messages::Message& failure() const { return m_failure; }
    static constexpr std::u16string_view kRefusedPattern =
        u"the server refuses COM Port Control: it does not speak RFC 2217";
    static constexpr std::u16string_view kOtherSettingPattern = u"the server set the %s to %s instead of %s";
    // Printable text the server sent before the option was agreed ("Port
    // already in use"), at most kGreetingChars.
    const std::string& greeting() const { return m_greeting; }

    static constexpr std::size_t kGreetingChars = 80;

private:
    // A line setting's confirmation: the reply command and the value asked for.
    struct Expected {
        std::uint8_t reply = 0;
        std::vector<std::uint8_t> value;
    };
    struct Segment {
        std::vector<std::uint8_t> bytes;
        std::vector<Expected> expected; // not empty for line settings
    };
    enum class ParseState { Data, Command, Option, Sub, SubCommand };

    void queueSubnegotiation(std::uint8_t command, const std::vector<std::uint8_t>& value, bool confirmed,
                             Segment& segment);
    void handleOption(std::uint8_t verb, std::uint8_t option);
    void handleSubnegotiation();
    void confirm(std::uint8_t reply, std::span<const std::uint8_t> value);
    void sendOption(std::uint8_t verb, std::uint8_t option);
    void keepGreeting(std::uint8_t byte);

    std::deque<Segment> m_queue;
    std::vector<std::uint8_t> m_replies;
    std::vector<Expected> m_expected;
    bool m_suspended = false;
    messages::Message m_failure;
    std::string m_greeting;

    ParseState m_state = ParseState::Data;
    std::uint8_t m_verb = 0;
    std::vector<std::uint8_t> m_sub;
    bool m_subOverflow = false;

    // Per option: on now, and asked for by us and not answered yet.
    using OptionFlags = std::array<bool, 256>;
    OptionFlags m_localOn{};
    OptionFlags m_remoteOn{};
    OptionFlags m_localAsked{};
    OptionFlags m_remoteAsked{};
};

} // namespace tarvo::serial
