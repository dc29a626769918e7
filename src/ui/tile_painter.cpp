#include "ui/tile_painter.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

#include "cube/apply.h"
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

QIcon ProgramIcon() {
    NetCube net;
    TileCube tiles;
    ResetForScramble(net, tiles);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.scale(size / 310.0, size / 310.0);
        PaintTileCube(painter, tiles);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace cubetimer
