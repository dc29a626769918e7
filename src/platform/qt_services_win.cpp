#include "platform/qt_services.h"

#include <windows.h>

#include "platform/win_key_messages.h"
#include "platform/win_sound_player.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QFileDialog>

namespace cubetimer {

// Every message the program takes off its queue, seen before the toolkit
// handles it: the key messages' own times are kept for their key events.
struct QtServices::Native : QAbstractNativeEventFilter {
    // Watches the tick count step (up to two ticks, 32 ms) to learn its granularity.
    KeyMessages keys{MessageClock::Measure(GetTickCount, std::chrono::steady_clock::now)};
    QMetaObject::Connection idle = QObject::connect(QAbstractEventDispatcher::instance(),
                                                    &QAbstractEventDispatcher::aboutToBlock, [this] { keys.idle(); });

    ~Native() override { QObject::disconnect(idle); }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        if (eventType != "windows_generic_MSG") return false;
        const DWORD tick = GetTickCount();
        keys.seen(*static_cast<const MSG*>(message), tick, std::chrono::steady_clock::now());
        return false;
    }
};

// Without a sound device, Windows' default beep, which it plays on its own.
QtServices::QtServices()
    : beeper_(std::make_unique<WinSoundPlayer>(), [] { QApplication::beep(); }), native_(std::make_unique<Native>()) {
    QCoreApplication::instance()->installNativeEventFilter(native_.get());
}

// The filter takes itself off the application as it goes.
QtServices::~QtServices() = default;

std::string QtServices::saveFileName(const std::string& title, const std::string& filter) {
    // The name gets ".txt" appended whatever is typed, so the dialog must not
    // ask about replacing the typed name, nor add the filter's suffix to it
    // as the system's own dialog does (under Wine at least).
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), QString::fromStdString(title), QString(),
                                        QString::fromStdString(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog)
        .toStdString();
}

std::uint32_t QtServices::keyStamp(int nativeKeyCode, bool press, std::uint32_t toolkitStamp) {
    return native_->keys.stamp(nativeKeyCode, press, toolkitStamp, now());
}

}  // namespace cubetimer
