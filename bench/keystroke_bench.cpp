#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include "window/converter_window.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"

// The time from a keystroke in the input box to the updated result: the key
// filter, the upper-casing, the change event, the dispatcher and the result
// box. Keystrokes alternate between typing a digit and Backspace, so the
// input stays short and every key converts.
namespace velmar {
namespace {

struct Keystrokes {
    const char* Category;
    int SourcePosition;
    int TargetPosition;
    const char* Input;
};

void runKeystrokes(benchmark::State& state, const Keystrokes& keystrokes, bool repaint)
{
    Tfrm_Converter window(RegionalMarks{});
    window.show();
    auto* tabs = window.findChild<TabSet*>("TabSet1");
    tabs->setTabIndex(static_cast<int>(tabs->tabs().indexOf(keystrokes.Category)));
    window.findChild<UnitListBox*>("lst_In")->setSelectedPosition(keystrokes.SourcePosition);
    window.findChild<UnitListBox*>("lst_Out")->setSelectedPosition(keystrokes.TargetPosition);
    auto* input = window.findChild<UpperCaseLineEdit*>("txt_In");
    input->setTextAsGiven(keystrokes.Input);
    QCoreApplication::processEvents();

    bool typeDigit = true;
    for (auto _ : state) {
        QTest::keyClick(input, typeDigit ? Qt::Key_7 : Qt::Key_Backspace);
        typeDigit = !typeDigit;
        if (repaint)
            QCoreApplication::processEvents();
    }
    if (window.findChild<QLineEdit*>("txt_Out")->text().isEmpty())
        state.SkipWithError("no result was shown");
}

const Keystrokes linear{"Length", 19, 21, "12.5"};
const Keystrokes numbers{"Numbers", 3, 2, "1F"};

void BM_KeystrokeLinear(benchmark::State& state)
{
    runKeystrokes(state, linear, false);
}
void BM_KeystrokeLinearWithRepaint(benchmark::State& state)
{
    runKeystrokes(state, linear, true);
}
void BM_KeystrokeNumbers(benchmark::State& state)
{
    runKeystrokes(state, numbers, false);
}

BENCHMARK(BM_KeystrokeLinear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeLinearWithRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeNumbers)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace velmar
