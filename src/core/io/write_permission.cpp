#include "io/write_permission.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarvo::io {
namespace {

constexpr uid_t kSuperuser = 0;
constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

bool userInGroup(gid_t group)
{
    if (::getegid() == group)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    const int got = ::getgroups(count, groups.data());
    for (int i = 0; i < got; ++i)
        if (groups[static_cast<std::size_t>(i)] == group)
            return true;
    return false;
}

} // namespace

bool modeGrantsWrite(const FileOwnership& file, const UserIdentity& user)
{
    if (user.uid == file.owner)
        return (file.mode & S_IWUSR) != 0;
    if (user.uid == kSuperuser)
        return (file.mode & kAnyWriteBit) != 0;
    if (user.inFileGroup)
        return (file.mode & S_IWGRP) != 0;
    return (file.mode & S_IWOTH) != 0;
}

Replaceable replaceableByUser(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == ENOENT ? Replaceable::Yes : Replaceable::Unknown;
    const FileOwnership file{st.st_mode, st.st_uid, st.st_gid};
    const UserIdentity user{::geteuid(), userInGroup(st.st_gid)};
    if (!modeGrantsWrite(file, user))
        return Replaceable::ReadOnly;
    // Access lists, a read-only mount and the like: the system's own check.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 &&
        (errno == EACCES || errno == EPERM || errno == EROFS))
        return Replaceable::ReadOnly;
    return Replaceable::Yes;
}

} // namespace tarvo::io
