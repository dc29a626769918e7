#include "ui/time_display.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace cubetimer {

TimeDisplay::TimeDisplay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TimeDisplay::setText(const QString& text) {
    if (text == text_) return;
    if (text.size() != text_.size()) {
        update();
    } else {
        for (int i = 0; i < text.size(); ++i)
            if (text[i] != text_[i]) update(cell(i, text.size()).toAlignedRect());
    }
    text_ = text;
}

QRectF TimeDisplay::cell(int index, int length) const {
    // Every character has the advance of a digit, as in a fixed-pitch font.
    const QFontMetricsF metrics(font());
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('0'));
    const qreal left = (width() - advance * length) / 2;
    return {left + advance * index, 0, advance, static_cast<qreal>(height())};
}

const QPixmap& TimeDisplay::glyph(QChar c) {
    const qreal ratio = devicePixelRatioF();
    auto it = glyphs_.find(c);
    // At the screen's own pixels (again on a screen of another ratio), as sharp as text drawn directly.
    if (it == glyphs_.end() || it->devicePixelRatio() != ratio) {
        const QFontMetricsF metrics(font());
        const qreal advance = metrics.horizontalAdvance(QLatin1Char('0'));
        QPixmap picture(QSizeF(std::ceil(advance) * ratio, std::ceil(metrics.height()) * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        // Mid-cell: where the desktop's fixed font lacks the language's letters
        // (Vietnamese), fontconfig gives a proportional one with narrow marks.
        painter.drawText(QPointF((advance - metrics.horizontalAdvance(c)) / 2, metrics.ascent()), QString(c));
        it = glyphs_.insert(c, picture);  // replaces one of another ratio
    }
    return *it;
}

void TimeDisplay::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    const int top = qRound((height() - QFontMetricsF(font()).height()) / 2);
    for (int i = 0; i < text_.size(); ++i) {
        const QRectF box = cell(i, text_.size());
        // Whole pixels, inside the cell's aligned rectangle that setText updates.
        if (event->region().intersects(box.toAlignedRect()))
            painter.drawPixmap(QPoint(static_cast<int>(std::floor(box.left())), top), glyph(text_[i]));
    }
}

void TimeDisplay::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) glyphs_.clear();
    QWidget::changeEvent(event);
}

}  // namespace cubetimer
