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

TEST(TimingTest, StartStopSaveRecordTheSolveAndReturnToReady) {
    Harness h;
    EXPECT_EQ(h.rows("lstindex").size(), 12);
    const QString scramble = h.text("lblscramble");
    h.press();
    EXPECT_EQ(h.start()->text(), "Stop");
    h.expectEnabled({"frmsession", "frmscramble", "lsttime", "Slider1"}, false);
    h.services.clock += 12345ms;
    h.window->Timer1_Timer();
    EXPECT_EQ(h.text("lbltime"), "00:12.35");
    h.services.clock += 1ms;
    h.press();
    EXPECT_EQ(h.start()->text(), "Save");
    h.expectEnabled({"cmdpenalty", "cmddnf", "cmddiscard"}, true);
    h.services.clock += 5s;
    h.window->Timer1_Timer();  // a late refresh does not move the stopped time
    EXPECT_EQ(h.text("lbltime"), "00:12.35");

    h.press();
    EXPECT_EQ(h.rows(), QStringList{"00:12.35"});
    EXPECT_EQ(h.window->session().scrambles()[0], scramble.toStdString());
    EXPECT_NE(h.text("lblscramble"), scramble);
    EXPECT_EQ(h.text("lblbest") + h.text("lblaverage") + h.text("lblstdev"),
              "Best: 00:12.35Average: 00:12.35Deviation: 0.00");
    h.expectReady();
    h.expectEnabled({"opt5", "opt12"}, false);
    EXPECT_TRUE(h.services.messages.empty());
}

// What a busy X server sends for a held key: release and press pairs with one
// stamp, some without the toolkit's repeat flag, and a late real release.
// Through a screen reader's bridge (`bridge` set) the server's events all
// arrive first, and copies without stamps follow.
void HoldKey(QWidget* target, Qt::Key key, std::uint32_t downAt, std::uint32_t upAt, bool flagged,
             FakeServices* bridge = nullptr) {
    struct Sent {
        QEvent::Type type;
        std::uint32_t at;
        bool repeat;
    };
    std::vector<Sent> events{{QEvent::KeyPress, downAt, false}};
    for (std::uint32_t at = downAt + 100; at < upAt; at += 33) {
        events.push_back({QEvent::KeyRelease, at, flagged});
        events.push_back({QEvent::KeyPress, at, flagged});
    }
    events.push_back({QEvent::KeyRelease, upAt, false});
    const quint32 code = key == Qt::Key_Space ? 65 : 36;
    for (const Sent& e : events) {
        if (bridge) bridge->keyStamps.record(static_cast<int>(code), e.type == QEvent::KeyPress, e.at, bridge->clock);
    }
    for (const Sent& e : events) {
        QKeyEvent event(e.type, key, Qt::NoModifier, code, 0, 0,
                        key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r"), e.repeat);
        event.setTimestamp(bridge ? 0 : e.at);
        QApplication::sendEvent(target, &event);
    }
}

std::uint32_t StampOf(std::chrono::steady_clock::time_point at) {
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch()).count());
}

TEST(TimingTest, HeldKeysActOncePerPressAndTheInstantsComeFromTheEvents) {
    for (const auto& [flagged, bridged] : {std::pair{true, false}, {false, false}, {true, true}, {false, true}}) {
        SCOPED_TRACE(testing::Message() << "flagged " << flagged << ", bridged " << bridged);
        Harness h;
        const auto base = h.services.clock;
        const std::uint32_t t0 = StampOf(base);
        // Each hold is handled two seconds after it ended: the events' own
        // stamps, not the handling, are the instants.
        auto hold = [&](Qt::Key key, std::uint32_t down, std::uint32_t up) {
            h.services.clock = base + std::chrono::milliseconds(up) + 2s;
            HoldKey(h.start(), key, t0 + down, t0 + up, flagged, bridged ? &h.services : nullptr);
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

TEST(TimingTest, CountdownBeepsStartsByItselfAndCanBeAborted) {
    Harness h;
    h.find<QSlider>("Slider1")->setValue(2);
    EXPECT_TRUE(h.start()->hasFocus());
    h.press();
    EXPECT_EQ(h.text("lbltime"), "-00:02.00");
    h.window->tmrcountdown_Timer();
    EXPECT_EQ(h.text("lbltime"), "-00:01.00");
    h.window->tmrcountdown_Timer();
    EXPECT_EQ(h.services.beeps, 2);  // at 2 and 1, none at zero
    h.services.clock += 1500ms;
    h.window->Timer1_Timer();
    EXPECT_EQ(h.text("lbltime"), "00:01.50");
    h.press();
    h.press();

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
    struct Case {
        const char* decision;  // nullptr: Save
        const char* captionAtQuestion;
    };
    for (const Case& c : {Case{nullptr, "Start"}, Case{"cmdpenalty", "Save"}, Case{"cmddnf", "Save"}}) {
        const std::string name = c.decision ? c.decision : "Save";
        Harness h;
        h.click("opt5");
        for (int seconds : {10, 12, 11, 13}) h.recordSolve(std::chrono::seconds(seconds));
        h.timeSolve(9s);
        QString caption;
        h.services.onMessage = [&] { caption = h.start()->text(); };
        h.services.answers = {Services::Answer::Yes};
        const QString scramble = h.text("lblscramble");
        c.decision ? h.click(c.decision) : h.press();
        EXPECT_EQ(h.services.messages,
                  std::vector<std::string>{"Information: The session has ended!\r\nWould you like to see results?"})
            << name;
        EXPECT_EQ(caption, c.captionAtQuestion) << name;
        EXPECT_EQ(h.rows().size(), 5) << name;
        h.expectEnabled({"cmdstart", "frmscramble"}, false);
        h.expectEnabled({"frmsession", "lsttime"}, true);
        auto* details = h.find<DetailsWindow>("frmdetails");
        ASSERT_TRUE(details->isVisible()) << name;
        EXPECT_TRUE(details->isModal()) << name;
        EXPECT_NE(details->report().find(" (full session)\r\n"), std::string::npos) << name;
        EXPECT_NE(h.text("lbltime"), "00:00.00") << name;
        EXPECT_EQ(h.text("lblscramble"), scramble) << name;

        QTest::mouseClick(details->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        EXPECT_EQ(h.start()->text() + h.text("lbltime"), "Start00:00.00") << name;
        EXPECT_NE(h.text("lblscramble"), scramble) << name;
        // A later closing of the report moves nothing on again.
        const QString next = h.text("lblscramble");
        h.click("cmddetails");
        QTest::mouseClick(details->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        EXPECT_EQ(h.text("lblscramble"), next) << name;
    }
    Harness h;
    h.click("opt5");
    for (int seconds : {10, 12, 11, 13, 9}) h.recordSolve(std::chrono::seconds(seconds));
    EXPECT_EQ(h.text("lblaverage") + h.text("lblstdev"), "Average: 00:11.00Deviation: 1.58");
    EXPECT_FALSE(h.find<DetailsWindow>("frmdetails")->isVisible());  // answered No
    EXPECT_EQ(h.text("lbltime"), "00:00.00");
}

TEST(TimingTest, DetailsCopyAndSaveTheReport) {
    Harness h;
    EXPECT_EQ(h.window->details()->report(), "##--  Quorvanta Rubik's Timer Details  --##\r\n");
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

    QTest::mouseClick(details->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(details->isVisible());
    EXPECT_EQ(h.window->details(), details);  // hidden, not destroyed
}

TEST(TimingTest, TextsFollowTheLocaleDecimalMark) {
    Harness h(',');
    h.recordSolve(12500ms);
    EXPECT_EQ(h.rows(), QStringList{"00:12,50"});
    EXPECT_EQ(h.text("lbltime") + h.text("lblstdev"), "00:00,00Deviation: 0,00");
}

}  // namespace
}  // namespace cubetimer
