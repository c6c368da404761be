#pragma once
// The device behind each COM port on this system: the environment variable
// TARVO_COM<n> wins, then the setting Ports/COM<n>, else /dev/ttyS<n-1>. A
// network address (rfc2217://HOST:PORT) comes back in its one spelling, so
// that its remembered line speed is found however it was typed.

#include <string>

namespace tarvo::platform {

// portIndex is 0-based (COM1 is 0).
std::string comPortDevicePath(int portIndex);

} // namespace tarvo::platform
