#include "widgets/block_arrow.h"

namespace velmar {

QPainterPath RightBlockArrow(const QRectF& bounds, qreal shaftHeight, qreal headLength)
{
    const qreal middle = bounds.center().y();
    const qreal shaftTop = middle - shaftHeight / 2;
    const qreal shaftBottom = middle + shaftHeight / 2;
    const qreal headStart = bounds.right() - headLength;
    QPainterPath arrow;
    arrow.moveTo(bounds.left(), shaftTop);
    arrow.lineTo(headStart, shaftTop);
    arrow.lineTo(headStart, bounds.top());
    arrow.lineTo(bounds.right(), middle);
    arrow.lineTo(headStart, bounds.bottom());
    arrow.lineTo(headStart, shaftBottom);
    arrow.lineTo(bounds.left(), shaftBottom);
    arrow.closeSubpath();
    return arrow;
}

} // namespace velmar
