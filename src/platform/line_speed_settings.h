#pragma once
// The line speed that last answered on each device, kept in the
// application's settings (group "LineSpeeds", one key per device path). A
// store that cannot be read or written is passed over: the default order
// is probed then.

#include "transfer/line_speed.h"

namespace tarvo::platform {

class LineSpeedSettings final : public transfer::LineSpeedMemory {
public:
    std::optional<int> remembered(const std::string& devicePath) const override;
    void remember(const std::string& devicePath, int baudRate) override;
};

} // namespace tarvo::platform
