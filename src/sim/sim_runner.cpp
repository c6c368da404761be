#include "sim/sim_runner.h"

#include "sim/keyboard_simulator.h"
#include "sim/pseudo_terminal.h"
#include "sim/reply_pacer.h"
#include "sim/sim_trace.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <deque>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace tarvo::sim {
namespace {

constexpr std::int64_t kIdleSaveUs = 500000;
constexpr std::size_t kReadChunkBytes = 4096;
constexpr unsigned long kTimerSlackNs = 1000;
// A wake-up from a sleep of a few milliseconds comes 40 to 80 us late here,
// which is a third to a half of a byte time at 57600 baud, added to every
// exchange. The byte that completes a reply is what the client waits for, so
// the simulator sleeps until this long before it is due and then watches the
// clock (its descriptors too) until it is.
constexpr std::int64_t kWatchBeforeReplyEndUs = 100;
// Far more than a frame: what a client wrote since the keyboard last took one.
constexpr std::size_t kMaxUnansweredBytes = 4096;

std::int64_t nowUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

struct OutgoingByte {
    std::uint8_t value;
    std::int64_t dueUs;
    std::string traceLine; // set on a reply's last byte (or a reply with no bytes)
    bool endsReply = false;
};

class Runner {
public:
    Runner(const SimConfig& config, KeyboardFlash& flash)
        : m_config(config), m_flash(flash), m_keyboard(config.keyboard, flash, FaultPlan(config.faults)),
          m_pacer(config.keyboard.baud, config.wireTime)
    {
    }

    int run();

private:
    bool setUp(int& signalFd);
    // Reads what came in, sent at lineBaud.
    void onInput(std::int64_t now, int lineBaud);
    void take(std::span<const std::uint8_t> bytes, std::int64_t now, int lineBaud);
    // A gone client's last frame, read after its close had put its line speed
    // back, taken again at the speed its frames came at.
    void retakeOffSpeedBytes(std::int64_t now);
    void dropReplies()
    {
        m_out.clear();
        m_lineFull = false;
    }
    // The next client starts afresh: nothing of the gone one's is kept.
    void startNewClient()
    {
        m_keyboard.discardPartialFrame();
        m_clientGone = false;
        m_clientBaud = 0;
        m_unanswered.clear();
        m_offSpeed = false;
    }
    void sendDue(std::int64_t now);
    void save(const char* when);
    std::int64_t waitBeforeNextUs(std::int64_t now) const;
    void trace(const std::string& text) { m_trace.line(nowUs() - m_startUs, text); }

    const SimConfig& m_config;
    KeyboardFlash& m_flash;
    KeyboardSimulator m_keyboard;
    ReplyPacer m_pacer;
    PseudoTerminal m_pty;
    SimTrace m_trace;
    std::deque<OutgoingByte> m_out;
    std::int64_t m_startUs = nowUs();
    std::int64_t m_lastActivityUs = 0;
    int m_clientBaud = 0; // the line speed this client's frames came at; 0 before its first
    // What came in since the last frame the keyboard took, and whether some
    // of it came at another speed than the client's.
    std::vector<std::uint8_t> m_unanswered;
    bool m_offSpeed = false;
    // A client closed and none has opened since: what it wrote last may still
    // come in (the terminal passes a client's bytes on after it has gone).
    bool m_clientGone = false;
    bool m_saveNow = false;
    bool m_lineFull = false; // the client is not reading: wait until it does
};

bool Runner::setUp(int& signalFd)
{
    std::string error;
    if (!m_config.tracePath.empty() && !m_trace.open(m_config.tracePath, error)) {
        std::fprintf(stderr, "tarvo-kbdsim: --trace: %s\n", error.c_str());
        return false;
    }
    if (!m_pty.open(error) || !m_pty.link(m_config.linkPath, error)) {
        std::fprintf(stderr, "tarvo-kbdsim: %s\n", error.c_str());
        return false;
    }
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    signalFd = ::signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK);
    if (signalFd < 0) {
        std::perror("tarvo-kbdsim: signalfd");
        return false;
    }
    // Replies are paced to a fraction of a byte time: ask for precise wake-ups.
    ::prctl(PR_SET_TIMERSLACK, kTimerSlackNs);
    std::printf("%s\n", m_pty.slavePath().c_str());
    std::fflush(stdout);
    return true;
}

int Runner::run()
{
    int signalFd = -1;
    if (!setUp(signalFd))
        return 1;
    for (;;) {
        const std::int64_t waitUs = waitBeforeNextUs(nowUs());
        std::array<pollfd, 3> fds = {{
            {m_pty.masterFd(), static_cast<short>(m_lineFull ? POLLIN | POLLOUT : POLLIN), 0},
            {signalFd, POLLIN, 0},
            {m_pty.watchFd(), POLLIN, 0},
        }};
        timespec timeout{};
        timeout.tv_sec = waitUs / 1000000;
        timeout.tv_nsec = (waitUs % 1000000) * 1000;
        const nfds_t count = m_pty.watchFd() >= 0 ? 3 : 2;
        const int ready = ::ppoll(fds.data(), count, waitUs < 0 ? nullptr : &timeout, nullptr);
        if (ready < 0 && errno != EINTR) {
            std::perror("tarvo-kbdsim: poll");
            break;
        }
        if (fds[1].revents & POLLIN)
            break;
        const ClientEvents events =
            count == 3 && (fds[2].revents & POLLIN) ? m_pty.takeClientEvents() : ClientEvents{};
        if (events.closed) {
            // A client went away. Its last bytes (an end of data sent just
            // before the close) left at its line speed, which the close puts
            // back, and the terminal may pass them on before or after the
            // close is seen: bytes read at the restored speed are taken
            // again at the speed its frames came at, and so is what comes
            // until another client opens. Its replies go to no one. With the
            // next client open already, its first frame may be among the
            // bytes: the gone one's half frame is dropped.
            m_clientGone = !events.reopened;
            if (m_clientGone)
                retakeOffSpeedBytes(nowUs());
            else
                startNewClient();
            dropReplies();
            m_pty.resetAfterClient();
        } else if (events.opened && m_clientGone) {
            startNewClient();
        }
        if ((fds[0].revents & POLLIN) && m_clientGone) {
            // No reply waits for anyone.
            onInput(nowUs(), m_clientBaud);
            dropReplies();
        } else if (fds[0].revents & POLLIN) {
            onInput(nowUs(), m_pty.lineBaud());
        }
        sendDue(nowUs());
        if (m_out.empty() && !m_config.flashPath.empty()) {
            if (m_saveNow || (m_flash.dirty() && nowUs() - m_lastActivityUs >= kIdleSaveUs))
                save("while running");
        }
    }
    ::close(signalFd);
    if (!m_config.flashPath.empty() && m_flash.dirty())
        save("at the end");
    return 0;
}

// How long the poll may sleep: -1 for as long as nothing happens.
std::int64_t Runner::waitBeforeNextUs(std::int64_t now) const
{
    if (!m_out.empty() && m_lineFull)
        return -1;
    if (!m_out.empty()) {
        const OutgoingByte& next = m_out.front();
        const std::int64_t watchUs = m_config.wireTime && next.endsReply ? kWatchBeforeReplyEndUs : 0;
        return std::max<std::int64_t>(0, next.dueUs - watchUs - now);
    }
    if (m_flash.dirty() && !m_config.flashPath.empty())
        return std::max<std::int64_t>(0, m_lastActivityUs + kIdleSaveUs - now);
    return -1;
}

void Runner::onInput(std::int64_t now, int lineBaud)
{
    std::array<std::uint8_t, kReadChunkBytes> buffer{};
    const long n = m_pty.read(buffer);
    if (n <= 0)
        return;
    m_lastActivityUs = now;
    const auto bytes = std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(n));
    take(bytes, now, lineBaud);
}

void Runner::retakeOffSpeedBytes(std::int64_t now)
{
    if (!m_offSpeed || m_clientBaud == 0)
        return;
    const std::vector<std::uint8_t> bytes = std::exchange(m_unanswered, {});
    m_offSpeed = false;
    m_keyboard.discardPartialFrame();
    take(bytes, now, m_clientBaud);
}

void Runner::take(std::span<const std::uint8_t> bytes, std::int64_t now, int lineBaud)
{
    const std::vector<FrameResponse> responses = m_keyboard.receive(bytes, now, lineBaud);
    if (responses.empty()) {
        if (m_unanswered.size() + bytes.size() <= kMaxUnansweredBytes)
            m_unanswered.insert(m_unanswered.end(), bytes.begin(), bytes.end());
        m_offSpeed = m_offSpeed || lineBaud != m_clientBaud;
    } else {
        m_clientBaud = lineBaud;
        m_unanswered.clear();
        m_offSpeed = false;
    }
    for (const FrameResponse& response : responses) {
        trace(describeFrame(response));
        const std::vector<std::int64_t> due = m_pacer.schedule(response, now);
        const std::string replyLine = describeReply(response);
        if (response.reply.empty()) {
            trace(replyLine);
            continue;
        }
        for (std::size_t i = 0; i < response.reply.size(); ++i) {
            const bool last = i + 1 == response.reply.size();
            m_out.push_back({response.reply[i], due[i], last ? replyLine : "", last});
        }
    }
    if (m_keyboard.takeStateChange())
        m_saveNow = true;
}

void Runner::sendDue(std::int64_t now)
{
    std::array<std::uint8_t, kReadChunkBytes> batch{};
    std::size_t count = 0;
    while (count < m_out.size() && count < batch.size() && m_out[count].dueUs <= now) {
        batch[count] = m_out[count].value;
        ++count;
    }
    if (count == 0)
        return;
    const long written = m_pty.write(std::span<const std::uint8_t>(batch.data(), count));
    m_lineFull = written == 0;
    for (long i = 0; i < written; ++i) {
        if (!m_out.front().traceLine.empty())
            trace(m_out.front().traceLine);
        m_out.pop_front();
    }
    m_lastActivityUs = now;
}

void Runner::save(const char* when)
{
    m_saveNow = false;
    const FlashResult saved = m_flash.save(m_config.flashPath);
    m_lastActivityUs = nowUs(); // a failed save is tried again after the next idle time
    if (!saved.ok)
        std::fprintf(stderr, "tarvo-kbdsim: saving the flash %s: %s\n", when, saved.message.c_str());
}

} // namespace

int runSimulator(const SimConfig& config, KeyboardFlash& flash)
{
    Runner runner(config, flash);
    return runner.run();
}

} // namespace tarvo::sim
