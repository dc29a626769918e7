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
#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"
#include "scramble/random_source.h"
#include "ui/main_window.h"

QT_BEGIN_NAMESPACE
// Failure messages show texts, not code units.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace cubetimer {

// Answers every question the windows ask, and remembers what they asked.
class FakeServices : public Services {
public:
    struct Message {
        std::string text, title;
        Icon icon;
        Buttons buttons;
    };

    Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override {
        messages.push_back({text, title, icon, buttons});
        if (onMessage) onMessage(messages.back());
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string openFileName(const std::string&, const std::string&) override { return openName; }
    std::string saveFileName(const std::string&, const std::string&) override { return saveName; }
    bool writeTextFile(const std::string& path, const std::string& text) override {
        if (writeFails) return false;
        written[path] = text;
        return true;
    }
    void setClipboardText(const std::string& text) override { clipboard = text; }
    void beep() override { ++beeps; }
    void openUrl(const std::string& url) override { urls.push_back(url); }
    std::chrono::steady_clock::time_point now() override { return clock; }
    char decimalMark() override { return mark; }
    std::string timeOfDayText() override { return "11:08:23"; }
    std::string dateText() override { return "06/12/2026"; }

    void advance(std::chrono::milliseconds ms) { clock += ms; }

    std::vector<Message> messages;
    std::function<void(const Message&)> onMessage;
    std::deque<Answer> answers;  // for Yes/No questions; No when none is left
    std::string openName, saveName, clipboard;
    std::map<std::string, std::string> written;
    std::vector<std::string> urls;
    bool writeFails = false;
    int beeps = 0;
    char mark = '.';
    std::chrono::steady_clock::time_point clock = std::chrono::steady_clock::time_point{} + std::chrono::hours(1000);
};

// A main window on fake services with a seeded generator, and short ways to its controls.
struct Harness {
    FakeServices services;
    std::unique_ptr<MainWindow> window;

    explicit Harness(char mark = '.') {
        services.mark = mark;
        window = std::make_unique<MainWindow>(services, UniformSource(5));
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
    QString text(const char* label) const { return find(label)->property("text").toString(); }
    QStringList rows(const char* list = "lsttime") const {
        QStringList out;
        auto* widget = find<QListWidget>(list);
        for (int i = 0; i < widget->count(); ++i) out << widget->item(i)->text();
        return out;
    }
    void expectEnabled(std::initializer_list<const char*> names, bool enabled) const {
        for (const char* name : names) EXPECT_EQ(find(name)->isEnabled(), enabled) << name;
    }
    // Ready for the next solve, with the focus on the button.
    void expectReady() const {
        EXPECT_EQ(start()->text(), "Start");
        EXPECT_EQ(text("lbltime"), "00:00.00");
        expectEnabled({"cmdpenalty", "cmddnf", "cmddiscard"}, false);
        expectEnabled({"frmsession", "frmscramble", "lsttime", "Slider1"}, true);
        EXPECT_TRUE(start()->hasFocus());
    }
    // Windows closed with delete-on-close go away at the next turn of the event loop.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void press() { QTest::keyClick(start(), Qt::Key_Space); }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    // Start, wait, Stop: the solve waits for its decision.
    void timeSolve(std::chrono::milliseconds duration) {
        press();
        services.advance(duration);
        press();
    }
    void recordSolve(std::chrono::milliseconds duration) {
        timeSolve(duration);
        press();
    }
};

}  // namespace cubetimer
