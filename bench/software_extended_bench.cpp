// The arithmetic of a linear conversion, value / sourceFactor * targetFactor,
// on the machine's long double and on SoftwareExtended: what computing
// without an x87 unit costs. The engine's own ConvertByFactors, fault checks
// included, runs beside them for scale.
#include <cstddef>
#include <vector>

#include <benchmark/benchmark.h>

#include "catalogue/unit_catalogue.h"
#include "engine/linear_arithmetic.h"
#include "engine/software_extended.h"

namespace velmar {
namespace {

// The Length factors, and inputs of many magnitudes made from them.
template <typename Number>
struct Operands {
    Operands()
    {
        const UnitCatalogue catalogue;
        for (const UnitEntry& unit : catalogue.table(LengthIndex)) {
            Factors.push_back(unit.Factor);
            Values.push_back(unit.Factor * 5.25L);
        }
    }

    std::vector<Number> Factors;
    std::vector<Number> Values;
};

// Each step walks the tables at a different stride, so that neither the
// operands nor the result repeat in a pattern the branch predictor learns.
template <typename Number, typename Convert>
void RunConversions(benchmark::State& state, Convert convert)
{
    const Operands<Number> operands;
    const std::size_t count = operands.Factors.size();
    std::size_t step = 0;
    for (auto _ : state) {
        const Number& value = operands.Values[step % count];
        const Number& source = operands.Factors[(step * 7 + 3) % count];
        const Number& target = operands.Factors[(step * 13 + 5) % count];
        benchmark::DoNotOptimize(convert(value, source, target));
        ++step;
    }
}

template <typename Number>
void BM_ConversionArithmetic(benchmark::State& state)
{
    RunConversions<Number>(state, [](Number value, Number source, Number target) { return value / source * target; });
}
BENCHMARK_TEMPLATE(BM_ConversionArithmetic, long double);
BENCHMARK_TEMPLATE(BM_ConversionArithmetic, SoftwareExtended);

void BM_ConvertByFactors(benchmark::State& state)
{
    RunConversions<Extended>(state, ConvertByFactors);
}
BENCHMARK(BM_ConvertByFactors);

} // namespace
} // namespace velmar

BENCHMARK_MAIN();
