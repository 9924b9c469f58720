#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

#include "tests/support/accessibility_recorder.h"
#include "tests/support/converter_window_fixture.h"
#include "tests/support/qt_printing.h"

namespace velmar {
namespace {

int positionOf(const TabSet& strip, const char* caption)
{
    return static_cast<int>(strip.tabs().indexOf(QLatin1String(caption)));
}

TEST_F(ConverterWindowTest, CategoryKeysStepRoundTheTabsFromAnyControl)
{
    showWindow();
    const int last = tabSet->count() - 1;
    const struct {
        const char* Name;
        QWidget* Focus;
        int From;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        int To;
    } cases[] = {
        {"Ctrl+Tab", txtIn, 0, Qt::Key_Tab, Qt::ControlModifier, 1},
        {"Ctrl+Tab at the end", lstIn, last, Qt::Key_Tab, Qt::ControlModifier, 0},
        {"Ctrl+PageDown", lstOut, 3, Qt::Key_PageDown, Qt::ControlModifier, 4},
        {"Ctrl+Shift+Tab", txtIn, 3, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2},
        {"Ctrl+Shift+Tab at the start", tabBar, 0, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, last},
        {"Ctrl+PageUp", txtIn, 5, Qt::Key_PageUp, Qt::ControlModifier, 4},
        {"Home on the strip", tabBar, 5, Qt::Key_Home, Qt::NoModifier, 0},
        {"End on the strip", tabBar, 5, Qt::Key_End, Qt::NoModifier, last},
    };
    for (const auto& c : cases) {
        tabSet->setTabIndex(c.From);
        c.Focus->setFocus();
        QTest::keyClick(c.Focus, c.Key, c.Modifiers);
        EXPECT_EQ(tabSet->tabIndex(), c.To) << c.Name;
        // A normal switch: the new category's units are loaded.
        EXPECT_EQ(lstIn->count(), catalogue().tableSize(Category_Index(tabSet->selectedCaption().toStdString())))
            << c.Name;
    }
}

TEST_F(ConverterWindowTest, AfterASwitchEachListShowsItsSelectedUnitWhole)
{
    window->resize(610, 330); // lists of a few rows, so that positions far down need scrolling
    showWindow();
    const int volume = positionOf(*tabSet, "Volume");
    const int lastUnit = catalogue().tableSize(VolumeIndex) - 1;
    const struct {
        const char* Name;
        int Source;
        int Target;
    } cases[] = {
        {"far down", lastUnit, lastUnit - 1},
        {"near the top", 1, 0},
        {"nothing selected", -1, -1},
    };
    for (const auto& c : cases) {
        memory(VolumeIndex).FormatIn = c.Source;
        memory(VolumeIndex).FormatOut = c.Target;
        tabSet->setTabIndex(0);
        for (UnitListBox* list : {lstIn, lstOut})
            list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        tabSet->setTabIndex(volume);
        for (UnitListBox* list : {lstIn, lstOut}) {
            const int selected = list->selectedPosition();
            if (selected < 0) {
                EXPECT_EQ(list->verticalScrollBar()->value(), 0) << c.Name;
                continue;
            }
            EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(selected))))
                << c.Name << ' ' << list->objectName().toStdString();
            if (selected <= 1) {
                EXPECT_EQ(list->verticalScrollBar()->value(), 0) << c.Name;
            }
        }
    }
}

TEST_F(ConverterWindowTest, TheResultBoxShowsTheBeginningOfALongResult)
{
    window->resize(200, 450);
    showWindow();
    lstIn->setSelectedPosition(KilometerPosition);
    lstOut->setSelectedPosition(InchPosition);
    QTest::keyClicks(txtIn, "123456789012");
    ASSERT_GT(txtOut->fontMetrics().horizontalAdvance(txtOut->text()), txtOut->width());
    EXPECT_EQ(txtOut->cursorPosition(), 0);
}

TEST_F(ConverterWindowTest, FocusLeavesTheBoxWhenItMovesOnFromTheMenuBar)
{
    showWindow();
    auto* menuBar = control<QMenuBar>("mnu_MainMenu1");
    menuBar->setFocus(Qt::MenuBarFocusReason);
    EXPECT_EQ(window->focusedTextBox(), txtIn);
    lstIn->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(window->focusedTextBox(), nullptr);

    auto* editMenu = control<QMenu>("mnu_Edit1");
    editMenu->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editMenu));
    for (const char* item : {"mnu_Cut1", "mnu_Copy1", "mnu_Paste1"})
        EXPECT_FALSE(control<QAction>(item)->isEnabled()) << item;
    editMenu->close();
}

TEST_F(ConverterWindowTest, EscapeInAMenuGivesTheFocusBack)
{
    showWindow();
    auto* menuBar = control<QMenuBar>("mnu_MainMenu1");
    lstOut->setFocus(Qt::MouseFocusReason);
    auto* editMenu = control<QMenu>("mnu_Edit1");
    QTest::mouseClick(menuBar, Qt::LeftButton, {}, menuBar->actionGeometry(editMenu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editMenu));
    QTest::keyClick(editMenu, Qt::Key_Escape);
    QTRY_COMPARE(QApplication::focusWidget(), lstOut);
    EXPECT_FALSE(editMenu->isVisible());
}

TEST_F(ConverterWindowTest, TheTabStripIsAsHighAsTheStylesTabs)
{
    showWindow();
    EXPECT_GE(tabSet->height(), tabBar->minimumSizeHint().height());
    for (int position = 0; position < tabBar->count(); ++position)
        EXPECT_LE(tabBar->tabRect(position).height(), tabBar->height()) << position;
}

// What a screen reader is told about the window.
class ScreenReaderTest : public ConverterWindowTest {
protected:
    void SetUp() override
    {
        ConverterWindowTest::SetUp();
        recorder.emplace();
        if (!recorder->isAvailable())
            GTEST_SKIP() << "this platform has no accessibility";
        showWindow();
        recorder->clear();
    }

    void TearDown() override
    {
        recorder.reset();
        ConverterWindowTest::TearDown();
    }

    int count(const QObject* object, QAccessible::Event type) const { return recorder->count(object, type); }

    std::optional<test_support::AccessibilityRecorder> recorder;
};

TEST_F(ScreenReaderTest, EveryNewResultIsAnnounced)
{
    lstIn->setSelectedPosition(MeterPosition);
    lstOut->setSelectedPosition(FootPosition);
    const struct {
        const char* Name;
        std::function<void()> Change;
    } cases[] = {
        {"typed digit", [&] { QTest::keyClick(txtIn, Qt::Key_2); }},
        {"another unit", [&] { QTest::keyClick(lstOut, Qt::Key_Down); }},
        {"another category", [&] { tabSet->setTabIndex(1); }},
    };
    for (const auto& c : cases) {
        recorder->clear();
        c.Change();
        EXPECT_EQ(count(txtOut, QAccessible::ValueChanged), 1) << c.Name;
        EXPECT_GE(count(txtOut, QAccessible::TextUpdated), 1) << c.Name;
    }
}

TEST_F(ScreenReaderTest, OneKeyOnTheStripIsOneMove)
{
    tabBar->setFocus();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_End, Qt::Key_Home}) {
        recorder->clear();
        QTest::keyClick(tabBar, key);
        EXPECT_EQ(count(tabBar, QAccessible::Focus), 1) << key;
    }
}

// Orca says which category is shown from the tab marked selected, and hears
// the change from the selection event of the newly selected tab.
TEST_F(ScreenReaderTest, TheShownCategoryIsTheSelectedTab)
{
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(tabBar);
    ASSERT_NE(strip, nullptr);
    const int last = tabSet->count() - 1;
    const struct {
        const char* Name;
        QWidget* Focus;
        int From;
        std::function<void()> Change;
        int To;
    } cases[] = {
        {"Ctrl+Tab in the input box", txtIn, 0, [&] { QTest::keyClick(txtIn, Qt::Key_Tab, Qt::ControlModifier); }, 1},
        {"Right on the strip", tabBar, 3, [&] { QTest::keyClick(tabBar, Qt::Key_Right); }, 4},
        {"End on the strip", tabBar, 3, [&] { QTest::keyClick(tabBar, Qt::Key_End); }, last},
        {"pressing a tab", lstIn, 2,
         [&] { strip->child(7)->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); }, 7},
    };
    for (const auto& c : cases) {
        tabSet->setTabIndex(c.From);
        c.Focus->setFocus();
        recorder->clear();
        c.Change();

        ASSERT_EQ(tabSet->tabIndex(), c.To) << c.Name;
        // The switch ran as for a click: the new category's units are loaded.
        EXPECT_EQ(lstIn->count(), catalogue().tableSize(Category_Index(tabSet->selectedCaption().toStdString())))
            << c.Name;
        EXPECT_EQ(count(tabBar, QAccessible::Focus), c.Focus == tabBar ? 1 : 0) << c.Name;
        EXPECT_EQ(count(tabBar, QAccessible::Selection), 1) << c.Name;
        for (const auto& event : recorder->events()) {
            if (event.Object == tabBar && event.Type == QAccessible::Selection) {
                EXPECT_EQ(event.Child, c.To) << c.Name;
                EXPECT_TRUE(event.ChildSelected) << c.Name;
            }
        }
        for (int position = 0; position < tabSet->count(); ++position) {
            const QAccessibleInterface* tab = strip->child(position);
            ASSERT_NE(tab, nullptr) << position;
            EXPECT_EQ(tab->role(), QAccessible::PageTab) << position;
            EXPECT_EQ(tab->text(QAccessible::Name), tabSet->tabText(position)) << position;
            EXPECT_TRUE(tab->state().selectable) << position;
            EXPECT_EQ(tab->state().selected, position == c.To) << c.Name << ' ' << position;
            EXPECT_EQ(tab->state().focused, position == c.To && c.Focus == tabBar) << c.Name << ' ' << position;
        }
    }
}

} // namespace
} // namespace velmar
