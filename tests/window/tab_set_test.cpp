#include <QAccessible>
#include <QTabBar>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/accessibility_recorder.h"
#include "tests/support/fault_recorder.h"
#include "window/tab_set.h"

namespace velmar {
namespace {

// What the strip reported when it asked: the new position, and the position
// still selected while the handler ran.
struct Request {
    int NewTab;
    int SelectedDuringRequest;
    bool operator==(const Request&) const = default;
};

class TabSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        strip.resize(500, 30);
        strip.setChangeHandler([this](int newTab, bool& allowChange) {
            requests.push_back({newTab, strip.tabIndex()});
            if (throwInHandler)
                throw std::runtime_error("Floating point overflow");
            allowChange = allowChanges;
        });
        strip.setTabs({"Length", "Area", "Volume", "Time"});
        requests.clear();
        strip.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&strip));
    }

    QTabBar* bar() { return strip.findChild<QTabBar*>(); }

    TabSet strip;
    std::vector<Request> requests;
    bool allowChanges = true;
    bool throwInHandler = false;
};

TEST_F(TabSetTest, ReplacingTheTabsForgetsTheSelectionAndAsksForTheFirstTab)
{
    strip.setTabIndex(2);
    requests.clear();
    strip.setTabs({"Mass", "Force"});
    EXPECT_EQ(requests, (std::vector<Request>{{0, -1}}));
    EXPECT_EQ(strip.tabIndex(), 0);
    EXPECT_EQ(strip.selectedCaption(), "Mass");
}

TEST_F(TabSetTest, AnEmptyTabListSelectsNothingAndAsksNothing)
{
    strip.setTabs({});
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(strip.tabIndex(), -1);
    EXPECT_EQ(strip.selectedCaption(), "");
}

TEST_F(TabSetTest, SelectingTheSelectedTabAsksNothing)
{
    strip.setTabIndex(0);
    QTest::mouseClick(bar(), Qt::LeftButton, {}, bar()->tabRect(0).center());
    EXPECT_TRUE(requests.empty());
}

TEST_F(TabSetTest, OutOfBoundsPositionsAreRefused)
{
    for (const int position : {-2, 4}) {
        try {
            strip.setTabIndex(position);
            ADD_FAILURE() << position << " was accepted";
        } catch (const std::out_of_range& error) {
            EXPECT_STREQ(error.what(), "Tab index out of bounds");
        }
    }
    EXPECT_TRUE(requests.empty());
}

TEST_F(TabSetTest, PositionMinusOneAsksAndLeavesNoTabSelected)
{
    strip.setTabIndex(-1);
    EXPECT_EQ(requests, (std::vector<Request>{{-1, 0}}));
    EXPECT_EQ(strip.tabIndex(), -1);
}

TEST_F(TabSetTest, AnAmpersandInACaptionIsShownNotTakenAsAnAccessKey)
{
    strip.setTabText(1, "Rock & Roll");
    EXPECT_EQ(strip.tabText(1), "Rock & Roll");
    EXPECT_EQ(bar()->tabText(1), "Rock && Roll");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(bar())->child(1)->text(QAccessible::Name), "Rock & Roll");
}

// Every way of changing the tab asks first and selects only when allowed.
struct ChangeCase {
    const char* Name;
    std::function<void(TabSet&, QTabBar&)> Change;
    int NewTab;
};

// What a screen reader does to choose a tab.
void pressTab(QTabBar& bar, int position)
{
    QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(&bar)->child(position);
    tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

void sendWheel(QTabBar& bar, int angleDelta)
{
    const QPointF position = bar.tabRect(0).center();
    QWheelEvent wheel(position, bar.mapToGlobal(position), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&bar, &wheel);
}

const ChangeCase changeCases[] = {
    {"UserClick", [](TabSet&, QTabBar& bar) { QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.tabRect(2).center()); },
     2},
    {"Program", [](TabSet& strip, QTabBar&) { strip.setTabIndex(3); }, 3},
    {"RightArrowKey", [](TabSet&, QTabBar& bar) { QTest::keyClick(&bar, Qt::Key_Right); }, 1},
    {"WheelDown", [](TabSet&, QTabBar& bar) { sendWheel(bar, -120); }, 1},
    {"ScreenReaderPress", [](TabSet&, QTabBar& bar) { pressTab(bar, 2); }, 2},
};

class TabSetChangeTest : public TabSetTest, public ::testing::WithParamInterface<ChangeCase> { };

TEST_P(TabSetChangeTest, AsksBeforeSelecting)
{
    GetParam().Change(strip, *bar());
    EXPECT_EQ(requests, (std::vector<Request>{{GetParam().NewTab, 0}}));
    EXPECT_EQ(strip.tabIndex(), GetParam().NewTab);
    EXPECT_EQ(bar()->currentIndex(), GetParam().NewTab);
}

TEST_P(TabSetChangeTest, KeepsTheOldTabWhenTheHandlerRefuses)
{
    allowChanges = false;
    GetParam().Change(strip, *bar());
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_EQ(strip.tabIndex(), 0);
    EXPECT_EQ(bar()->currentIndex(), 0);
}

// The tabs a screen reader last heard as selected, whether the change was
// allowed or taken back: the strip's own, and no other.
TEST_P(TabSetChangeTest, AScreenReaderLastHearsTheSelectedTabAsSelected)
{
    bar()->setFocus();
    for (const bool allowed : {true, false}) {
        allowChanges = true;
        strip.setTabIndex(0);
        test_support::AccessibilityRecorder recorder;
        if (!recorder.isAvailable())
            GTEST_SKIP() << "this platform has no accessibility";
        allowChanges = allowed;
        GetParam().Change(strip, *bar());

        std::map<int, bool> heard;
        for (const auto& event : recorder.events()) {
            if (event.Object == bar()
                && (event.Type == QAccessible::Selection || event.Type == QAccessible::SelectionRemove))
                heard[event.Child] = event.ChildSelected;
        }
        std::vector<int> heardSelected;
        for (const auto& [position, selected] : heard) {
            if (selected)
                heardSelected.push_back(position);
        }
        EXPECT_EQ(strip.tabIndex(), allowed ? GetParam().NewTab : 0);
        // A refused change of the program never moves the bar: nothing is heard.
        if (!heardSelected.empty() || allowed) {
            EXPECT_EQ(heardSelected, std::vector<int>{strip.tabIndex()}) << (allowed ? "allowed" : "refused");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Changes, TabSetChangeTest, ::testing::ValuesIn(changeCases),
                         [](const auto& info) { return info.param.Name; });

TEST_F(TabSetTest, AnErrorInTheHandlerReachesTheProgramAndKeepsTheOldTab)
{
    throwInHandler = true;
    EXPECT_THROW(strip.setTabIndex(2), std::runtime_error);
    EXPECT_EQ(strip.tabIndex(), 0);
}

TEST_F(TabSetTest, AnErrorInTheHandlerOfAUserClickIsReportedAndKeepsTheOldTab)
{
    FaultRecorder faults;
    throwInHandler = true;
    QTest::mouseClick(bar(), Qt::LeftButton, {}, bar()->tabRect(1).center());
    EXPECT_EQ(faults.messages, QStringList{"Floating point overflow."});
    EXPECT_EQ(strip.tabIndex(), 0);
    EXPECT_EQ(bar()->currentIndex(), 0);
}

} // namespace
} // namespace velmar
