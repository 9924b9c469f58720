#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace velmar {

// An open file, closed when it goes.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor);
    FileDescriptor(FileDescriptor&& other) noexcept;
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&&) = delete;

    int get() const { return descriptor_; }
    bool isOpen() const { return descriptor_ >= 0; }

    // Closing can report a write that failed late, so its result counts.
    bool close();

private:
    int descriptor_;
};

// Takes a shared (LOCK_SH) or exclusive (LOCK_EX) flock() lock on the file,
// which closing the last descriptor of its opening releases. Saves and loads
// of the program's instances take it; other programs do not. A holder that
// never lets go (a hung process) delays the caller by two seconds at most,
// after which it goes on without the lock, as on a file system that has none.
void lockPatiently(int descriptor, int operation);

// The bytes from the descriptor's position to the end; nothing when reading
// fails or they are more than `maxBytes`.
std::optional<std::string> readToEnd(int descriptor, std::size_t maxBytes);

// Writes all of `bytes` from `offset` on, in as many writes as it takes.
bool writeAllAt(int descriptor, std::string_view bytes, off_t offset);

} // namespace velmar
