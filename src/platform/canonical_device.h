#pragma once
// A device in the one form that names it however it was typed: a network
// address in its one spelling, a local device with its symbolic links
// resolved and, for a USB adapter, by its /dev/serial/by-id/ name where one
// exists (it stays the same when the adapter is plugged in again elsewhere).

#include <string>

namespace tarvo::platform {

std::string canonicalDevice(const std::string& named);

} // namespace tarvo::platform
