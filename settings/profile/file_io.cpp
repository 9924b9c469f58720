#include "settings/profile/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "settings/profile/file_descriptor.h"

namespace velmar {

namespace fs = std::filesystem;

std::optional<std::string> readWholeFile(const fs::path& path, std::size_t maxBytes)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    const FileDescriptor descriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!descriptor.isOpen())
        return std::nullopt;
    lockPatiently(descriptor.get(), LOCK_SH);
    return readToEnd(descriptor.get(), maxBytes);
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
