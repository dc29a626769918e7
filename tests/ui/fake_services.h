#pragma once

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "platform/services.h"
#include "scramble/random_source.h"
#include "session/key_stamps.h"
#include "ui/main_window.h"

QT_BEGIN_NAMESPACE
// Failure messages show texts, not code units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace cubetimer {

// Answers every question the windows ask, and remembers what they asked.
class FakeServices : public Services {
public:
    Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override {
        messages.push_back(title + ": " + text);
        icons.push_back(icon);
        if (onMessage) onMessage();
        if (buttons == Buttons::Ok) return Answer::Ok;
        const Answer answer = answers.empty() ? Answer::No : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    std::string openFileName(const std::string&, const std::string&) override { return openName; }
    std::string saveFileName(const std::string&, const std::string&) override { return saveName; }
    bool writeTextFile(const std::string& path, const std::string& text) override {
        if (!writeFails) written[path] = text;
        return !writeFails;
    }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    void beep() override { ++beeps; }
    void openUrl(const std::string& url) override { urls.push_back(url); }
    std::chrono::steady_clock::time_point now() override { return clock; }
    std::uint32_t keyStamp(int nativeKeyCode, bool press, std::uint32_t toolkitStamp) override {
        return toolkitStamp != 0 ? toolkitStamp : keyStamps.take(nativeKeyCode, press, clock);
    }
    char decimalMark() override { return mark; }
    std::string timeOfDayText() override { return "11:08:23"; }
    std::string dateText() override { return "06/12/2026"; }
    std::unique_ptr<SoundInput> openStackmatInput(SoundInputEvents events) override {
        stackmat = std::move(events);
        struct Open : SoundInput {
            explicit Open(int& n) : count(n) { ++count; }
            ~Open() override { --count; }
            int& count;
        };
        return std::make_unique<Open>(inputsOpen);
    }

    std::vector<std::string> messages;  // "Title: text"
    std::vector<Icon> icons;            // one per message
    std::function<void()> onMessage;
    std::deque<Answer> answers;  // for Yes/No questions; No when none is left
    std::string openName, saveName, clipboard;
    std::map<std::string, std::string> written;
    std::vector<std::string> urls;
    bool writeFails = false;
    int beeps = 0;
    SoundInputEvents stackmat;  // the open input's, to play a timer's packets in
    int inputsOpen = 0;
    char mark = '.';
    KeyStamps keyStamps;  // what the display server would have recorded
    std::chrono::steady_clock::time_point clock{std::chrono::hours(1000)};
};

// A main window on fake services with a seeded generator, and short ways to its controls.
struct Harness {
    FakeServices services;
    std::unique_ptr<MainWindow> window;

    explicit Harness(char mark = '.') {
        services.mark = mark;
        window = std::make_unique<MainWindow>(services, UniformSource(5));
        // The tests tick by hand on the fake clock; on a slow machine the
        // window's own timers would tick as well.
        for (const char* timer : {"Timer1", "tmrcountdown"})
            window->findChild<QTimer*>(QString::fromLatin1(timer))->setInterval(std::chrono::hours(1));
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    template <typename W = QWidget>
    W* find(const char* name) const {
        W* widget = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QPushButton* start() const { return find<QPushButton>("cmdstart"); }
    QString text(const char* name) const { return find(name)->property("text").toString(); }
    QStringList rows(const char* list = "lsttime") const {
        QStringList out;
        for (int i = 0; i < find<QListWidget>(list)->count(); ++i) out << find<QListWidget>(list)->item(i)->text();
        return out;
    }
    void expectEnabled(std::initializer_list<const char*> names, bool enabled) const {
        for (const char* name : names) EXPECT_EQ(find(name)->isEnabled(), enabled) << name;
    }
    // Ready for the next solve, with the focus on the button.
    void expectReady() const {
        EXPECT_EQ(start()->text() + text("lbltime"), "Start00:00.00");
        expectEnabled({"cmdpenalty", "cmddnf", "cmddiscard"}, false);
        expectEnabled({"frmsession", "frmscramble", "lsttime", "Slider1"}, true);
        EXPECT_TRUE(start()->hasFocus());
    }
    // Windows closed with delete-on-close go away at the next turn of the event loop.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void press() { QTest::keyClick(start(), Qt::Key_Space); }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    // Start, wait, Stop: the solve waits for its decision.
    void timeSolve(std::chrono::milliseconds duration) {
        press();
        services.clock += duration;
        press();
    }
    void recordSolve(std::chrono::milliseconds duration) {
        timeSolve(duration);
        press();
    }
};

}  // namespace cubetimer
