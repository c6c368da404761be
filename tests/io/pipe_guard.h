#pragma once
// Runs a read that must not wait on a pipe, so that a test fails instead of
// hanging when it does: after a generous limit a writer is opened on the
// pipe, which lets a blocked open go on, and the read is reported as stuck.

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo::test {

inline constexpr std::chrono::seconds kPipeReadLimit{20};

// Makes a FIFO at path; false when it cannot.
inline bool makePipe(const std::string& path)
{
    return ::mkfifo(path.c_str(), 0600) == 0;
}

// True when read finished within the limit.
inline bool finishesWithoutAWriter(const std::string& pipePath, const std::function<void()>& read)
{
    auto done = std::async(std::launch::async, read);
    if (done.wait_for(kPipeReadLimit) == std::future_status::ready)
        return true;
    // Unblock the reader: open the other end and close it at once (end of file).
    const int writer = ::open(pipePath.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (writer >= 0)
        ::close(writer);
    done.wait();
    return false;
}

} // namespace tarvo::test
