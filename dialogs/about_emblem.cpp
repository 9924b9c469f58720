#include "dialogs/about_emblem.h"

#include <QPainter>

#include <algorithm>

#include "widgets/application_icon.h"

namespace velmar {

AboutEmblem::AboutEmblem(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
}

void AboutEmblem::paintEvent(QPaintEvent*)
{
    constexpr int Margin = 8;
    const qreal side = std::max(0, std::min(width(), height()) - 2 * Margin);
    QRectF square(0, 0, side, side);
    square.moveCenter(QRectF(rect()).center());
    QPainter painter(this);
    PaintApplicationIcon(painter, square);
}

} // namespace velmar
