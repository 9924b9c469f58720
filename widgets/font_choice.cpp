#include "widgets/font_choice.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace velmar {
namespace {

FontChoice MakeFontChoice(const QString& face, int points, bool bold, QFont::StyleHint kind)
{
    QFont font(face, points, bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(kind);
    return {font, DesktopTextColour()};
}

} // namespace

QColor DesktopTextColour()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

FontChoice DefaultTextFont()
{
    return MakeFontChoice(QStringLiteral("Arial"), 10, true, QFont::SansSerif);
}

FontChoice DefaultTabFont()
{
    return MakeFontChoice(QStringLiteral("Small Fonts"), 7, false, QFont::SansSerif);
}

QFont KeptFont(const QFont& chosen)
{
    QFont kept(chosen.family());
    kept.setStyleHint(chosen.styleHint());
    if (chosen.pointSizeF() > 0)
        kept.setPointSize(std::max(1, static_cast<int>(std::lround(chosen.pointSizeF()))));
    else
        kept.setPixelSize(chosen.pixelSize());
    kept.setBold(chosen.bold());
    kept.setItalic(chosen.italic());
    return kept;
}

void ShowInFont(QWidget& widget, const FontChoice& choice)
{
    widget.setFont(choice.Font);
    QPalette colours = widget.palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        colours.setColor(QPalette::Active, role, choice.Colour);
        colours.setColor(QPalette::Inactive, role, choice.Colour);
    }
    widget.setPalette(colours);
}

FontChoice FontShownBy(const QWidget& widget)
{
    return {widget.font(), widget.palette().color(QPalette::Active, QPalette::WindowText)};
}

} // namespace velmar
