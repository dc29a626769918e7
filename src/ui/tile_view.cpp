#include "ui/tile_view.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "cube/tile_picture.h"
#include "ui/look.h"
#include "ui/tile_painter.h"

namespace cubetimer {

TileView::TileView(const TileCube& tiles, double scale, QWidget* parent) : QWidget(parent), tiles_(tiles), scale_(scale) {
    setObjectName(QStringLiteral("picCube"));
    resize(sizeHint());
}

QSize TileView::sizeHint() const {
    return {static_cast<int>(std::lround(kTileAreaWidth * scale_)), static_cast<int>(std::lround(346 * scale_))};
}

double TileView::paintScale() const {
    const QSize hint = sizeHint();
    return scale_ * std::min(double(width()) / hint.width(), double(height()) / hint.height());
}

void TileView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // In a dark window the cube stands on the window's colour, as the net does,
    // rather than on a bright box.
    const QColor window = palette().color(QPalette::Window);
    painter.fillRect(rect(), IsDark(window) ? window : QColor(kTileGround.red, kTileGround.green, kTileGround.blue));
    PaintTileCube(painter, tiles_, paintScale());
}

void TileView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace cubetimer
