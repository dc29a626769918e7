#include "ui/announcer.h"

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
}

void Announcer::say(const QString& sentence) {
    if (sentence.isEmpty()) return;
    // Hidden first, so the same sentence twice is shown, and heard, twice.
    hide();
    setAccessibleName(sentence);
    show();
}

}  // namespace cubetimer
