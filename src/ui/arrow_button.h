#pragma once

#include <QWidget>

namespace cubetimer {

// A small painted arrow that acts as a button: a click runs its action once,
// a double click once more.
class ArrowButton : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Up, Down, Left, Right };

    ArrowButton(Kind kind, const QString& name, int index, QWidget* parent);
    int index() const { return index_; }
    QSize sizeHint() const override;

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    Kind kind_;
    int index_;
};

}  // namespace cubetimer
