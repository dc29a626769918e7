#include "ui/net_view.h"

#include <QPainter>

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

NetView::NetView(const NetCube& net, QWidget* parent) : QWidget(parent), net_(net) {
    setObjectName(QStringLiteral("netview"));
    resize(sizeHint());
}

QSize NetView::sizeHint() const { return {306, 258}; }

QPoint NetView::squareAt(char face, int index) {
    // squares at a pitch of 24 px (borders overlap by one), faces at 76 px
    const QPoint cell = FaceCell(face);
    const int columnLeft = cell.x() == 0 ? 4 : 80 + 76 * (cell.x() - 1);
    return {columnLeft + 24 * (index % 3), 28 + 76 * cell.y() + 24 * (index / 3)};
}

void NetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    for (char face : NetCube::kFaces) {
        for (int index = 0; index < 9; ++index) {
            const Rgb rgb = NetRgb(net_.colour(face, index));
            painter.setBrush(QColor(rgb.red, rgb.green, rgb.blue));
            painter.drawRect(QRect(squareAt(face, index), QSize(kSquare - 1, kSquare - 1)));
        }
    }
}

}  // namespace cubetimer
