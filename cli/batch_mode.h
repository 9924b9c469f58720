#pragma once

#include "cli/batch_converter.h"
#include "engine/number_format.h"

namespace velmar {

// Converts every line of standard input to one line of standard output, in
// the reply form asked for.
// Returns the exit status: 0, or 1 when the input cannot be read or the
// output cannot be written (reported on standard error).
int RunBatch(const RegionalMarks& marks, BatchReplyForm form);

} // namespace velmar
