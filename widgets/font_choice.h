#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace velmar {

// A font as the converter keeps it: face, whole points, bold and italic, and
// a colour of its own. Underline and strikeout are never kept.
struct FontChoice {
    QFont Font;
    QColor Colour;
};

// The converter window's two fonts: the text font of its boxes, lists and
// labels, and the font of the category tab strip.
struct ConverterFonts {
    FontChoice Text;
    FontChoice Tab;
};

// The desktop palette's window text colour: readable on the window's
// background in light and dark themes alike.
QColor DesktopTextColour();

// "Arial", 10 points, bold, in the desktop's text colour.
FontChoice DefaultTextFont();

// "Small Fonts", 7 points, regular, in the desktop's text colour.
FontChoice DefaultTabFont();

// What the converter keeps of a chosen font: face, size rounded to whole
// points, bold and italic; everything else is dropped.
QFont KeptFont(const QFont& chosen);

// Shows the widget's texts (and those of children that inherit) in the font
// and its colour.
void ShowInFont(QWidget& widget, const FontChoice& choice);

// The font and text colour the widget currently shows.
FontChoice FontShownBy(const QWidget& widget);

} // namespace velmar
