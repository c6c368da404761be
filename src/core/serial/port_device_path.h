#pragma once
// Which device a COM port stands for: /dev/ttyS<n> for port index n, unless
// the environment variable TARVO_COM<n+1> or else the setting Ports/COM<n+1>
// names another one. The platform supplies both look-ups.

#include <functional>
#include <optional>
#include <string>

namespace tarvo::serial {

using NameLookup = std::function<std::optional<std::string>(const std::string& name)>;

// portIndex is 0-based (COM1 is 0).
std::string devicePathForPort(int portIndex, const NameLookup& environment, const NameLookup& settings);
// "TARVO_COM3" and "Ports/COM3" for port index 2.
std::string environmentNameForPort(int portIndex);
std::string settingNameForPort(int portIndex);

} // namespace tarvo::serial
