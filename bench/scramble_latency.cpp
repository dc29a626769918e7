// Time from Save to the next scramble fully drawn in the tile view, in the
// real window on a real display: Save is called the way the key press calls
// it, then the event loop runs until the tile view has finished painting.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "platform/qt_services.h"
#include "ui/main_window.h"

namespace {

// The real services, except that questions are answered at once: the end of
// a session is not looked at, a reset is confirmed.
class AnsweringServices : public cubetimer::QtServices {
public:
    Answer message(const std::string&, const std::string& title, Icon, Buttons) override {
        return title == "Warning" ? Answer::Yes : Answer::No;
    }
};

class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    AnsweringServices services;
    std::mt19937_64 engine(9);
    cubetimer::MainWindow window(services, [&engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); });
    window.show();
    QWidget* view = window.findChild<QWidget*>(QStringLiteral("picCube"));
    PaintWatch watch;
    view->installEventFilter(&watch);
    for (int i = 0; i < 20; ++i) QApplication::processEvents();

    std::vector<double> latencies;
    for (int solve = 0; solve < 60; ++solve) {
        if (window.cycle().state() == cubetimer::SolveCycle::State::Ended) window.cmdreset_Click();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        window.cmdstart_Click(services.now());  // Start
        window.cmdstart_Click(services.now());  // Stop
        QApplication::processEvents();
        watch.painted = false;
        QElapsedTimer clock;
        clock.start();
        window.cmdstart_Click(services.now());  // Save: records, then shows the next scramble
        while (!watch.painted) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        latencies.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("save_to_scramble_drawn_ms median=%.2f p90=%.2f max=%.2f (n=%zu, goal: median under 50)\n",
                latencies[latencies.size() / 2], latencies[latencies.size() * 9 / 10], latencies.back(),
                latencies.size());
    return 0;
}
