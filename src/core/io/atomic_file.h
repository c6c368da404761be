#pragma once
// Files are written to a temporary file in the target's folder, flushed,
// closed and renamed over the target only when complete. On any failure only
// the temporary file is removed: an existing target is never touched. A
// target that is not a regular file (a device, a pipe, a socket), also behind
// links, is refused before anything is written.
// A symbolic link is followed to the file it names, which is the one written
// (the link stays a link). A file with more than one hard link is written in
// place so that every name sees the new content; its old content is kept in
// a copy beside it until the new content is complete.

#include "io/file_calls.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::io {

struct FileResult {
    bool ok = false;
    std::string message;   // names the file and the reason when !ok
    bool readOnly = false; // a write refused because the existing target is read-only
};

enum class Overwrite { Allow, Refuse };

// Writes bytes to path atomically. With Overwrite::Refuse an existing path is
// left alone and reported. An existing target the user may not write (see
// write_permission.h) is never replaced: the result has readOnly set. The
// bytes go out through calls.write.
FileResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                               Overwrite overwrite = Overwrite::Allow,
                               const FileCalls& calls = systemFileCalls());

// Why writeFileAtomically refuses a target that exists and is not a regular
// file (after following links): a device, a pipe or a socket.
inline constexpr const char* kNotRegularFile = "is not a regular file";
// False for such a target, for a check before long work.
bool isWritableKind(const std::string& path);

// Reads a whole regular file, refusing directories, pipes, devices and files
// over maxBytes. The open does not wait for a pipe's writer. A failed read
// anywhere in the file fails the whole read; out is replaced only on success.
FileResult readWholeFile(const std::string& path, std::vector<std::uint8_t>& out,
                         std::size_t maxBytes = std::size_t(64) << 20,
                         const FileCalls& calls = systemFileCalls());

// True when both paths name the same existing file.
bool sameFile(const std::string& a, const std::string& b);

} // namespace tarvo::io
