#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFrame>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "fake_services.h"
#include "ui/details_window.h"
#include "ui/form.h"
#include "ui/splash_window.h"

namespace cubetimer {
namespace {

TEST(ShellTest, SplashFillsInTenStepsThenHandsOverAfterAPause) {
    SplashWindow splash;
    splash.show();
    QSignalSpy finished(&splash, &SplashWindow::finished);
    std::vector<int> steps;
    auto* bar = splash.findChild<QProgressBar*>("ProgressBar1");
    // The bar's colour while it fills and during the closing pause, when the
    // window is disabled.
    QColor filling, pausing;
    auto middle = [bar] { return bar->grab().toImage().pixelColor(bar->width() / 2, bar->height() / 2); };
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) {
        steps.push_back(value);
        if (value == 90) filling = middle();
        if (value == 100) QTimer::singleShot(0, [&] { pausing = splash.isEnabled() ? QColor() : middle(); });
    });
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(steps, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_GE(clock.elapsed(), 1900);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(filling.isValid());
    EXPECT_EQ(pausing, filling);
}

// Times and report columns stay in line where the fixed-width face is missing,
// as Courier New is from a fresh Wine prefix.
TEST(ShellTest, FixedWidthTextsKeepAFixedWidthFaceWhereTheNamedOneIsMissing) {
    const QStringList families = QFontDatabase::families();
    if (std::none_of(families.begin(), families.end(), [](const QString& f) { return QFontDatabase::isFixedPitch(f); }))
        GTEST_SKIP() << "this platform plugin has no fixed-width face at all (offscreen on Windows)";
    for (const QFont& font : {FixedFont(), FixedWidth(QFont(QStringLiteral("No Such Face")))})
        EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
}

// About closes by its "Ok" label, Enter or Escape, each giving the focus back
// to Start, or by the frame around the label, which leaves the focus alone.
TEST(ShellTest, AboutClosesByItsOkLabelItsFrameOrTheKeyboard) {
    using Close = std::function<void(QDialog*)>;
    const std::tuple<const char*, Close, bool> ways[] = {
        {"Ok", [](QDialog* a) { QTest::mouseClick(a->findChild<QLabel*>("Label2"), Qt::LeftButton); }, true},
        {"frame", [](QDialog* a) { QTest::mouseClick(a->findChild<QFrame*>("Frame2"), Qt::LeftButton, {}, QPoint(3, 3)); },
         false},
        {"Return", [](QDialog* a) { QTest::keyClick(a, Qt::Key_Return); }, true},
        {"Enter", [](QDialog* a) { QTest::keyClick(a, Qt::Key_Enter, Qt::KeypadModifier); }, true},
        {"Escape", [](QDialog* a) { QTest::keyClick(a, Qt::Key_Escape); }, true},
    };
    for (const auto& [way, close, focusBack] : ways) {
        Harness h;
        h.click("cmdabout");
        auto* about = h.window->findChild<QDialog*>("frmabout");
        ASSERT_TRUE(about && about->isVisible()) << way;
        h.find("Slider1")->setFocus();
        close(about);
        EXPECT_FALSE(about->isVisible()) << way;
        EXPECT_EQ(h.start()->hasFocus(), focusBack) << way;
    }
}

TEST(ShellTest, ExitDuringASolveEndsAtOnce) {
    Harness h;
    h.press();
    QTimer::singleShot(0, [&h] { h.click("cmdexit"); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(h.services.messages.empty());
}

TEST(ShellTest, ClosingTheTimerClosesEveryWindowItOpened) {
    Harness h;
    h.recordSolve(std::chrono::seconds(10));
    h.click("cmddetails");
    h.window->details()->hide();
    h.window->lsttime_DblClick(0);
    ASSERT_TRUE(h.window->findChild<QDialog*>("frmedit")->isVisible());
    h.window->close();
    for (QWidget* widget : QApplication::topLevelWidgets()) EXPECT_FALSE(widget->isVisible()) << widget->objectName().toStdString();
}

}  // namespace
}  // namespace cubetimer
