#include "platform/qt_services.h"

#include "platform/canberra_player.h"
#include "platform/xcb_key_stamps.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace cubetimer {

namespace {

// Qt's file dialog keeps its folders, sidebar and view in the user's settings
// (~/.config/QtProject.conf) as it closes, and starts from them. This program
// keeps nothing there: while its dialog is open, those settings go to a
// folder of its own, removed afterwards.
class DialogSettingsAside {
public:
    DialogSettingsAside() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch_.path()); }
    ~DialogSettingsAside() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userFolder_); }
    DialogSettingsAside(const DialogSettingsAside&) = delete;
    DialogSettingsAside& operator=(const DialogSettingsAside&) = delete;

private:
    // Where they go otherwise; naming it writes nothing.
    QString userFolder_ = QFileInfo(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName()).absolutePath();
    QTemporaryDir scratch_;
};

}  // namespace

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

QString QtServices::fileDialog(bool save, const QString& title, const QString& filter, const QString& folder) {
    const DialogSettingsAside aside;
    QFileDialog dialog(QApplication::activeWindow(), title, folder, filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A typed name that does not exist comes back, so that it is refused in
    // the program's own words ("File not accessible!"), not the dialog's.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

// X and Wayland stamp keys with the monotonic clock; a key handed on by a
// screen reader's bridge comes without, and takes the stamp X gave it.
std::uint32_t QtServices::keyStamp(int nativeKeyCode, bool press, std::uint32_t toolkitStamp) {
    if (toolkitStamp != 0 || !native_) return toolkitStamp;
    return native_->stamps().take(nativeKeyCode, press, now());
}

}  // namespace cubetimer
