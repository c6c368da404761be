#pragma once
// TransferSession: the machinery every transfer session shares. It drives
// one protocol engine through posted steps and a one-second timer, probes the
// line speed with the ping, reads the keyboard's identity, applies the reply
// time-out, keeps one pending error text and ends exactly once, releasing the
// port on every way out. Each session adds its own transitions through
// onStep().

#include "serial/bp_protocol.h"
#include "serial/comm_port.h"
#include "serial/comm_settings.h"
#include "serial/comm_settings_tables.h"
#include "transfer/session_end.h"
#include "transfer/session_host.h"
#include "transfer/session_view.h"
#include "transfer/stopwatch.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tarvo::transfer {

inline constexpr int kTimerPeriodMs = 1000;
inline constexpr std::int64_t kReplyTimeoutMs = 6001;
inline constexpr int kPingPauseMs = 800;
inline constexpr int kProgressPauseMs = 500;
using serial::kBaudIndex19200;
using serial::kBaudIndex57600;

// Progress codes the sessions show.
enum ProgressCode : int {
    kProgressCleared = 1,
    kProgressEstablishing = 2,
    kProgressPinging = 4,
    kProgressPong = 5,
    kProgressFlashing = 6,
    kProgressFlashed = 7,
    kProgressReadingId = 8,
    kProgressIdReceived = 9,
    kProgressBlocks = 10,
    kProgressComplete = 11,
    kProgressError = 12,
};

// The line speeds the ping tries: first one, then (when allowed) the other
// once. The dialogs keep 19200 first; the tool may start where the keyboard
// last answered, or try only the speed the user named.
struct LineSpeedProbe {
    int firstBaudIndex = serial::kBaudIndex19200;
    bool otherSpeedToo = true;
};

struct SessionOptions {
    // Start at the line speed the settings hold (found by the session before
    // in the same command) instead of the probe's first speed.
    bool startAtFoundSpeed = false;
    LineSpeedProbe probe = {};
    // The Transfer and Read dialogs pause after the ping, flashing and ID
    // texts so the user can read them; the status-line dialogs do not.
    bool progressPauses = false;
    // End with 5000 as soon as the keyboard has gone offline instead of
    // waiting for the user's OK (the command-line tool).
    bool endWhenComplete = false;
    // How often a frame is sent again after its reply timed out (T0, T7, C1,
    // S2, S8) or came back "CE", before the session fails. 0: never. The
    // ping has its own retry at the other speed.
    int frameRetries = 0;
};

class TransferSession {
public:
    TransferSession(SessionHost& host, SessionView& view, serial::CCommPort& port,
                    serial::CommSettings& settings, SessionOptions options = {});
    virtual ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    // The dialog's initialisation: claims the port and posts the first step.
    void start();
    // OK, Cancel, Escape or the close command: 5000 once the keyboard has gone
    // offline, 5005 before.
    virtual void close();

    bool hasStarted() const { return m_started; }
    bool hasEnded() const { return m_ended; }
    // The keyboard has gone offline; the session waits for close().
    bool isComplete() const { return m_complete; }
    int endCode() const { return m_endCode; }
    SessionFailure failure() const { return m_failure; }
    std::u16string errorText() const { return m_errorText.text(); }
    const messages::Message& errorMessage() const { return m_errorText; }
    // The error text without the closing note (what happened, without what it left behind).
    std::u16string failureText() const { return m_failureText.text(); }
    const messages::Message& failureMessage() const { return m_failureText; }
    // What the port said about the last failure it caused (empty otherwise).
    const messages::Message& detail() const { return m_detail; }
    serial::bpState state() const { return m_engine.getState(); }
    const serial::KeyboardId& keyboardId() const { return m_engine.keyboardId(); }
    // The baud index in the settings (8 for 19200, 12 for 57600).
    int baudIndex() const { return m_settings.baudIndex; }
    // 5 or 13 by the keyboard's generation, 0 for an unknown generation.
    int slotCount() const { return m_engine.keyboardId().slotCount(); }
    // Frames sent again under SessionOptions::frameRetries.
    int framesResent() const { return m_framesResent; }
    // Sees every frame the session sends and every reply it takes (the tool's --trace).
    void setFrameObserver(serial::CBpProtocol::FrameObserver observer)
    {
        m_engine.setFrameObserver(std::move(observer));
    }

protected:
    // Step 4 of the start: the session's own data.
    virtual void prepare() {}
    // The session's own transitions; false leaves the state to the common ones.
    virtual bool onStep(serial::bpState state) = 0;
    // The text shown while pinging, by the current speed. The default is the
    // progress text; the status-line dialogs override it.
    virtual void showPinging();

    serial::CBpProtocol& engine() { return m_engine; }
    SessionHost& host() { return m_host; }
    SessionView& view() { return m_view; }
    serial::CommSettings& settings() { return m_settings; }

    // Sets the state and posts a step.
    void goTo(serial::bpState state);
    void postStep();
    // Resets the received-byte count, runs one send operation and restarts
    // the stopwatch; a failed send ends the session.
    void send(const std::function<bool()>& operation);
    // Shows a progress code with its text, then runs next, after the code's
    // pause when the session pauses.
    void showProgressThen(int code, const std::function<void()>& next);
    // Runs next after pauseMs when the session pauses, at once otherwise.
    void pauseThen(int pauseMs, const std::function<void()>& next);
    void showProgress(int code, const messages::Message& text = {});
    // Keeps the first error text of the session.
    void setErrorText(messages::Message text, SessionFailure failure);
    // Sets the error text (unless one is set) and ends with 5001.
    void fail(messages::Message text, SessionFailure failure);
    // KeyboardId byte 7 must name the KBD-OMNIA; otherwise the session fails.
    bool checkKeyboardModel();
    void end(int endCode);

    // While paused (a question is open) no step runs and no time-out counts;
    // resuming restarts the wait for a pending reply and posts a step, so
    // the session carries on from the state it stopped in.
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }
    // This session opened the port and has not closed it yet.
    bool ownsPort() const { return m_ownPort; }
    // Expires when the session is destroyed: a caller that lets the user
    // decide (a question's own event loop may close the window) checks it
    // before touching the session again.
    std::weak_ptr<int> aliveToken() const { return m_alive; }
    // Wraps fn so that it does nothing once the session is gone.
    std::function<void()> guarded(std::function<void()> fn);
    // A text added to the error text when the session ends with endCode
    // (shown as the message also after a cancel); empty for none.
    virtual messages::Message closingNote(int /*endCode*/) const { return {}; }

private:
    void step();
    void commonStep(serial::bpState state);
    void tick();
    void replyTimedOut(messages::Message text);
    void retryPingAtOtherSpeed();
    bool initialiseEngine();
    // Closes the port when this session opened it and clears the in-use flag.
    void releasePort();
    // Sends the last frame again when the retry budget allows; false when the
    // failure must stand.
    bool resendLastFrame();
    // A reply time-out or "CE" that a resend may answer.
    bool isRetriableResult(serial::bpState state) const;
    void appendNote(const messages::Message& note);
    // The last read failed in the linear address mode on a keyboard whose
    // bootloader answers reads in the paged one.
    bool readInAModeTheKeyboardLacks() const;
    void abandon();

    SessionHost& m_host;
    SessionView& m_view;
    serial::CCommPort& m_port;
    serial::CommSettings& m_settings;
    SessionOptions m_options;
    serial::CBpProtocol m_engine;
    CStopwatch m_stopwatch;
    SessionHost::TimerId m_timer = SessionHost::kNoTimer;
    bool m_ownPort = false;
    bool m_retried = false;
    bool m_started = false;
    bool m_complete = false;
    bool m_ended = false;
    int m_endCode = 0;
    SessionFailure m_failure = SessionFailure::None;
    messages::Message m_errorText;
    messages::Message m_failureText;
    messages::Message m_detail;
    int m_progressCode = 0;
    int m_previousProgressCode = 0;
    bool m_paused = false;
    std::function<bool()> m_lastSend;
    bool m_resending = false;
    int m_resendsLeft = 0;
    int m_framesResent = 0;
    // Callbacks queued on the host hold a weak reference: those that fire
    // after the session is gone do nothing.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace tarvo::transfer
