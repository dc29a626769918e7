#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>

#include "fake_services.h"
#include "ui/details_window.h"

namespace cubetimer {
namespace {

using namespace std::chrono_literals;

TEST(TimingTest, StartsReadyWithAScrambleAndTheZeroDisplay) {
    Harness h;
    EXPECT_EQ(h.window->windowTitle(), "Quorvanta Rubik's Timer 3.0");
    EXPECT_EQ(h.text("lbltime"), "00:00.00");
    EXPECT_EQ(h.text("lblscramble").size(), 75);
    EXPECT_EQ(h.start()->text(), "Start");
    EXPECT_EQ(h.rows("lstindex").join(","), "1,2,3,4,5,6,7,8,9,10,11,12");
    for (const char* name : {"cmdpenalty", "cmddnf", "cmddiscard"}) EXPECT_FALSE(h.find(name)->isEnabled()) << name;
    EXPECT_TRUE(h.find<QRadioButton>("opt12")->isChecked());
    EXPECT_TRUE(h.start()->hasFocus());
}

TEST(TimingTest, StopShowsTheTimeTheListWillShowAndSaveRecordsIt) {
    Harness h;
    const QString scramble = h.text("lblscramble");
    h.press();
    EXPECT_EQ(h.start()->text(), "Stop");
    for (const char* name : {"frmsession", "frmscramble", "lsttime", "Slider1"}) EXPECT_FALSE(h.find(name)->isEnabled());
    h.services.advance(12345ms);
    h.window->Timer1_Timer();
    EXPECT_EQ(h.text("lbltime"), "00:12.35");
    h.services.advance(1ms);
    h.press();
    EXPECT_EQ(h.start()->text(), "Save");
    EXPECT_EQ(h.text("lbltime"), "00:12.35");
    for (const char* name : {"cmdpenalty", "cmddnf", "cmddiscard"}) EXPECT_TRUE(h.find(name)->isEnabled()) << name;
    // a late refresh does not move the stopped time
    h.services.advance(5s);
    h.window->Timer1_Timer();
    EXPECT_EQ(h.text("lbltime"), "00:12.35");

    h.press();
    EXPECT_EQ(h.start()->text(), "Start");
    EXPECT_EQ(h.rows(), QStringList{"00:12.35"});
    EXPECT_EQ(h.text("lbltime"), "00:00.00");
    EXPECT_NE(h.text("lblscramble"), scramble);
    EXPECT_EQ(h.window->session().scrambles()[0], scramble.toStdString());
    EXPECT_EQ(h.text("lblbest"), "Best: 00:12.35");
    EXPECT_EQ(h.text("lblworst"), "Worst: 00:12.35");
    EXPECT_EQ(h.text("lblaverage"), "Average: 00:12.35");
    EXPECT_EQ(h.text("lblstdev"), "Deviation: 0.00");
    EXPECT_FALSE(h.find("opt5")->isEnabled());
    EXPECT_FALSE(h.find("opt12")->isEnabled());
    for (const char* name : {"frmsession", "frmscramble", "lsttime", "Slider1"}) EXPECT_TRUE(h.find(name)->isEnabled());
    EXPECT_TRUE(h.start()->hasFocus());
    EXPECT_TRUE(h.services.messages.empty());
}

TEST(TimingTest, StopIsTakenWhenTheKeyGoesDownAndHeldKeysRepeatNothing) {
    Harness h;
    h.press();
    h.services.advance(10s);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(h.start(), &down);
    // the key is held: repeats and the late release change nothing
    h.services.advance(300ms);
    for (int i = 0; i < 5; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(h.start(), &repeat);
    }
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(h.start(), &up);
    EXPECT_EQ(h.start()->text(), "Save");
    EXPECT_DOUBLE_EQ(h.window->cycle().pending(), 10.0);
    EXPECT_TRUE(h.rows().isEmpty());
    // Enter and the mouse work the same button
    QTest::keyClick(h.start(), Qt::Key_Return);
    EXPECT_EQ(h.rows(), QStringList{"00:10.00"});
    QTest::mousePress(h.start(), Qt::LeftButton);
    EXPECT_EQ(h.start()->text(), "Stop");
}

TEST(TimingTest, CountdownBeepsAndStartsTimingByItself) {
    Harness h;
    h.find<QSlider>("Slider1")->setValue(2);
    EXPECT_TRUE(h.start()->hasFocus());
    h.press();
    EXPECT_EQ(h.text("lbltime"), "-00:02.00");
    EXPECT_EQ(h.services.beeps, 1);
    h.services.advance(998ms);
    h.window->tmrcountdown_Timer();
    EXPECT_EQ(h.text("lbltime"), "-00:01.00");
    EXPECT_EQ(h.services.beeps, 2);
    h.services.advance(998ms);
    h.window->tmrcountdown_Timer();
    EXPECT_EQ(h.services.beeps, 2);
    h.services.advance(1500ms);
    h.window->Timer1_Timer();
    EXPECT_EQ(h.text("lbltime"), "00:01.50");
    h.press();
    EXPECT_DOUBLE_EQ(h.window->cycle().pending(), 1.5);
}

TEST(TimingTest, StopDuringTheCountdownAbortsIt) {
    Harness h;
    const QString scramble = h.text("lblscramble");
    h.find<QSlider>("Slider1")->setValue(15);
    h.press();
    h.window->tmrcountdown_Timer();
    h.press();
    EXPECT_EQ(h.start()->text(), "Start");
    EXPECT_EQ(h.text("lbltime"), "00:00.00");
    EXPECT_EQ(h.text("lblscramble"), scramble);
    EXPECT_TRUE(h.rows().isEmpty());
    EXPECT_FALSE(h.find("opt5")->isEnabled());
    EXPECT_TRUE(h.find("frmsession")->isEnabled());
    EXPECT_TRUE(h.find("Slider1")->isEnabled());
    // a tick that was already on its way changes nothing
    h.window->tmrcountdown_Timer();
    EXPECT_EQ(h.text("lbltime"), "00:00.00");
}

TEST(TimingTest, FullSessionAsksAndOpensTheDetails) {
    Harness h;
    QTest::mouseClick(h.find("opt5"), Qt::LeftButton);
    h.services.answers = {Services::Answer::Yes};
    for (int i = 0; i < 4; ++i) h.recordSolve(std::chrono::milliseconds(10000 + 1000 * i));
    EXPECT_TRUE(h.services.messages.empty());
    h.recordSolve(9s);
    ASSERT_EQ(h.services.messages.size(), 1u);
    EXPECT_EQ(h.services.messages[0].text, "The session has ended!\r\nWould you like to see results?");
    EXPECT_EQ(h.services.messages[0].title, "Information");
    EXPECT_EQ(h.services.messages[0].buttons, Services::Buttons::YesNo);
    EXPECT_FALSE(h.start()->isEnabled());
    EXPECT_EQ(h.start()->text(), "Start");
    EXPECT_FALSE(h.find("frmscramble")->isEnabled());
    EXPECT_TRUE(h.find("frmsession")->isEnabled());
    EXPECT_TRUE(h.find("lsttime")->isEnabled());
    EXPECT_EQ(h.text("lblaverage"), "Average: 00:11.00");
    EXPECT_EQ(h.text("lblstdev"), "Deviation: 1.58");
    auto* details = h.find<DetailsWindow>("frmdetails");
    EXPECT_TRUE(details->isVisible());
    EXPECT_NE(details->report().find("Average: 00:11.00 (full session)\r\n"), std::string::npos);
    // the ended session takes no more solves
    h.window->cmdstart_Click(h.services.now());
    EXPECT_EQ(h.window->session().count(), 5u);
}

TEST(TimingTest, DetailsCopyAndSaveTheReport) {
    Harness h;
    auto* details = h.window->details();
    EXPECT_EQ(details->report(), "##--  Quorvanta Rubik's Timer Details  --##\r\n");
    h.recordSolve(12340ms);
    const std::string report = details->report();
    EXPECT_TRUE(report.starts_with("##--  Quorvanta Rubik's Timer Details  --##\r\n\r\n11:08:23  06/12/2026\r\n"));
    EXPECT_NE(report.find("\r\n1)  00:12.34  " + h.window->session().scrambles()[0] + "\r\n"), std::string::npos);

    h.click("cmddetails");
    ASSERT_TRUE(details->isVisible());
    auto* copied = details->findChild<QLabel*>("Label1");
    EXPECT_FALSE(copied->isVisible());
    QTest::mouseClick(details->findChild<QPushButton*>("cmdcopy"), Qt::LeftButton);
    EXPECT_EQ(h.services.clipboard, report);
    EXPECT_TRUE(copied->isVisible());

    auto* save = details->findChild<QPushButton*>("cmdsave");
    h.services.saveName = "/tmp/results.txt";
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(h.services.written.at("/tmp/results.txt.txt"), report);
    h.services.saveName = "";
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(h.services.written.size(), 1u);
    h.services.saveName = "/nowhere/results";
    h.services.writeFails = true;
    QTest::mouseClick(save, Qt::LeftButton);
    ASSERT_EQ(h.services.messages.size(), 1u);
    EXPECT_EQ(h.services.messages[0].text, "The file could not be saved!");
    EXPECT_EQ(h.services.messages[0].icon, Services::Icon::Critical);

    QTest::mouseClick(details->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(details->isVisible());
    EXPECT_EQ(h.window->details(), details);  // hidden, not destroyed
    EXPECT_TRUE(copied->isVisibleTo(details));
}

TEST(TimingTest, TextsFollowTheLocaleDecimalMark) {
    Harness h(',');
    EXPECT_EQ(h.text("lbltime"), "00:00,00");
    h.recordSolve(12500ms);
    EXPECT_EQ(h.rows(), QStringList{"00:12,50"});
    EXPECT_EQ(h.text("lblstdev"), "Deviation: 0,00");
}

}  // namespace
}  // namespace cubetimer
