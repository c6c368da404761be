#include "serial/network_port_address.h"

#include <algorithm>
#include <cctype>

namespace tarvo::serial {

namespace {

constexpr unsigned kHighestTcpPort = 65535;
constexpr std::string_view kForm = " (write rfc2217://HOST:PORT)";

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
bool splitHost(std::string_view rest, std::string& host, std::string_view& portText, std::string& reason)
{
    if (!rest.empty() && rest.front() == '[') {
        const auto close = rest.find(']');
        if (close == std::string_view::npos) {
            reason = "the IPv6 address has no closing ]";
            return false;
        }
        host.assign(rest.substr(1, close - 1));
        if (host.empty() || !std::all_of(host.begin(), host.end(), isIpv6Character)) {
            reason = "\"" + host + "\" is not an IPv6 address";
            return false;
        }
        rest.remove_prefix(close + 1);
        if (rest.empty() || rest.front() != ':') {
            reason = "no port number follows the host";
            return false;
        }
        portText = rest.substr(1);
        return true;
    }
    const auto colon = rest.rfind(':');
    host.assign(rest.substr(0, colon));
    if (colon == std::string_view::npos) {
        reason = "no port number follows the host";
        return false;
    }
    if (host.empty()) {
        reason = "no host is given";
        return false;
    }
    if (const auto bad = std::find_if_not(host.begin(), host.end(), isNameCharacter); bad != host.end()) {
        reason = std::string("a host name cannot hold '") + *bad + "'";
        return false;
    }
    portText = rest.substr(colon + 1);
    return true;
}

bool parsePort(std::string_view text, std::uint16_t& port, std::string& reason)
{
    if (text.empty()) {
        reason = "no port number follows the host";
        return false;
    }
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        reason = "the port \"" + std::string(text) + "\" is not a number";
        return false;
    }
    unsigned value = 0;
    for (const char c : text) {
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > kHighestTcpPort)
            break;
    }
    if (value == 0 || value > kHighestTcpPort) {
        reason = "the port " + std::string(text) + " is not between 1 and 65535";
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

std::optional<NetworkPortAddress> parseNetworkPortAddress(std::string_view name, std::string& error)
{
    std::string reason;
    NetworkPortAddress address;
    std::string_view portText;
    if (!isNetworkPortName(name))
        reason = "it does not start with rfc2217://";
    else if (splitHost(name.substr(kNetworkPortScheme.size()), address.host, portText, reason))
        parsePort(portText, address.port, reason);
    if (!reason.empty()) {
        error = std::string(name) + " is not a network serial address: " + reason + std::string(kForm);
        return std::nullopt;
    }
    std::transform(address.host.begin(), address.host.end(), address.host.begin(), lower);
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
