#include "session/key_stamps.h"

namespace cubetimer {

void KeyStamps::dropStale(std::deque<Waiting>& queue, Clock::time_point now) const {
    while (!queue.empty() && now - queue.front().arrived > maxWait_) queue.pop_front();
}

void KeyStamps::record(int keyCode, bool press, std::uint32_t timestampMs, Clock::time_point arrived) {
    // Without a bridge the events keep their own stamps and nothing is taken:
    // the queue is kept short by age alone.
    std::deque<Waiting>& queue = waiting_[{keyCode, press}];
    dropStale(queue, arrived);
    queue.push_back({timestampMs, arrived});
}

std::uint32_t KeyStamps::take(int keyCode, bool press, Clock::time_point now) {
    const auto found = waiting_.find({keyCode, press});
    if (found == waiting_.end()) return 0;
    std::deque<Waiting>& queue = found->second;
    dropStale(queue, now);
    if (queue.empty()) return 0;
    const std::uint32_t stamp = queue.front().timestampMs;
    queue.pop_front();
    return stamp;
}

}  // namespace cubetimer
