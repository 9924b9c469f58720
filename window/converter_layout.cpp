#include "window/converter_layout.h"

#include <QFont>

#include <cmath>

#include "engine/extended.h"

namespace velmar {
namespace {

constexpr int RightMargin = 24;
constexpr int BoxToListGap = 8;

// The default floating-point rounding mode rounds halves to the even neighbour.
int rounded(Extended value)
{
    return static_cast<int>(std::lrint(value));
}

} // namespace

ConverterLayout LayOutConverter(int panelWidth, int panelHeight, ConverterLayout layout)
{
    ControlBounds& input = layout.InputBox;
    ControlBounds& result = layout.ResultBox;
    ControlBounds& source = layout.SourceList;
    ControlBounds& target = layout.TargetList;

    input.Width = rounded(0.37L * panelWidth);
    result.Width = input.Width;
    result.Left = panelWidth - result.Width - RightMargin;
    layout.Arrow.Left = rounded(0.5L * (input.Left + input.Width + result.Left - layout.Arrow.Width));

    source.Width = rounded(0.72L * input.Width);
    source.Left = input.Left + input.Width - source.Width;
    source.Top = input.Top + input.Height + BoxToListGap;
    // The top of the input box doubles as the bottom margin.
    source.Height = panelHeight - source.Top - input.Top;

    target.Width = source.Width;
    target.Left = result.Left + result.Width - target.Width;
    target.Top = source.Top;
    target.Height = source.Height;

    layout.Fraction.Width = input.Width;
    layout.Fraction.Top = source.Top;
    layout.Fraction.Height = source.Height;
    return layout;
}

int FontCharacterHeight(const QFont& font, int dotsPerInch)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return static_cast<int>(std::lround(font.pointSizeF() * dotsPerInch / 72.0));
}

int TabStripHeight(int fontCharacterHeight)
{
    // The design's rule, 9 minus the font height held as a negative number of
    // pixels: 9 pixels of tab border and padding around the caption, so the
    // default 9-pixel tab font gives the design's 18-pixel strip.
    return 9 + fontCharacterHeight;
}

} // namespace velmar
