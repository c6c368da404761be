#pragma once
// Opening a file that is to be read whole. Only regular files are read: a
// pipe or a device may never end, or block the open itself until a writer
// appears. The open therefore does not wait (O_NONBLOCK), the kind of file is
// checked on the open descriptor, and only then are reads made blocking again.

#include <string>

namespace tarvo::io {

enum class OpenProblem {
    None,
    SystemError, // the open, fstat or fcntl failed: see error()
    Directory,
    NotRegular, // a pipe, socket or device
};

class RegularFileForReading {
public:
    explicit RegularFileForReading(const std::string& path);
    ~RegularFileForReading();
    RegularFileForReading(const RegularFileForReading&) = delete;
    RegularFileForReading& operator=(const RegularFileForReading&) = delete;

    bool ok() const { return m_problem == OpenProblem::None; }
    OpenProblem problem() const { return m_problem; }
    int error() const { return m_errno; }
    // The open descriptor (blocking reads), -1 unless ok().
    int fd() const { return m_fd; }
    // The size fstat gave.
    unsigned long long size() const { return m_size; }

    // Closes the descriptor; returns the errno of a failed close, else 0.
    int close();

private:
    int m_fd = -1;
    OpenProblem m_problem = OpenProblem::None;
    int m_errno = 0;
    unsigned long long m_size = 0;
};

} // namespace tarvo::io
