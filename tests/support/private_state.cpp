#include "support/private_state.h"

#include <cstdlib>

namespace tarvo::test {

PrivateState::PrivateState()
{
    setenv("XDG_STATE_HOME", m_dir.file("state").c_str(), 1);
}

} // namespace tarvo::test
