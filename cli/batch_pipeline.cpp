#include "cli/batch_pipeline.h"

#include <algorithm>
#include <sched.h>
#include <thread>
#include <utility>

namespace velmar {
namespace {

// More would only hold more chunks in memory on a machine this wide.
constexpr unsigned MostThreads = 16;

} // namespace

unsigned UsableProcessors()
{
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (::sched_getaffinity(0, sizeof allowed, &allowed) == 0)
        return static_cast<unsigned>(std::max(1, CPU_COUNT(&allowed)));
    return std::max(1u, std::thread::hardware_concurrency());
}

BatchPipeline::BatchPipeline(const RegionalMarks& marks, BatchReplyForm form, OutputBuffer& output)
    : output_(output)
{
    const unsigned threads = std::min(UsableProcessors(), MostThreads);
    for (unsigned i = 0; i < threads; ++i)
        converters_.push_back(std::make_unique<BatchConverter>(marks, form));
}

BatchPipeline::~BatchPipeline()
{
    for (std::future<std::string>& chunk : inWork_)
        chunk.wait();
}

void BatchPipeline::submit(std::string lines)
{
    if (lines.empty())
        return;
    if (converters_.size() == 1 || (idle() && lines.size() < ChunkBytes)) {
        converters_.front()->convertLines(lines, output_.text());
        output_.writeIfFull();
        return;
    }
    if (inWork_.size() == converters_.size())
        writeOldest();
    const BatchConverter& converter = *converters_[submitted_++ % converters_.size()];
    inWork_.push_back(std::async(std::launch::async, [&converter, lines = std::move(lines)] {
        std::string replies;
        replies.reserve(lines.size());
        converter.convertLines(lines, replies);
        return replies;
    }));
}

void BatchPipeline::writeOldestWithin(std::chrono::milliseconds patience)
{
    if (!idle() && inWork_.front().wait_for(patience) == std::future_status::ready)
        writeOldest();
}

void BatchPipeline::writeOldest()
{
    output_.write(inWork_.front().get());
    inWork_.pop_front();
    output_.writeIfFull();
}

void BatchPipeline::finish()
{
    while (!inWork_.empty())
        writeOldest();
    output_.flush();
}

} // namespace velmar
