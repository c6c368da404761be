#pragma once
// The device behind each COM port on this system: the environment variable
// TARVO_COM<n> wins, then the setting Ports/COM<n>, else /dev/ttyS<n-1>. A
// network address (rfc2217://HOST:PORT) comes back in its one spelling, so
// that its remembered line speed is found however it was typed.

#include <QString>

#include <string>

namespace tarvo::platform {

// The device however it was named, for the records of writes: symbolic
// links resolved, a USB adapter by its /dev/serial/by-id/ name where there is
// one, a network address with its host resolved. A name that cannot be
// resolved comes back as it is.
std::string canonicalDevice(const std::string& devicePath);

// portIndex is 0-based (COM1 is 0).
std::string comPortDevicePath(int portIndex);

// The device the setting Ports/COM<n> maps the port onto (empty: none).
QString comPortSetting(int portIndex);
// Stores the device as the setting Ports/COM<n> (a network address in its
// one spelling); defaultDevice, or nothing, removes the setting. False with
// the reason when the settings cannot be written.
bool storeComPortDevice(int portIndex, const QString& device, const QString& defaultDevice, QString& reason);

} // namespace tarvo::platform
