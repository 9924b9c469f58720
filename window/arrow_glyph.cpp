#include "arrow_glyph.h"

#include <QPainter>
#include <QPainterPath>

namespace velmar {

ArrowGlyph::ArrowGlyph(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ArrowGlyph::paintEvent(QPaintEvent*)
{
    // Proportions of a 24-pixel symbol glyph: a short thick shaft and a wide head.
    const qreal w = width();
    const qreal h = height();
    const qreal middle = h / 2;
    const qreal shaftHalf = h * 0.14;
    const qreal headHalf = h * 0.38;
    const qreal headStart = w * 0.5;
    QPainterPath arrow;
    arrow.moveTo(w * 0.08, middle - shaftHalf);
    arrow.lineTo(headStart, middle - shaftHalf);
    arrow.lineTo(headStart, middle - headHalf);
    arrow.lineTo(w * 0.94, middle);
    arrow.lineTo(headStart, middle + headHalf);
    arrow.lineTo(headStart, middle + shaftHalf);
    arrow.lineTo(w * 0.08, middle + shaftHalf);
    arrow.closeSubpath();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(arrow, palette().color(QPalette::WindowText));
}

} // namespace velmar
