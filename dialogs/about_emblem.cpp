#include "about_emblem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace velmar {
namespace {

const QColor DeepBlue(0x1f, 0x3f, 0x7a);
const QColor SkyBlue(0x7f, 0xb2, 0xe5);
const QColor RuleYellow(0xf2, 0xd0, 0x5c);

// An arrow along a horizontal line from `from` to `to`, head at `to`.
void DrawArrow(QPainter& painter, QPointF from, QPointF to, qreal headSize)
{
    painter.drawLine(from, to);
    const qreal direction = to.x() > from.x() ? -1.0 : 1.0;
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to.x() + direction * headSize, to.y() - headSize / 2);
    head.lineTo(to.x() + direction * headSize, to.y() + headSize / 2);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

void DrawRule(QPainter& painter, const QRectF& rule)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(RuleYellow);
    painter.drawRoundedRect(rule, 3, 3);

    constexpr int Divisions = 20;
    const qreal step = rule.width() / Divisions;
    for (int tick = 1; tick < Divisions; ++tick) {
        const qreal length = tick % 10 == 0 ? rule.height() * 0.6 : tick % 5 == 0 ? rule.height() * 0.45
                                                                                   : rule.height() * 0.25;
        const qreal x = rule.left() + tick * step;
        painter.drawLine(QPointF(x, rule.top()), QPointF(x, rule.top() + length));
    }
}

} // namespace

AboutEmblem::AboutEmblem(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
}

void AboutEmblem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();

    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, DeepBlue);
    sky.setColorAt(1.0, SkyBlue);
    painter.fillRect(area, sky);

    const qreal unit = std::min(area.width(), area.height()) / 10.0;
    const QPointF centre = area.center();

    // The exchange arrows: one value goes in, another comes out.
    painter.setPen(QPen(Qt::white, unit * 0.45, Qt::SolidLine, Qt::RoundCap));
    DrawArrow(painter, QPointF(centre.x() - unit * 3.5, centre.y() - unit * 2.2),
              QPointF(centre.x() + unit * 3.5, centre.y() - unit * 2.2), unit * 1.3);
    painter.setPen(QPen(RuleYellow, unit * 0.45, Qt::SolidLine, Qt::RoundCap));
    DrawArrow(painter, QPointF(centre.x() + unit * 3.5, centre.y() - unit * 0.4),
              QPointF(centre.x() - unit * 3.5, centre.y() - unit * 0.4), unit * 1.3);

    DrawRule(painter, QRectF(area.left() + unit, centre.y() + unit * 1.5, area.width() - 2 * unit, unit * 1.6));
}

} // namespace velmar
