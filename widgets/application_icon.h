#pragma once

#include <QIcon>
#include <QImage>

class QPainter;
class QRectF;

namespace velmar {

// The program's emblem: two opposed arrows on a rounded blue square, drawn to
// fill `area`. Usable at any size and on any paint device.
void PaintApplicationIcon(QPainter& painter, const QRectF& area);

// The emblem as a square image of `size` pixels with a transparent background.
QImage ApplicationIconImage(int size);

// The window icon, with its 16 and 32 pixel images.
QIcon ApplicationIcon();

} // namespace velmar
