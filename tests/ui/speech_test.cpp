#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QSlider>
#include <gtest/gtest.h>

#include "fake_services.h"
#include "ui/details_window.h"

namespace cubetimer {
namespace {

using namespace std::chrono_literals;

QString NameOf(QObject* object) { return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name); }

// What a screen reader would hear: the name of the notification each time
// it comes into view (the platform's accessibility bridge, absent here, turns
// that showing into the event a screen reader speaks).
struct Heard : QObject {
    explicit Heard(const Harness& h) {
        for (QWidget* notification : h.window->findChildren<QWidget*>("announcement")) {
            QAccessibleInterface* read = QAccessible::queryAccessibleInterface(notification);
            EXPECT_EQ(read->role(), QAccessible::Notification);
            // Inside a status bar: read without the role word before each sentence.
            EXPECT_EQ(read->parent()->role(), QAccessible::StatusBar);
            notification->installEventFilter(this);
        }
    }
    // What was said since the last call, once the handlers are done.
    QStringList take() {
        QCoreApplication::processEvents();
        return std::exchange(sentences, {});
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            sentences << NameOf(watched);
            last = watched;
        }
        return false;
    }
    QStringList sentences;
    QObject* last = nullptr;  // the notification shown last
};

TEST(SpeechTest, OneSolveWithACountdownIsSaidOnceAtEveryChange) {
    Harness h(',');  // said with the decimal mark the display shows
    Heard heard(h);
    h.find<QSlider>("Slider1")->setValue(5);
    h.press();
    EXPECT_EQ(heard.take(), QStringList{"Countdown 5"});
    // The beeps alone count down: a word a second would lag behind them.
    for (int left = 4; left >= 1; --left) {
        h.services.clock += 998ms;
        h.window->tmrcountdown_Timer();
        EXPECT_EQ(heard.take(), QStringList{}) << left;
    }
    h.services.clock += 998ms;
    h.window->tmrcountdown_Timer();
    EXPECT_EQ(heard.take(), QStringList{"Go"});
    h.services.clock += 12344ms;
    h.window->Timer1_Timer();
    EXPECT_EQ(heard.take(), QStringList{}) << "the running display is not read out";
    h.press();
    EXPECT_EQ(heard.take(), QStringList{"00:12,34"});
    // The display itself reads as the stopped time.
    EXPECT_EQ(NameOf(h.find("lbltime")), "00:12,34");
    h.press();
    // The next scramble is said as it is shown, spelled out.
    EXPECT_EQ(heard.take(), QStringList{"Saved 00:12,34. Best 00:12,34. Scramble: " + NameOf(h.find("lblscramble")) + "."});

    // A countdown stopped early says so.
    h.find<QSlider>("Slider1")->setValue(6);
    h.press();
    EXPECT_EQ(heard.take(), QStringList{"Countdown 6"});
    QObject* started = heard.last;
    h.press();
    EXPECT_EQ(heard.take(), QStringList{"Countdown stopped"});
    // A screen reader reads a name a little late: the earlier one still holds its own.
    EXPECT_EQ(NameOf(started), "Countdown 6");
}

// A countdown of 3 beeps as Start is pressed; Enter on the slider moves the
// focus to the button, which the screen reader reads then. A sentence at the
// start, or a "Go" queued behind it, would come late.
TEST(SpeechTest, AShortCountdownIsBeepsAloneAndAFocusMoveIsTheStartsOnlyWords) {
    const std::tuple<int, bool, QStringList> cases[] = {{3, false, {}}, {4, true, {"Go"}}};
    for (const auto& [seconds, fromSlider, said] : cases) {
        Harness h;
        Heard heard(h);
        auto* slider = h.find<QSlider>("Slider1");
        slider->setValue(seconds);
        if (fromSlider) {
            slider->setFocus();
            QTest::keyClick(slider, Qt::Key_Return);
        } else {
            h.press();
        }
        for (int tick = 0; tick < seconds; ++tick) {
            h.services.clock += 998ms;
            h.window->tmrcountdown_Timer();
        }
        EXPECT_EQ(h.window->cycle().state(), SolveCycle::State::Timing) << seconds;
        EXPECT_EQ(heard.take(), said) << seconds;
    }
}

TEST(SpeechTest, EachDecisionOfASecondSolveIsOneSentence) {
    const std::pair<const char*, const char*> cases[] = {
        {"cmdpenalty", "Plus two, 00:12.00. Average 00:10.50. Worst 00:12.00. Scramble: "},
        {"cmddnf", "DNF. Average 00:09.00. Worst DNF. Scramble: "},
        {"cmddiscard", "Discarded. Scramble: "},
    };
    for (const auto& [button, begins] : cases) {
        Harness h;
        h.recordSolve(9s);
        Heard heard(h);
        h.timeSolve(10s);
        heard.take();
        h.click(button);
        EXPECT_EQ(heard.take(), QStringList{begins + NameOf(h.find("lblscramble")) + "."});
    }
}

// Said while a message box has the keyboard, a sentence would be read over by
// the window's return; it waits for the window instead.
TEST(SpeechTest, ASentenceWaitsUntilTheWindowIsActiveAgain) {
    Harness h;
    Heard heard(h);
    QWidget box;
    box.show();
    QCoreApplication::processEvents();  // the platform's own activations first
    QApplication::setActiveWindow(&box);
    ASSERT_FALSE(h.window->isActiveWindow());
    h.window->cmdnewscramble_Click();
    EXPECT_EQ(heard.take(), QStringList{});
    QApplication::setActiveWindow(h.window.get());
    QStringList said;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(said = heard.take()).isEmpty(); }, 5000));
    EXPECT_EQ(said, QStringList{"Scramble: " + NameOf(h.find("lblscramble")) + "."});
}

TEST(SpeechTest, TheSliderStepsByKeyAndGivesTheFocusBackAfterTheMouse) {
    Harness h;
    auto* slider = h.find<QSlider>("Slider1");
    slider->setFocus();
    // Steps of one and five, the focus staying on the slider.
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_Left}) QTest::keyClick(slider, key);
    EXPECT_TRUE(slider->hasFocus());
    EXPECT_EQ(h.text("lblcountdown"), "10");

    const QPoint end(slider->width() - 4, 8);
    QTest::mousePress(slider, Qt::LeftButton, {}, end);
    EXPECT_GT(slider->value(), 10);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, end);
    EXPECT_TRUE(h.start()->hasFocus());
}

// The session size and the cube view follow their options however they are
// checked (a mouse click is the other window tests' way), and the focus goes
// back to Start.
TEST(SpeechTest, OptionsFollowTheCheckByKeysOrToggleAction) {
    for (bool byKey : {true, false}) {
        SCOPED_TRACE(byKey ? "arrow key" : "Toggle action");
        Harness h;
        const std::tuple<const char*, const char*, Qt::Key> choices[] = {{"opt12", "opt5", Qt::Key_Down},
                                                                         {"opt3d", "opt2d", Qt::Key_Right}};
        for (const auto& [from, to, key] : choices) {
            if (byKey) {
                h.find(from)->setFocus();
                QTest::keyClick(h.find(from), key);
            } else {
                QAccessible::queryAccessibleInterface(h.find(to))->actionInterface()->doAction(
                    QAccessibleActionInterface::toggleAction());
            }
            EXPECT_TRUE(QTest::qWaitFor([&] { return h.start()->hasFocus(); }, 5000)) << to;
        }
        EXPECT_TRUE(h.find("netview")->isVisible());
        EXPECT_EQ(h.window->session().size(), 5);
    }
}

TEST(SpeechTest, TheReportReadsLineByLineAndEditTimeNamesItsLists) {
    Harness h;
    for (int seconds : {9, 8}) h.recordSolve(std::chrono::seconds(seconds));
    h.click("cmddetails");
    auto* report = h.find<DetailsWindow>("frmdetails")->findChild<QPlainTextEdit*>("RichTextBox1");
    report->setFocus();
    for (int line = 0; line < 3; ++line) QTest::keyClick(report, Qt::Key_Down);
    EXPECT_EQ(report->textCursor().blockNumber(), 3);
    h.find<DetailsWindow>("frmdetails")->reject();

    h.window->lsttime_DblClick(0);
    auto* edit = h.window->findChild<QDialog*>("frmedit");
    ASSERT_NE(edit, nullptr);
    QStringList names;  // a list's own name is the value it shows, so each has its caption as label
    for (const char* list : {"cmbminutes", "cmbseconds", "cmbcent"}) {
        auto* box = QAccessible::queryAccessibleInterface(edit->findChild<QComboBox*>(list));
        for (const auto& [label, relation] : box->relations(QAccessible::Label)) names << label->text(QAccessible::Name);
    }
    EXPECT_EQ(names, (QStringList{"Minutes", "Seconds", "Hundredths"}));
}

TEST(SpeechTest, AStackmatSolveByTheTimerSaidAndSavedByKey) {
    Harness h;
    Heard heard(h);
    auto* box = h.find<QCheckBox>("chkstackmat");
    EXPECT_TRUE(NameOf(box).contains("Stackmat"));
    EXPECT_EQ(h.services.inputsOpen, 0);
    QTest::keyClick(h.start(), Qt::Key_Tab);
    QTest::keyClick(h.find("Slider1"), Qt::Key_Tab);
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(h.services.inputsOpen, 1);
    EXPECT_EQ(heard.take(), QStringList{"Stackmat: no signal"});
    const auto play = [&](char status, int figure, std::chrono::milliseconds after) {
        h.services.clock += after;
        h.services.stackmat.packet({status, figure, true, 0}, h.services.clock);
    };
    play('I', 0, 0ms);
    EXPECT_EQ(heard.take(), QStringList{"Stackmat: timer found"});
    play(' ', 40, 110ms);
    play(' ', 150, 110ms);
    EXPECT_EQ(h.start()->text(), "Stop");
    play('S', 12343, 12200ms);
    EXPECT_EQ(h.start()->text() + h.text("lbltime"), "Save00:12.34");
    EXPECT_EQ(heard.take(), QStringList{"00:12.34"});
    play('I', 0, 110ms);  // reset before Save: the time still waits
    h.press();
    EXPECT_EQ(h.rows(), QStringList{"00:12.34"});
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(h.services.inputsOpen, 0);
}

}  // namespace
}  // namespace cubetimer
