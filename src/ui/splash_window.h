#pragma once

#include <QTimer>
#include <QWidget>

#include <array>

#include "cube/tile_cube.h"
#include "ui/form.h"

class QProgressBar;

namespace cubetimer {

// The start-up window: five cubes and a progress bar that fills in ten steps
// of 100 ms, then a one-second pause, then `finished`. The pause is a timer,
// so the event loop keeps running while the window waits. It grows with the
// user's font as the other forms do, its cubes with it.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    int progress() const;
    void Timer1_Timer();

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Form form_;
    QProgressBar* ProgressBar1;
    QTimer Timer1;
    QTimer pause_;
    std::array<TileCube, 5> cubes_;
};

}  // namespace cubetimer
