#include "ui/tile_painter.h"

#include <QColor>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

#include "cube/tile_picture.h"

namespace cubetimer {

namespace {

QColor ToQColor(Rgb rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

template <std::size_t N>
QPolygonF ToPolygon(const std::array<PointF, N>& points, double scale) {
    QPolygonF polygon;
    for (const PointF& p : points) polygon << QPointF(std::round(p.x * scale), std::round(p.y * scale));
    return polygon;
}

}  // namespace

void PaintTileCube(QPainter& painter, const TileCube& tiles, double scale) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(kSilhouette));
    painter.drawPolygon(ToPolygon(CubeSilhouette(), scale));
    for (int n = 0; n < kTileCount; ++n) {
        const Tile tile = TileAt(n);
        painter.setBrush(ToQColor(TileRgb(tile.position, tiles.at(tile.position, tile.facelet))));
        painter.drawPolygon(ToPolygon(tile.corners, scale));
    }
    painter.restore();
}

}  // namespace cubetimer
