#include "ui/arrow_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "session/spoken.h"
#include "ui/phrases.h"

namespace cubetimer {

ArrowButton::ArrowButton(Kind kind, const QString& name, int index, const QString& turn, QWidget* parent)
    : QAbstractButton(parent), kind_(kind), index_(index) {
    setObjectName(name + QString::number(index));
    setText(turn);
    setToolTip(turn);
    // "Turn L prime": a speech engine says "L'" as a bare "L".
    setAccessibleName(QString::fromStdString(SpeakableTurns(turn.toStdString(), SpokenWordsTranslated())));
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    resize(sizeHint());
    // The keyboard's and a screen reader's press; the mouse acts on press, below.
    connect(this, &QAbstractButton::clicked, this, [this] { emit turned(index_); });
}

QSize ArrowButton::sizeHint() const {
    return kind_ == Kind::Up || kind_ == Kind::Down ? QSize(19, 17) : QSize(21, 17);
}

void ArrowButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double w = width(), h = height();
    // The margins, the shaft and the lines grow with the arrow.
    const double grown = h / sizeHint().height();
    const double margin = 2 * grown, shaft = 2.5 * grown;
    const int line = std::max(1, static_cast<int>(std::lround(grown)));
    QPolygonF arrow;
    if (kind_ == Kind::Up || kind_ == Kind::Down) {
        // a cyan arrow on black
        painter.fillRect(rect(), Qt::black);
        const double top = margin, bottom = h - margin, mid = w / 2;
        arrow << QPointF(mid, top) << QPointF(w - margin, h * 0.5) << QPointF(mid + shaft, h * 0.5)
              << QPointF(mid + shaft, bottom) << QPointF(mid - shaft, bottom) << QPointF(mid - shaft, h * 0.5)
              << QPointF(margin, h * 0.5);
        if (kind_ == Kind::Down) {
            for (QPointF& p : arrow) p.setY(h - p.y());
        }
        painter.setBrush(QColor(0, 255, 255));
    } else {
        // a yellow arrow on a pale blue square
        painter.fillRect(rect(), QColor(170, 200, 255));
        painter.setPen(QPen(QColor(60, 90, 160), line));
        painter.drawRect(QRectF(line / 2.0, line / 2.0, w - line, h - line));
        const double left = margin, right = w - margin, mid = h / 2;
        arrow << QPointF(left, mid) << QPointF(w * 0.5, margin) << QPointF(w * 0.5, mid - shaft)
              << QPointF(right, mid - shaft) << QPointF(right, mid + shaft) << QPointF(w * 0.5, mid + shaft)
              << QPointF(w * 0.5, h - margin);
        if (kind_ == Kind::Right) {
            for (QPointF& p : arrow) p.setX(w - p.x());
        }
        painter.setBrush(QColor(255, 230, 0));
    }
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(arrow);
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2 * line));
        painter.drawRect(rect().adjusted(line, line, -line, -line));
    }
}

void ArrowButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit turned(index_);
}

void ArrowButton::mouseReleaseEvent(QMouseEvent*) {}

void ArrowButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit turned(index_);
}

}  // namespace cubetimer
