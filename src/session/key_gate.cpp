#include "session/key_gate.h"

namespace cubetimer {

bool KeyGate::press(int key, std::uint32_t timestampMs, bool autoRepeat) {
    KeyState& state = keys_[key];
    // Stamp 0 is an event made without one (by a test or an input method).
    const bool repeatPair = state.released && timestampMs != 0 && state.releasedAt == timestampMs;
    const bool acts = !autoRepeat && !state.down && !repeatPair;
    state.down = true;
    state.released = false;
    return acts;
}

void KeyGate::release(int key, std::uint32_t timestampMs, bool autoRepeat) {
    if (autoRepeat) return;
    KeyState& state = keys_[key];
    state.down = false;
    state.released = true;
    state.releasedAt = timestampMs;
}

void KeyGate::forgetHeldKeys() {
    for (auto& [key, state] : keys_) state.down = false;
}

std::chrono::steady_clock::time_point EventInstant(std::chrono::steady_clock::time_point now,
                                                   std::uint32_t timestampMs, std::chrono::milliseconds maxAge) {
    using std::chrono::milliseconds;
    const auto nowMs = static_cast<std::uint32_t>(
        std::chrono::duration_cast<milliseconds>(now.time_since_epoch()).count());
    // Unsigned arithmetic: the 32-bit stamp wraps every 49.7 days, and a stamp
    // ahead of now comes out as a huge age.
    const std::uint32_t age = nowMs - timestampMs;
    if (age > static_cast<std::uint64_t>(maxAge.count())) return now;
    const auto whole = std::chrono::time_point_cast<milliseconds>(now);
    return whole - milliseconds(age);
}

}  // namespace cubetimer
