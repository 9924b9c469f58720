#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/converter_window_fixture.h"

namespace velmar {
namespace {

class UnitSortingTest : public ConverterWindowTest {
protected:
    QAction* sortItem() { return control<QAction>("mnu_SortUnitLists1"); }

    int positionOf(const UnitListBox* list, const char* name) { return static_cast<int>(list->items().indexOf(name)); }

    void convert(const char* source, const char* target, const char* input)
    {
        lstIn->setSelectedPosition(positionOf(lstIn, source));
        lstOut->setSelectedPosition(positionOf(lstOut, target));
        txtIn->setTextAsGiven(input);
    }
};

TEST_F(UnitSortingTest, TheShortcutSortsEveryListAndForgetsAllInput)
{
    showWindow();
    memory(MassIndex) = {"8", 1, 2};
    convert("foot", "inch", "5");
    QTest::keyClick(txtIn, Qt::Key_S, Qt::ControlModifier);

    EXPECT_TRUE(sortItem()->isChecked());
    EXPECT_EQ(lstIn->items().first(), "angstrom");
    EXPECT_EQ(lstOut->items(), lstIn->items());
    EXPECT_EQ(lstIn->selectedPosition(), -1);
    EXPECT_EQ(lstOut->selectedPosition(), -1);
    EXPECT_EQ(txtIn->text(), "");
    EXPECT_EQ(txtOut->text(), "");
    for (int category = 0; category < CategoryCount; ++category) {
        EXPECT_EQ(memory(category).ValueIn, "") << category;
        EXPECT_EQ(memory(category).FormatIn, -1) << category;
        EXPECT_EQ(memory(category).FormatOut, -1) << category;
    }
}

TEST_F(UnitSortingTest, SortedListsConvertWithTheUnitsShown)
{
    const struct {
        int Category;
        const char* Source;
        const char* Target;
        const char* Input;
        const char* Result;
    } cases[] = {
        {LengthIndex, "kilometer", "meter", "1", "1000"},
        {NumbersIndex, "base-10", "base-16", "255", "FF"},
        {FractionsIndex, "", "[im]proper fraction", "1.5", "3/2"},
        {TemperatureIndex, "Réaumur", "Celsius", "80", "100"},
    };
    window->mnu_SortUnitLists1Click(sortItem());
    for (const auto& c : cases) {
        tabSet->setTabIndex(c.Category);
        convert(c.Source, c.Target, c.Input);
        EXPECT_EQ(txtOut->text(), c.Result) << c.Source << " to " << c.Target;
    }
}

TEST_F(UnitSortingTest, SortingOffAgainRestoresCatalogueOrderExactly)
{
    const UnitCatalogue original;
    tabSet->setTabIndex(TemperatureIndex);
    window->mnu_SortUnitLists1Click(sortItem());
    convert("Kelvin", "Celsius", "0");
    window->mnu_SortUnitLists1Click(sortItem());

    EXPECT_FALSE(sortItem()->isChecked());
    for (int category = 0; category < CategoryCount; ++category) {
        const auto& table = catalogue().table(category);
        ASSERT_EQ(table.size(), original.table(category).size());
        for (std::size_t i = 0; i < table.size(); ++i) {
            EXPECT_EQ(table[i].Name, original.table(category)[i].Name) << category;
            EXPECT_EQ(table[i].Factor, original.table(category)[i].Factor) << category;
        }
        EXPECT_EQ(window->unitNameList(category).size(), original.tableSize(category));
    }
    EXPECT_EQ(tabSet->tabIndex(), TemperatureIndex);
    EXPECT_EQ(lstIn->items().first(), "Celsius");
    EXPECT_EQ(txtIn->text(), "");
    EXPECT_EQ(memory(TemperatureIndex).FormatIn, -1);
}

} // namespace
} // namespace velmar
