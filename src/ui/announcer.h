#pragma once

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

    void say(const QString& sentence);
};

}  // namespace cubetimer
