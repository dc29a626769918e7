#include <QKeyEvent>
#include <QSlider>
#include <gtest/gtest.h>

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

TEST(TimingTest, StopIsTakenWhenTheKeyGoesDownAndHeldKeysRepeatNothing) {
    Harness h;
    h.press();
    h.services.clock += 10s;
    for (bool repeat : {false, true, true, true}) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), repeat);
        QApplication::sendEvent(h.start(), &down);
        h.services.clock += 100ms;
    }
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(h.start(), &up);
    EXPECT_EQ(h.start()->text(), "Save");
    EXPECT_DOUBLE_EQ(h.window->cycle().pending(), 10.0);
    QTest::keyClick(h.start(), Qt::Key_Return);  // Enter works the button too
    EXPECT_EQ(h.rows(), QStringList{"00:10.00"});
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

TEST(TimingTest, FullSessionAsksAndOpensTheDetails) {
    Harness h;
    h.click("opt5");
    h.services.answers = {Services::Answer::Yes};
    for (int seconds : {10, 12, 11, 13, 9}) h.recordSolve(std::chrono::seconds(seconds));
    EXPECT_EQ(h.services.messages,
              std::vector<std::string>{"Information: The session has ended!\r\nWould you like to see results?"});
    h.expectEnabled({"cmdstart", "frmscramble"}, false);
    h.expectEnabled({"frmsession", "lsttime"}, true);
    EXPECT_EQ(h.text("lblaverage") + h.text("lblstdev"), "Average: 00:11.00Deviation: 1.58");
    auto* details = h.find<DetailsWindow>("frmdetails");
    EXPECT_TRUE(details->isVisible());
    EXPECT_NE(details->report().find("Average: 00:11.00 (full session)\r\n"), std::string::npos);
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
