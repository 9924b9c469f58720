// A 10 MB text pasted into the input box: the box keeps its first 32767
// characters, as every edit box with a limit does, and the result box shows
// the conversion of what the box holds, in every kind of category.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "tests/support/unit_positions.h"
#include "window/converter_window.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"
#include "window/utf8_text.h"

namespace velmar {
namespace {

constexpr int BoxCapacity = 32767;
constexpr int GiantSize = 10 << 20;

TEST(GiantPaste, TheBoxKeepsTheBeginningAndItsResultIsShown)
{
    const struct {
        int Category;
        const char* Source;
        const char* Target;
        const char* Result; // of 32767 zeros
    } cases[] = {
        {LengthIndex, "foot", "inch", "0"},
        {TemperatureIndex, "Celsius", "Fahrenheit", "32"},
        {NumbersIndex, "base-36", "decimal", "0"},
        {FractionsIndex, "", "[im]proper fraction", "0"},
    };
    // Zeros, then a digit the box has no room for.
    QString giant(GiantSize - 1, QLatin1Char('0'));
    giant += QLatin1Char('7');
    QGuiApplication::clipboard()->setText(giant);

    for (const auto& c : cases) {
        const std::string_view caption = categoryInfo(c.Category).DisplayName;
        SCOPED_TRACE(caption);
        Tfrm_Converter window(RegionalMarks{});
        auto* tabs = window.findChild<TabSet*>("TabSet1");
        tabs->setTabIndex(static_cast<int>(tabs->tabs().indexOf(ToQString(caption))));
        window.findChild<UnitListBox*>("lst_In")->setSelectedPosition(
            test_support::PositionOf(window.catalogue(), c.Category, c.Source));
        window.findChild<UnitListBox*>("lst_Out")->setSelectedPosition(
            test_support::PositionOf(window.catalogue(), c.Category, c.Target));
        auto* input = window.findChild<UpperCaseLineEdit*>("txt_In");

        input->paste();

        EXPECT_EQ(input->text(), giant.left(BoxCapacity));
        EXPECT_EQ(window.findChild<QLineEdit*>("txt_Out")->text(), QLatin1String(c.Result));
        EXPECT_EQ(window.converterState().Memory[c.Category].ValueIn.size(), std::size_t{BoxCapacity});
    }
}

} // namespace
} // namespace velmar
