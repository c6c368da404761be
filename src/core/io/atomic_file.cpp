#include "io/atomic_file.h"

#include "io/regular_file.h"
#include "io/write_permission.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo::io {
namespace {

std::string reason(const std::string& path, const char* what, int err)
{
    return path + ": " + what + ": " + std::strerror(err);
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool writeAll(const FileCalls& calls, int fd, std::span<const std::uint8_t> bytes, int& err)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.subspan(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            return false;
        }
        if (n == 0) { // no progress: retrying would spin for ever
            err = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

FileResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                               Overwrite overwrite, const FileCalls& calls)
{
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return {false, path + ": is a directory"};
    if (exists && overwrite == Overwrite::Refuse)
        return {false, path + ": file exists (use --force to replace it)"};
    if (exists && replaceableByUser(path) == Replaceable::ReadOnly)
        return {false, path + ": the file is read-only and was left unchanged", true};

    std::string tmpl = folderOf(path) + "/." + baseOf(path) + ".tmp-XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return {false, reason(path, "cannot create a temporary file", errno)};
    const std::string tmpPath(name.data());

    int err = 0;
    bool ok = writeAll(calls, fd, bytes, err);
    if (ok && ::fsync(fd) != 0) {
        err = errno;
        ok = false;
    }
    // Keep the permissions of the file being replaced; new files get 0644 less umask.
    if (ok) {
        mode_t mode = 0644;
        if (exists) {
            mode = st.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode &= ~mask;
        }
        ::fchmod(fd, mode);
    }
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (ok && ::rename(tmpPath.c_str(), path.c_str()) != 0) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(tmpPath.c_str());
        return {false, reason(path, "cannot be written", err)};
    }
    return {true, {}};
}

FileResult readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::size_t maxBytes,
                         const FileCalls& calls)
{
    RegularFileForReading file(path);
    switch (file.problem()) {
    case OpenProblem::None:
        break;
    case OpenProblem::SystemError:
        return {false, reason(path, "cannot be opened", file.error())};
    case OpenProblem::Directory:
        return {false, path + ": is a directory"};
    case OpenProblem::NotRegular:
        return {false, path + ": is not a regular file (a pipe or a device is not read)"};
    }
    if (file.size() > maxBytes)
        return {false, path + ": file is too large"};
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(file.size()));
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = calls.read(file.fd(), chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return {false, reason(path, "cannot be read", errno)};
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
            return {false, path + ": file is too large"};
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    out = std::move(bytes);
    return {true, {}};
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat sa {}, sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace tarvo::io
