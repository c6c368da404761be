#include "serial/bp_state.h"

#include <array>

namespace tarvo::serial {

namespace {
constexpr std::array<const char*, kBpStateCount> kNames = {
    "bpStateNONE",          "bpStateGOONLINE",    "bpStateGOOFFLINE",  "bpStateREADYNEXTTABLE",
    "bpStateREADYNEXTSLOT", "bpStateSEND_C0",     "bpStateSEND_C1",    "bpStateSEND_CA",
    "bpStateSEND_N2",       "bpStateSEND_S2",     "bpStateSEND_S8",    "bpStateSEND_T0",
    "bpStateSEND_T7",       "bpStateSENT_C0",     "bpStateSENT_C1",    "bpStateSENT_CA",
    "bpStateSENT_N2",       "bpStateSENT_S2",     "bpStateSENT_S8",    "bpStateSENT_T0",
    "bpStateSENT_T7",       "bpStateRECEIVE_OK",  "bpStateRECEIVE_CE", "bpStateRECEIVE_FE",
    "bpStateRECEIVE_DT",    "bpStateRECEIVE_C0",  "bpStateRECEIVE_T7", "bpStateRECEIVE_UK",
    "bpStateEX_RECEIVE",    "bpStateEX_SEND",     "bpStateEX_OTHER",   "bpStateEX_USERDEF",
    "bpStateEX_UNDEF",      "bpStateER_INTERNAL",
};
} // namespace

const char* bpStateName(int state)
{
    if (state < 0 || state >= kBpStateCount)
        return "";
    return kNames[static_cast<std::size_t>(state)];
}

} // namespace tarvo::serial
