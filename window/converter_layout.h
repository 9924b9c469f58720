#pragma once

class QFont;

namespace velmar {

// Left, top, width and height of a control on the panel, in pixels.
struct ControlBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    bool operator==(const ControlBounds&) const = default;
};

// The controls the layout rule places on the converter panel.
struct ConverterLayout {
    ControlBounds InputBox;   // txt_In
    ControlBounds ResultBox;  // txt_Out
    ControlBounds Arrow;      // lab
    ControlBounds SourceList; // lst_In
    ControlBounds TargetList; // lst_Out
    ControlBounds Fraction;   // lab2

    bool operator==(const ConverterLayout&) const = default;
};

// The layout rule for a panel of the given size, starting from the controls'
// current bounds: what the rule does not set is kept. Products with a fraction
// are rounded to the nearest integer, halves to even. No lower bounds apply,
// so a small panel can give zero or negative sizes.
ConverterLayout LayOutConverter(int panelWidth, int panelHeight, ConverterLayout layout);

// A font's character height in pixels (without internal leading), as a font
// chosen by point size holds it: the size in points at the given dots per inch,
// rounded.
int FontCharacterHeight(const QFont& font, int dotsPerInch);

// The tab strip's height for its font's character height.
int TabStripHeight(int fontCharacterHeight);

} // namespace velmar
