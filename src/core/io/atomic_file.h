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
#include "io/message_pattern.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::io {

struct FileResult {
    bool ok = false;
    std::string message;      // names the file and the reason when !ok, in English
    messages::Message reason; // the reason alone, for a reader in another language
    bool readOnly = false;    // a write refused because the existing target is read-only
};

// Why a file could not be read or written; %s is what the system said.
namespace file_texts {
inline constexpr std::u16string_view kCannotKeepCopy = u"cannot keep a copy of its old content: %s";
inline constexpr std::u16string_view kCannotWrite = u"cannot be written: %s";
inline constexpr std::u16string_view kOldContentKept = u"%s; its old content is kept in %s";
inline constexpr std::u16string_view kCannotFollow = u"cannot be followed to a file: %s";
inline constexpr std::u16string_view kIsDirectory = u"is a directory";
inline constexpr std::u16string_view kNotRegularFile = u"is not a regular file";
inline constexpr std::u16string_view kExists = u"file exists (use --force to replace it)";
inline constexpr std::u16string_view kReadOnly = u"the file is read-only and was left unchanged";
inline constexpr std::u16string_view kNoTemporaryFile = u"cannot create a temporary file: %s";
inline constexpr std::u16string_view kCannotOpen = u"cannot be opened: %s";
inline constexpr std::u16string_view kNotReadable = u"is not a regular file (a pipe or a device is not read)";
inline constexpr std::u16string_view kTooLarge = u"file is too large";
inline constexpr std::u16string_view kCannotRead = u"cannot be read: %s";
inline constexpr std::array<std::u16string_view, 13> kAll = {
    kCannotKeepCopy, kCannotWrite,     kOldContentKept, kCannotFollow, kIsDirectory, kNotRegularFile, kExists,
    kReadOnly,       kNoTemporaryFile, kCannotOpen,     kNotReadable,  kTooLarge,    kCannotRead};
} // namespace file_texts

enum class Overwrite { Allow, Refuse };

// Writes bytes to path atomically. With Overwrite::Refuse an existing path is
// left alone and reported. An existing target the user may not write (see
// write_permission.h) is never replaced: the result has readOnly set. The
// bytes go out through calls.write.
FileResult writeFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                               Overwrite overwrite = Overwrite::Allow,
                               const FileCalls& calls = systemFileCalls());

// False for a target that exists and is not a regular file (after following
// links: a device, a pipe or a socket), which writeFileAtomically refuses
// with file_texts::kNotRegularFile; for a check before long work.
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
