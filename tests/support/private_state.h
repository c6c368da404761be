#pragma once
// Every test program keeps its state (the records of interrupted writes, the
// transfer history) in a folder of its own for as long as it runs: ctest
// runs each case as its own process, several at once, and a record one case
// leaves behind must never be found by another case, nor by the user.

#include "testkit/temp_dir.h"

namespace tarvo::test {

class PrivateState {
public:
    PrivateState(); // points XDG_STATE_HOME at a new temporary folder
    PrivateState(const PrivateState&) = delete;
    PrivateState& operator=(const PrivateState&) = delete;

private:
    TempDir m_dir;
};

} // namespace tarvo::test
