#include <QApplication>
#include <QIcon>

#include <chrono>
#include <memory>

#include "platform/qt_services.h"
#include "scramble/random_source.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"
#include "ui/translations.h"

namespace {

// The one picture of the program, as on its desktop entry, exe, shortcut and
// installer, drawn from its SVG at build time.
QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 256}) icon.addFile(QStringLiteral(":/icon/%1.png").arg(size));
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Qt's own event dispatcher wakes less often than the GLib one, which
    // matters with a display refreshed 40 times a second.
    if (qEnvironmentVariableIsEmpty("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvanta-timer"));
    QApplication::setDesktopFileName(QStringLiteral("example.quorvanta.RubiksTimer"));
    QApplication::setWindowIcon(ProgramIcon());
    cubetimer::InstallTranslations(app);

    cubetimer::QtServices services;
    std::unique_ptr<cubetimer::MainWindow> window;

    cubetimer::SplashWindow splash;
    QObject::connect(&splash, &cubetimer::SplashWindow::finished, [&] {
        // One generator for the whole run, seeded from the clock when the timer opens.
        const auto seed = std::chrono::system_clock::now().time_since_epoch().count();
        window = std::make_unique<cubetimer::MainWindow>(services, cubetimer::UniformSource(static_cast<std::uint64_t>(seed)));
        window->show();
    });
    splash.show();
    return QApplication::exec();
}
