#pragma once

#include <string>

#include "packaging/completion/completion_words.h"

namespace velmar {

// The completion files of velmar-convert, whole. Each completes the options
// and their values, the old form CATEGORY FROM TO VALUE (the units of the
// category named first) and queries (every unit name, and "to" or "in" after
// a source unit), and leaves quoting to the shell's own rules.
std::string BashCompletionScript(const CompletionWords& words);
std::string ZshCompletionScript(const CompletionWords& words);
std::string FishCompletionScript(const CompletionWords& words);

} // namespace velmar
