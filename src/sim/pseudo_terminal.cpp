#include "sim/pseudo_terminal.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace tarvo::sim {
namespace {

struct SpeedName {
    speed_t speed;
    int baud;
};

constexpr std::array<SpeedName, 8> kSpeeds = {{
    {B1200, 1200},
    {B2400, 2400},
    {B4800, 4800},
    {B9600, 9600},
    {B19200, 19200},
    {B38400, 38400},
    {B57600, 57600},
    {B115200, 115200},
}};

std::string errorText(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

} // namespace

PseudoTerminal::~PseudoTerminal()
{
    unlink();
    if (m_watch >= 0)
        ::close(m_watch);
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PseudoTerminal::open(std::string& error)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0) {
        error = errorText("posix_openpt");
        return false;
    }
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = errorText("pseudo-terminal set-up");
        return false;
    }
    const char* name = ::ptsname(m_master);
    if (!name) {
        error = errorText("ptsname");
        return false;
    }
    m_slavePath = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_slave < 0) {
        error = errorText(m_slavePath);
        return false;
    }
    // Raw, like a serial line: no echo, no line editing, no character
    // translation. The speed stays as it is until a client sets its own.
    termios tio{};
    if (::tcgetattr(m_slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slave, TCSANOW, &tio);
    }
    m_watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_watch >= 0 && ::inotify_add_watch(m_watch, name, IN_OPEN | IN_CLOSE_WRITE | IN_CLOSE_NOWRITE) < 0) {
        ::close(m_watch);
        m_watch = -1;
    }
    return true;
}

bool PseudoTerminal::link(const std::string& linkPath, std::string& error)
{
    struct stat st {};
    if (::lstat(linkPath.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            error = linkPath + ": exists and is not a symbolic link; not replaced";
            return false;
        }
        if (::unlink(linkPath.c_str()) != 0) {
            error = errorText(linkPath);
            return false;
        }
    }
    if (::symlink(m_slavePath.c_str(), linkPath.c_str()) != 0) {
        error = errorText(linkPath);
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

void PseudoTerminal::unlink()
{
    if (m_linkPath.empty())
        return;
    // Only our own link: another simulator may have taken the name since.
    std::array<char, 4096> target{};
    const ssize_t n = ::readlink(m_linkPath.c_str(), target.data(), target.size() - 1);
    if (n > 0 && std::string(target.data(), static_cast<std::size_t>(n)) == m_slavePath)
        ::unlink(m_linkPath.c_str());
    m_linkPath.clear();
}

int PseudoTerminal::lineBaud() const
{
    termios tio{};
    if (::tcgetattr(m_slave, &tio) != 0)
        return 0;
    const speed_t speed = ::cfgetospeed(&tio);
    for (const auto& s : kSpeeds)
        if (s.speed == speed)
            return s.baud;
    return 0;
}

ClientEvents PseudoTerminal::takeClientEvents()
{
    ClientEvents events;
    if (m_watch < 0)
        return events;
    alignas(inotify_event) std::array<char, 4096> buffer{};
    for (;;) {
        const ssize_t n = ::read(m_watch, buffer.data(), buffer.size());
        if (n <= 0)
            return events;
        std::size_t at = 0;
        while (at + sizeof(inotify_event) <= static_cast<std::size_t>(n)) {
            inotify_event event{};
            std::memcpy(&event, buffer.data() + at, sizeof event);
            if (event.mask & (IN_CLOSE_WRITE | IN_CLOSE_NOWRITE)) {
                events.closed = true;
                events.reopened = false;
                events.opened = false;
            } else if (event.mask & IN_OPEN) {
                events.reopened = events.closed;
                events.opened = true;
            }
            at += sizeof(inotify_event) + event.len;
        }
    }
}

void PseudoTerminal::resetAfterClient()
{
    ::ioctl(m_slave, TIOCNXCL);
    ::tcflush(m_slave, TCIFLUSH);
}

long PseudoTerminal::read(std::span<std::uint8_t> into)
{
    const ssize_t n = ::read(m_master, into.data(), into.size());
    if (n < 0)
        return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
    return static_cast<long>(n);
}

long PseudoTerminal::write(std::span<const std::uint8_t> bytes)
{
    const ssize_t n = ::write(m_master, bytes.data(), bytes.size());
    if (n < 0)
        return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
    return static_cast<long>(n);
}

} // namespace tarvo::sim
