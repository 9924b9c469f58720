#include "cli/batch_mode.h"

#include <chrono>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>

#include "cli/batch_pipeline.h"
#include "cli/line_reader.h"
#include "cli/output.h"

namespace velmar {

int RunBatch(const RegionalMarks& marks, BatchReplyForm form)
{
    OutputBuffer& output = StandardOutput();
    LineReader input(STDIN_FILENO);
    std::string chunk;
    try {
        BatchPipeline pipeline(marks, form, output);
        // A program that writes one request and waits for its reply (a
        // coprocess) gets it: everything read so far is answered before
        // waiting for more. Requests that come while chunks are still in work
        // are read on at once, so that a producer only a little slower than
        // the conversion keeps every processor busy.
        input.setBeforeWaiting([&] {
            pipeline.submit(std::exchange(chunk, {}));
            constexpr std::chrono::milliseconds Glance(1);
            while (!pipeline.idle() && !input.inputArrives(std::chrono::milliseconds(0)))
                pipeline.writeOldestWithin(Glance);
            if (pipeline.idle())
                output.flush();
        });
        while (const auto line = input.next()) {
            chunk.append(*line).push_back('\n');
            if (chunk.size() >= BatchPipeline::ChunkBytes)
                pipeline.submit(std::exchange(chunk, {}));
        }
        pipeline.submit(std::exchange(chunk, {}));
        pipeline.finish();
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
