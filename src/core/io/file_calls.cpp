#include "io/file_calls.h"

#include <unistd.h>

namespace tarvo::io {

ssize_t FileCalls::read(int fd, std::span<std::uint8_t> into) const
{
    return ::read(fd, into.data(), into.size());
}

ssize_t FileCalls::write(int fd, std::span<const std::uint8_t> bytes) const
{
    return ::write(fd, bytes.data(), bytes.size());
}

const FileCalls& systemFileCalls()
{
    static const FileCalls calls;
    return calls;
}

} // namespace tarvo::io
