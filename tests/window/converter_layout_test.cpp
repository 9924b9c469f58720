#include <QFont>
#include <QFrame>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

#include "tests/support/converter_window_fixture.h"
#include "window/converter_layout.h"

namespace velmar {
namespace {

// The design bounds, which stand until the first layout pass.
ConverterLayout designLayout(int inputBoxHeight = 24)
{
    return {{24, 24, 145, inputBoxHeight}, {224, 24, 145, 24}, {184, 24, 26, 26}, {64, 56, 105, 185},
            {264, 56, 105, 185},           {24, 56, 141, 185}};
}

TEST(ConverterLayoutRule, PlacesTheControlsOnTheDesignPanel)
{
    const ConverterLayout expected{{24, 24, 223, 24},  {355, 24, 223, 24},  {288, 24, 26, 26},
                                   {86, 56, 161, 306}, {417, 56, 161, 306}, {24, 56, 223, 306}};
    EXPECT_EQ(LayOutConverter(602, 386, designLayout()), expected);
}

TEST(ConverterLayoutRule, RoundsTheArrowsHalvesToEven)
{
    // The arrow's left edge is half of (panel width - arrow width).
    const struct {
        int PanelWidth;
        int ArrowLeft;
    } cases[] = {{603, 288}, {604, 289}, {605, 290}, {607, 290}};
    for (const auto& c : cases)
        EXPECT_EQ(LayOutConverter(c.PanelWidth, 386, designLayout()).Arrow.Left, c.ArrowLeft) << c.PanelWidth;
}

TEST(ConverterLayoutRule, ATallerInputBoxMovesTheListsDownAndShortensThem)
{
    const ConverterLayout layout = LayOutConverter(602, 386, designLayout(30));
    for (const ControlBounds& bounds : {layout.SourceList, layout.TargetList, layout.Fraction}) {
        EXPECT_EQ(bounds.Top, 62);
        EXPECT_EQ(bounds.Height, 300);
    }
}

TEST(TabStripHeight, FollowsTheFontsCharacterHeight)
{
    const struct {
        QFont Font;
        int DotsPerInch;
        int StripHeight;
    } cases[] = {
        {QFont("Small Fonts", 7), 96, 18},
        {QFont("Arial", 10), 96, 22},
        {QFont("Small Fonts", 7), 120, 21},
        {[] {
             QFont f;
             f.setPixelSize(12);
             return f;
         }(),
         96, 21},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TabStripHeight(FontCharacterHeight(c.Font, c.DotsPerInch)), c.StripHeight)
            << c.Font.toString().toStdString();
}

using ConverterWindowLayoutTest = ConverterWindowTest;

TEST_F(ConverterWindowLayoutTest, ResizingThePanelRunsTheLayoutRule)
{
    showWindow();
    auto* pan = control<QFrame>("pan");
    pan->resize(602, 386);
    const int listTop = 24 + txtIn->height() + 8;
    EXPECT_EQ(txtIn->geometry(), QRect(24, 24, 223, txtIn->height()));
    EXPECT_EQ(txtOut->geometry().topLeft(), QPoint(355, 24));
    EXPECT_EQ(lstIn->geometry(), QRect(86, listTop, 161, 386 - listTop - 24));
    EXPECT_EQ(lstOut->geometry(), QRect(417, listTop, 161, 386 - listTop - 24));
    EXPECT_EQ(lab2->geometry(), QRect(24, listTop, 223, 386 - listTop - 24));
}

TEST_F(ConverterWindowLayoutTest, ATinyPanelShowsNegativeSizesAsZero)
{
    showWindow();
    control<QFrame>("pan")->resize(10, 10);
    EXPECT_EQ(lstIn->height(), 0);
    EXPECT_EQ(lstOut->height(), 0);
}

TEST_F(ConverterWindowLayoutTest, FitTabStripHeightFollowsTheTabFont)
{
    QFont font = tabSet->font();
    font.setPixelSize(12);
    tabSet->setFont(font);
    window->FitTabStripHeight();
    // The design's 9 + 12 pixels, unless the style's tabs need more.
    EXPECT_EQ(tabSet->height(), std::max(21, tabBar->minimumSizeHint().height()));
}

} // namespace
} // namespace velmar
