#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "cli/batch_converter.h"
#include "cli/output.h"

namespace velmar {

// Converts batch requests a chunk of lines at a time, on as many processors
// as the program may run on, and writes the replies in the order of the
// requests. A large file takes a fraction of the time one processor needs;
// with one processor, or one chunk, everything runs on the calling thread.
class BatchPipeline {
public:
    // Lines gathered into one chunk: a few thousand requests, enough to make
    // starting a thread for them cheap.
    static constexpr std::size_t ChunkBytes = std::size_t{256} << 10;

    BatchPipeline(const RegionalMarks& marks, BatchReplyForm form, OutputBuffer& output);
    // Waits for the chunks still being converted; their replies are dropped.
    ~BatchPipeline();
    BatchPipeline(const BatchPipeline&) = delete;
    BatchPipeline& operator=(const BatchPipeline&) = delete;

    // Starts converting `lines`, whole request lines each ending in "\n".
    // A short chunk with nothing else in work is converted at once, on the
    // calling thread. May first write the replies of earlier chunks; throws
    // std::system_error when writing fails.
    void submit(std::string lines);

    // Whether no chunk is in work: every reply submitted is in the output.
    bool idle() const { return inWork_.empty(); }

    // Writes the replies of the oldest chunk in work if it is done within
    // `patience`.
    void writeOldestWithin(std::chrono::milliseconds patience);

    // Writes the replies of every chunk submitted so far and flushes them.
    void finish();

private:
    void writeOldest();

    OutputBuffer& output_;
    // One converter for each chunk that may be in work at once; a chunk
    // takes the converter no chunk still in work holds.
    std::vector<std::unique_ptr<BatchConverter>> converters_;
    std::deque<std::future<std::string>> inWork_;
    std::size_t submitted_ = 0;
};

// The processors this process may run on (its affinity), at least one.
unsigned UsableProcessors();

} // namespace velmar
