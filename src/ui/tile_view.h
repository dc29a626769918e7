#pragma once

#include <QWidget>

#include "cube/tile_cube.h"

namespace cubetimer {

// The three-dimensional tile picture of the tile cube, with room below it for
// the arrows that turn its layers, grown by the form's `scale`; resized
// (the form zoomed), it paints at its size.
class TileView : public QWidget {
    Q_OBJECT
public:
    TileView(const TileCube& tiles, double scale, QWidget* parent);
    QSize sizeHint() const override;
    const TileCube& tiles() const { return tiles_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double paintScale() const;

    const TileCube& tiles_;
    double scale_;
};

}  // namespace cubetimer
