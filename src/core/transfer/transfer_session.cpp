#include "transfer/transfer_session.h"

#include "transfer/session_texts.h"

#include <vector>

namespace tarvo::transfer {

using namespace serial;

namespace {

constexpr std::u16string_view kNoteSeparator = u"\n\n";

messages::Message progressText(int code)
{
    switch (code) {
    case kProgressEstablishing:
        return texts::kEstablishingConnection;
    case kProgressPong:
        return texts::kPongReceived;
    case kProgressFlashing:
        return texts::kFlashingSector;
    case kProgressFlashed:
        return texts::kSectorFlashed;
    case kProgressReadingId:
        return texts::kReadingKeyboardId;
    case kProgressIdReceived:
        return texts::kKeyboardIdReceived;
    case kProgressComplete:
        return texts::kTransferComplete;
    case kProgressError:
        return texts::kErrorMarker;
    default:
        return {};
    }
}

// The pause after a progress text in the dialogs that pause.
int pauseAfter(int code)
{
    switch (code) {
    case kProgressPinging:
        return kPingPauseMs;
    case kProgressFlashing:
    case kProgressReadingId:
        return kProgressPauseMs;
    default:
        return 0;
    }
}

// States whose work is done by the step handler: the timer leaves them alone.
bool isStepState(bpState state)
{
    return (state >= bpStateGOONLINE && state <= bpStateSEND_C1) ||
           (state >= bpStateSEND_S2 && state <= bpStateSEND_T7) || isResultState(state);
}

bool isSentState(bpState state)
{
    return state >= bpStateSENT_C0 && state <= bpStateSENT_T7;
}

// The failure class of the states in which the line or the port failed. An
// unknown event (17) is what a vanished device or a failed write raises, and
// a failed read has no keyboard to blame either: both are the port's.
SessionFailure failureOfState(bpState state)
{
    switch (state) {
    case bpStateER_INTERNAL:
        return SessionFailure::Internal;
    case bpStateEX_RECEIVE:
    case bpStateEX_UNDEF:
        return SessionFailure::PortLost;
    default:
        return SessionFailure::LineError;
    }
}

} // namespace

TransferSession::TransferSession(SessionHost& host, SessionView& view, CCommPort& port,
                                 CommSettings& settings, SessionOptions options)
    : m_host(host), m_view(view), m_port(port), m_settings(settings), m_options(options), m_stopwatch(host)
{
}

TransferSession::~TransferSession()
{
    if (m_started && !m_ended)
        abandon();
}

void TransferSession::start()
{
    if (m_started)
        return;
    m_started = true;
    showProgress(kProgressCleared);
    if (m_port.portInUse()) {
        end(kEndPortLocked);
        return;
    }
    const bool knownSpeed =
        m_settings.baudIndex == kBaudIndex19200 || m_settings.baudIndex == kBaudIndex57600;
    if (!m_options.startAtFoundSpeed || !knownSpeed)
        m_settings.baudIndex =
            m_options.probe.firstBaudIndex == kBaudIndex57600 ? kBaudIndex57600 : kBaudIndex19200;
    m_retried = false;
    prepare();
    if (m_ended)
        return;
    if (!initialiseEngine()) {
        end(kEndNotInitialised);
        return;
    }
    m_engine.setState(bpStateGOONLINE);
    m_timer = m_host.startTimer(kTimerPeriodMs, guarded([this] { tick(); }));
    if (m_timer == SessionHost::kNoTimer) {
        end(kEndNoTimer);
        return;
    }
    postStep();
}

void TransferSession::close()
{
    if (m_ended)
        return;
    end(m_complete ? kEndComplete : kEndCancelled);
}

void TransferSession::showPinging()
{
    const auto suffix =
        m_settings.baudIndex == kBaudIndex19200 ? texts::kPingSuffix19200 : texts::kPingSuffix57600;
    showProgress(kProgressPinging, messages::Message(texts::kPingingKeyboard).append({}, suffix));
}

void TransferSession::goTo(bpState state)
{
    m_engine.setState(state);
    postStep();
}

void TransferSession::postStep()
{
    if (!m_ended)
        m_host.postStep(guarded([this] { step(); }));
}

void TransferSession::send(const std::function<bool()>& operation)
{
    if (!m_resending) {
        // A new frame: it gets the whole retry budget.
        m_lastSend = operation;
        m_resendsLeft = m_options.frameRetries;
    }
    m_engine.resetByteCount();
    const bool sent = operation();
    m_stopwatch.restart();
    if (!sent) {
        // A frame that cannot be written: the device is gone or failing.
        m_detail = m_port.lastError();
        fail(texts::kPortLost, SessionFailure::PortLost);
    }
}

void TransferSession::showProgressThen(int code, const std::function<void()>& next)
{
    showProgress(code, progressText(code));
    pauseThen(pauseAfter(code), next);
}

void TransferSession::pauseThen(int pauseMs, const std::function<void()>& next)
{
    if (!m_options.progressPauses || pauseMs <= 0) {
        next();
        return;
    }
    // Only the step that started the pause may continue it.
    const bpState expected = m_engine.getState();
    m_host.runAfter(pauseMs, guarded([this, expected, next] {
                        if (!m_ended && !m_paused && m_engine.getState() == expected)
                            next();
                    }));
}

void TransferSession::showProgress(int code, const messages::Message& text)
{
    m_previousProgressCode = m_progressCode;
    m_progressCode = code;
    m_view.showProgress(code, text.empty() ? progressText(code) : text);
}

void TransferSession::setErrorText(messages::Message text, SessionFailure failure)
{
    if (!m_errorText.empty())
        return;
    m_errorText = std::move(text);
    m_failure = failure;
    // No answer through a server that paused the data flow: name the server.
    if (failure == SessionFailure::NoAnswer && m_detail.empty())
        m_detail = m_port.control().heldBackReason();
}

void TransferSession::fail(messages::Message text, SessionFailure failure)
{
    setErrorText(std::move(text), failure);
    end(kEndError);
}

bool TransferSession::checkKeyboardModel()
{
    if (m_engine.keyboardId().keyboardType() == kKeyboardTypeOmnia)
        return true;
    fail(texts::kWrongModel, SessionFailure::Refused);
    return false;
}

void TransferSession::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    if (paused || m_ended)
        return;
    // The time the question was open does not count against the reply.
    if (isSentState(m_engine.getState()))
        m_stopwatch.restart();
    postStep();
}

bool TransferSession::isRetriableResult(bpState state) const
{
    // The forced read after a C1, S2 or S8 time-out leaves RECEIVE_UK with
    // the flag set; T0 and T7 time-outs are caught in the timer.
    return state == bpStateRECEIVE_CE || (state == bpStateRECEIVE_UK && m_engine.forcedReadFlag());
}

bool TransferSession::resendLastFrame()
{
    if (m_resendsLeft <= 0 || !m_lastSend || m_engine.lastCommand() == bpStateSEND_C0)
        return false;
    --m_resendsLeft;
    ++m_framesResent;
    // A late reply to the first copy must not be taken for the reply to this one.
    std::vector<std::uint8_t> late;
    if (!m_port.receiveBytes(late)) {
        m_detail = m_port.lastError();
        m_engine.setState(bpStateEX_RECEIVE);
        postStep();
        return true;
    }
    m_resending = true;
    send(m_lastSend);
    m_resending = false;
    return true;
}

void TransferSession::step()
{
    if (m_ended || m_paused)
        return;
    const bpState state = m_engine.getState();
    if (isRetriableResult(state) && resendLastFrame())
        return;
    if (onStep(state))
        return;
    commonStep(state);
}

void TransferSession::commonStep(bpState state)
{
    switch (state) {
    case bpStateGOONLINE:
        showProgress(kProgressEstablishing);
        if (!m_engine.openPort()) {
            m_detail = m_port.lastError();
            fail(texts::portCannotBeOpened(m_settings.portIndex + 1), SessionFailure::PortUnavailable);
            return;
        }
        m_port.setPortInUse(true);
        m_ownPort = true;
        goTo(bpStateSEND_C0);
        return;
    case bpStateSEND_C0:
        showPinging();
        pauseThen(kPingPauseMs, [this] { send([this] { return m_engine.sendPing(); }); });
        return;
    case bpStateRECEIVE_C0:
        showProgress(kProgressPong);
        goTo(bpStateSEND_T7);
        return;
    case bpStateSEND_T7:
        showProgressThen(kProgressReadingId,
                         [this] { send([this] { return m_engine.sendReadIdentity(); }); });
        return;
    case bpStateGOOFFLINE:
        if (m_complete)
            return;
        showProgress(kProgressComplete);
        releasePort();
        if (m_timer != SessionHost::kNoTimer) {
            m_host.stopTimer(m_timer);
            m_timer = SessionHost::kNoTimer;
        }
        m_engine.release();
        m_complete = true;
        if (m_options.endWhenComplete)
            end(kEndComplete);
        return;
    case bpStateRECEIVE_CE:
        fail(texts::kCommunicationError, SessionFailure::Refused);
        return;
    case bpStateRECEIVE_FE:
        fail(texts::kCommandError, SessionFailure::Refused);
        return;
    case bpStateRECEIVE_UK:
        if (m_engine.forcedReadFlag())
            fail(texts::kTransferTimedOut, SessionFailure::NoAnswer);
        else
            fail(texts::internalError(state), SessionFailure::Refused);
        return;
    case bpStateEX_RECEIVE:
    case bpStateEX_OTHER:
    case bpStateEX_USERDEF:
    case bpStateEX_UNDEF:
    case bpStateER_INTERNAL:
        // These replace whatever text was pending: the line itself failed.
        // A device that was never reached could not be opened; nothing was lost.
        if (m_port.lastDeviceFailure() == comm_event::kDeviceUnreachable) {
            m_failure = SessionFailure::PortUnavailable;
            m_errorText = texts::portCannotBeOpened(m_settings.portIndex + 1);
        } else {
            m_failure = failureOfState(state);
            m_errorText = m_failure == SessionFailure::PortLost
                              ? messages::Message(texts::kPortLost)
                              : texts::internalError(state, m_engine.lastCommEvent());
        }
        if (state != bpStateER_INTERNAL)
            m_detail = m_port.lastError();
        end(kEndError);
        return;
    default:
        if (isSentState(state))
            return; // a reply is awaited; the time-out watches it
        m_engine.setState(bpStateER_INTERNAL);
        fail(texts::internalError(state), SessionFailure::Internal);
        return;
    }
}

void TransferSession::tick()
{
    if (m_ended || m_complete || m_paused)
        return;
    const bpState state = m_engine.getState();
    switch (state) {
    case bpStateSENT_C0:
        if (m_stopwatch.elapsedMs() < kReplyTimeoutMs)
            return;
        if (m_retried || !m_options.probe.otherSpeedToo) {
            setErrorText(texts::kNoCommunication, SessionFailure::NoAnswer);
            if (m_options.probe.otherSpeedToo)
                m_settings.baudIndex = kBaudIndex19200;
            m_retried = false;
            m_engine.setState(bpStateRECEIVE_UK);
        } else {
            retryPingAtOtherSpeed();
            if (m_ended)
                return;
        }
        break;
    case bpStateSENT_T7:
        if (m_stopwatch.elapsedMs() < kReplyTimeoutMs)
            return;
        if (resendLastFrame())
            return;
        replyTimedOut(texts::kNoKeyboardId);
        break;
    case bpStateSENT_T0:
        if (m_stopwatch.elapsedMs() < kReplyTimeoutMs)
            return;
        if (resendLastFrame())
            return;
        replyTimedOut(texts::kTransferTimedOut);
        break;
    case bpStateSENT_C1:
    case bpStateSENT_S2:
    case bpStateSENT_S8:
        if (m_stopwatch.elapsedMs() < kReplyTimeoutMs)
            return;
        m_engine.forcedRead();
        break;
    default:
        if (isStepState(state))
            return;
        m_engine.setState(bpStateER_INTERNAL);
        break;
    }
    postStep();
}

void TransferSession::replyTimedOut(messages::Message text)
{
    setErrorText(std::move(text), SessionFailure::NoAnswer);
    m_engine.setState(bpStateRECEIVE_UK);
}

void TransferSession::retryPingAtOtherSpeed()
{
    m_settings.baudIndex = m_settings.baudIndex == kBaudIndex57600 ? kBaudIndex19200 : kBaudIndex57600;
    releasePort();
    m_retried = true;
    if (!initialiseEngine()) {
        end(kEndNotInitialised);
        return;
    }
    m_engine.setState(bpStateGOONLINE);
}

bool TransferSession::initialiseEngine()
{
    const bool ok = m_engine.initialise(m_port, m_settings, guarded([this] { postStep(); }));
    if (!ok)
        m_detail = m_port.lastError();
    return ok;
}

void TransferSession::releasePort()
{
    if (!m_ownPort)
        return;
    // The flags are cleared even when closing fails: a port left open makes
    // the next session's open fail with its own message instead of locking
    // every later session out.
    m_engine.closePort();
    m_ownPort = false;
    m_port.setPortInUse(false);
}

std::function<void()> TransferSession::guarded(std::function<void()> fn)
{
    return [alive = std::weak_ptr<int>(m_alive), fn = std::move(fn)] {
        if (!alive.expired())
            fn();
    };
}

void TransferSession::end(int endCode)
{
    if (m_ended)
        return;
    m_ended = true;
    m_endCode = endCode;
    releasePort();
    if (m_timer != SessionHost::kNoTimer) {
        m_host.stopTimer(m_timer);
        m_timer = SessionHost::kNoTimer;
    }
    m_engine.release();
    if (endCode == kEndCancelled && m_failure == SessionFailure::None)
        m_failure = SessionFailure::Cancelled;
    if (endCode != kEndComplete && endCode != kEndCancelled) {
        switch (endCode) {
        case kEndPortLocked:
            setErrorText(texts::kPortLocked, SessionFailure::PortUnavailable);
            break;
        case kEndNotInitialised:
            setErrorText(texts::kNotInitialised, SessionFailure::PortUnavailable);
            break;
        case kEndNoTimer:
            setErrorText(texts::kNoTimer, SessionFailure::Internal);
            break;
        default:
            setErrorText(texts::internalErrorForCode(endCode), SessionFailure::Internal);
            break;
        }
        if (readInAModeTheKeyboardLacks()) {
            // The keyboard answered, in a form this session does not take.
            appendNote(messages::Message(
                texts::kBootloaderRepliesUnfit,
                {texts::twoPartVersion(keyboardId().bootloaderMajor(), keyboardId().bootloaderMinor())}));
            m_failure = SessionFailure::Refused;
        }
        m_failureText = m_errorText;
        appendNote(closingNote(endCode));
        showProgress(kProgressError);
        m_view.showMessage(m_errorText);
    } else if (const messages::Message note = closingNote(endCode); !note.empty()) {
        appendNote(note);
        m_view.showMessage(note);
    }
    m_view.sessionEnded(endCode);
}

bool TransferSession::readInAModeTheKeyboardLacks() const
{
    const bool replyFailed = m_failure == SessionFailure::NoAnswer || m_failure == SessionFailure::Refused;
    return replyFailed && m_engine.lastCommand() == bpStateSEND_T0 &&
           m_engine.addressMode() == frames::kAddressModeLinear &&
           m_engine.keyboardId().addressModeForBootloader() != frames::kAddressModeLinear;
}

void TransferSession::appendNote(const messages::Message& note)
{
    m_errorText.append(kNoteSeparator, note);
}

void TransferSession::abandon()
{
    m_ended = true;
    m_endCode = kEndCancelled;
    releasePort();
    if (m_timer != SessionHost::kNoTimer)
        m_host.stopTimer(m_timer);
    m_timer = SessionHost::kNoTimer;
    m_engine.release();
}

} // namespace tarvo::transfer
