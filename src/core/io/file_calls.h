#pragma once
// The two calls that move a file's bytes. The system's calls are the ones in
// use; tests put in calls that fail part-way, as a full disk or a failing
// device would, to show that no such failure loses a file or passes for the
// end of one.

#include <cstdint>
#include <span>
#include <sys/types.h>

namespace tarvo::io {

class FileCalls {
public:
    virtual ~FileCalls() = default;
    // As ::read and ::write: the bytes moved (possibly fewer than asked,
    // 0 from read at the end of the file), or -1 with errno set.
    virtual ssize_t read(int fd, std::span<std::uint8_t> into) const;
    virtual ssize_t write(int fd, std::span<const std::uint8_t> bytes) const;
};

// ::read and ::write.
const FileCalls& systemFileCalls();

} // namespace tarvo::io
