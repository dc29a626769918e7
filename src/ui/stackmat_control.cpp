#include "ui/stackmat_control.h"

#include <QCheckBox>
#include <QLabel>

namespace cubetimer {

StackmatControl::StackmatControl(Services& services, SolveCycle& cycle, QCheckBox* box, QLabel* status)
    : QObject(box), services_(services), cycle_(cycle), box_(box), status_(status) {
    status_->hide();
    box_->setToolTip(tr("Reads a Stackmat timer on the default sound input"));
    watch_.setInterval(250);
    connect(&watch_, &QTimer::timeout, this, [this] { follow(link_->tick(services_.now()), services_.now()); });
    connect(box_, &QCheckBox::toggled, this, &StackmatControl::turn);
}

StackmatControl::~StackmatControl() = default;

void StackmatControl::turn(bool on) {
    watch_.stop();
    input_.reset();
    link_.reset();
    status_->setVisible(on);
    if (!on) {
        emit said(tr("Stackmat off"));
        return;
    }
    link_.emplace(cycle_);
    Services::SoundInputEvents events;
    events.packet = [this](const StackmatPacket& packet, std::chrono::steady_clock::time_point at) {
        if (link_) follow(link_->packet(packet, at), at);
    };
    events.source = [this](const std::string& description) {
        const QString tip = tr("Reads a Stackmat timer on the default sound input: %1").arg(QString::fromStdString(description));
        box_->setToolTip(tip);
        box_->setAccessibleDescription(tip);
        status_->setToolTip(tip);
    };
    input_ = services_.openStackmatInput(std::move(events));
    watch_.start();
    showSignal();
}

void StackmatControl::follow(StackmatLink::Result result, std::chrono::steady_clock::time_point at) {
    if (result.signalChanged) showSignal();
    if (result.action != StackmatLink::Action::None) emit acted(result.action, at);
}

void StackmatControl::showSignal() {
    QString text;
    switch (link_->signal()) {
        case StackmatLink::Signal::None: text = tr("Stackmat: no signal"); break;
        case StackmatLink::Signal::Found: text = tr("Stackmat: timer found"); break;
        case StackmatLink::Signal::Lost:
            // A solve on the timer is not dropped for it: a later stop still counts.
            text = cycle_.followsTimer() ? tr("Stackmat: signal lost, the solve goes on") : tr("Stackmat: signal lost");
            break;
    }
    status_->setText(text);
    emit said(text);
}

}  // namespace cubetimer
