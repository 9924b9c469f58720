#include "settings/profile/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace velmar {

namespace fs = std::filesystem;

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor)
        : descriptor_(descriptor)
    { }
    ~FileDescriptor()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return descriptor_; }
    bool isOpen() const { return descriptor_ >= 0; }

    // Closing can report a write that failed late, so its result counts.
    bool close() { return ::close(std::exchange(descriptor_, -1)) == 0; }

private:
    int descriptor_;
};

bool writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; some file systems cannot sync a directory,
// and the new file is in place either way, so failure is not reported.
void syncDirectory(const fs::path& directory)
{
    const FileDescriptor descriptor(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.isOpen())
        ::fsync(descriptor.get());
}

fs::path resolvedTarget(const fs::path& path)
{
    std::error_code error;
    const fs::path resolved = fs::canonical(path, error);
    return error ? path : resolved;
}

// The new file gets the old one's permission bits; a new file stays 0600.
bool copyPermissions(const fs::path& from, int toDescriptor)
{
    struct stat status { };
    if (::stat(from.c_str(), &status) != 0)
        return errno == ENOENT;
    return ::fchmod(toDescriptor, status.st_mode & 07777) == 0;
}

} // namespace

std::optional<std::string> readWholeFile(const fs::path& path, std::size_t maxBytes)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    const FileDescriptor descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!descriptor.isOpen())
        return std::nullopt;
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(descriptor.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(count));
        if (bytes.size() > maxBytes)
            return std::nullopt;
    }
}

bool replaceFileAtomically(const fs::path& path, std::string_view bytes)
{
    const fs::path target = resolvedTarget(path);
    std::string temporaryName = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    FileDescriptor temporary(::mkostemp(temporaryName.data(), O_CLOEXEC));
    if (!temporary.isOpen())
        return false;
    const bool written = writeAll(temporary.get(), bytes) && copyPermissions(target, temporary.get())
        && ::fsync(temporary.get()) == 0 && temporary.close() && ::rename(temporaryName.c_str(), target.c_str()) == 0;
    if (!written) {
        ::unlink(temporaryName.c_str());
        return false;
    }
    syncDirectory(target.parent_path());
    return true;
}

bool createPrivateDirectories(const fs::path& directory)
{
    std::error_code error;
    if (directory.empty() || fs::is_directory(directory, error))
        return true;
    const fs::path parent = directory.parent_path();
    if (parent != directory && !createPrivateDirectories(parent))
        return false;
    return ::mkdir(directory.c_str(), 0700) == 0 || (errno == EEXIST && fs::is_directory(directory, error));
}

} // namespace velmar
