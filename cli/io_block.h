#pragma once

#include <cstddef>

namespace velmar {

// The size of the blocks the command-line converter reads and writes: large
// enough that batch conversion of big files makes few system calls.
inline constexpr std::size_t IoBlockSize = std::size_t{1} << 20;

} // namespace velmar
