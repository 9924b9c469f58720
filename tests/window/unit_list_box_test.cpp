#include <QSignalSpy>
#include <QTest>

#include <functional>

#include <gtest/gtest.h>

#include "window/unit_list_box.h"

namespace velmar {
namespace {

class UnitListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.resize(150, 200);
        list.setItems({"kilometer", "meter", "mile", "foot"});
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    QPoint centreOfRow(int row) { return list.visualItemRect(list.item(row)).center(); }

    UnitListBox list;
    QSignalSpy userChanges{&list, &UnitListBox::selectionChangedByUser};
};

TEST_F(UnitListBoxTest, PositionsSetByTheProgramRaiseNothing)
{
    const struct {
        int Set;
        int Selected;
    } cases[] = {{2, 2}, {0, 0}, {-1, -1}, {3, 3}, {4, -1}, {99, -1}, {-7, -1}};
    for (const auto& c : cases) {
        list.setSelectedPosition(1);
        list.setSelectedPosition(c.Set);
        EXPECT_EQ(list.selectedPosition(), c.Selected) << "set " << c.Set;
    }
    EXPECT_EQ(userChanges.count(), 0);
}

TEST_F(UnitListBoxTest, ReplacingTheItemsRemovesTheSelectionSilently)
{
    list.setSelectedPosition(2);
    list.setItems({"gram", "ounce"});
    EXPECT_EQ(list.selectedPosition(), -1);
    EXPECT_EQ(list.items(), (QStringList{"gram", "ounce"}));
    EXPECT_EQ(userChanges.count(), 0);
}

TEST_F(UnitListBoxTest, AClickSelectsAndRaisesTheEvent)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOfRow(2));
    EXPECT_EQ(list.selectedPosition(), 2);
    EXPECT_EQ(userChanges.count(), 1);
}

TEST_F(UnitListBoxTest, AnArrowKeySelectsAndRaisesTheEvent)
{
    list.setSelectedPosition(1);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.selectedPosition(), 2);
    EXPECT_EQ(userChanges.count(), 1);
}

// A single-selection list offers no way to take the selection away: a held
// Ctrl does not turn a click or the space bar into a deselection.
TEST_F(UnitListBoxTest, TheUserCannotClearTheSelection)
{
    const struct {
        const char* Gesture;
        std::function<void(UnitListBox&, QPoint)> Act;
    } gestures[] = {
        {"Ctrl+click",
         [](UnitListBox& box, QPoint at) {
             QTest::mouseClick(box.viewport(), Qt::LeftButton, Qt::ControlModifier, at);
         }},
        {"Ctrl+Space", [](UnitListBox& box, QPoint) { QTest::keyClick(&box, Qt::Key_Space, Qt::ControlModifier); }},
    };
    for (const auto& g : gestures) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOfRow(2));
        g.Act(list, centreOfRow(2));
        EXPECT_EQ(list.selectedPosition(), 2) << g.Gesture;
    }
}

} // namespace
} // namespace velmar
