// One running copy per user, kept by a kernel file lock (flock) in a folder that only this user can
// write. The kernel drops the lock with the process, so a killed copy never blocks the next start, and
// two starts at the same instant cannot both win. Another user cannot take our lock first: the folder
// is checked to be ours and closed to others.

#include "SingleInstance.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Commands {
namespace {

constexpr const char* kLockFileName = "quenbury-tonalyx.lock";

// A folder fit for the lock: a real directory owned by us that nobody else may write to.
bool IsPrivateFolder(const std::string& path) {
    struct stat info {};
    return !path.empty() && path.front() == '/' && ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

Result<bool> TryLockIn(const std::string& folder) {
    if (!IsPrivateFolder(folder))
        return Fail(ErrorCode::InvalidArgument);
    const std::string path = folder + "/" + kLockFileName;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return Fail(ErrorCode::InvalidArgument);
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return false; // ours now: the descriptor stays open for the life of the process
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    if (busy)
        return true;
    return Fail(ErrorCode::InvalidArgument);
}

} // namespace

Result<bool> TakeSingleInstanceLock() {
    // One folder per user, found from the user's id alone: every copy of this user looks in the same
    // place, whatever its environment says. The user's runtime folder when it is private, else a folder
    // of our own in /tmp.
    const std::string uid = std::to_string(::getuid());
    const std::string runtime = "/run/user/" + uid;
    if (IsPrivateFolder(runtime))
        return TryLockIn(runtime);
    const std::string fallback = "/tmp/quenbury-tonalyx-" + uid;
    if (::mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST)
        return Fail(ErrorCode::InvalidArgument);
    return TryLockIn(fallback);
}

} // namespace Commands
