#pragma once

#include <string_view>

namespace velmar {

// What --help prints.
std::string_view HelpText();

// What --version prints: one line, e.g. "velmar-convert 1.73".
std::string_view VersionText();

} // namespace velmar
