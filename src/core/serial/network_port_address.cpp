#include "serial/network_port_address.h"

#include "templates/utf_text.h"

#include <algorithm>
#include <cctype>

namespace tarvo::serial {

namespace {

namespace texts = address_texts;

constexpr unsigned kHighestTcpPort = 65535;

// A part of the name the user typed, as data of a message.
std::u16string typed(std::string_view text)
{
    return templates::utf8ToUtf16(std::string(text));
}

char lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool isNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.' || c == '_';
}

bool isIpv6Character(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) != 0 || c == ':' || c == '.';
}

// The host part with the port after it split off; false with the reason.
bool splitHost(std::string_view rest, std::string& host, std::string_view& portText,
               messages::Message& reason)
{
    if (!rest.empty() && rest.front() == '[') {
        const auto close = rest.find(']');
        if (close == std::string_view::npos) {
            reason = texts::kNoClosingBracket;
            return false;
        }
        host.assign(rest.substr(1, close - 1));
        if (host.empty() || !std::all_of(host.begin(), host.end(), isIpv6Character)) {
            reason = messages::Message(texts::kNotIpv6, {typed(host)});
            return false;
        }
        rest.remove_prefix(close + 1);
        if (rest.empty() || rest.front() != ':') {
            reason = texts::kNoPort;
            return false;
        }
        portText = rest.substr(1);
        return true;
    }
    const auto colon = rest.rfind(':');
    host.assign(rest.substr(0, colon));
    if (colon == std::string_view::npos) {
        reason = texts::kNoPort;
        return false;
    }
    if (host.empty()) {
        reason = texts::kNoHost;
        return false;
    }
    if (const auto bad = std::find_if_not(host.begin(), host.end(), isNameCharacter); bad != host.end()) {
        // The whole character, however many bytes it takes.
        const auto next = std::find_if(bad + 1, host.end(), [](char c) { return (c & 0xC0) != 0x80; });
        reason = messages::Message(texts::kBadHostCharacter, {typed(std::string(bad, next))});
        return false;
    }
    portText = rest.substr(colon + 1);
    return true;
}

bool parsePort(std::string_view text, std::uint16_t& port, messages::Message& reason)
{
    if (text.empty()) {
        reason = texts::kNoPort;
        return false;
    }
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        reason = messages::Message(texts::kPortNotANumber, {typed(text)});
        return false;
    }
    unsigned value = 0;
    for (const char c : text) {
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > kHighestTcpPort)
            break;
    }
    if (value == 0 || value > kHighestTcpPort) {
        reason = messages::Message(texts::kPortOutOfRange, {typed(text)});
        return false;
    }
    port = static_cast<std::uint16_t>(value);
    return true;
}

} // namespace

std::string NetworkPortAddress::text() const
{
    const bool ipv6 = host.find(':') != std::string::npos;
    return std::string(kNetworkPortScheme) + (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

bool isNetworkPortName(std::string_view name)
{
    if (name.size() < kNetworkPortScheme.size())
        return false;
    return std::equal(kNetworkPortScheme.begin(), kNetworkPortScheme.end(), name.begin(),
                      [](char a, char b) { return a == lower(b); });
}

std::optional<NetworkPortAddress> parseNetworkPortAddress(std::string_view name, messages::Message& error)
{
    messages::Message reason;
    NetworkPortAddress address;
    std::string_view portText;
    if (!isNetworkPortName(name))
        reason = texts::kNoScheme;
    else if (splitHost(name.substr(kNetworkPortScheme.size()), address.host, portText, reason))
        parsePort(portText, address.port, reason);
    if (!reason.empty()) {
        error = messages::Message(texts::kNotAnAddress, {typed(name), reason});
        return std::nullopt;
    }
    std::transform(address.host.begin(), address.host.end(), address.host.begin(), lower);
    return address;
}

std::optional<NetworkPortAddress> parseNetworkPortAddress(std::string_view name, std::string& error)
{
    messages::Message said;
    auto address = parseNetworkPortAddress(name, said);
    if (!address)
        error = templates::utf16ToUtf8(said.text());
    return address;
}

std::string canonicalDeviceName(const std::string& name)
{
    std::string ignored;
    if (const auto address = isNetworkPortName(name) ? parseNetworkPortAddress(name, ignored) : std::nullopt)
        return address->text();
    return name;
}

} // namespace tarvo::serial
