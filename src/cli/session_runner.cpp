#include "cli/session_runner.h"

#include "cli/cli_args.h"
#include "platform/device_serial_port.h"
#include "platform/event_loop_host.h"
#include "platform/port_paths.h"
#include "platform/text.h"
#include "serial/comm_settings_tables.h"
#include "serial/network_port_address.h"
#include "templates/utf_text.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <unistd.h>

namespace tarvo::cli {

namespace {

// The number of a COM name ("COM3", in any case); empty for any other text.
std::string comNameNumber(const std::string& dev)
{
    constexpr std::string_view kComPrefix = "COM";
    if (dev.size() <= kComPrefix.size() ||
        dev.find_first_not_of("0123456789", kComPrefix.size()) != std::string::npos)
        return {};
    for (std::size_t i = 0; i < kComPrefix.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(dev[i])) != kComPrefix[i])
            return {};
    return dev.substr(kComPrefix.size());
}

} // namespace

namespace {

// The limits of a DNS name: the whole, and each label.
constexpr std::size_t kLongestHostName = 253;
constexpr std::size_t kLongestHostLabel = 63;
// How much of an over-long argument a message repeats.
constexpr std::size_t kEchoedCharacters = 40;

std::string echoed(const std::string& text)
{
    if (text.size() <= kEchoedCharacters)
        return text;
    // Built in place: GCC 12 at -O2 misreads a sum with the substring as out of bounds.
    std::string shown(kEchoedCharacters + 3, '.');
    std::copy_n(text.begin(), kEchoedCharacters, shown.begin());
    return shown;
}

// A host name no resolver takes is the user's mistake, said before any connection.
bool hostNameFits(const std::string& dev, std::string& error)
{
    const std::size_t start = dev.find("://");
    const std::size_t from = start == std::string::npos ? 0 : start + 3;
    const std::size_t colon = dev.rfind(':');
    const std::string host =
        dev.substr(from, colon != std::string::npos && colon > from ? colon - from : dev.npos);
    if (host.size() > kLongestHostName) {
        error = "the host name in --port " + echoed(dev) + " is longer than " +
                std::to_string(kLongestHostName) + " characters";
        return false;
    }
    std::size_t labelStart = 0;
    while (labelStart <= host.size()) {
        const std::size_t dot = host.find('.', labelStart);
        const std::size_t end = dot == std::string::npos ? host.size() : dot;
        if (end - labelStart > kLongestHostLabel) {
            error = "the host name in --port " + echoed(dev) + " has a part longer than " +
                    std::to_string(kLongestHostLabel) + " characters";
            return false;
        }
        if (dot == std::string::npos)
            break;
        labelStart = dot + 1;
    }
    return true;
}

} // namespace

std::optional<PortTarget> parsePortTarget(const std::string& dev, std::string& error)
{
    if (dev.empty()) {
        error = "--port needs a device path or a COM number";
        return std::nullopt;
    }
    if (serial::isNetworkPortName(dev)) {
        if (!hostNameFits(dev, error))
            return std::nullopt;
        const auto address = serial::parseNetworkPortAddress(dev, error);
        if (!address) {
            if (error.size() > kLongestHostName)
                error = "--port " + echoed(dev) + " is no network address";
            return std::nullopt;
        }
        return PortTarget{0, address->text()};
    }
    const bool digits = dev.find_first_not_of("0123456789") == std::string::npos;
    // A relative path with a folder in it is taken from the working folder
    // (the serial layer reads a bare name as one under /dev).
    if (!digits && dev.find('/') != std::string::npos)
        return PortTarget{0, std::filesystem::absolute(dev).lexically_normal().string()};
    // "COM3" names COM 3 as "3" does, as the editor shows it.
    const std::string comNumber = digits ? dev : comNameNumber(dev);
    // A bare name is a device under /dev, unless it names a file here.
    std::error_code ignored;
    if (comNumber.empty() && !digits && std::filesystem::exists(dev, ignored) &&
        !std::filesystem::exists("/dev/" + dev, ignored))
        return PortTarget{0, std::filesystem::absolute(dev).lexically_normal().string()};
    if (comNumber.empty())
        return PortTarget{0, dev};
    const int number = comNumber.size() <= 2 ? std::stoi(comNumber) : 0;
    if (number < 1 || number > serial::kPortCount) {
        error = "COM number " + dev + " is not between 1 and " + std::to_string(serial::kPortCount);
        return std::nullopt;
    }
    return PortTarget{number - 1, platform::comPortDevicePath(number - 1)};
}

std::optional<transfer::LineSpeedChoice> lineSpeedFrom(const std::optional<std::string>& baud,
                                                       std::string& error)
{
    if (!baud)
        return transfer::LineSpeedChoice::Auto;
    const auto choice = transfer::parseLineSpeedChoice(*baud);
    if (!choice)
        error = "--baud takes auto, 19200 or 57600";
    return choice;
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
      m_device(
          std::make_unique<platform::DeviceSerialPort>([path = target.devicePath](int) { return path; })),
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

int SessionEnvironment::run(transfer::TransferSession& session)
{
    m_quitOnEnd = true;
    session.start();
    // A session that ended at once has queued the quit already.
    runLoop();
    m_quitOnEnd = false;
    return session.endCode();
}

void SessionEnvironment::runLoop()
{
    QCoreApplication::exec();
    endLine();
}

void SessionEnvironment::quitLoop()
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void SessionEnvironment::endLine()
{
    if (m_lineSink)
        return;
    if (m_lineShown)
        std::fputc('\n', stderr);
    m_lineShown = false;
}

void SessionEnvironment::progressLine(const std::u16string& text)
{
    if (!m_showProgress || text.empty())
        return;
    if (m_lineSink) {
        m_lineSink(templates::utf16ToUtf8(text));
        return;
    }
    std::fprintf(stderr, "\r\033[K%s", templates::utf16ToUtf8(text).c_str());
    std::fflush(stderr);
    m_lineShown = true;
}

void SessionEnvironment::setStatusText(const messages::Message& text)
{
    progressLine(text.text());
}

// Called once a block: the text is filled only when a line shows it.
void SessionEnvironment::showProgress(int code, const messages::Message& text)
{
    if (m_showProgress && code != transfer::kProgressError)
        progressLine(text.text());
}

void SessionEnvironment::showBlockProgress(int done, int total, const messages::Message& tableLine)
{
    if (!m_blockLines)
        return;
    progressLine(tableLine.text() + u" " + QString::number(done).toStdU16String() + u" of " +
                 QString::number(total).toStdU16String());
}

// The command reports the error itself, in one line.
void SessionEnvironment::showMessage(const messages::Message&) {}

// The tool never asks: it goes on as the command line says.
bool SessionEnvironment::ask(const messages::Message&)
{
    return true;
}

void SessionEnvironment::sessionEnded(int)
{
    if (m_onSessionEnd)
        m_onSessionEnd();
    if (m_quitOnEnd)
        quitLoop();
}

int exitStatusOf(transfer::JobStatus status)
{
    switch (status) {
    case transfer::JobStatus::Complete:
        return kExitOk;
    case transfer::JobStatus::FileError:
        return kExitFileError;
    case transfer::JobStatus::NoAnswer:
        return kExitNoAnswer;
    case transfer::JobStatus::Refused:
        return kExitRefused;
    case transfer::JobStatus::Cancelled:
        return kExitCancelled;
    case transfer::JobStatus::VerifyFailed:
        return kExitVerifyFailed;
    case transfer::JobStatus::PortError:
        return kExitPortError;
    }
    return kExitRefused;
}

int exitStatusFor(const transfer::TransferSession& session)
{
    return exitStatusOf(transfer::statusOf(session));
}

int reportSessionFailure(const std::string& what, const transfer::TransferSession& session)
{
    return fail(exitStatusFor(session), what, transfer::failureLine(session));
}

int baudRateOf(const serial::CommSettings& settings)
{
    const auto index = static_cast<std::size_t>(settings.baudIndex);
    return index < serial::kBaudRates.size() ? serial::kBaudRates[index].rate : 0;
}

} // namespace tarvo::cli
