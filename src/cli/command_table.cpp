#include "cli/command_table.h"

#include <array>

namespace tarvo::cli {

namespace {
// Add a row here for every command (keep the order of the README).
const Command kCommands[] = {
    {"version", "tarvo version", "print the program's version", runVersion},
};
}  // namespace

std::span<const Command> commands() { return kCommands; }

}  // namespace tarvo::cli
