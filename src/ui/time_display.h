#pragma once

#include <QHash>
#include <QPixmap>
#include <QWidget>

namespace cubetimer {

// The large time display. It is rewritten 40 times a second while a solve is
// timed, so it repaints only the character cells that changed and draws each
// character from a picture of it painted once at the display's font and
// colour, instead of shaping the text anew (or, in a zoomed form, filling a
// glyph too large for the toolkit's cache from its outline every time).
class TimeDisplay : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit TimeDisplay(QWidget* parent);

    QString text() const { return text_; }
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRectF cell(int index, int length) const;
    const QPixmap& glyph(QChar c);

    QString text_;
    QHash<QChar, QPixmap> glyphs_;
};

}  // namespace cubetimer
