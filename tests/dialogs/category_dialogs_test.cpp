#include <QAbstractButton>
#include <QListWidget>

#include <gtest/gtest.h>

#include "dialogs/arrange_units_dialog.h"
#include "dialogs/choose_units_dialog.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/qt_printing.h"
#include "tests/support/widget_clicks.h"
#include "widgets/font_choice.h"
#include "widgets/list_rows.h"

using namespace velmar;
using velmar::test_support::ClickButton;
using velmar::test_support::ClickRow;
using velmar::test_support::DoubleClickRow;
using velmar::test_support::ModalWatcher;

namespace {

const QStringList CatalogueOrder = {
    "Length",
    "Area",
    "Volume",
    "Volume - Dry",
    "Time",
    "Speed",
    "Mass",
    "Density",
    "Force",
    "Energy",
    "Power",
    "Pressure",
    "Flow",
    "Temperature",
    "Angle",
    "Light",
    "Numbers",
    "Fractions",
    "Dynamic Viscosity",
    "Kinematic Viscosity",
    "Conductivity",
    "Thermal Conductivity",
};

const QStringList SortedOrder = {
    "Angle",
    "Area",
    "Conductivity",
    "Density",
    "Dynamic Viscosity",
    "Energy",
    "Flow",
    "Force",
    "Fractions",
    "Kinematic Viscosity",
    "Length",
    "Light",
    "Mass",
    "Numbers",
    "Power",
    "Pressure",
    "Speed",
    "Temperature",
    "Thermal Conductivity",
    "Time",
    "Volume",
    "Volume - Dry",
};

QStringList Reversed(QStringList names)
{
    std::reverse(names.begin(), names.end());
    return names;
}

QListWidget& ListOf(QWidget& dialog)
{
    return *dialog.findChild<QListWidget*>(QStringLiteral("lst_Units"));
}

TEST(ChooseCategoryDialog, ListsTheTabsInTheTextFontWithTheShownTabSelected)
{
    FontChoice textFont = DefaultTextFont();
    textFont.Font.setItalic(true);
    textFont.Colour = Qt::darkGreen;
    Tfrm_ChooseUnits dialog(nullptr, Reversed(CatalogueOrder), 4, textFont);
    const QListWidget& list = ListOf(dialog);
    EXPECT_EQ(ItemTexts(list), Reversed(CatalogueOrder));
    EXPECT_EQ(dialog.SelectedTab(), 4);
    EXPECT_EQ(list.font(), textFont.Font);
    EXPECT_EQ(list.palette().color(QPalette::Text), textFont.Colour);
}

TEST(ChooseCategoryDialog, ReturnsTheChosenTabOnlyWhenConfirmed)
{
    struct Case {
        const char* Name;
        int CurrentTab;
        std::function<void(QWidget&)> Answer;
        std::optional<int> Result;
    };
    const Case cases[] = {
        {"double click", 2, [](QWidget& dialog) { DoubleClickRow(ListOf(dialog), 13); }, 13},
        {"click, OK", 2,
         [](QWidget& dialog) {
             ClickRow(ListOf(dialog), 16);
             ClickButton(dialog, "btn_OK");
         },
         16},
        {"OK on the shown tab", 2, [](QWidget& dialog) { ClickButton(dialog, "btn_OK"); }, 2},
        {"OK with nothing selected", -1, [](QWidget& dialog) { ClickButton(dialog, "btn_OK"); }, std::nullopt},
        {"click, Cancel", 2,
         [](QWidget& dialog) {
             ClickRow(ListOf(dialog), 16);
             ClickButton(dialog, "btn_Cancel");
         },
         std::nullopt},
    };
    for (const Case& c : cases) {
        ModalWatcher watcher(c.Answer);
        EXPECT_EQ(RunChooseCategoryDialog(nullptr, CatalogueOrder, c.CurrentTab, DefaultTextFont()), c.Result)
            << c.Name;
    }
}

struct OpenArrangeDialog {
    explicit OpenArrangeDialog(const QStringList& tabs = CatalogueOrder)
        : dialog(nullptr, tabs, CatalogueOrder, DefaultTextFont())
    {
        dialog.show();
    }

    bool Enabled(const char* button) { return dialog.findChild<QAbstractButton*>(button)->isEnabled(); }
    int Selected() { return SelectedRow(ListOf(dialog)); }

    Tfrm_ArrangeUnits dialog;
};

TEST(ArrangeCategoryDialog, UpAndDownAreEnabledWhereTheSelectionCanMove)
{
    OpenArrangeDialog open;
    EXPECT_FALSE(open.Enabled("btn_MoveUp"));
    EXPECT_FALSE(open.Enabled("btn_MoveDn"));
    const std::tuple<int, bool, bool> rowUpDown[] = {{0, false, true}, {10, true, true}, {21, true, false}};
    for (const auto& [row, up, down] : rowUpDown) {
        ClickRow(ListOf(open.dialog), row);
        EXPECT_EQ(open.Enabled("btn_MoveUp"), up) << row;
        EXPECT_EQ(open.Enabled("btn_MoveDn"), down) << row;
    }
}

TEST(ArrangeCategoryDialog, MovesCarryTheSelectedCategoryToTheEnds)
{
    OpenArrangeDialog open;
    const int numbers = CatalogueOrder.indexOf("Numbers");
    ClickRow(ListOf(open.dialog), numbers);
    for (int press = 0; press < numbers; ++press)
        ClickButton(open.dialog, "btn_MoveUp");
    QStringList expected = CatalogueOrder;
    expected.move(numbers, 0);
    EXPECT_EQ(open.dialog.Order(), expected);
    EXPECT_EQ(open.Selected(), 0);
    EXPECT_FALSE(open.Enabled("btn_MoveUp"));

    for (int press = 0; press < CatalogueOrder.size() - 1; ++press)
        ClickButton(open.dialog, "btn_MoveDn");
    EXPECT_EQ(open.dialog.Order().last(), "Numbers");
    EXPECT_EQ(open.Selected(), CatalogueOrder.size() - 1);
    EXPECT_FALSE(open.Enabled("btn_MoveDn"));
}

TEST(ArrangeCategoryDialog, ResetAndSortRewriteTheListWithNothingSelected)
{
    struct Case {
        const char* Button;
        QStringList Opening;
        QStringList Result;
    };
    const Case cases[] = {
        {"btn_Reset", SortedOrder, CatalogueOrder},
        {"cmd_Sort", Reversed(CatalogueOrder), SortedOrder},
        {"cmd_Sort", {"volume", "Area", "angle", "AREA"}, {"angle", "Area", "AREA", "volume"}},
    };
    for (const Case& c : cases) {
        OpenArrangeDialog open(c.Opening);
        ClickRow(ListOf(open.dialog), 1);
        ClickButton(open.dialog, c.Button);
        EXPECT_EQ(open.dialog.Order(), c.Result) << c.Button;
        EXPECT_EQ(open.Selected(), -1) << c.Button;
        EXPECT_FALSE(open.Enabled("btn_MoveUp") || open.Enabled("btn_MoveDn")) << c.Button;
    }
}

TEST(ArrangeCategoryDialog, ReturnsTheNewOrderOnlyWhenConfirmed)
{
    struct Case {
        const char* Name;
        std::function<void(QWidget&)> Answer;
        std::optional<QStringList> Result;
    };
    const Case cases[] = {
        {"Reset, OK",
         [](QWidget& dialog) {
             ClickButton(dialog, "btn_Reset");
             ClickButton(dialog, "btn_OK");
         },
         CatalogueOrder},
        {"OK unchanged", [](QWidget& dialog) { ClickButton(dialog, "btn_OK"); }, Reversed(CatalogueOrder)},
        {"Sort, Cancel",
         [](QWidget& dialog) {
             ClickButton(dialog, "cmd_Sort");
             ClickButton(dialog, "btn_Cancel");
         },
         std::nullopt},
    };
    for (const Case& c : cases) {
        ModalWatcher watcher(c.Answer);
        EXPECT_EQ(RunArrangeCategoryDialog(nullptr, Reversed(CatalogueOrder), CatalogueOrder, DefaultTextFont()),
                  c.Result)
            << c.Name;
    }
}

} // namespace
