#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>

namespace cubetimer {

// An empty, focusless widget read by a screen reader as a notification.
class Notification : public QWidget {
    Q_OBJECT
public:
    explicit Notification(QWidget* parent);
};

// The notifications' parent, read as a status bar: a screen reader says a
// status bar's notification without its role word, which would otherwise
// come before every sentence and take longer than most of them.
class NotificationBar : public QWidget {
    Q_OBJECT
public:
    explicit NotificationBar(QWidget* parent);
};

// Says one sentence to a screen reader without taking the focus. An
// accessibility event on a label or a renamed button is not read aloud by
// every screen reader; a notification coming into view is. So a sentence is
// the name of a notification that shows itself. The callers say each change
// once, never at the display's 40 Hz.
class Announcer : public QObject {
    Q_OBJECT
public:
    // The notifications live on `surface`, inside the window that speaks; a
    // widget with no children of its own, so they stand beside no control.
    explicit Announcer(QWidget* surface);

    // Said once the caller is done, in the active window; otherwise (a
    // message box has just closed) once the window has the keyboard back. A
    // screen reader reads a focus change over anything said before it.
    void say(const QString& sentence);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sayWaiting();
    void show(const QString& sentence);

    // A screen reader reads a notification's name some time after it shows;
    // taking turns keeps each one's name until then, also when a countdown
    // tick and a key press come together.
    std::array<Notification*, 4> notifications_{};
    std::size_t next_ = 0;
    QString waiting_;
};

}  // namespace cubetimer
