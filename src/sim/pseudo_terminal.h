#pragma once
// The simulator's end of the line: a pseudo-terminal whose slave side the
// client opens as its serial port. The simulator keeps a slave descriptor of
// its own, so clients can close and reopen without the master seeing a
// hang-up, and it watches the slave's device node for closes, so it can
// clear an exclusive-use flag a killed client left behind.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tarvo::sim {

// What the slave's watch saw since it was last read.
struct ClientEvents {
    bool closed = false;   // a client closed the slave
    bool reopened = false; // and another opened it after that
    bool opened = false;   // a client opened it, with no close after
};

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool open(std::string& error);
    const std::string& slavePath() const { return m_slavePath; }
    int masterFd() const { return m_master; }
    // Readable when a client opened or closed the slave; -1 when unwatched.
    int watchFd() const { return m_watch; }

    // Makes linkPath a symbolic link to the slave. An existing symbolic link
    // is replaced; any other file there is left alone and reported.
    bool link(const std::string& linkPath, std::string& error);
    void unlink();

    // The line speed the client set (the slave's termios), in baud; 0 when unknown.
    int lineBaud() const;

    // Reads the watch descriptor's events: whether a client closed the
    // slave, and whether another opened it after that close.
    ClientEvents takeClientEvents();
    // After a client went away: clear the exclusive-use flag and drop what
    // it did not read.
    void resetAfterClient();

    // Non-blocking master I/O: the count moved, 0 when it would block, -1 on error.
    long read(std::span<std::uint8_t> into);
    long write(std::span<const std::uint8_t> bytes);

private:
    int m_master = -1;
    int m_slave = -1;
    int m_watch = -1;
    std::string m_slavePath;
    std::string m_linkPath;
};

} // namespace tarvo::sim
