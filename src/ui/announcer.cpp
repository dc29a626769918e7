#include "ui/announcer.h"

#include <QEvent>
#include <QTimer>

#include <utility>

#include "ui/accessibility.h"

namespace cubetimer {

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    // The notification role comes from the accessibility factory.
    InstallAccessibleViews();
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
    window()->installEventFilter(this);
}

void Announcer::say(const QString& sentence) {
    if (sentence.isEmpty()) return;
    if (window()->isActiveWindow()) {
        showSentence(sentence);
    } else {
        waiting_ = sentence;
    }
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    // After the activation has moved the focus, and so after the screen
    // reader has been told of it.
    if (event->type() == QEvent::WindowActivate && !waiting_.isEmpty())
        QTimer::singleShot(0, this, [this] { showSentence(std::exchange(waiting_, {})); });
    return QWidget::eventFilter(watched, event);
}

void Announcer::showSentence(const QString& sentence) {
    if (sentence.isEmpty()) return;
    // Hidden first, so the same sentence twice is shown, and heard, twice.
    hide();
    setAccessibleName(sentence);
    show();
}

}  // namespace cubetimer
