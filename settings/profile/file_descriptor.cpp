#include "settings/profile/file_descriptor.h"

#include <cerrno>
#include <chrono>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace velmar {

namespace {

constexpr auto LockPatience = std::chrono::seconds(2);
constexpr auto LockRetryInterval = std::chrono::milliseconds(10);

} // namespace

FileDescriptor::FileDescriptor(int descriptor)
    : descriptor_(descriptor)
{ }

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1))
{ }

FileDescriptor::~FileDescriptor()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

bool FileDescriptor::close()
{
    return ::close(std::exchange(descriptor_, -1)) == 0;
}

void lockPatiently(int descriptor, int operation)
{
    const auto deadline = std::chrono::steady_clock::now() + LockPatience;
    while (::flock(descriptor, operation | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(LockRetryInterval);
    }
}

std::optional<std::string> readToEnd(int descriptor, std::size_t maxBytes)
{
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
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

bool writeAllAt(int descriptor, std::string_view bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(descriptor, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

} // namespace velmar
