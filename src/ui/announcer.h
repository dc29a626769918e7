#pragma once

#include <QString>
#include <QWidget>

namespace cubetimer {

// Says one sentence to a screen reader without taking the focus. An
// accessibility event on a label or a renamed button is not read aloud by
// every screen reader; a notification coming into view is. So this is a
// hidden, empty notification that takes the sentence as its name and shows
// itself. The callers say each change once, never at the display's 40 Hz.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    // Said at once in the active window. Otherwise (a message box has just
    // closed) the sentence waits until the window has the keyboard back: a
    // screen reader reads the window and its focus over anything said before.
    void say(const QString& sentence);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showSentence(const QString& sentence);

    QString waiting_;
};

}  // namespace cubetimer
