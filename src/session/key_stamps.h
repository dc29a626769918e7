#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <utility>

namespace cubetimer {

// The display server's stamps of key events, kept from the moment they arrive
// until the toolkit hands the events on. An accessibility bridge may hold each
// key until a screen reader has seen it and then deliver a copy without its
// stamp; the copy of a key's press (or release) takes the stamp of the
// earliest press (or release) of that key still waiting, as the copies keep
// the order of the originals. A stamp that waited longer than `maxWait`
// belongs to an event that never came through (a screen reader may keep a key
// for itself) and is dropped. Keys are told apart by the server's key code.
class KeyStamps {
public:
    using Clock = std::chrono::steady_clock;

    explicit KeyStamps(std::chrono::milliseconds maxWait = std::chrono::seconds(1)) : maxWait_(maxWait) {}

    void record(int keyCode, bool press, std::uint32_t timestampMs, Clock::time_point arrived);
    // The stamp for an event of this key that came without one; 0 when none is waiting.
    std::uint32_t take(int keyCode, bool press, Clock::time_point now);

private:
    struct Waiting {
        std::uint32_t timestampMs;
        Clock::time_point arrived;
    };
    void dropStale(std::deque<Waiting>& queue, Clock::time_point now) const;

    std::chrono::milliseconds maxWait_;
    std::map<std::pair<int, bool>, std::deque<Waiting>> waiting_;
};

}  // namespace cubetimer
