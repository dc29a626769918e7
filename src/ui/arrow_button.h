#pragma once

#include <QAbstractButton>

namespace cubetimer {

// A small painted arrow that acts as a button: a mouse press runs its action
// at once, a double click once more; with the focus, space runs it. Its
// caption names the turn it makes and is shown as its tooltip and read out,
// with the turn spelled out. Its size hint is the default font's; grown, the
// arrow is painted in proportion.
class ArrowButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Kind { Up, Down, Left, Right };

    ArrowButton(Kind kind, const QString& name, int index, const QString& turn, QWidget* parent);
    int index() const { return index_; }
    QSize sizeHint() const override;

signals:
    void turned(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Kind kind_;
    int index_;
};

}  // namespace cubetimer
