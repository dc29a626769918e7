#include "ui/announcer.h"

#include <QEvent>
#include <QTimer>

#include <utility>

#include "ui/accessibility.h"

namespace cubetimer {

namespace {

// One pixel that paints nothing and takes neither the focus nor the mouse.
void MakeUnseen(QWidget* widget) {
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setGeometry(0, 0, 1, 1);
}

}  // namespace

Notification::Notification(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("announcement"));
    MakeUnseen(this);
    hide();
}

NotificationBar::NotificationBar(QWidget* parent) : QWidget(parent) { MakeUnseen(this); }

Announcer::Announcer(QWidget* surface) : QObject(surface) {
    // The notification and status bar roles come from the accessibility factory.
    InstallAccessibleViews();
    // On a parent with no other children: a place inside the window that
    // stands beside no control.
    auto* bar = new NotificationBar(surface);
    for (Notification*& notification : notifications_) notification = new Notification(bar);
    surface->window()->installEventFilter(this);
}

void Announcer::say(const QString& sentence) {
    if (sentence.isEmpty()) return;
    waiting_ = sentence;
    if (notifications_[0]->window()->isActiveWindow()) sayWaiting();
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !waiting_.isEmpty()) sayWaiting();
    return QObject::eventFilter(watched, event);
}

void Announcer::sayWaiting() {
    // Once the handler or the activation at hand has moved the focus, and so
    // after the screen reader has been told of it. The last sentence wins.
    QTimer::singleShot(0, this, [this] {
        const QString sentence = std::exchange(waiting_, {});
        if (!sentence.isEmpty()) show(sentence);
    });
}

void Announcer::show(const QString& sentence) {
    Notification* notification = notifications_[next_];
    next_ = (next_ + 1) % notifications_.size();
    // Hidden first: it comes into view again, and is heard again.
    notification->hide();
    notification->setAccessibleName(sentence);
    notification->show();
}

}  // namespace cubetimer
