#pragma once

#include <QObject>

#include "platform/services.h"

namespace cubetimer {

// Hands what a capture thread hears to the thread that opened the input,
// through the event loop. Lives on the opening thread; the capture stops
// its thread before the relay goes.
class InputRelay : public QObject {
    Q_OBJECT
public:
    explicit InputRelay(Services::SoundInputEvents events) : events_(std::move(events)) {}
    // From any thread.
    void packet(const StackmatPacket& packet, std::chrono::steady_clock::time_point arrival);
    void source(const std::string& description);

private:
    Services::SoundInputEvents events_;
};

// The desktop's default input, read on a thread of its own (in the
// <system>_sound_input.cpp of each system).
std::unique_ptr<Services::SoundInput> OpenSoundInput(Services::SoundInputEvents events);

}  // namespace cubetimer
