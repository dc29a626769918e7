#pragma once

#include <QHash>
#include <QStaticText>
#include <QWidget>

namespace cubetimer {

// The large time display. It is rewritten 40 times a second while a solve is
// timed, so it repaints only the character cells that changed and draws each
// character from a laid-out cache instead of shaping the whole text anew.
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
    const QStaticText& glyph(QChar c);

    QString text_;
    QHash<QChar, QStaticText> glyphs_;
};

}  // namespace cubetimer
