#include "cli/command_table.h"

#include <cstdio>

namespace tarvo::cli {

int runVersion(const std::vector<std::string>&)
{
    std::printf("tarvo %s\n", TARVO_VERSION);
    return 0;
}

} // namespace tarvo::cli
