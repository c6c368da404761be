#pragma once
// What the transfer commands share: the port named by --port and the line
// speed of --baud, the application's event loop, the exit status of a
// session's or job's end, and the progress line on a terminal.

#include "serial/comm_port.h"
#include "serial/comm_settings.h"
#include "transfer/job_end.h"
#include "transfer/line_speed.h"
#include "transfer/session_host.h"
#include "transfer/session_view.h"
#include "transfer/transfer_session.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tarvo::platform {
class EventLoopHost;
class DeviceSerialPort;
} // namespace tarvo::platform

namespace tarvo::cli {

// DEV of --port: a COM number (1-16), a device path or a network address
// (rfc2217://HOST:PORT).
struct PortTarget {
    int portIndex = 0;      // 0-based; for a path, COM1 stands for it
    std::string devicePath; // what is opened
};
// Empty and an error message when DEV is neither a COM number 1-16 (3 or COM3) nor a path.
std::optional<PortTarget> parsePortTarget(const std::string& dev, std::string& error);
// The value of --port, which every transfer command requires.
std::optional<PortTarget> portTargetFrom(const std::optional<std::string>& dev, std::string& error);

// --baud auto|19200|57600 (auto when absent); empty with an error message otherwise.
std::optional<transfer::LineSpeedChoice> lineSpeedFrom(const std::optional<std::string>& baud,
                                                       std::string& error);

// The session's surroundings in the tool: the application's event loop, the
// serial device behind the port object, and a view that writes a progress
// line on standard error when it is a terminal.
class SessionEnvironment final : public transfer::SessionView {
public:
    SessionEnvironment(const PortTarget& target, bool showProgress);
    ~SessionEnvironment() override;

    transfer::SessionHost& host();
    serial::CCommPort& port() { return *m_port; }
    serial::CommSettings& settings() { return m_settings; }
    const PortTarget& target() const { return m_target; }

    // Starts the session and runs the application's event loop until it
    // ends; returns its end code.
    int run(transfer::TransferSession& session);
    // Runs the application's event loop until quitLoop().
    void runLoop();
    // Ends runLoop() from the loop (also when called before it runs).
    static void quitLoop();

    void setStatusText(const messages::Message& text) override;
    void showProgress(int code, const messages::Message& text) override;
    void showBlockProgress(int done, int total, const messages::Message& tableLine) override;
    void showMessage(const messages::Message& text) override;
    bool ask(const messages::Message& question) override;
    void sessionEnded(int endCode) override;

    // The progress line on a terminal (nothing elsewhere or with --quiet).
    void progressLine(const std::u16string& text);
    // Keeps the progress line shown so far and moves to a new one.
    void endLine();
    bool showsProgress() const { return m_showProgress; }
    // Commands that draw block progress themselves (rate, time left) turn the plain one off.
    void setBlockLinesShown(bool shown) { m_blockLines = shown; }
    // With several ports each has its own line on the terminal: progress
    // goes to sink, which draws it there.
    void setLineSink(std::function<void(const std::string&)> sink) { m_lineSink = std::move(sink); }
    // Lines that are not progress (notices) go above those lines instead.
    void setNoteSink(std::function<void(const std::string&)> sink) { m_noteSink = std::move(sink); }
    // True when a note sink took line.
    bool note(const std::string& line) const
    {
        if (!m_noteSink)
            return false;
        m_noteSink(line);
        return true;
    }
    // Called when a session that was started without run() ends (several ports share one loop).
    void setSessionEndHandler(std::function<void()> handler) { m_onSessionEnd = std::move(handler); }

private:
    PortTarget m_target;
    bool m_showProgress;
    bool m_lineShown = false;
    bool m_blockLines = true;
    std::unique_ptr<platform::EventLoopHost> m_host;
    std::unique_ptr<platform::DeviceSerialPort> m_device;
    std::unique_ptr<serial::CCommPort> m_port;
    serial::CommSettings m_settings;
    bool m_quitOnEnd = false;
    std::function<void(const std::string&)> m_lineSink;
    std::function<void(const std::string&)> m_noteSink;
    std::function<void()> m_onSessionEnd;
};

// The exit status of a session's end: 0 complete, 3 no answer, 4 refused or
// answered wrongly, 5 cancelled, 7 the port cannot be used or failed under
// the session (unplugged, write error).
int exitStatusFor(const transfer::TransferSession& session);
int exitStatusOf(transfer::JobStatus status);
// Reports a session that did not complete and returns its exit status.
int reportSessionFailure(const std::string& what, const transfer::TransferSession& session);

// The line speed the settings name (19200 for index 8).
int baudRateOf(const serial::CommSettings& settings);

} // namespace tarvo::cli
