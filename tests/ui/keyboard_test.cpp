#include <QAccessible>
#include <QDialog>
#include <QListWidget>
#include <QSlider>
#include <gtest/gtest.h>

#include "fake_services.h"

namespace cubetimer {
namespace {

void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(target, key, modifiers);
}

TEST(KeyboardTest, EnterFromAnyControlWorksStartAndAFocusedButtonTakesItItself) {
    struct Case {
        const char* control;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const Case& c : {Case{"Slider1", Qt::Key_Return, Qt::NoModifier}, Case{"lsttime", Qt::Key_Return, Qt::NoModifier},
                          Case{"opt12", Qt::Key_Enter, Qt::KeypadModifier},
                          Case{"chkviewcube", Qt::Key_Return, Qt::NoModifier}, Case{"opt3d", Qt::Key_Return, Qt::NoModifier}}) {
        Harness h;
        if (std::string(c.control) == "lsttime") {
            h.recordSolve(std::chrono::seconds(3));
            h.find<QListWidget>("lsttime")->setCurrentRow(0);
        }
        h.find(c.control)->setFocus();
        Key(h.find(c.control), c.key, c.modifiers);
        EXPECT_EQ(h.start()->text(), "Stop") << c.control;
        h.services.clock += std::chrono::seconds(7);
        Key(QApplication::focusWidget(), c.key, c.modifiers);
        EXPECT_EQ(h.start()->text(), "Save") << c.control;
        Key(QApplication::focusWidget(), c.key, c.modifiers);
        EXPECT_EQ(h.rows().back(), "00:07.00") << c.control;
        h.expectReady();
    }
    Harness h;
    h.find("cmdreset")->setFocus();
    Key(h.find("cmdreset"), Qt::Key_Return);
    EXPECT_EQ(h.services.messages, std::vector<std::string>{"Warning: Are you really sure to reset whole session?"});
    EXPECT_EQ(h.start()->text(), "Start");
}

TEST(KeyboardTest, EveryActionHasItsKey) {
    Harness h;
    // F2 on a selected time edits it; with nothing selected it does nothing.
    h.recordSolve(std::chrono::seconds(3));
    auto* times = h.find<QListWidget>("lsttime");
    times->setFocus();
    Key(times, Qt::Key_F2);
    EXPECT_EQ(h.window->findChild<QDialog*>("frmedit"), nullptr);
    times->setCurrentRow(0);
    Key(times, Qt::Key_F2);
    auto* edit = h.window->findChild<QDialog*>("frmedit");
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    edit->reject();
    Harness::flushDeletes();

    // The link opens with Enter or space once it has the focus.
    QWidget* link = h.find("Label3");
    EXPECT_EQ(link->focusPolicy(), Qt::TabFocus);
    Key(link, Qt::Key_Return);
    Key(link, Qt::Key_Space);
    EXPECT_EQ(h.services.urls.size(), 2u);
    EXPECT_EQ(h.rows().size(), 1);

    // The arrows take the focus by Tab and turn with space: a turn and its
    // inverse bring the picture back.
    QAccessibleInterface* cube = QAccessible::queryAccessibleInterface(h.find("picCube"));
    const QString solved = cube->text(QAccessible::Description);
    for (const char* arrow : {"imgFront1", "imgFront0"}) {
        EXPECT_EQ(h.find(arrow)->focusPolicy(), Qt::TabFocus);
        h.find(arrow)->setFocus();
        Key(h.find(arrow), Qt::Key_Space);
        EXPECT_EQ(cube->text(QAccessible::Description) == solved, std::string(arrow) == "imgFront0") << arrow;
    }
}

TEST(KeyboardTest, AboutClosesByEnterAndEscapeAndGivesTheFocusBack) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        Harness h;
        Harness::flushDeletes();
        h.click("cmdabout");
        auto* about = h.window->findChild<QDialog*>("frmabout");
        ASSERT_NE(about, nullptr);
        h.find("Slider1")->setFocus();
        Key(about, key);
        EXPECT_FALSE(about->isVisible()) << key;
        EXPECT_TRUE(h.start()->hasFocus()) << key;
    }
}

// What a screen reader is told: every control's role and name.
TEST(AccessibilityTest, EveryControlHasARoleAndAName) {
    Harness h;
    struct Expected {
        const char* control;
        QAccessible::Role role;
        const char* name;  // nullptr: checked apart
    };
    const Expected controls[] = {
        {"cmdstart", QAccessible::Button, "Start"},
        {"cmdpenalty", QAccessible::Button, "+2"},
        {"cmddnf", QAccessible::Button, "DNF"},
        {"cmddiscard", QAccessible::Button, "Discard"},
        {"Slider1", QAccessible::Slider, "Countdown (s)"},
        {"opt12", QAccessible::RadioButton, "12 Solves"},
        {"opt5", QAccessible::RadioButton, "5 Solves"},
        {"cmdreset", QAccessible::Button, "Reset"},
        {"cmddetails", QAccessible::Button, "Details"},
        {"lsttime", QAccessible::List, "Times"},
        {"lstindex", QAccessible::List, "Solve numbers"},
        {"cmdimport", QAccessible::Button, "Import Scrambles"},
        {"cmdnewscramble", QAccessible::Button, "New Scramble"},
        {"cmdscrgen", QAccessible::Button, "Generate 13 scrambles"},
        {"chkviewcube", QAccessible::CheckBox, "View Cube"},
        {"cmdabout", QAccessible::Button, "About"},
        {"cmdexit", QAccessible::Button, "Exit"},
        {"opt3d", QAccessible::RadioButton, "3D Cube"},
        {"opt2d", QAccessible::RadioButton, "2D Cube"},
        {"picCube", QAccessible::Graphic, "3D cube"},
        {"netview", QAccessible::Graphic, "2D cube"},
        {"imgFront1", QAccessible::Button, "Turn L"},
        {"imgFront0", QAccessible::Button, "Turn L'"},
        {"imgFront4", QAccessible::Button, "Turn R"},
        {"imgFront5", QAccessible::Button, "Turn R'"},
        {"imgRight1", QAccessible::Button, "Turn F"},
        {"imgRight0", QAccessible::Button, "Turn F'"},
        {"imgRight4", QAccessible::Button, "Turn B"},
        {"imgRight5", QAccessible::Button, "Turn B'"},
        {"imgVert0", QAccessible::Button, "Turn the whole cube as U"},
        {"imgVert1", QAccessible::Button, "Turn the whole cube as D"},
        {"imgZ0", QAccessible::Button, "Turn the whole cube as B"},
        {"imgZ1", QAccessible::Button, "Turn the whole cube as F"},
        {"lbltime", QAccessible::StaticText, "00:00.00"},
        {"lblscramble", QAccessible::StaticText, nullptr},
        {"Label3", QAccessible::StaticText, "https://quorvanta.example/rubiks-timer"},
    };
    for (const Expected& c : controls) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(h.find(c.control));
        ASSERT_NE(control, nullptr) << c.control;
        EXPECT_EQ(control->role(), c.role) << c.control;
        EXPECT_EQ(control->text(QAccessible::Name), c.name ? QString::fromUtf8(c.name) : h.text(c.control))
            << c.control;
        // An arrow's tooltip says what it does, as its name does.
        if (QString(c.control).startsWith("img")) {
            EXPECT_EQ(h.find(c.control)->toolTip(), c.name) << c.control;
        }
    }
}

TEST(AccessibilityTest, TheTimeDisplayReadsTheStoppedTime) {
    Harness h;
    h.press();
    h.services.clock += std::chrono::milliseconds(1234);
    h.press();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(h.find("lbltime"))->text(QAccessible::Name), "00:01.23");
}

}  // namespace
}  // namespace cubetimer
