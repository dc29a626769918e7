#include "ui/splash_window.h"

#include <QPainter>
#include <QProgressBar>

#include "cube/apply.h"
#include "cube/tile_picture.h"
#include "scramble/generator.h"
#include "scramble/random_source.h"
#include "ui/tile_painter.h"

namespace cubetimer {

SplashWindow::SplashWindow(QWidget* parent) : QWidget(parent), form_(QSize(7095, 5250)) {
    setObjectName(QStringLiteral("frmsplash"));
    setWindowTitle(tr("Starting Quorvanta Rubik's Timer"));
    setWindowFlags(Qt::SplashScreen);
    setFixedSize(form_.size(7095, 5250));

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(form_.rect(120, 4800, 6855, 315));
    ProgressBar1->setAccessibleName(tr("Loading"));
    // The window is disabled for its closing pause; the bar keeps its colours.
    QPalette steady = ProgressBar1->palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        steady.setColor(QPalette::Disabled, r, steady.color(QPalette::Active, r));
    }
    ProgressBar1->setPalette(steady);

    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    pause_.setSingleShot(true);
    pause_.setInterval(1000);
    connect(&pause_, &QTimer::timeout, this, [this] {
        close();
        emit finished();
    });
    // Five scrambled cubes, scrambled once: the picture is repainted under the progress bar.
    NetCube net;
    const auto uniform = UniformSource(2026);
    for (TileCube& tiles : cubes_) {
        ResetForScramble(net, tiles);
        setscramble(genscramble(uniform), net, tiles);
    }
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
    // The cubes are painted with the tile view's own painter.
    QPainter painter(this);
    const QRect picture = form_.rect(120, 120, 6855, 4605);
    painter.fillRect(picture, QColor(32, 36, 48));
    // Places in the window's pixels at the default font.
    struct Placement {
        double x, y, scale;
    };
    const Placement places[] = {{18, 20, 0.42}, {176, 14, 0.42}, {334, 22, 0.40}, {90, 150, 0.48}, {256, 148, 0.48}};
    const double grown = form_.scale();
    for (std::size_t i = 0; i < cubes_.size(); ++i) {
        painter.save();
        painter.setClipRect(picture);
        painter.translate(places[i].x * grown, places[i].y * grown);
        painter.scale(places[i].scale * grown, places[i].scale * grown);
        PaintTileCube(painter, cubes_[i]);
        painter.restore();
    }
}

}  // namespace cubetimer
