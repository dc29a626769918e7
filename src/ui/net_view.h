#pragma once

#include <QWidget>

#include "cube/net_cube.h"

namespace cubetimer {

// The flat net of 54 squares, painted from the net model it is given, grown
// by the form's `scale`; resized (the form zoomed), it paints at its size.
class NetView : public QWidget {
    Q_OBJECT
public:
    NetView(const NetCube& net, double scale, QWidget* parent);
    QSize sizeHint() const override;
    const NetCube& net() const { return net_; }
    // Top-left corner of a square in the view, at 100% scale.
    static QPoint squareAt(char face, int index);
    static constexpr int kSquare = 25;
    // A square with its border, at the view's size.
    QRect square(char face, int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int grown(double pixels) const;

    const NetCube& net_;
    double scale_;
};

}  // namespace cubetimer
