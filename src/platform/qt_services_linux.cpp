#include "platform/qt_services.h"

#include "platform/canberra_player.h"
#include "platform/xcb_key_stamps.h"

#include <QApplication>
#include <QFileDialog>

namespace cubetimer {

// On X, the server's stamps kept as its events arrive; nothing elsewhere.
struct QtServices::Native : XcbKeyStamps {};

// Without a sound server the X bell is the warning: a request the X server
// queues, which never blocks. Desktops that turn it into a sound do so.
QtServices::QtServices() : beeper_(std::make_unique<CanberraPlayer>(), [] { QApplication::beep(); }) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    native_ = std::make_unique<Native>();
    QCoreApplication::instance()->installNativeEventFilter(native_.get());
}

// The filter takes itself off the application as it goes.
QtServices::~QtServices() = default;

std::string QtServices::saveFileName(const std::string& title, const std::string& filter) {
    // The name gets ".txt" appended whatever is typed, so the dialog must not
    // ask about replacing the typed name.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString::fromStdString(title), QString(),
                                        QString::fromStdString(filter), nullptr, QFileDialog::DontConfirmOverwrite)
        .toStdString();
}

// X and Wayland stamp keys with the monotonic clock; a key handed on by a
// screen reader's bridge comes without, and takes the stamp X gave it.
std::uint32_t QtServices::keyStamp(int nativeKeyCode, bool press, std::uint32_t toolkitStamp) {
    if (toolkitStamp != 0 || !native_) return toolkitStamp;
    return native_->stamps().take(nativeKeyCode, press, now());
}

}  // namespace cubetimer
