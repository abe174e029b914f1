#include "forms/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <algorithm>
#include <array>

namespace {

// The frame's outer corners on a unit square (top left, top right, bottom right, bottom left):
// a square turned a little and tipped back, so its far edge is shorter than its near one.
constexpr std::array<QPointF, 4> kOuter = {QPointF(0.30, 0.08), QPointF(0.94, 0.16),
                                           QPointF(0.88, 0.88), QPointF(0.08, 0.76)};
// How far the frame's opening lies inside its outer edge, as a share of the way to the centre.
constexpr qreal kBorder = 0.36;

QPolygonF scaled(const std::array<QPointF, 4>& corners, qreal size)
{
    QPolygonF polygon;
    for (const QPointF& corner : corners)
        polygon << corner * size;
    return polygon;
}

QPolygonF inset(const QPolygonF& outer, qreal share)
{
    QPointF centre;
    for (const QPointF& corner : outer)
        centre += corner;
    centre /= outer.size();
    QPolygonF inner;
    for (const QPointF& corner : outer)
        inner << corner + (centre - corner) * share;
    return inner;
}

void drawFrame(QPainter& painter, qreal size)
{
    const QPolygonF outer = scaled(kOuter, size);
    const QPolygonF inner = inset(outer, kBorder);
    QPainterPath border;
    border.addPolygon(outer);
    border.closeSubpath();
    border.addPolygon(inner);
    border.closeSubpath();
    border.setFillRule(Qt::OddEvenFill);

    // Lit from the top left: light grey on the far side, darker towards the viewer.
    QLinearGradient grey(outer[0], outer[2]);
    grey.setColorAt(0.0, QColor(0xe4, 0xe4, 0xe4));
    grey.setColorAt(1.0, QColor(0x80, 0x80, 0x80));
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), std::max(1.0, size / 32.0)));
    painter.setBrush(grey);
    painter.drawPath(border);
}

void drawTick(QPainter& painter, qreal size)
{
    QPainterPath tick;
    tick.moveTo(QPointF(0.04, 0.62) * size);
    tick.lineTo(QPointF(0.22, 0.88) * size);
    tick.lineTo(QPointF(0.56, 0.42) * size);
    const qreal width = std::max(2.0, size * 0.14);
    // A dark rim keeps the tick apart from the grey it crosses.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x70, 0x00, 0x00), width + std::max(1.0, size / 24.0), Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(
        QPen(QColor(0xe0, 0x10, 0x10), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

} // namespace

QPixmap appIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFrame(painter, size);
    drawTick(painter, size);
    return pixmap;
}

QIcon appIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(appIconPixmap(size));
    return icon;
}
