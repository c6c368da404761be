#pragma once
// How a transfer session ended: the end code its dialog returns, and the class
// of failure callers (the command-line tool) report it by.

namespace tarvo::transfer {

enum SessionEndCode : int {
    kEndComplete = 5000,
    kEndError = 5001, // the error text is already set
    kEndPortLocked = 5002,
    kEndNotInitialised = 5003,
    kEndNoTimer = 5004,
    kEndCancelled = 5005,
};

enum class SessionFailure {
    None,
    NoAnswer,        // no pong at either speed, or a reply did not come in time
    Refused,         // "CE", "FE", an unrecognised reply, a keyboard the session does not accept
    PortUnavailable, // the port is locked, cannot be set up or opened
    LineError,       // the serial line reported a fault (break, framing, parity, overrun)
    PortLost,        // the port vanished or failed under the session (unplugged, write or read error)
    Internal,        // a state the session does not expect, a failed send
    Cancelled,
};

} // namespace tarvo::transfer
