#include "platform/qt/QtCanvas.h"

#include <QPolygon>

#include "platform/qt/LinePixels.h"

namespace orvanest {

namespace {

QColor toQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QPen toQPen(const Pen& pen) {
    QPen result(toQColor(pen.colour));
    result.setWidth(pen.width);
    result.setStyle(pen.style == LineStyle::Dash ? Qt::DashLine : Qt::SolidLine);
    result.setCapStyle(Qt::FlatCap);
    return result;
}

QPoint toQPoint(PixelPoint p) { return QPoint(p.x, p.y); }

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    // The dashed band's gaps show what lies beneath.
    painter_.setBackgroundMode(Qt::TransparentMode);
}

void QtCanvas::fill(Rgb colour) { painter_.fillRect(painter_.window(), toQColor(colour)); }

void QtCanvas::drawLine(PixelPoint from, PixelPoint to, const Pen& pen) {
    // A line of zero length covers no pixel (Qt would draw a dot).
    if (from == to) return;
    painter_.setPen(toQPen(pen));
    if (pen.width == 1 && pen.style == LineStyle::Solid) {
        // Qt leaves out the right or lower end of a thin line; the drawing code wants the end pixel left out.
        const std::vector<QPoint> pixels = linePixels(toQPoint(from), toQPoint(to), painter_.window());
        painter_.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
        return;
    }
    painter_.drawLine(toQPoint(from), toQPoint(to));
}

void QtCanvas::drawPath(const std::vector<PixelPoint>& points, const Pen& pen) {
    if (points.size() < 2) return;
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const PixelPoint& p : points) polygon << toQPoint(p);
    painter_.setPen(toQPen(pen));
    painter_.drawPolyline(polygon);
}

void QtCanvas::setPixel(PixelPoint p, Rgb colour) {
    QPen pen(toQColor(colour));
    pen.setWidth(1);
    painter_.setPen(pen);
    painter_.drawPoint(toQPoint(p));
}

}  // namespace orvanest
