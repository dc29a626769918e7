#include "platform/win_key_messages.h"

namespace cubetimer {

namespace {

std::uint32_t StampOf(KeyMessages::Clock::time_point instant) {
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(instant.time_since_epoch()).count());
}

}  // namespace

void KeyMessages::seen(const MSG& message, std::uint32_t tickCount, Clock::time_point arrived) {
    clock_.sample(tickCount, arrived);
    const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (!down && message.message != WM_KEYUP && message.message != WM_SYSKEYUP) return;
    const int scanCode = static_cast<int>((message.lParam >> 16) & 0x1ff);
    const std::uint32_t stamp = StampOf(clock_.instant(message.time, arrived));
    // A key held down repeats its down message; the toolkit makes a release
    // and a press of each one, as X does.
    const bool repeat = down && (message.lParam & (1 << 30)) != 0;
    if (repeat) waiting_.record(scanCode, false, stamp, arrived);
    waiting_.record(scanCode, down, stamp, arrived);
}

std::uint32_t KeyMessages::stamp(int scanCode, bool press, std::uint32_t toolkitStamp, Clock::time_point now) {
    const auto key = std::make_pair(scanCode, press);
    const auto given = given_.find(key);
    if (given != given_.end() && given->second == toolkitStamp && toolkitStamp != 0) return toolkitStamp;
    const std::uint32_t stamp = waiting_.take(scanCode, press, now);
    given_[key] = stamp;
    return stamp;
}

}  // namespace cubetimer
