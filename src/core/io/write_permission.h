#pragma once
// Whether a save may replace an existing file. A save writes a temporary file
// and renames it over the target, which works over a read-only file in a
// writable folder: the protection has to be checked before. The mode bits
// decide, not access(), which always grants the superuser.

#include <string>
#include <sys/types.h>

namespace tarvo::io {

struct FileOwnership {
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

struct UserIdentity {
    uid_t uid = 0;
    bool inFileGroup = false; // the user's effective or a supplementary group is the file's
};

// The write bit of the class the user falls in (owner, group, others). The
// superuser, when not the owner, is refused only a file that no one may write.
bool modeGrantsWrite(const FileOwnership& file, const UserIdentity& user);

enum class Replaceable {
    Yes,      // missing, or the user may write it
    ReadOnly, // the mode bits or the system's permission check refuse it
    Unknown,  // it cannot be examined; the write itself will report why
};

// Examines path for the current process.
Replaceable replaceableByUser(const std::string& path);

} // namespace tarvo::io
