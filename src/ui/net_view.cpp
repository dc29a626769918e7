#include "ui/net_view.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace cubetimer {

namespace {

// Face positions in the cross, in face pitches: B above U; L, U, R, D in a row; F below U.
QPoint FaceCell(char face) {
    switch (face) {
        case 'B': return {1, 0};
        case 'L': return {0, 1};
        case 'U': return {1, 1};
        case 'R': return {2, 1};
        case 'D': return {3, 1};
        default: return {1, 2};  // 'F'
    }
}

}  // namespace

NetView::NetView(const NetCube& net, double scale, QWidget* parent) : QWidget(parent), net_(net), scale_(scale) {
    setObjectName(QStringLiteral("netview"));
    resize(sizeHint());
}

QSize NetView::sizeHint() const {
    return {static_cast<int>(std::lround(306 * scale_)), static_cast<int>(std::lround(258 * scale_))};
}

int NetView::grown(double pixels) const {
    const QSize hint = sizeHint();
    const double zoom = std::min(double(width()) / hint.width(), double(height()) / hint.height());
    return static_cast<int>(std::lround(pixels * scale_ * zoom));
}

QPoint NetView::squareAt(char face, int index) {
    // squares at a pitch of 24 px (borders overlap by one), faces at 76 px
    const QPoint cell = FaceCell(face);
    const int columnLeft = cell.x() == 0 ? 4 : 80 + 76 * (cell.x() - 1);
    return {columnLeft + 24 * (index % 3), 28 + 76 * cell.y() + 24 * (index / 3)};
}

QRect NetView::square(char face, int index) const {
    // Edges are rounded, not sizes, so the borders of neighbours still overlap.
    const QPoint corner = squareAt(face, index);
    const int left = grown(corner.x()), top = grown(corner.y());
    return {left, top, grown(corner.x() + kSquare) - left, grown(corner.y() + kSquare) - top};
}

void NetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Whole pixels only: the grey border grows with the squares and stays sharp.
    const int border = std::max(1, grown(1));
    for (char face : NetCube::kFaces) {
        for (int index = 0; index < 9; ++index) {
            const Rgb rgb = NetRgb(net_.colour(face, index));
            const QRect outer = square(face, index);
            painter.fillRect(outer, QColor(128, 128, 128));
            painter.fillRect(outer.adjusted(border, border, -border, -border), QColor(rgb.red, rgb.green, rgb.blue));
        }
    }
}

}  // namespace cubetimer
