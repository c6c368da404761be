#pragma once
// bpState: the protocol engine's state. The numbers are part of the
// internal-error texts ("FSM-27-18"), so they never change.

namespace tarvo::serial {

enum bpState : int {
    bpStateNONE = 0,
    bpStateGOONLINE = 1,
    bpStateGOOFFLINE = 2,
    bpStateREADYNEXTTABLE = 3,
    bpStateREADYNEXTSLOT = 4,
    bpStateSEND_C0 = 5,
    bpStateSEND_C1 = 6,
    bpStateSEND_CA = 7, // named, never entered: no frame exists for CA
    bpStateSEND_N2 = 8, // named, never entered: no frame exists for N2
    bpStateSEND_S2 = 9,
    bpStateSEND_S8 = 10,
    bpStateSEND_T0 = 11,
    bpStateSEND_T7 = 12,
    bpStateSENT_C0 = 13,
    bpStateSENT_C1 = 14,
    bpStateSENT_CA = 15, // named, never entered
    bpStateSENT_N2 = 16, // named, never entered
    bpStateSENT_S2 = 17,
    bpStateSENT_S8 = 18,
    bpStateSENT_T0 = 19,
    bpStateSENT_T7 = 20,
    bpStateRECEIVE_OK = 21,
    bpStateRECEIVE_CE = 22,
    bpStateRECEIVE_FE = 23,
    bpStateRECEIVE_DT = 24,
    bpStateRECEIVE_C0 = 25,
    bpStateRECEIVE_T7 = 26,
    bpStateRECEIVE_UK = 27,
    bpStateEX_RECEIVE = 28,
    bpStateEX_SEND = 29, // named, never entered
    bpStateEX_OTHER = 30,
    bpStateEX_USERDEF = 31, // named, never a lasting state
    bpStateEX_UNDEF = 32,
    bpStateER_INTERNAL = 33,
};

inline constexpr int kBpStateCount = 34;

// States 21-33: a reply or failure has been recorded; receive events are
// ignored until the session moves on.
constexpr bool isResultState(bpState state)
{
    return state >= bpStateRECEIVE_OK && state <= bpStateER_INTERNAL;
}

// The SENT state that follows a SEND state; bpStateNONE for any other state.
constexpr bpState sentStateFor(bpState sendState)
{
    if (sendState >= bpStateSEND_C0 && sendState <= bpStateSEND_T7)
        return static_cast<bpState>(sendState + (bpStateSENT_C0 - bpStateSEND_C0));
    return bpStateNONE;
}

// The state's name as written in the code ("bpStateSENT_C0"); "" when the
// value is outside the enumeration.
const char* bpStateName(int state);

} // namespace tarvo::serial
