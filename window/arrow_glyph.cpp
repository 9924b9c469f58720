#include "window/arrow_glyph.h"

#include <QPainter>

#include "widgets/block_arrow.h"

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
    const QPainterPath arrow = RightBlockArrow(QRectF(w * 0.08, h * 0.12, w * 0.86, h * 0.76), h * 0.28, w * 0.44);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(arrow, palette().color(QPalette::WindowText));
}

} // namespace velmar
