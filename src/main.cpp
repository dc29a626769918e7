#include <QApplication>

#include <chrono>
#include <memory>
#include <random>

#include "platform/qt_services.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorvanta-timer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvanta Rubik's Timer"));
    QApplication::setDesktopFileName(QStringLiteral("quorvanta-timer"));

    cubetimer::QtServices services;
    std::unique_ptr<cubetimer::MainWindow> window;

    cubetimer::SplashWindow splash;
    QObject::connect(&splash, &cubetimer::SplashWindow::finished, [&] {
        // One generator for the whole run, seeded from the clock when the timer opens.
        auto engine = std::make_shared<std::mt19937_64>(
            static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
        auto uniform01 = [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
        window = std::make_unique<cubetimer::MainWindow>(services, uniform01);
        window->show();
    });
    splash.show();
    return QApplication::exec();
}
