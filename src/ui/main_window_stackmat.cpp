// A Stackmat's start, stop and reset shown on the window.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "session/time_text.h"
#include "ui/accessibility.h"
#include "ui/announcer.h"
#include "ui/main_window.h"
#include "ui/stackmat_control.h"
#include "ui/time_display.h"

namespace cubetimer {

void MainWindow::buildStackmat() {
    stackmat = new StackmatControl(services_, cycle_, chkstackmat, lblstackmat);
    connect(stackmat, &StackmatControl::acted, this, &MainWindow::followTimer);
    connect(stackmat, &StackmatControl::said, announcer, &Announcer::say);
    connect(chkstackmat, &QCheckBox::clicked, this, &MainWindow::ReturnFocus);
}

void MainWindow::followTimer(StackmatLink::Action action, std::chrono::steady_clock::time_point at) {
    switch (action) {
        case StackmatLink::Action::Started:
            // Ends the countdown; a solve started by key goes on, on the timer's figure.
            tmrcountdown.stop();
            Timer1.start();
            cmdstart->setText(tr("Stop"));
            setBetweenSolvesEnabled(false);
            break;
        case StackmatLink::Action::Stopped:
            announcer->say(QString::fromStdString(showStopped(at)));
            break;
        case StackmatLink::Action::Abandoned:
            Timer1.stop();
            cmdstart->setText(tr("Start"));
            lbltime->setText(QString::fromStdString(ZeroDisplay(mark_)));
            setBetweenSolvesEnabled(true);
            announcer->say(tr("Timer reset: the solve is not recorded"));
            break;
        case StackmatLink::Action::None: break;
    }
}

std::string MainWindow::showStopped(std::chrono::steady_clock::time_point at) {
    Timer1.stop();
    cmdstart->setText(tr("Save"));
    lbltime->setText(QString::fromStdString(cycle_.display(at, mark_)));
    // Read out once, the stopped time: not the 40 refreshes a second.
    AnnounceNameChange(lbltime);
    setCorrectionsEnabled(true);
    return lbltime->text().toStdString();
}

}  // namespace cubetimer
