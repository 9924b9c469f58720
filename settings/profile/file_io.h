#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmar {

// The bytes of a regular file of at most `maxBytes` bytes; nothing when the
// file cannot be read, is no regular file or is larger.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// Replaces the file at `path` (the file a symbolic link names, when it is one)
// with `bytes` in one step: they go to a new file in the same directory, are
// flushed to disk, and the new file is renamed over the old one, taking over
// its permissions. On any failure the old file is left as it was and false is
// returned.
bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Creates a directory and its missing parents, accessible by the user alone.
bool createPrivateDirectories(const std::filesystem::path& directory);

} // namespace velmar
