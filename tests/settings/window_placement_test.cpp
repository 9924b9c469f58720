#include <gtest/gtest.h>

#include "settings/window_placement.h"

using namespace velmar;

namespace {

TEST(WindowPlacement, AFrameOffEveryScreenComesBackOnThePrimaryOne)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QRect primaryFreeArea(0, 30, 1920, 1050);
    const struct {
        const char* name;
        QRect stored;
        QRect placed;
    } cases[] = {
        {"on the first screen", QRect(100, 80, 610, 450), QRect(100, 80, 610, 450)},
        {"on the second screen", QRect(2500, 500, 610, 450), QRect(2500, 500, 610, 450)},
        {"partly off a screen", QRect(-600, -440, 610, 450), QRect(-600, -440, 610, 450)},
        {"on a removed third screen", QRect(3300, 100, 610, 450), QRect(0, 30, 610, 450)},
        {"below the second screen", QRect(2000, 1100, 610, 450), QRect(0, 30, 610, 450)},
        {"above every screen", QRect(100, -900, 610, 450), QRect(0, 30, 610, 450)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FrameOnSomeScreen(c.stored, screens, primaryFreeArea), c.placed) << c.name;
}

} // namespace
