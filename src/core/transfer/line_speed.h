#pragma once
// The line speed a command probes first: the one the user named (the only
// one tried), or the one that last answered on the device, then the other.

#include "transfer/transfer_session.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvo::transfer {

enum class LineSpeedChoice { Auto, Baud19200, Baud57600 };

// Where the speed that last answered on each device is kept. Either call may
// find the store unusable: then nothing is remembered and nothing changes.
class LineSpeedMemory {
public:
    virtual ~LineSpeedMemory() = default;
    // The line speed in baud, nullopt for a device never seen or unreadable.
    virtual std::optional<int> remembered(const std::string& devicePath) const = 0;
    virtual void remember(const std::string& devicePath, int baudRate) = 0;
};

// "auto", "19200" or "57600".
std::optional<LineSpeedChoice> parseLineSpeedChoice(std::string_view text);

// A remembered value other than 19200 or 57600 counts as none.
LineSpeedProbe probeFor(LineSpeedChoice choice, std::optional<int> rememberedBaud);

// The probe of a command's first session on devicePath (memory may be null).
LineSpeedProbe probeForDevice(LineSpeedChoice choice, const LineSpeedMemory* memory,
                              const std::string& devicePath);

// 19200 or 57600 for the two baud indexes the sessions use, 0 otherwise.
int baudRateOfIndex(int baudIndex);

} // namespace tarvo::transfer
