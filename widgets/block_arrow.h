#pragma once

#include <QPainterPath>
#include <QRectF>

namespace velmar {

// A right-pointing block arrow filling `bounds`: a shaft `shaftHeight` high
// along the middle, and a head `headLength` long that takes the full height.
QPainterPath RightBlockArrow(const QRectF& bounds, qreal shaftHeight, qreal headLength);

} // namespace velmar
