#pragma once
// A keyboard behind a network serial server is named rfc2217://HOST:PORT
// wherever a device path can be named (--port, TARVO_COM<n>, the setting
// Ports/COM<n>). HOST is a name, an IPv4 address or an IPv6 address in
// brackets; PORT is the server's TCP port.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo::serial {

inline constexpr std::string_view kNetworkPortScheme = "rfc2217://";

struct NetworkPortAddress {
    std::string host; // without brackets, in lower case
    std::uint16_t port = 0;
    // The one spelling of the address: "rfc2217://host:7000", "rfc2217://[::1]:7000".
    std::string text() const;
};

// Whether a device name is meant as a network address (it starts with the
// scheme, in any case), whether or not the rest parses.
bool isNetworkPortName(std::string_view name);

// The address, or nullopt and a message that names the text and what is wrong.
std::optional<NetworkPortAddress> parseNetworkPortAddress(std::string_view name, std::string& error);

// A network address in its one spelling; any other name as it is.
std::string canonicalDeviceName(const std::string& name);

} // namespace tarvo::serial
