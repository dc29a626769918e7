#include <QAbstractButton>
#include <QAccessible>
#include <QRegularExpression>
#include <QSet>
#include <QDialog>
#include <QListWidget>
#include <gtest/gtest.h>

#include "fake_services.h"

namespace cubetimer {
namespace {

TEST(KeyboardTest, EnterFromAnyControlWorksStartAndAFocusedButtonTakesItItself) {
    const std::pair<const char*, Qt::Key> cases[] = {
        {"Slider1", Qt::Key_Return}, {"lsttime", Qt::Key_Return}, {"opt12", Qt::Key_Enter}, {"chkviewcube", Qt::Key_Return}};
    for (const auto& [control, key] : cases) {
        SCOPED_TRACE(control);
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        Harness h;
        h.recordSolve(std::chrono::seconds(3));
        h.find<QListWidget>("lsttime")->setCurrentRow(0);  // a chosen time does not take Enter from Start
        h.find(control)->setFocus();
        QTest::keyClick(h.find(control), key, modifiers);  // Start, then Stop and Save wherever the focus went
        h.services.clock += std::chrono::seconds(7);
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        EXPECT_EQ(h.rows().back(), "00:07.00");
        h.expectReady();
    }
    Harness h;
    h.find("cmdreset")->setFocus();
    QTest::keyClick(h.find("cmdreset"), Qt::Key_Return);
    EXPECT_EQ(h.services.messages, std::vector<std::string>{"Warning: Are you really sure to reset whole session?"});
    EXPECT_EQ(h.start()->text(), "Start");
}

TEST(KeyboardTest, EveryActionHasItsKey) {
    Harness h;
    // F2 on a selected time edits it. The list takes a current row with the
    // focus, so it can be read, but that row is not selected for F2.
    h.recordSolve(std::chrono::seconds(3));
    auto* times = h.find<QListWidget>("lsttime");
    times->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(times->currentRow(), 0);
    QTest::keyClick(times, Qt::Key_F2);
    EXPECT_EQ(h.window->findChild<QDialog*>("frmedit"), nullptr);
    times->setCurrentRow(0);
    QTest::keyClick(times, Qt::Key_F2);
    auto* edit = h.window->findChild<QDialog*>("frmedit");
    ASSERT_TRUE(edit && edit->isVisible());
    edit->reject();
    Harness::flushDeletes();

    // The link opens by the mouse, and with Enter or space once it has the focus, which starts no solve.
    QWidget* link = h.find("Label3");
    EXPECT_EQ(link->focusPolicy(), Qt::TabFocus);
    h.click("Label3");
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_Space);
    EXPECT_EQ(h.services.urls, std::vector<std::string>(3, "https://quorvanta.example/rubiks-timer"));
    EXPECT_EQ(h.start()->text(), "Start");

    // The arrows turn with space: a turn and its inverse bring the picture back.
    QAccessibleInterface* cube = QAccessible::queryAccessibleInterface(h.find("picCube"));
    const QString solved = cube->text(QAccessible::Description);
    for (const char* arrow : {"imgFront1", "imgFront0"}) {
        h.find(arrow)->setFocus();
        QTest::keyClick(h.find(arrow), Qt::Key_Space);
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
        {"picCube", QAccessible::Graphic, "3D cube"},
        {"netview", QAccessible::Graphic, "2D cube"},
        {"imgFront0", QAccessible::Button, "Turn L prime"},
        {"imgZ1", QAccessible::Button, "Turn the whole cube as F"},
        {"Label3", QAccessible::Link, "https://quorvanta.example/rubiks-timer"},
    };
    for (const auto& [name, role, text] : controls) {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(h.find(name));
        EXPECT_EQ(control->role(), role) << name;
        EXPECT_EQ(control->text(QAccessible::Name), text) << name;
    }
    // The scramble "L' U' D  L2 ..." is read with its primes and doubles spelled out, turn by turn.
    const QString scramble = QAccessible::queryAccessibleInterface(h.find("lblscramble"))->text(QAccessible::Name);
    EXPECT_TRUE(scramble.startsWith("L prime, U prime, D, L two, ")) << scramble.toStdString();
    // Twelve arrows, reached by Tab, each named by its own turn and saying so in its tooltip.
    QSet<QString> turns;
    for (auto* arrow : h.window->findChildren<QAbstractButton*>(QRegularExpression("^img"))) {
        EXPECT_EQ(arrow->focusPolicy(), Qt::TabFocus);
        EXPECT_EQ(arrow->toolTip(), arrow->text());
        turns.insert(arrow->text());
    }
    EXPECT_EQ(turns.size(), 12);
}

}  // namespace
}  // namespace cubetimer
