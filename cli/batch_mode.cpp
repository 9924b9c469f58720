#include "cli/batch_mode.h"

#include <system_error>
#include <unistd.h>

#include "cli/line_reader.h"
#include "cli/output.h"

namespace velmar {

int RunBatch(const RegionalMarks& marks, BatchReplyForm form)
{
    const BatchConverter converter(marks, form);
    LineReader input(STDIN_FILENO);
    OutputBuffer& output = StandardOutput();
    try {
        while (const auto line = input.next()) {
            converter.convertLine(*line, output.text());
            output.writeIfFull();
        }
        output.flush();
    } catch (const std::system_error& failure) {
        // A failure ends the run: the lines already converted but not yet
        // written are lost, which a caller sees from the exit status.
        output.discard();
        WriteToStandardError(ProgramMessage(failure.what()));
        return 1;
    }
    return 0;
}

} // namespace velmar
