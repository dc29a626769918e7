#include <QAbstractButton>
#include <QAccessible>
#include <QRegularExpression>
#include <QSet>
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

// What a screen reader is told: every control has a name, and the ones that
// are painted or have no caption of their own have the role and name given here.
TEST(AccessibilityTest, EveryControlHasARoleAndAName) {
    Harness h;
    for (QWidget* control : h.window->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisible()) continue;
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
    }
    const std::tuple<const char*, QAccessible::Role, QString> controls[] = {
        {"Slider1", QAccessible::Slider, "Countdown (s)"},
        {"lsttime", QAccessible::List, "Times"},
        {"picCube", QAccessible::Graphic, "3D cube"},
        {"netview", QAccessible::Graphic, "2D cube"},
        {"imgFront0", QAccessible::Button, "Turn L prime"},
        {"imgZ1", QAccessible::Button, "Turn the whole cube as F"},
        {"lbltime", QAccessible::StaticText, "00:00.00"},
    };
    for (const auto& [name, role, text] : controls) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(h.find(name));
        EXPECT_EQ(control->role(), role) << name;
        EXPECT_EQ(control->text(QAccessible::Name), text) << name;
    }
    // The scramble is read with its primes and doubles spelled out, turn by turn.
    const QString scramble = QAccessible::queryAccessibleInterface(h.find("lblscramble"))->text(QAccessible::Name);
    EXPECT_TRUE(h.text("lblscramble").startsWith("L' U' D  L2 "));
    EXPECT_TRUE(scramble.startsWith("L prime, U prime, D, L two, ")) << scramble.toStdString();
    // Twelve arrows, each named by its own turn and saying so in its tooltip.
    QSet<QString> turns;
    for (auto* arrow : h.window->findChildren<QAbstractButton*>(QRegularExpression("^img"))) {
        EXPECT_EQ(arrow->toolTip(), arrow->text());
        turns.insert(arrow->text());
    }
    EXPECT_EQ(turns.size(), 12);
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
