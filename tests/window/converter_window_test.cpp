#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/converter_window_fixture.h"
#include "tests/support/modal_watcher.h"

namespace velmar {
namespace {

TEST_F(ConverterWindowTest, FirstStartShowsLengthWithNothingSelected)
{
    EXPECT_EQ(window->windowTitle(), "Velmar Converter");
    ASSERT_EQ(tabSet->count(), CategoryCount);
    for (int category = 0; category < CategoryCount; ++category)
        EXPECT_EQ(tabSet->tabText(category).toStdString(), categoryInfo(category).DisplayName);
    EXPECT_EQ(tabSet->tabIndex(), 0);
    EXPECT_EQ(lstIn->count(), 38);
    EXPECT_EQ(lstOut->items(), lstIn->items());
    EXPECT_EQ(lstIn->selectedPosition(), -1);
    EXPECT_EQ(lstOut->selectedPosition(), -1);
    EXPECT_EQ(txtIn->text(), "");
    EXPECT_EQ(txtOut->text(), "");
    EXPECT_FALSE(lstIn->isHidden());
    EXPECT_TRUE(lab2->isHidden());
    EXPECT_EQ(window->converterState().PendingCategory, NoSwitchPending);
    EXPECT_TRUE(faults.messages.isEmpty());
}

TEST_F(ConverterWindowTest, SwitchingBackRestoresInputUnitsAndResult)
{
    lstIn->setSelectedPosition(FootPosition);
    lstOut->setSelectedPosition(InchPosition);
    QTest::keyClicks(txtIn, "5");
    tabSet->setTabIndex(MassIndex);
    EXPECT_EQ(txtIn->text(), "");
    EXPECT_EQ(lstIn->count(), catalogue().tableSize(MassIndex));
    tabSet->setTabIndex(LengthIndex);
    EXPECT_EQ(txtIn->text(), "5");
    EXPECT_EQ(lstIn->selectedPosition(), FootPosition);
    EXPECT_EQ(lstOut->selectedPosition(), InchPosition);
    EXPECT_EQ(txtOut->text(), "60");
    // Loading Length's input while the strip still showed Mass converted nothing.
    EXPECT_EQ(memory(MassIndex).ValueIn, "");
}

TEST_F(ConverterWindowTest, ASwitchConvertsExactlyOnceAndKeepsTheOldTabWhenThatFails)
{
    // A remembered input whose reading overflows reports once per conversion.
    showWindow();
    tabSet->setTabIndex(MassIndex);
    memory(LengthIndex) = {"1E4933", MeterPosition, KilometerPosition};
    QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(LengthIndex).center());
    EXPECT_EQ(faults.messages, QStringList{"Floating point overflow."});
    EXPECT_EQ(tabSet->tabIndex(), MassIndex);
    EXPECT_EQ(window->converterState().PendingCategory, LengthIndex);
    EXPECT_EQ(txtIn->text(), "1E4933");

    tabSet->setTabIndex(AreaIndex);
    EXPECT_EQ(tabSet->tabIndex(), AreaIndex);
    EXPECT_EQ(window->converterState().PendingCategory, NoSwitchPending);
}

TEST_F(ConverterWindowTest, ChangesWhileASwitchLoadsAreIgnored)
{
    lstIn->setSelectedPosition(MeterPosition);
    lstOut->setSelectedPosition(MeterPosition);
    QTest::keyClicks(txtIn, "2");
    const std::string shown = txtOut->text().toStdString();
    window->converterState().PendingCategory = SwitchLoading;
    QTest::keyClicks(txtIn, "7");
    EXPECT_EQ(memory(LengthIndex).ValueIn, "2");
    EXPECT_EQ(txtOut->text().toStdString(), shown);
}

TEST_F(ConverterWindowTest, ClickingTheSelectedTabRunsNoSwitch)
{
    showWindow();
    memory(LengthIndex).ValueIn = "9";
    QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(0).center());
    EXPECT_EQ(txtIn->text(), "");
}

TEST_F(ConverterWindowTest, OnlyFractionsShowsItsLabelInPlaceOfTheSourceList)
{
    const struct {
        int Category;
        bool LabelShown;
    } cases[] = {{FractionsIndex, true},
                 {TemperatureIndex, false},
                 {FractionsIndex, true},
                 {NumbersIndex, false},
                 {LengthIndex, false}};
    for (const auto& c : cases) {
        tabSet->setTabIndex(c.Category);
        EXPECT_EQ(!lab2->isHidden(), c.LabelShown) << c.Category;
        EXPECT_EQ(lstIn->isHidden(), c.LabelShown) << c.Category;
    }
}

TEST_F(ConverterWindowTest, AReadingOverflowIsReportedAndKeepsTheResult)
{
    lstIn->setSelectedPosition(MeterPosition);
    lstOut->setSelectedPosition(MeterPosition);
    QTest::keyClicks(txtIn, "1");
    ASSERT_EQ(txtOut->text(), "1");
    txtIn->setTextAsGiven("1E4933");
    EXPECT_EQ(faults.messages, QStringList{"Floating point overflow."});
    EXPECT_EQ(txtOut->text(), "1");
    EXPECT_EQ(memory(LengthIndex).ValueIn, "1E4933");
}

TEST_F(ConverterWindowTest, AUnitPickedByTheUserConverts)
{
    showWindow();
    lstIn->setSelectedPosition(KilometerPosition);
    QTest::keyClicks(txtIn, "1");
    lstOut->scrollToItem(lstOut->item(MeterPosition));
    QTest::mouseClick(lstOut->viewport(), Qt::LeftButton, {},
                      lstOut->visualItemRect(lstOut->item(MeterPosition)).center());
    EXPECT_EQ(memory(LengthIndex).FormatOut, MeterPosition);
    EXPECT_EQ(txtOut->text(), "1000");
}

TEST_F(ConverterWindowTest, ASwitchShowsTheRememberedInputExactlyAsItWasStored)
{
    constexpr int RomanPosition = 4;
    constexpr int DecimalPosition = 2;
    memory(NumbersIndex) = {"mcm", RomanPosition, DecimalPosition};
    tabSet->setTabIndex(NumbersIndex);
    EXPECT_EQ(txtIn->text(), "mcm");
    EXPECT_EQ(txtOut->text(), "invalid Roman numeral"); // "MCM" would read as 1900
}

TEST_F(ConverterWindowTest, MemoryFollowsTheCategoryNotTheTabPosition)
{
    memory(MassIndex) = {"8", 1, 2};
    tabSet->setTabText(0, "Mass");
    tabSet->setTabText(MassIndex, "Length");
    tabSet->setTabIndex(MassIndex);
    tabSet->setTabIndex(0);
    EXPECT_EQ(txtIn->text(), "8");
    EXPECT_EQ(lstIn->count(), catalogue().tableSize(MassIndex));
}

TEST_F(ConverterWindowTest, FocusTrackingFollowsTheTextBoxes)
{
    showWindow();
    EXPECT_TRUE(window->hasFocusedTextBox());
    EXPECT_EQ(window->focusedTextBox(), txtIn);

    txtOut->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(window->hasFocusedTextBox());
    EXPECT_EQ(window->focusedTextBox(), txtOut);

    lstOut->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(window->hasFocusedTextBox());
    EXPECT_EQ(window->focusedTextBox(), nullptr);
}

TEST_F(ConverterWindowTest, TheTabKeyGoesRoundTheControlsPastTheResultBox)
{
    showWindow();
    QWidget* const expectedRound[] = {lstIn, lstOut, tabBar, txtIn};
    for (QWidget* expected : expectedRound) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
}

TEST_F(ConverterWindowTest, OpeningAMenuKeepsTheFocusedBox)
{
    showWindow();
    auto* editMenu = control<QMenu>("mnu_Edit1");
    editMenu->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editMenu));
    EXPECT_TRUE(window->hasFocusedTextBox());
    EXPECT_EQ(window->focusedTextBox(), txtIn);
    editMenu->close();
}

TEST_F(ConverterWindowTest, MenuShortcutsWinOverTheInputBoxsEditingKeys)
{
    showWindow();
    QTest::keyClicks(txtIn, "12");
    QSignalSpy arrange(control<QAction>("mnu_ArrangeOrderofCategories1"), &QAction::triggered);
    test_support::ModalWatcher cancel([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    QTest::keyClick(txtIn, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(arrange.count(), 1);
    EXPECT_EQ(cancel.answered(), 1);
    EXPECT_EQ(txtIn->selectedText(), "");
}

TEST_F(ConverterWindowTest, RebuildingTheNameListsTwiceLeavesOneListPerTable)
{
    window->RebuildUnitNameLists();
    window->RebuildUnitNameLists();
    ASSERT_TRUE(window->unitNameListsExist());
    for (int category = 0; category < CategoryCount; ++category)
        EXPECT_EQ(window->unitNameList(category).size(), catalogue().tableSize(category)) << category;
    EXPECT_EQ(lstIn->count(), 0);
    EXPECT_EQ(lstOut->count(), 0);
    window->ReleaseUnitNameLists();
    EXPECT_FALSE(window->unitNameListsExist());
}

} // namespace
} // namespace velmar
