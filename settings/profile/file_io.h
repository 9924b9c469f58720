#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace velmar {

// The bytes of a regular file of at most `maxBytes` bytes, read under a
// shared lock (see lockPatiently()), so that a save writing it in place is
// never seen half done; nothing when the file cannot be read, is no regular
// file or is larger.
std::optional<std::string> readWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// Creates a directory and its missing parents, accessible by the user alone.
bool createPrivateDirectories(const std::filesystem::path& directory);

} // namespace velmar
