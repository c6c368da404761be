#pragma once
// The writes a download left unfinished, kept in the application's settings
// (group "InterruptedWrites", a group per device path holding a group per
// slot), shared by the tool and the editor. Each is on disk before the
// slot's erase goes out.

#include "transfer/interrupted_writes.h"

namespace tarvo::platform {

class InterruptedWriteSettings final : public transfer::InterruptedWriteMemory {
public:
    std::optional<transfer::InterruptedWrite> find(const std::string& devicePath, int slot) const override;
    bool remember(const transfer::InterruptedWrite& write) override;
    void forget(const std::string& devicePath, int slot) override;
};

} // namespace tarvo::platform
