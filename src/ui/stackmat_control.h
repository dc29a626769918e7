#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>

#include "platform/services.h"
#include "session/stackmat_link.h"

class QCheckBox;
class QLabel;

namespace cubetimer {

// The Stackmat check box and its status line: opens the sound input while
// checked (never at start), passes the timer's packets to the solve cycle
// through StackmatLink, and says whether a timer is heard.
class StackmatControl : public QObject {
    Q_OBJECT
public:
    // The check box and the status line are the caller's, laid out on its form.
    StackmatControl(Services& services, SolveCycle& cycle, QCheckBox* box, QLabel* status);
    ~StackmatControl() override;

signals:
    // The timer moved the cycle on; `at` is when its packet reached the input.
    void acted(StackmatLink::Action action, std::chrono::steady_clock::time_point at);
    // A sentence for the screen reader.
    void said(const QString& sentence);

private:
    void turn(bool on);
    void follow(StackmatLink::Result result, std::chrono::steady_clock::time_point at);
    void showSignal();

    Services& services_;
    SolveCycle& cycle_;
    QCheckBox* box_;
    QLabel* status_;
    std::optional<StackmatLink> link_;
    std::unique_ptr<Services::SoundInput> input_;
    // Looks for a lost signal a few times a second.
    QTimer watch_{this};
};

}  // namespace cubetimer
