#pragma once
// A session's surroundings for tests: fake clock, scripted keyboard behind the
// real port object, recording view, and a session that stops after the
// identity (or writes one sector select) so the shared machinery can be
// driven on its own.

#include "fake_host.h"
#include "recording_view.h"
#include "scripted_keyboard.h"
#include "serial/comm_port.h"
#include "serial/comm_settings.h"
#include "transfer/transfer_session.h"

#include <vector>

namespace tarvo::transfer::testing {

class IdentitySession final : public TransferSession {
public:
    using TransferSession::TransferSession;

    bool checkModel = false;
    bool selectSlotAfterIdentity = false;
    // Where the session goes after the identity when it selects no slot.
    serial::bpState afterIdentity = serial::bpStateGOOFFLINE;
    std::vector<serial::bpState> steps;

protected:
    bool onStep(serial::bpState state) override
    {
        steps.push_back(state);
        switch (state) {
        case serial::bpStateRECEIVE_T7:
            if (checkModel && !checkKeyboardModel())
                return true;
            goTo(selectSlotAfterIdentity ? serial::bpStateSEND_C1 : afterIdentity);
            return true;
        case serial::bpStateSEND_C1:
            send([this] { return engine().sendSelectTable(0); });
            return true;
        case serial::bpStateRECEIVE_OK:
            goTo(serial::bpStateGOOFFLINE);
            return true;
        default:
            return false;
        }
    }
};

struct SessionRig {
    static constexpr int kPortIndex = 2; // COM3

    FakeHost host;
    ScriptedKeyboard keyboard{host};
    serial::CCommPort port{keyboard};
    serial::CommSettings settings = serial::CommSettings::forDocument(kPortIndex);
    RecordingView view;

    // Runs the session on the fake clock until it ends or the time is up.
    template <typename Session> void runUntilEnd(Session& session, std::int64_t limitMs = 60000)
    {
        for (std::int64_t t = 0; t < limitMs && !session.hasEnded() && !session.isComplete(); t += 100)
            host.advance(100);
    }
};

} // namespace tarvo::transfer::testing
