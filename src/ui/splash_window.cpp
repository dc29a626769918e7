#include "ui/splash_window.h"

#include <QPainter>
#include <QProgressBar>
#include <random>

#include "cube/apply.h"
#include "cube/tile_picture.h"
#include "scramble/generator.h"
#include "ui/tile_painter.h"

namespace cubetimer {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmsplash"));
    setWindowTitle(QStringLiteral("Starting Quorvanta Rubik's Timer"));
    setWindowFlags(Qt::SplashScreen);
    setFixedSize(473, 350);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(8, 320, 457, 21);

    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    pause_.setSingleShot(true);
    pause_.setInterval(1000);
    connect(&pause_, &QTimer::timeout, this, [this] {
        close();
        emit finished();
    });
    Timer1.start();
}

int SplashWindow::progress() const { return ProgressBar1->value(); }

void SplashWindow::Timer1_Timer() {
    ProgressBar1->setValue(std::min(100, ProgressBar1->value() + 10));
    if (ProgressBar1->value() == 100) {
        Timer1.stop();
        // The window takes no input while it waits, but keeps painting.
        setEnabled(false);
        pause_.start();
    }
}

void SplashWindow::paintEvent(QPaintEvent*) {
    // Five scrambled cubes, painted with the tile view's own painter.
    QPainter painter(this);
    const QRect picture(8, 8, 457, 307);
    painter.fillRect(picture, QColor(32, 36, 48));
    struct Placement {
        double x, y, scale;
    };
    const Placement cubes[] = {{18, 20, 0.42}, {176, 14, 0.42}, {334, 22, 0.40}, {90, 150, 0.48}, {256, 148, 0.48}};
    std::mt19937 engine(2026);
    const auto uniform = [&engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(engine); };
    for (const Placement& cube : cubes) {
        NetCube net;
        TileCube tiles;
        ResetForScramble(net, tiles);
        setscramble(genscramble(uniform), net, tiles);
        painter.save();
        painter.setClipRect(picture);
        painter.translate(cube.x, cube.y);
        painter.scale(cube.scale, cube.scale);
        PaintTileCube(painter, tiles);
        painter.restore();
    }
}

}  // namespace cubetimer
