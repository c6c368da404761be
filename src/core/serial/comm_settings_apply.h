#pragma once
// The COM Port Settings dialog's OK and its start: every field is checked
// before any is written, so a refused value never leaves the port
// half-configured; then the properties are written in the dialog's order,
// stopping at the first failure.

#include "io/message_pattern.h"
#include "serial/comm_port.h"
#include "serial/comm_settings.h"

#include <string>

namespace tarvo::serial {

struct SettingsApplyResult {
    bool ok = true;
    // A range message is a warning and the dialog stays open; a write
    // failure is an error.
    bool warning = false;
    messages::Message message;
};

SettingsApplyResult applySettingsToPort(CCommPort& port, const CommSettings& settings);
// Reads the port's properties into settings; the message names the first
// property that could not be read.
SettingsApplyResult readSettingsFromPort(const CCommPort& port, CommSettings& settings);

} // namespace tarvo::serial
