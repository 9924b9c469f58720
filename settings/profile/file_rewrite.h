#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace velmar {

// Makes a file's new bytes from the bytes it holds now (empty for a new file).
using FileRewrite = std::function<std::string(std::string_view current)>;

// Rewrites the file at `path` from what it holds at this moment, under an
// exclusive lock (see lockPatiently()), so that another instance's rewrite
// comes wholly before or after this one and neither loses the other's
// changes. A symbolic link is followed to its target, which is created when
// missing; a missing file is created, private to the user.
//
// The new bytes normally go to a new file in the same folder, which is
// flushed to disk, takes the old file's mode, owner and group, and is renamed
// over it: a reader sees the old or the new bytes whole, and a crash leaves
// one of them. Where a new file could not take the old one's place unnoticed
// (the file has other hard links, its folder cannot be written, or a new
// file could not get its owner or group) the file is written in place
// instead: all the new bytes in one series of writes, then cut to their
// length and flushed; if writing fails, the old bytes are put back. A child
// process does that write, so that killing the program cannot stop it
// halfway; it holds the lock until it is done, so an instance reading the
// file sees it whole. A power failure during it can still leave a mixture.
//
// Nothing is written, and false is returned, when the file is no regular
// file, cannot be read, is larger than `maxBytes`, or may not be written:
// without write permission for the process, or, for root, which may write any
// file, without any write bit, since that protection is deliberate. Also
// false when writing fails; the file then holds its old bytes.
bool rewriteFile(const std::filesystem::path& path, std::size_t maxBytes, const FileRewrite& rewrite);

} // namespace velmar
