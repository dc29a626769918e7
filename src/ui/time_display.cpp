#include "ui/time_display.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

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

const QStaticText& TimeDisplay::glyph(QChar c) {
    auto it = glyphs_.find(c);
    if (it == glyphs_.end()) {
        it = glyphs_.insert(c, QStaticText(QString(c)));
        it->setPerformanceHint(QStaticText::AggressiveCaching);
        it->prepare(QTransform(), font());
    }
    return *it;
}

void TimeDisplay::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font());
    const qreal top = (height() - metrics.height()) / 2;
    for (int i = 0; i < text_.size(); ++i) {
        const QRectF box = cell(i, text_.size());
        if (!event->region().intersects(box.toAlignedRect())) continue;
        // Mid-cell: where the desktop's fixed font lacks the language's letters
        // (Vietnamese), fontconfig gives a proportional one with narrow marks.
        const qreal left = box.left() + (box.width() - metrics.horizontalAdvance(text_[i])) / 2;
        painter.drawStaticText(QPointF(left, top), glyph(text_[i]));
    }
}

void TimeDisplay::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) glyphs_.clear();
    QWidget::changeEvent(event);
}

}  // namespace cubetimer
