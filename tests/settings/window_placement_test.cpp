#include <gtest/gtest.h>

#include "settings/window_placement.h"

using namespace velmar;

namespace {

// The strip of a window's title bar and menu bar, 50 pixels high, stored
// under one display arrangement and restored under another.
TEST(WindowPlacement, AStoredPositionCountsOnlyWithItsBarsWhollyOnScreen)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const struct {
        const char* name;
        QRect bars;
        bool onScreens;
    } cases[] = {
        {"on the first screen", QRect(100, 80, 610, 50), true},
        {"in the top-left corner", QRect(0, 0, 610, 50), true},
        {"on the second screen", QRect(2500, 500, 610, 50), true},
        {"across both screens", QRect(1600, 10, 610, 50), true},
        {"saved under Wayland", QRect(-3, -30, 610, 50), false},
        {"a little above the screen", QRect(100, -1, 610, 50), false},
        {"partly left of the screen", QRect(-600, 100, 610, 50), false},
        {"beside the shorter second screen", QRect(2500, 1000, 610, 50), false},
        {"on a removed third screen", QRect(3300, 100, 610, 50), false},
        {"below every screen", QRect(100, 1100, 610, 50), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LiesOnScreens(c.bars, screens), c.onScreens) << c.name;
}

} // namespace
