// Giant inputs: the time from a 10 MB text to its result, for each kind of
// category (linear, Temperature, Numbers, Fractions). The converters alone
// take the whole text, at several sizes so that the time is seen to grow
// linearly; the window takes it as a user pastes it into the input box,
// which holds at most 32767 characters and keeps the beginning of the text.
// Target: under 50 ms for 10 MB.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include <string>
#include <string_view>
#include <utility>

#include <benchmark/benchmark.h>

#include "catalogue/unit_catalogue.h"
#include "engine/conversion_dispatch.h"
#include "tests/support/unit_positions.h"
#include "window/converter_window.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"
#include "window/utf8_text.h"

namespace velmar {
namespace {

constexpr int Megabyte = 1 << 20;

struct GiantCase {
    int Category;
    std::string_view Source; // empty: no source list (Fractions)
    std::string_view Target;
    char Filler;             // the text: this character over and over ...
    std::string_view Ending; // ... then this, so the whole text must be read
};

// Leading zeros keep every reader going to the end of the text, where the
// value is decided.
const GiantCase Linear{LengthIndex, "foot", "inch", '0', ".5"};
const GiantCase Temperature{TemperatureIndex, "Celsius", "Fahrenheit", '0', ".5"};
const GiantCase Numbers{NumbersIndex, "base-36", "decimal", '0', "Z"};
const GiantCase Fractions{FractionsIndex, "", "[im]proper fraction", '0', ".5"};

std::string giantText(const GiantCase& giant, std::size_t size)
{
    std::string text(size - giant.Ending.size(), giant.Filler);
    text += giant.Ending;
    return text;
}

void BM_ConverterTakesGiantInput(benchmark::State& state, const GiantCase& giant)
{
    const UnitCatalogue catalogue;
    const NumberFormatSetting setting;
    const RegionalMarks marks;
    const std::string text = giantText(giant, static_cast<std::size_t>(state.range(0)));
    const int source = test_support::PositionOf(catalogue, giant.Category, giant.Source);
    const int target = test_support::PositionOf(catalogue, giant.Category, giant.Target);
    ConversionResult result;
    for (auto _ : state) {
        result = ConvertInCategory(catalogue, giant.Category, text, source, target, setting, marks);
        benchmark::DoNotOptimize(result);
    }
    if (result.Text.empty() || result.IsError())
        state.SkipWithError(("unexpected result: " + result.Text).c_str());
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

template <typename Control>
Control* control(Tfrm_Converter& window, const char* name)
{
    return window.findChild<Control*>(QLatin1String(name));
}

// Pastes the text over an empty input box of a shown window and waits for
// the result to be painted.
void BM_WindowTakesGiantPaste(benchmark::State& state, const GiantCase& giant)
{
    Tfrm_Converter window(RegionalMarks{});
    window.show();
    auto* tabs = control<TabSet>(window, "TabSet1");
    const QString caption = ToQString(categoryInfo(giant.Category).DisplayName);
    tabs->setTabIndex(static_cast<int>(tabs->tabs().indexOf(caption)));
    control<UnitListBox>(window, "lst_In")
        ->setSelectedPosition(test_support::PositionOf(window.catalogue(), giant.Category, giant.Source));
    control<UnitListBox>(window, "lst_Out")
        ->setSelectedPosition(test_support::PositionOf(window.catalogue(), giant.Category, giant.Target));
    auto* input = control<UpperCaseLineEdit>(window, "txt_In");
    auto* result = control<QLineEdit>(window, "txt_Out");
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(giantText(giant, static_cast<std::size_t>(state.range(0)))));
    QCoreApplication::processEvents();

    for (auto _ : state) {
        state.PauseTiming();
        input->setTextAsGiven({});
        QCoreApplication::processEvents();
        state.ResumeTiming();
        input->paste();
        QCoreApplication::processEvents();
    }
    if (result->text().isEmpty())
        state.SkipWithError("no result was shown");
    state.counters["characters_kept"] = static_cast<double>(input->text().size());
}

bool registerBenchmarks()
{
    const std::pair<std::string, const GiantCase&> cases[]
        = {{"Linear", Linear}, {"Temperature", Temperature}, {"Numbers", Numbers}, {"Fractions", Fractions}};
    for (const auto& [name, giant] : cases) {
        benchmark::RegisterBenchmark(("BM_ConverterTakesGiantInput/" + name).c_str(), BM_ConverterTakesGiantInput,
                                     giant)
            ->Unit(benchmark::kMillisecond)
            ->Arg(Megabyte)
            ->Arg(4 * Megabyte)
            ->Arg(10 * Megabyte)
            ->Complexity(benchmark::oN);
    }
    for (const auto& [name, giant] : cases) {
        benchmark::RegisterBenchmark(("BM_WindowTakesGiantPaste/" + name).c_str(), BM_WindowTakesGiantPaste, giant)
            ->Unit(benchmark::kMillisecond)
            ->Arg(10 * Megabyte);
    }
    return true;
}

// Registered before main() runs, as BENCHMARK() registers.
[[maybe_unused]] const bool Registered = registerBenchmarks();

} // namespace
} // namespace velmar
