#pragma once

#include <QDialog>

class QFrame;
class QLabel;

namespace cubetimer {

// The about window. Its way out is the "Ok" label: a click on the label, or
// Enter or Escape, closes it and gives the focus back to the timer; a click
// on the frame around the label only closes it.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent);

    // Whether the last close asked for the focus to go back to the timer.
    bool returnFocus() const { return returnFocus_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool returnFocus_ = false;
    QFrame* Frame2;
    QLabel* Label2;
};

}  // namespace cubetimer
