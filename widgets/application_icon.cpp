#include "widgets/application_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "widgets/block_arrow.h"

namespace velmar {
namespace {

// A horizontal arrow in the unit square, centred on y = `middle`.
QPainterPath unitArrow(qreal middle, bool pointsRight)
{
    const QPainterPath arrow = RightBlockArrow(QRectF(0.16, middle - 0.15, 0.68, 0.3), 0.11, 0.26);
    // Mirrored about the square's vertical centre line.
    return pointsRight ? arrow : QTransform(-1, 0, 0, 1, 1, 0).map(arrow);
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
