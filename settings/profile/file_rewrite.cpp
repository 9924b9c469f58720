#include "settings/profile/file_rewrite.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "settings/profile/file_descriptor.h"

namespace velmar {

namespace fs = std::filesystem;

namespace {

// The system's own limit on a chain of symbolic links.
constexpr int MaxSymbolicLinks = 40;
// How often the file is opened again when another instance replaced it while
// this one waited for the lock.
constexpr int MaxOpenAttempts = 20;

// The file a chain of symbolic links ends at, which need not exist. A chain
// that is too long, or unreadable, is left to open() to refuse.
fs::path followSymbolicLinks(fs::path path)
{
    for (int link = 0; link < MaxSymbolicLinks; ++link) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Opens the file for reading and writing and locks it. A rename by another
// instance while this one waited leaves the lock on a file no longer there:
// the new one is opened in its place. Anything that is not a regular file is
// never opened, so that a device or a pipe sees no access at all.
FileDescriptor openLocked(const fs::path& target)
{
    for (int attempt = 0; attempt < MaxOpenAttempts; ++attempt) {
        struct stat before { };
        if (::stat(target.c_str(), &before) == 0 && !S_ISREG(before.st_mode))
            break;
        FileDescriptor file(::open(target.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600));
        if (!file.isOpen())
            break;
        lockPatiently(file.get(), LOCK_EX);
        struct stat opened { };
        struct stat now { };
        if (::fstat(file.get(), &opened) == 0 && ::stat(target.c_str(), &now) == 0 && sameFile(opened, now))
            return file;
    }
    return FileDescriptor(-1);
}

bool isWriteProtected(const struct stat& status)
{
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool mayBeReplaced(const fs::path& target, const struct stat& status)
{
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    return status.st_nlink == 1 && ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// Makes the rename itself durable; some file systems cannot sync a directory,
// and the new file is in place either way, so failure is not reported.
void syncDirectory(const fs::path& directory)
{
    const FileDescriptor descriptor(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.isOpen())
        ::fsync(descriptor.get());
}

// Gives a new file the owner and group of `old`, where the process may.
bool takeOwnership(int descriptor, const struct stat& old)
{
    struct stat status { };
    if (::fstat(descriptor, &status) != 0)
        return false;
    return (status.st_uid == old.st_uid && status.st_gid == old.st_gid)
        || ::fchown(descriptor, old.st_uid, old.st_gid) == 0;
}

enum class Replacement { Done, Failed, WouldChangeOwner };

Replacement replaceByRename(const fs::path& target, const struct stat& old, std::string_view bytes)
{
    std::string temporaryName = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    FileDescriptor temporary(::mkostemp(temporaryName.data(), O_CLOEXEC));
    if (!temporary.isOpen())
        return Replacement::Failed;
    // Ownership first: changing it may clear the set-user-ID and
    // set-group-ID bits that the mode then restores.
    Replacement outcome = Replacement::Failed;
    if (!takeOwnership(temporary.get(), old))
        outcome = Replacement::WouldChangeOwner;
    else if (writeAllAt(temporary.get(), bytes, 0) && ::fchmod(temporary.get(), old.st_mode & 07777) == 0
             && ::fsync(temporary.get()) == 0 && temporary.close()
             && ::rename(temporaryName.c_str(), target.c_str()) == 0)
        outcome = Replacement::Done;

    if (outcome == Replacement::Done)
        syncDirectory(target.parent_path());
    else
        ::unlink(temporaryName.c_str());
    return outcome;
}

// The old bytes fit where they were, so putting them back needs no new space
// on a full disk. Only system calls that are safe in a forked child.
bool writeInPlace(int descriptor, std::string_view old, std::string_view bytes)
{
    const auto size = [](std::string_view content) { return static_cast<off_t>(content.size()); };
    if (writeAllAt(descriptor, bytes, 0) && ::ftruncate(descriptor, size(bytes)) == 0 && ::fsync(descriptor) == 0)
        return true;
    if (writeAllAt(descriptor, old, 0) && ::ftruncate(descriptor, size(old)) == 0)
        ::fsync(descriptor);
    return false;
}

// A kill stops a write between two pages, and nothing would then be left to
// undo a half-written file: a child process writes it, which a kill of the
// program does not reach. The child shares the file's lock and holds it until
// it is done, so that other instances read the file before or after, whole.
bool writeInPlaceBeyondAKill(int descriptor, std::string_view old, std::string_view bytes)
{
    const pid_t writer = ::fork();
    if (writer < 0)
        return writeInPlace(descriptor, old, bytes);
    if (writer == 0)
        ::_exit(writeInPlace(descriptor, old, bytes) ? 0 : 1);
    int status = 0;
    while (::waitpid(writer, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

bool rewriteFile(const fs::path& path, std::size_t maxBytes, const FileRewrite& rewrite)
{
    const fs::path target = followSymbolicLinks(path);
    const FileDescriptor file = openLocked(target);
    struct stat status { };
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0 || isWriteProtected(status))
        return false;
    const auto current = readToEnd(file.get(), maxBytes);
    if (!current)
        return false;
    const std::string bytes = rewrite(*current);
    if (bytes == *current)
        return true;
    if (mayBeReplaced(target, status)) {
        const Replacement replaced = replaceByRename(target, status, bytes);
        if (replaced != Replacement::WouldChangeOwner)
            return replaced == Replacement::Done;
    }
    return writeInPlaceBeyondAKill(file.get(), *current, bytes);
}

} // namespace velmar
