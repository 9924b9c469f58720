// Time per reading, per result text in each form, and per whole linear
// conversion. A conversion runs on every keystroke and should stay well
// below 150 ns.
#include <string_view>

#include <benchmark/benchmark.h>

#include "catalogue/unit_catalogue.h"
#include "engine/conversion_dispatch.h"
#include "engine/number_reading.h"
#include "engine/result_formatting.h"
#include "tests/support/unit_positions.h"

namespace velmar {
namespace {

void BM_ReadNumber(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadNumber("1234.5678E-3"));
}
BENCHMARK(BM_ReadNumber);

// state.range(0) is the ViewType.
void BM_FormatResult(benchmark::State& state)
{
    const NumberFormatSetting setting
        = MakeNumberFormatSetting(ResultFormOf(static_cast<std::int32_t>(state.range(0))), 4);
    const RegionalMarks marks;
    Extended value = 1234567.891L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(FormatResult(value, setting, marks));
    }
}
BENCHMARK(BM_FormatResult)
    ->ArgName("ViewType")
    ->DenseRange(ViewTypeOf(ResultForm::AutoFormat), ViewTypeOf(ResultForm::Commas));

void BM_LinearConversion(benchmark::State& state)
{
    const UnitCatalogue catalogue;
    const NumberFormatSetting setting;
    const RegionalMarks marks;
    const int foot = test_support::PositionOf(catalogue, LengthIndex, "foot");
    const int inch = test_support::PositionOf(catalogue, LengthIndex, "inch");
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertInCategory(catalogue, LengthIndex, "5.25", foot, inch, setting, marks));
}
BENCHMARK(BM_LinearConversion);

} // namespace
} // namespace velmar

BENCHMARK_MAIN();
