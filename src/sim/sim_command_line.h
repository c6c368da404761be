#pragma once
// The simulator's command line.

#include "sim/fault_plan.h"
#include "sim/keyboard_options.h"

#include <string>
#include <vector>

namespace tarvo::sim {

struct SimConfig {
    std::string linkPath;
    std::string flashPath;  // empty: the flash lives in memory only
    std::string tablesPath; // a document whose tables go into slots 1 and up
    std::string tracePath;
    KeyboardOptions keyboard;
    bool wireTime = false;
    bool status = false;
    bool help = false;
    std::vector<FaultSpec> faults;
};

// False with a reason for a usage error.
bool parseSimCommandLine(const std::vector<std::string>& args, SimConfig& out, std::string& error);
std::string simUsageText();

} // namespace tarvo::sim
