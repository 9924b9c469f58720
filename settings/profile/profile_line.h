#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

// How the settings file's lines are read, one line (without its line end) at
// a time:
// - a section header is a line whose first non-blank character is "[" and
//   that holds a "]"; its name is what lies between them, without blanks
//   around it ("[ Length ]" names Length); anything after the "]" is ignored;
// - inside a section, a key line holds an "=" after a non-empty name; the
//   name is the text before the first "=", without blanks around it, and must
//   not start with "[" or ";" (";" starts a comment);
// - every other line (blank, comment, anything else) is kept but means nothing.

std::optional<std::string_view> sectionHeaderName(std::string_view line);
std::optional<std::string_view> keyLineName(std::string_view line);

// The text after a key line's first "=", as stored.
std::string_view keyLineStoredValue(std::string_view line);

std::string sectionHeaderLine(std::string_view name);
std::string keyLine(std::string_view name, std::string_view storedValue);

// A name as the program asks for it, without blanks around it. Names that no
// line of the file could hold (empty, with a line break, a section name with
// "]", a key name with "=" or starting with "[" or ";") are the program's own
// mistake and throw std::invalid_argument.
std::string_view checkedSectionName(std::string_view name);
std::string_view checkedKeyName(std::string_view name);

} // namespace velmar
