// How far a recorded solve is from the interval between its two key presses,
// in the real window on a real X server. A driver thread presses the space
// bar through the server's test extension at known instants, like a keyboard,
// and reads the stopped solve back in milliseconds. With --nice N the window's
// threads run at that niceness while the driver keeps its own, as a busy
// desktop treats a background program. With --beep every solve beeps three
// times while it is timed, as a countdown does, and the longest beep() call
// and the longest stall of the window's event loop are reported: run it with
// PULSE_SERVER on a server that never answers to see a hung one cost nothing.
#include <QApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QTimer>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <thread>
#include <type_traits>
#include <vector>

#include "platform/qt_services.h"
#include "ui/main_window.h"

// Last: its macros (None, Bool, Status) would rename the names above.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using Clock = std::chrono::steady_clock;
using cubetimer::SolveCycle;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

class AnsweringServices : public cubetimer::QtServices {
public:
    Answer message(const std::string&, const std::string& title, Icon, Buttons) override {
        return title == "Warning" ? Answer::Yes : Answer::No;
    }
    void beep() override {
        const auto before = Clock::now();
        QtServices::beep();
        beepMs.push_back(Ms(Clock::now() - before));
        beeped = true;
    }
    std::vector<double> beepMs;
    bool beeped = false;
};

// How long the window's event loop went without running a 1-ms timer: the
// longest time of all, and the longest over an iteration that beeped. On a
// machine shared with other work much of that is waiting for a core, which
// the kernel counts per thread (schedstat's run delay); the stall less that
// wait is what the thread itself spent or was blocked.
class StallMonitor {
public:
    explicit StallMonitor(AnsweringServices& services) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this, &services] {
            const double waited = runDelayMs();
            const double stall = static_cast<double>(clock_.nsecsElapsed()) / 1e6 - 1.0;
            const double own = stall - (waited - lastRunDelayMs_);
            longestMs = std::max(longestMs, stall);
            if (services.beeped) {
                longestBeepingMs = std::max(longestBeepingMs, stall);
                longestBeepingOwnMs = std::max(longestBeepingOwnMs, own);
            }
            services.beeped = false;
            lastRunDelayMs_ = waited;
            clock_.restart();
        });
    }
    void start() {
        lastRunDelayMs_ = runDelayMs();
        clock_.start();
        timer_.start(1);
    }
    double longestMs = 0.0;
    double longestBeepingMs = 0.0;
    double longestBeepingOwnMs = 0.0;

private:
    static double runDelayMs() {
        std::FILE* file = std::fopen("/proc/thread-self/schedstat", "r");
        if (file == nullptr) return 0.0;
        unsigned long long running = 0, waiting = 0;
        const int read = std::fscanf(file, "%llu %llu", &running, &waiting);
        std::fclose(file);
        return read == 2 ? static_cast<double>(waiting) / 1e6 : 0.0;
    }

    QTimer timer_;
    QElapsedTimer clock_;
    double lastRunDelayMs_ = 0.0;
};

class Driver {
public:
    Driver(cubetimer::MainWindow& window, cubetimer::Services& services, int solves, bool beep)
        : window_(window), services_(services), solves_(solves), beep_(beep) {}

    // The signed errors in ms, recorded minus pressed; empty when X failed.
    std::vector<double> run() {
        Display* x = XOpenDisplay(nullptr);
        if (!x) return {};
        space_ = XKeysymToKeycode(x, XK_space);
        XSetInputFocus(x, static_cast<Window>(onWindow([this] { return window_.winId(); })), RevertToParent,
                       CurrentTime);
        XSync(x, False);
        std::mt19937 engine(5);
        std::uniform_int_distribution<int> solveMs(700, 1900);
        std::vector<double> errors;
        for (int solve = 0; solve < solves_; ++solve) {
            if (state() == SolveCycle::State::Ended) onWindow([this] { window_.cmdreset_Click(); return 0; });
            waitFor(SolveCycle::State::Ready);
            const auto started = press(x);
            waitFor(SolveCycle::State::Timing);
            const auto length = std::chrono::milliseconds(solveMs(engine));
            for (int beep = 1; beep <= (beep_ ? 3 : 0); ++beep) {
                std::this_thread::sleep_until(started + length * beep / 4);
                onWindow([this] { services_.beep(); return 0; });
            }
            std::this_thread::sleep_until(started + length);
            const auto stopped = press(x);
            waitFor(SolveCycle::State::Waiting);
            const double recorded = onWindow([this] { return window_.cycle().pending(); });
            errors.push_back(recorded * 1000.0 - Ms(stopped - started));
            press(x);  // Save
        }
        XCloseDisplay(x);
        return errors;
    }

private:
    template <typename F>
    std::invoke_result_t<F> onWindow(F f) {
        std::invoke_result_t<F> result{};
        QMetaObject::invokeMethod(&window_, [&] { result = f(); }, Qt::BlockingQueuedConnection);
        return result;
    }
    SolveCycle::State state() { return onWindow([this] { return window_.cycle().state(); }); }
    void waitFor(SolveCycle::State wanted) {
        while (state() != wanted) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // A 50-ms tap and 50 ms with the key up, as fingers do; a release and a
    // press within one millisecond are the server's own repeat. The instant
    // is the middle of sending the press and the server's answer that it has it.
    Clock::time_point press(Display* x) {
        const auto before = Clock::now();
        XTestFakeKeyEvent(x, space_, True, 0);
        XSync(x, False);
        const auto at = before + (Clock::now() - before) / 2;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        XTestFakeKeyEvent(x, space_, False, 0);
        XSync(x, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return at;
    }

    cubetimer::MainWindow& window_;
    cubetimer::Services& services_;
    int solves_;
    bool beep_;
    KeyCode space_ = 0;
};

}  // namespace

int main(int argc, char* argv[]) {
    int niceness = 0;
    const char* label = "idle";
    bool beep = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--beep") == 0) beep = true;
        else if (i + 1 == argc) break;
        else if (std::strcmp(argv[i], "--nice") == 0) niceness = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--label") == 0) label = argv[++i];
    }
    std::vector<double> errors;
    std::atomic<cubetimer::MainWindow*> shown{nullptr};
    std::atomic<AnsweringServices*> shownServices{nullptr};
    std::thread driver([&] {
        // Started before the toolkit's threads, so it keeps this niceness.
        while (!shown.load()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        errors = Driver(*shown.load(), *shownServices.load(), 20, beep).run();
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    // Niceness is per thread on Linux; threads made from here on inherit it.
    if (niceness != 0) setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), niceness);

    QApplication app(argc, argv);
    AnsweringServices services;
    std::mt19937_64 engine(9);
    cubetimer::MainWindow window(services, [&engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); });
    window.show();
    window.activateWindow();
    for (int i = 0; i < 20; ++i) QApplication::processEvents();
    StallMonitor stalls(services);
    if (beep) stalls.start();
    shownServices.store(&services);
    shown.store(&window);
    app.exec();
    driver.join();
    if (errors.empty()) {
        std::fprintf(stderr, "stop_error: no X display to press keys on\n");
        return 1;
    }
    std::vector<double> sizes(errors.size());
    std::transform(errors.begin(), errors.end(), sizes.begin(), [](double e) { return std::fabs(e); });
    std::sort(sizes.begin(), sizes.end());
    const auto worst = std::max_element(errors.begin(), errors.end(),
                                        [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    std::printf("stop_error_ms %s: median=%.1f worst=%+.1f (|error|, n=%zu, goal: within 5)\n", label,
                sizes[sizes.size() / 2], *worst, sizes.size());
    if (beep && !services.beepMs.empty()) {
        std::sort(services.beepMs.begin(), services.beepMs.end());
        std::printf("ui_thread %s: beep() call median=%.3f worst=%.2f ms (n=%zu); longest event-loop stall"
                    " over a beep=%.1f ms, less waiting for a core=%.1f ms (goal: under 5); longest stall"
                    " of the whole run=%.1f ms\n",
                    label, services.beepMs[services.beepMs.size() / 2], services.beepMs.back(),
                    services.beepMs.size(), stalls.longestBeepingMs, stalls.longestBeepingOwnMs, stalls.longestMs);
    }
    return 0;
}
