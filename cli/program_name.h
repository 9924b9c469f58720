#pragma once

namespace velmar {

inline constexpr const char* ProgramName = "velmar-convert";

} // namespace velmar
