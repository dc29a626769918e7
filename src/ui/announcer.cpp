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
    waiting_ = sentence;
    if (window()->isActiveWindow()) sayWaiting();
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !waiting_.isEmpty()) sayWaiting();
    return QWidget::eventFilter(watched, event);
}

void Announcer::sayWaiting() {
    // Once the handler or the activation at hand has moved the focus, and so
    // after the screen reader has been told of it. The last sentence wins.
    QTimer::singleShot(0, this, [this] {
        const QString sentence = std::exchange(waiting_, {});
        if (!sentence.isEmpty()) showSentence(sentence);
    });
}

void Announcer::showSentence(const QString& sentence) {
    // Hidden first, so the same sentence twice is shown, and heard, twice.
    hide();
    setAccessibleName(sentence);
    show();
}

}  // namespace cubetimer
