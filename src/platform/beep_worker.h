#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace cubetimer {

// Something that sounds the warning sound. Both calls may block for as long
// as a sound server takes to answer, so only BeepWorker's thread makes them.
class BeepPlayer {
public:
    virtual ~BeepPlayer() = default;
    // Connects to the sound server; false when none answers.
    virtual bool connect() = 0;
    // Sounds the warning once; false when the server was lost.
    virtual bool play() = 0;
};

// Plays beeps on a thread of its own, so that a slow, hung or missing sound
// server never holds up the caller. The player connects as soon as the worker
// is made. A beep that cannot start within `deadline` of its request is
// dropped: a late countdown cue misleads more than a missing one. While no
// server answers, or the player has been stuck for longer than `deadline`,
// beep() calls `fallback` at once instead (on the caller's thread) and the
// player tries to connect again.
class BeepWorker {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    BeepWorker(std::unique_ptr<BeepPlayer> player, std::function<void()> fallback,
               Clock clock = std::chrono::steady_clock::now,
               std::chrono::milliseconds deadline = std::chrono::milliseconds(100));
    // Waits at most `deadline` for the thread; a thread stuck in the player is
    // left behind, so closing the program never waits on a hung server.
    ~BeepWorker();
    BeepWorker(const BeepWorker&) = delete;
    BeepWorker& operator=(const BeepWorker&) = delete;

    // Never blocks on the player.
    void beep();
    // True while nothing is queued and the player is not in use.
    bool idle() const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::function<void()> fallback_;
    std::thread thread_;
};

}  // namespace cubetimer
