#include <QKeyEvent>
#include <QSlider>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "fake_services.h"
#include "ui/details_window.h"

namespace cubetimer {
namespace {

using namespace std::chrono_literals;

// What a busy X server sends for a held key: release and press pairs with one
// stamp, without the toolkit's repeat flag, and a late real release. Through a
// screen reader's bridge (`bridge` set) the server's events all arrive first,
// and copies without stamps follow.
void HoldKey(QWidget* target, Qt::Key key, std::uint32_t downAt, std::uint32_t upAt, FakeServices* bridge) {
    std::vector<std::pair<QEvent::Type, std::uint32_t>> events{{QEvent::KeyPress, downAt}};
    for (std::uint32_t at = downAt + 100; at < upAt; at += 33) {
        events.emplace_back(QEvent::KeyRelease, at);
        events.emplace_back(QEvent::KeyPress, at);
    }
    events.emplace_back(QEvent::KeyRelease, upAt);
    const quint32 code = key == Qt::Key_Space ? 65 : 36;
    for (const auto& [type, at] : events) {
        if (bridge) bridge->keyStamps.record(static_cast<int>(code), type == QEvent::KeyPress, at, bridge->clock);
    }
    for (const auto& [type, at] : events) {
        QKeyEvent event(type, key, Qt::NoModifier, code, 0, 0,
                        key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r"));
        event.setTimestamp(bridge ? 0 : at);
        QApplication::sendEvent(target, &event);
    }
}

TEST(TimingTest, HeldKeysActOncePerPressAndTheInstantsComeFromTheEvents) {
    for (bool bridged : {false, true}) {
        SCOPED_TRACE(bridged ? "through a bridge" : "from the server");
        Harness h;
        const auto base = h.services.clock;
        const auto t0 = static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(base.time_since_epoch()).count());
        // Each hold is handled two seconds after it ended: the events' own
        // stamps, not the handling, are the instants.
        auto hold = [&](Qt::Key key, std::uint32_t down, std::uint32_t up) {
            h.services.clock = base + std::chrono::milliseconds(up) + 2s;
            HoldKey(h.start(), key, t0 + down, t0 + up, bridged ? &h.services : nullptr);
        };
        hold(Qt::Key_Space, 0, 900);
        EXPECT_EQ(h.start()->text(), "Stop");
        hold(Qt::Key_Return, 10'123, 11'500);
        EXPECT_EQ(h.start()->text(), "Save");
        EXPECT_DOUBLE_EQ(h.window->cycle().pending(), 10.123);
        hold(Qt::Key_Space, 13'000, 14'000);
        EXPECT_EQ(h.rows(), QStringList{"00:10.12"});
        EXPECT_EQ(h.start()->text(), "Start");
    }
}

// Timing starts by itself when the countdown ends; while it runs only Stop
// works, and a refresh after Stop does not move the stopped time.
TEST(TimingTest, CountdownBeepsStartsTheSolveAndCanBeAborted) {
    Harness h;
    h.find<QSlider>("Slider1")->setValue(2);
    h.press();
    EXPECT_EQ(h.text("lbltime"), "-00:02.00");
    h.window->tmrcountdown_Timer();
    h.window->tmrcountdown_Timer();
    EXPECT_EQ(h.services.beeps, 2);  // at 2 and 1, none at zero
    h.expectEnabled({"frmsession", "frmscramble", "lsttime", "Slider1"}, false);
    h.services.clock += 12345ms;
    h.window->Timer1_Timer();
    EXPECT_EQ(h.text("lbltime"), "00:12.35");
    h.services.clock += 1ms;
    h.press();
    EXPECT_EQ(h.start()->text(), "Save");
    h.expectEnabled({"cmdpenalty", "cmddnf", "cmddiscard"}, true);
    h.services.clock += 5s;
    h.window->Timer1_Timer();
    EXPECT_EQ(h.text("lbltime"), "00:12.35");
    h.press();
    EXPECT_EQ(h.rows(), QStringList{"00:12.35"});
    EXPECT_EQ(h.text("lblbest") + h.text("lblaverage") + h.text("lblstdev"),
              "Best: 00:12.35Average: 00:12.35Deviation: 0.00");
    h.expectReady();
    EXPECT_TRUE(h.services.messages.empty());

    const QString scramble = h.text("lblscramble");
    h.press();
    h.press();  // Stop during the countdown
    EXPECT_EQ(h.rows().size(), 1);
    EXPECT_EQ(h.text("lblscramble"), scramble);
    h.expectReady();
}

// The last solve: recorded, then the question, then the report; the display
// and the next scramble wait until the report is closed.
TEST(TimingTest, FullSessionAsksThenShowsTheReportBeforeMovingOn) {
    // The decision (none: Save) and Start's caption while the question shows.
    for (const auto& [decision, captionAtQuestion] :
         {std::pair<const char*, const char*>{nullptr, "Start"}, {"cmdpenalty", "Save"}, {"cmddnf", "Save"}}) {
        SCOPED_TRACE(decision ? decision : "Save");
        Harness h;
        h.click("opt5");
        for (int seconds : {10, 12, 11, 13}) h.recordSolve(std::chrono::seconds(seconds));
        h.timeSolve(9s);
        QString caption;
        h.services.onMessage = [&] { caption = h.start()->text(); };
        h.services.answers = {Services::Answer::Yes};
        const QString scramble = h.text("lblscramble");
        decision ? h.click(decision) : h.press();
        EXPECT_EQ(h.services.messages,
                  std::vector<std::string>{"Information: The session has ended!\r\nWould you like to see results?"});
        EXPECT_EQ(caption, captionAtQuestion);
        EXPECT_EQ(h.rows().size(), 5);
        h.expectEnabled({"cmdstart", "frmscramble"}, false);
        h.expectEnabled({"frmsession", "lsttime"}, true);
        auto* details = h.find<DetailsWindow>("frmdetails");
        ASSERT_TRUE(details->isVisible());
        EXPECT_TRUE(details->isModal());
        EXPECT_NE(details->report().find(" (full session)\r\n"), std::string::npos);
        EXPECT_NE(h.text("lbltime"), "00:00.00");
        EXPECT_EQ(h.text("lblscramble"), scramble);

        QTest::mouseClick(details->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        EXPECT_EQ(h.start()->text() + h.text("lbltime"), "Start00:00.00");
        EXPECT_NE(h.text("lblscramble"), scramble);
        // A later closing of the report moves nothing on again.
        const QString next = h.text("lblscramble");
        h.click("cmddetails");
        QTest::mouseClick(details->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        EXPECT_EQ(h.text("lblscramble"), next);
    }
}

TEST(TimingTest, DetailsCopyAndSaveTheReport) {
    Harness h;
    h.recordSolve(12340ms);
    h.click("cmddetails");
    auto* details = h.find<DetailsWindow>("frmdetails");
    const std::string report = details->report();
    EXPECT_NE(report.find("\r\n11:08:23  06/12/2026\r\n"), std::string::npos);
    EXPECT_FALSE(details->findChild<QLabel*>("Label1")->isVisible());
    QTest::mouseClick(details->findChild<QPushButton*>("cmdcopy"), Qt::LeftButton);
    EXPECT_EQ(h.services.clipboard, report);
    EXPECT_TRUE(details->findChild<QLabel*>("Label1")->isVisible());

    for (const char* name : {"/tmp/results.txt", "", "/nowhere/results"}) {
        h.services.saveName = name;
        h.services.writeFails = std::string(name) == "/nowhere/results";
        QTest::mouseClick(details->findChild<QPushButton*>("cmdsave"), Qt::LeftButton);
    }
    EXPECT_EQ(h.services.written, (std::map<std::string, std::string>{{"/tmp/results.txt.txt", report}}));
    EXPECT_EQ(h.services.messages, std::vector<std::string>{"ERROR: The file could not be saved!"});
}

TEST(TimingTest, TextsFollowTheLocaleDecimalMark) {
    Harness h(',');
    h.recordSolve(12500ms);
    EXPECT_EQ(h.rows(), QStringList{"00:12,50"});
    EXPECT_EQ(h.text("lbltime") + h.text("lblstdev"), "00:00,00Deviation: 0,00");
}

}  // namespace
}  // namespace cubetimer
