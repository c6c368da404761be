#pragma once
// A keyboard behind a network serial server is named rfc2217://HOST:PORT
// wherever a device path can be named (--port, TARVO_COM<n>, the setting
// Ports/COM<n>). HOST is a name, an IPv4 address or an IPv6 address in
// brackets; PORT is the server's TCP port.

#include "io/message_pattern.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo::serial {

inline constexpr std::string_view kNetworkPortScheme = "rfc2217://";

// Why a name is no network address, as the editor's translations know them.
namespace address_texts {
inline constexpr std::u16string_view kNotAnAddress =
    u"%s is not a network serial address: %s (write rfc2217://HOST:PORT)";
inline constexpr std::u16string_view kNoScheme = u"it does not start with rfc2217://";
inline constexpr std::u16string_view kNoClosingBracket = u"the IPv6 address has no closing ]";
inline constexpr std::u16string_view kNotIpv6 = u"\"%s\" is not an IPv6 address";
inline constexpr std::u16string_view kNoPort = u"no port number follows the host";
inline constexpr std::u16string_view kNoHost = u"no host is given";
inline constexpr std::u16string_view kBadHostCharacter = u"a host name cannot hold '%s'";
inline constexpr std::u16string_view kPortNotANumber = u"the port \"%s\" is not a number";
inline constexpr std::u16string_view kPortOutOfRange = u"the port %s is not between 1 and 65535";
inline constexpr std::array<std::u16string_view, 9> kAll = {
    kNotAnAddress, kNoScheme,         kNoClosingBracket, kNotIpv6,       kNoPort,
    kNoHost,       kBadHostCharacter, kPortNotANumber,   kPortOutOfRange};
} // namespace address_texts

struct NetworkPortAddress {
    std::string host; // without brackets, in lower case
    std::uint16_t port = 0;
    // The one spelling of the address: "rfc2217://host:7000", "rfc2217://[::1]:7000".
    std::string text() const;
};

// Whether a device name is meant as a network address (it starts with the
// scheme, in any case), whether or not the rest parses.
bool isNetworkPortName(std::string_view name);

// The address, or nullopt and a message that names the text and what is wrong
// (in English, UTF-8, for the tool).
std::optional<NetworkPortAddress> parseNetworkPortAddress(std::string_view name, messages::Message& error);
std::optional<NetworkPortAddress> parseNetworkPortAddress(std::string_view name, std::string& error);

// A network address in its one spelling; any other name as it is.
std::string canonicalDeviceName(const std::string& name);

} // namespace tarvo::serial
