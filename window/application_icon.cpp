#include "application_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace velmar {
namespace {

// A horizontal arrow in the unit square, centred on y = `middle`.
QPainterPath unitArrow(qreal middle, bool pointsRight)
{
    const qreal tip = pointsRight ? 0.84 : 0.16;
    const qreal tail = pointsRight ? 0.16 : 0.84;
    const qreal headStart = pointsRight ? 0.58 : 0.42;
    QPainterPath arrow;
    arrow.moveTo(tail, middle - 0.055);
    arrow.lineTo(headStart, middle - 0.055);
    arrow.lineTo(headStart, middle - 0.15);
    arrow.lineTo(tip, middle);
    arrow.lineTo(headStart, middle + 0.15);
    arrow.lineTo(headStart, middle + 0.055);
    arrow.lineTo(tail, middle + 0.055);
    arrow.closeSubpath();
    return arrow;
}

} // namespace

void PaintApplicationIcon(QPainter& painter, const QRectF& area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width(), area.height());

    QLinearGradient face(0, 0, 0, 1);
    face.setColorAt(0, QColor(0x3d, 0x7e, 0xd8));
    face.setColorAt(1, QColor(0x1c, 0x4f, 0xa0));
    QPainterPath square;
    square.addRoundedRect(QRectF(0.03, 0.03, 0.94, 0.94), 0.18, 0.18);
    painter.fillPath(square, face);

    painter.fillPath(unitArrow(0.33, true), Qt::white);
    painter.fillPath(unitArrow(0.67, false), QColor(0xff, 0xc8, 0x3d));
    painter.restore();
}

QImage ApplicationIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintApplicationIcon(painter, QRectF(0, 0, size, size));
    return image;
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (const int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(ApplicationIconImage(size)));
    return icon;
}

} // namespace velmar
