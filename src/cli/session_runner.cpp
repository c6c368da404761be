#include "cli/session_runner.h"

#include "cli/cli_args.h"
#include "platform/event_loop_host.h"
#include "platform/port_paths.h"
#include "platform/qt_serial_port.h"
#include "serial/comm_settings_tables.h"

#include <QEventLoop>
#include <QString>

#include <cstdio>
#include <unistd.h>

namespace tarvo::cli {

using transfer::SessionFailure;

std::string toUtf8(const std::u16string& text)
{
    return QString::fromStdU16String(text).toStdString();
}

std::optional<PortTarget> parsePortTarget(const std::string& dev, std::string& error)
{
    if (dev.empty()) {
        error = "--port needs a device path or a COM number";
        return std::nullopt;
    }
    const bool digits = dev.find_first_not_of("0123456789") == std::string::npos;
    if (!digits)
        return PortTarget{0, dev};
    const int number = dev.size() <= 2 ? std::stoi(dev) : 0;
    if (number < 1 || number > serial::kPortCount) {
        error = "COM number " + dev + " is not between 1 and " + std::to_string(serial::kPortCount);
        return std::nullopt;
    }
    return PortTarget{number - 1, platform::comPortDevicePath(number - 1)};
}

std::optional<PortTarget> portTargetFrom(const std::optional<std::string>& dev, std::string& error)
{
    if (!dev) {
        error = "--port is required";
        return std::nullopt;
    }
    return parsePortTarget(*dev, error);
}

SessionEnvironment::SessionEnvironment(const PortTarget& target, bool showProgress)
    : m_target(target), m_showProgress(showProgress && isatty(STDERR_FILENO)),
      m_host(std::make_unique<platform::EventLoopHost>()),
      m_device(std::make_unique<platform::QtSerialPort>([path = target.devicePath](int) { return path; })),
      m_port(std::make_unique<serial::CCommPort>(*m_device)),
      m_settings(serial::CommSettings::forDocument(target.portIndex))
{
}

SessionEnvironment::~SessionEnvironment()
{
    // The port object uses the device: it goes first.
    m_port.reset();
    m_device.reset();
}

transfer::SessionHost& SessionEnvironment::host()
{
    return *m_host;
}

int SessionEnvironment::run(transfer::CTransferSession& session)
{
    QEventLoop loop;
    m_quit = [&loop] { loop.quit(); };
    session.start();
    if (!session.hasEnded())
        loop.exec();
    m_quit = nullptr;
    if (m_lineShown)
        std::fputc('\n', stderr);
    m_lineShown = false;
    return session.endCode();
}

void SessionEnvironment::progressLine(const std::u16string& text)
{
    if (!m_showProgress || text.empty())
        return;
    std::fprintf(stderr, "\r\033[K%s", toUtf8(text).c_str());
    std::fflush(stderr);
    m_lineShown = true;
}

void SessionEnvironment::setStatusText(const std::u16string& text)
{
    progressLine(text);
}

void SessionEnvironment::showProgress(int code, const std::u16string& text)
{
    if (code != transfer::kProgressError)
        progressLine(text);
}

void SessionEnvironment::showBlockProgress(int done, int total, const std::u16string& tableLine)
{
    if (!m_blockLines)
        return;
    progressLine(tableLine + u" " + QString::number(done).toStdU16String() + u" of " +
                 QString::number(total).toStdU16String());
}

// The command reports the error itself, in one line.
void SessionEnvironment::showMessage(const std::u16string&) {}

// The tool never asks: it goes on as the command line says.
bool SessionEnvironment::ask(const std::u16string&)
{
    return true;
}

void SessionEnvironment::sessionEnded(int)
{
    if (m_quit)
        m_quit();
}

int exitStatusFor(const transfer::CTransferSession& session)
{
    if (session.endCode() == transfer::kEndComplete)
        return kExitOk;
    switch (session.failure()) {
    case SessionFailure::Cancelled:
        return kExitCancelled;
    case SessionFailure::NoAnswer:
        return kExitNoAnswer;
    case SessionFailure::PortUnavailable:
    case SessionFailure::PortLost:
        return kExitPortError;
    case SessionFailure::Refused:
    case SessionFailure::LineError:
    case SessionFailure::Internal:
    case SessionFailure::None:
        break;
    }
    return session.endCode() == transfer::kEndCancelled ? kExitCancelled : kExitRefused;
}

std::string failureReason(const transfer::CTransferSession& session)
{
    std::string reason = toUtf8(session.errorText());
    std::string folded;
    for (std::size_t i = 0; i < reason.size(); ++i) {
        if (reason[i] != '\n') {
            folded += reason[i];
            continue;
        }
        while (i + 1 < reason.size() && reason[i + 1] == '\n')
            ++i;
        if (!folded.empty() && folded.back() != ' ')
            folded += ' ';
    }
    if (!session.detail().empty())
        folded += " (" + toUtf8(session.detail()) + ")";
    if (folded.empty())
        folded = session.endCode() == transfer::kEndCancelled ? "cancelled" : "the session failed";
    return folded;
}

int reportSessionFailure(const std::string& what, const transfer::CTransferSession& session)
{
    return fail(exitStatusFor(session), what, failureReason(session));
}

int baudRateOf(const serial::CommSettings& settings)
{
    const auto index = static_cast<std::size_t>(settings.baudIndex);
    return index < serial::kBaudRates.size() ? serial::kBaudRates[index].rate : 0;
}

} // namespace tarvo::cli
