#pragma once
// The device behind each COM port on this system: the environment variable
// TARVO_COM<n> wins, then the setting Ports/COM<n>, else /dev/ttyS<n-1>.

#include <string>

namespace tarvo::platform {

// portIndex is 0-based (COM1 is 0).
std::string comPortDevicePath(int portIndex);

} // namespace tarvo::platform
