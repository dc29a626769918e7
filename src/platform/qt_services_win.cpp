#include "platform/qt_services.h"

#include <windows.h>
#include <commdlg.h>

#include "platform/win_key_messages.h"
#include "platform/win_sound_player.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QWidget>

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

// The system's own dialog, which keeps nothing of Qt's in the registry.
QString QtServices::fileDialog(bool save, const QString& title, const QString& filter, const QString& folder) {
    // Qt's "Text files (*.txt)" is the system's "Text files (*.txt)", "*.txt".
    const qsizetype from = filter.lastIndexOf(QLatin1Char('(')), to = filter.lastIndexOf(QLatin1Char(')'));
    const QString patterns = from >= 0 && to > from ? filter.mid(from + 1, to - from - 1).simplified() : QStringLiteral("*");
    const std::wstring filters = (filter + QChar() + QString(patterns).replace(QLatin1Char(' '), QLatin1Char(';')) + QChar()).toStdWString();
    const std::wstring caption = title.toStdWString(), start = folder.toStdWString();
    std::wstring name(32768, L'\0');

    const QWidget* owner = QApplication::activeWindow();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner ? reinterpret_cast<HWND>(owner->winId()) : nullptr;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = start.c_str();
    dialog.lpstrTitle = caption.c_str();
    // No default extension and no question about replacing: the program
    // appends ".txt" to a saved name itself, so the name typed is not the
    // file written. A typed name that does not exist comes back, so that it
    // is refused in the program's own words ("File not accessible!").
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return {};
    return QString::fromWCharArray(name.c_str());
}

std::uint32_t QtServices::keyStamp(int nativeKeyCode, bool press, std::uint32_t toolkitStamp) {
    return native_->keys.stamp(nativeKeyCode, press, toolkitStamp, now());
}

}  // namespace cubetimer
