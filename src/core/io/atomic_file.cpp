#include "io/atomic_file.h"

#include "templates/utf_text.h"

#include "io/regular_file.h"
#include "io/write_permission.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo::io {
namespace {

// As the system's own limit on links followed while resolving one path.
constexpr int kMaxLinkHops = 40;
constexpr const char* kTemporarySuffix = ".tmp-";
constexpr const char* kOldCopySuffix = ".old-";

namespace texts = file_texts;

// A failure naming the file: the reason in English after it, for the tool.
FileResult failure(const std::string& named, messages::Message why, bool readOnly = false)
{
    FileResult result;
    result.message = named + ": " + templates::utf16ToUtf8(why.text());
    result.reason = std::move(why);
    result.readOnly = readOnly;
    return result;
}

// What the system said about err: data.
messages::Message said(std::u16string_view pattern, int err)
{
    return messages::Message(pattern, {templates::utf8ToUtf16(std::strerror(err))});
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

// Follows symbolic links from given to the file they name (which may not
// exist yet: a save through a dangling link creates it). 0, or the errno.
int followLinks(const std::string& given, std::string& target)
{
    target = given;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return 0;
        std::vector<char> link(static_cast<std::size_t>(PATH_MAX) + 1);
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0)
            return errno;
        if (static_cast<std::size_t>(n) >= link.size())
            return ENAMETOOLONG;
        const std::string named(link.data(), static_cast<std::size_t>(n));
        target = named.front() == '/' ? named : folderOf(target) + "/" + named;
    }
    return ELOOP;
}

// Creates a new file beside path named ".<name><suffix>XXXXXX"; its descriptor or -1.
int makeSibling(const std::string& path, const char* suffix, std::string& created)
{
    const std::string tmpl = folderOf(path) + "/." + baseOf(path) + suffix + "XXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd >= 0)
        created = name.data();
    return fd;
}

// Writes bytes over the start of the open file and cuts it to their length.
bool overwrite(const FileCalls& calls, int fd, std::span<const std::uint8_t> bytes, int& err)
{
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        err = errno;
        return false;
    }
    if (!writeAll(calls, fd, bytes, err))
        return false;
    if (::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || ::fsync(fd) != 0) {
        err = errno;
        return false;
    }
    return true;
}

// A whole new file beside path holding bytes; false with err when it cannot be made.
bool writeCopy(const FileCalls& calls, const std::string& path, std::span<const std::uint8_t> bytes,
               std::string& copy, int& err)
{
    const int fd = makeSibling(path, kOldCopySuffix, copy);
    if (fd < 0) {
        err = errno;
        return false;
    }
    bool ok = writeAll(calls, fd, bytes, err);
    if (ok && ::fsync(fd) != 0) {
        err = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (!ok)
        ::unlink(copy.c_str());
    return ok;
}

// A file with several names is written in place so that every name sees the
// new content. Its old content waits in a copy beside it until the new
// content is complete; a failed write puts the old content back, and when
// even that fails the copy stays and the message names it.
FileResult rewriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes,
                          const FileCalls& calls)
{
    std::vector<std::uint8_t> old;
    const FileResult read = readWholeFile(path, old, std::numeric_limits<std::size_t>::max(), calls);
    if (!read.ok)
        return read;
    std::string copy;
    int err = 0;
    if (!writeCopy(calls, path, old, copy, err))
        return failure(path, said(texts::kCannotKeepCopy, err));

    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        ::unlink(copy.c_str());
        return failure(path, said(texts::kCannotWrite, err));
    }
    bool ok = overwrite(calls, fd, bytes, err);
    int restoreErr = 0;
    const bool restored = !ok && overwrite(calls, fd, old, restoreErr);
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (ok || restored) {
        ::unlink(copy.c_str());
        return ok ? FileResult{true, {}, {}, false} : failure(path, said(texts::kCannotWrite, err));
    }
    return failure(path, messages::Message(texts::kOldContentKept,
                                           {said(texts::kCannotWrite, err), templates::utf8ToUtf16(copy)}));
}

} // namespace

bool isWritableKind(const std::string& path)
{
    // The rename would put a regular file in the place of a device, a pipe or
    // a socket. stat follows the links, as the save does.
    struct stat st {};
    return ::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode) || S_ISDIR(st.st_mode);
}

FileResult writeFileAtomically(const std::string& given, std::span<const std::uint8_t> bytes,
                               Overwrite overwrite, const FileCalls& calls)
{
    std::string path;
    if (const int err = followLinks(given, path); err != 0)
        return failure(given, said(texts::kCannotFollow, err));
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return failure(path, texts::kIsDirectory);
    if (!isWritableKind(given))
        return failure(given, texts::kNotRegularFile);
    if (exists && overwrite == Overwrite::Refuse)
        return failure(path, texts::kExists);
    if (exists && replaceableByUser(path) == Replaceable::ReadOnly)
        return failure(path, texts::kReadOnly, true);
    // A rename would give the new content to this name only.
    if (exists && S_ISREG(st.st_mode) && st.st_nlink > 1)
        return rewriteInPlace(path, bytes, calls);

    std::string tmpPath;
    const int fd = makeSibling(path, kTemporarySuffix, tmpPath);
    if (fd < 0)
        return failure(path, said(texts::kNoTemporaryFile, errno));

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
        return failure(path, said(texts::kCannotWrite, err));
    }
    return {true, {}, {}, false};
}

FileResult readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::size_t maxBytes,
                         const FileCalls& calls)
{
    RegularFileForReading file(path);
    switch (file.problem()) {
    case OpenProblem::None:
        break;
    case OpenProblem::SystemError:
        return failure(path, said(texts::kCannotOpen, file.error()));
    case OpenProblem::Directory:
        return failure(path, texts::kIsDirectory);
    case OpenProblem::NotRegular:
        return failure(path, texts::kNotReadable);
    }
    if (file.size() > maxBytes)
        return failure(path, texts::kTooLarge);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(file.size()));
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t n = calls.read(file.fd(), chunk);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failure(path, said(texts::kCannotRead, errno));
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
            return failure(path, texts::kTooLarge);
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    out = std::move(bytes);
    return {true, {}, {}, false};
}

bool sameFile(const std::string& a, const std::string& b)
{
    struct stat sa {
    }, sb{};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace tarvo::io
