#include "platform/sound_input.h"

namespace cubetimer {

void InputRelay::packet(const StackmatPacket& packet, std::chrono::steady_clock::time_point arrival) {
    QMetaObject::invokeMethod(
        this, [this, packet, arrival] { if (events_.packet) events_.packet(packet, arrival); }, Qt::QueuedConnection);
}

void InputRelay::source(const std::string& description) {
    QMetaObject::invokeMethod(
        this, [this, description] { if (events_.source) events_.source(description); }, Qt::QueuedConnection);
}

}  // namespace cubetimer
