#include "arrange_units_dialog.h"
#include "choose_units_dialog.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "category_list.h"
#include "font_choice.h"
#include "modal_watcher.h"
#include "qt_printing.h"

using namespace velmar;
using velmar::test_support::ClickButton;
using velmar::test_support::ModalWatcher;

namespace {

const QStringList CatalogueOrder = {
    "Length", "Area", "Volume", "Volume - Dry", "Time", "Speed", "Mass", "Density",
    "Force", "Energy", "Power", "Pressure", "Flow", "Temperature", "Angle", "Light",
    "Numbers", "Fractions", "Dynamic Viscosity", "Kinematic Viscosity", "Conductivity", "Thermal Conductivity",
};

const QStringList SortedOrder = {
    "Angle", "Area", "Conductivity", "Density", "Dynamic Viscosity", "Energy", "Flow", "Force",
    "Fractions", "Kinematic Viscosity", "Length", "Light", "Mass", "Numbers", "Power", "Pressure",
    "Speed", "Temperature", "Thermal Conductivity", "Time", "Volume", "Volume - Dry",
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

QAbstractButton& ButtonOf(QWidget& dialog, const char* name)
{
    return *dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
}

QPoint CentreOfRow(QListWidget& list, int row)
{
    list.scrollToItem(list.item(row));
    return list.visualItemRect(list.item(row)).center();
}

void ClickRow(QListWidget& list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CentreOfRow(list, row));
}

// A double click reaches a widget as a click followed by the double-click event.
void DoubleClickRow(QListWidget& list, int row)
{
    const QPoint centre = CentreOfRow(list, row);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

FontChoice ColouredTextFont()
{
    FontChoice font = DefaultTextFont();
    font.Font.setItalic(true);
    font.Color = Qt::darkGreen;
    return font;
}

TEST(ChooseCategoryDialog, ListsTheTabsInTheTextFontWithTheShownTabSelected)
{
    const FontChoice textFont = ColouredTextFont();
    Tfrm_ChooseUnits dialog(nullptr, Reversed(CatalogueOrder), 4, textFont);
    dialog.show();
    QListWidget& list = ListOf(dialog);
    EXPECT_EQ(ItemTexts(list), Reversed(CatalogueOrder));
    EXPECT_EQ(dialog.SelectedTab(), 4);
    EXPECT_EQ(list.font(), textFont.Font);
    EXPECT_EQ(list.palette().color(QPalette::Text), textFont.Color);
}

TEST(ChooseCategoryDialog, ReturnsTheChosenTabOnlyWhenConfirmed)
{
    struct Case {
        const char* Name;
        std::function<void(QWidget&)> Answer;
        std::optional<int> Result;
    };
    const Case cases[] = {
        {"double click", [](QWidget& dialog) { DoubleClickRow(ListOf(dialog), 13); }, 13},
        {"click and OK",
         [](QWidget& dialog) {
             ClickRow(ListOf(dialog), 16);
             ClickButton(dialog, "btn_OK");
         },
         16},
        {"OK unchanged", [](QWidget& dialog) { ClickButton(dialog, "btn_OK"); }, 2},
        {"click and Cancel",
         [](QWidget& dialog) {
             ClickRow(ListOf(dialog), 16);
             ClickButton(dialog, "btn_Cancel");
         },
         std::nullopt},
    };
    for (const Case& c : cases) {
        ModalWatcher watcher(c.Answer);
        EXPECT_EQ(RunChooseCategoryDialog(nullptr, CatalogueOrder, 2, DefaultTextFont()), c.Result) << c.Name;
    }
}

TEST(ChooseCategoryDialog, ConfirmingWithNothingSelectedChangesNothing)
{
    ModalWatcher watcher([](QWidget& dialog) { ClickButton(dialog, "btn_OK"); });
    EXPECT_EQ(RunChooseCategoryDialog(nullptr, CatalogueOrder, -1, DefaultTextFont()), std::nullopt);
}

struct OpenArrangeDialog {
    explicit OpenArrangeDialog(const QStringList& tabs = CatalogueOrder)
        : dialog(nullptr, tabs, DefaultTextFont())
    {
        dialog.show();
    }

    QListWidget& List() { return ListOf(dialog); }
    QAbstractButton& Up() { return ButtonOf(dialog, "btn_MoveUp"); }
    QAbstractButton& Down() { return ButtonOf(dialog, "btn_MoveDn"); }
    int Selected() { return List().selectedItems().isEmpty() ? -1 : List().row(List().selectedItems().first()); }
    void Press(const char* button) { ClickButton(dialog, button); }

    Tfrm_ArrangeUnits dialog;
};

TEST(ArrangeCategoryDialog, UpAndDownAreEnabledWhereTheSelectionCanMove)
{
    struct Case {
        int Row;
        bool Up;
        bool Down;
    };
    const Case cases[] = {{0, false, true}, {1, true, true}, {10, true, true}, {20, true, true}, {21, true, false}};
    OpenArrangeDialog open;
    EXPECT_EQ(open.Selected(), -1);
    EXPECT_FALSE(open.Up().isEnabled());
    EXPECT_FALSE(open.Down().isEnabled());
    for (const Case& c : cases) {
        ClickRow(open.List(), c.Row);
        EXPECT_EQ(open.Up().isEnabled(), c.Up) << c.Row;
        EXPECT_EQ(open.Down().isEnabled(), c.Down) << c.Row;
    }
}

TEST(ArrangeCategoryDialog, MovesCarryTheSelectedCategoryToTheEnds)
{
    OpenArrangeDialog open;
    const int numbers = CatalogueOrder.indexOf("Numbers");
    ClickRow(open.List(), numbers);
    for (int press = 0; press < numbers; ++press)
        open.Press("btn_MoveUp");
    EXPECT_EQ(open.dialog.Order().first(), "Numbers");
    EXPECT_EQ(open.Selected(), 0);
    EXPECT_FALSE(open.Up().isEnabled());
    EXPECT_TRUE(open.Down().isEnabled());

    QStringList expected = CatalogueOrder;
    expected.move(numbers, 0);
    EXPECT_EQ(open.dialog.Order(), expected);

    for (int press = 0; press < CatalogueOrder.size() - 1; ++press)
        open.Press("btn_MoveDn");
    EXPECT_EQ(open.dialog.Order().last(), "Numbers");
    EXPECT_EQ(open.Selected(), CatalogueOrder.size() - 1);
    EXPECT_TRUE(open.Up().isEnabled());
    EXPECT_FALSE(open.Down().isEnabled());
}

TEST(ArrangeCategoryDialog, AccessKeysMoveTheSelection)
{
    OpenArrangeDialog open;
    open.dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&open.dialog));
    ClickRow(open.List(), 5);
    // An access key presses its button visibly, so the move follows a moment later.
    QTest::keyClick(&open.List(), Qt::Key_U, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return open.Selected() == 4; }));
    EXPECT_EQ(open.dialog.Order().at(4), CatalogueOrder.at(5));
    QTest::keyClick(&open.List(), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return open.Selected() == 5; }));
    EXPECT_EQ(open.dialog.Order(), CatalogueOrder);
}

TEST(ArrangeCategoryDialog, ResetAndSortEachRewriteTheListWithNothingSelected)
{
    struct Case {
        const char* Button;
        QStringList Opening;
        QStringList Result;
    };
    const Case cases[] = {
        {"btn_Reset", Reversed(CatalogueOrder), CatalogueOrder},
        {"btn_Reset", SortedOrder, CatalogueOrder},
        {"cmd_Sort", CatalogueOrder, SortedOrder},
        {"cmd_Sort", Reversed(CatalogueOrder), SortedOrder},
        {"cmd_Sort", {"volume", "Area", "angle", "AREA"}, {"angle", "Area", "AREA", "volume"}},
    };
    for (const Case& c : cases) {
        OpenArrangeDialog open(c.Opening);
        ClickRow(open.List(), 1);
        open.Press(c.Button);
        EXPECT_EQ(open.dialog.Order(), c.Result) << c.Button;
        EXPECT_EQ(open.Selected(), -1) << c.Button;
        EXPECT_FALSE(open.Up().isEnabled()) << c.Button;
        EXPECT_FALSE(open.Down().isEnabled()) << c.Button;
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
        {"Reset then OK",
         [](QWidget& dialog) {
             ClickButton(dialog, "btn_Reset");
             ClickButton(dialog, "btn_OK");
         },
         CatalogueOrder},
        {"OK unchanged", [](QWidget& dialog) { ClickButton(dialog, "btn_OK"); }, Reversed(CatalogueOrder)},
        {"Sort then Cancel",
         [](QWidget& dialog) {
             ClickButton(dialog, "cmd_Sort");
             ClickButton(dialog, "btn_Cancel");
         },
         std::nullopt},
        {"Sort then Escape",
         [](QWidget& dialog) {
             ClickButton(dialog, "cmd_Sort");
             QTest::keyClick(&dialog, Qt::Key_Escape);
         },
         std::nullopt},
    };
    for (const Case& c : cases) {
        ModalWatcher watcher(c.Answer);
        EXPECT_EQ(RunArrangeCategoryDialog(nullptr, Reversed(CatalogueOrder), DefaultTextFont()), c.Result) << c.Name;
    }
}

} // namespace
