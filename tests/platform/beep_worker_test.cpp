#include "platform/beep_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace cubetimer {
namespace {

using namespace std::chrono_literals;
using std::chrono::steady_clock;

constexpr auto kPatience = 10s;  // upper bound for any wait on the worker's thread

// What the fake player and the test share; it outlives a worker whose thread
// is left behind in the player.
struct Server {
    std::mutex mutex;
    std::condition_variable changed;
    std::atomic<long> clockMs{0};
    std::atomic<bool> answers{true};
    bool hung = false;  // calls wait here until it is cleared
    int inside = 0;               // calls in progress
    std::vector<long> playedAtMs;  // the fake clock at each play

    bool call(bool isPlay) {
        std::unique_lock lock(mutex);
        ++inside;
        if (isPlay) playedAtMs.push_back(clockMs.load());
        changed.notify_all();
        changed.wait(lock, [this] { return !hung; });
        --inside;
        changed.notify_all();
        return answers;
    }

    template <typename Condition>
    bool waitUntil(Condition condition) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, kPatience, [&] { return condition(); });
    }

    void setHung(bool value) {
        std::lock_guard lock(mutex);
        hung = value;
        changed.notify_all();
    }
};

struct FakePlayer : BeepPlayer {
    explicit FakePlayer(std::shared_ptr<Server> s) : server(std::move(s)) {}
    bool connect() override { return server->call(false); }
    bool play() override { return server->call(true); }
    std::shared_ptr<Server> server;
};

class BeepWorkerTest : public ::testing::Test {
protected:
    std::shared_ptr<Server> server = std::make_shared<Server>();
    std::atomic<int> bells{0};

    std::unique_ptr<BeepWorker> makeWorker() {
        auto worker = std::make_unique<BeepWorker>(
            std::make_unique<FakePlayer>(server), [this] { ++bells; },
            [s = server] { return steady_clock::time_point(1ms * s->clockMs.load()); });
        EXPECT_TRUE(settled(*worker));
        return worker;
    }
    // Waits until the worker has nothing left to do.
    static bool settled(const BeepWorker& worker) {
        const auto deadline = steady_clock::now() + kPatience;
        while (!worker.idle()) {
            if (steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(1ms);
        }
        return true;
    }
    void at(long ms) { server->clockMs = ms; }
    std::vector<long> played() {
        std::lock_guard lock(server->mutex);
        return server->playedAtMs;
    }
};

// A beep asked for while the player is busy waits its turn, and plays only if
// the turn comes within 100 ms; once the player has been stuck for longer, the
// bell rings at once instead.
TEST_F(BeepWorkerTest, ABeepForTheBusyPlayerPlaysInTimeOrNeverAndNeverBlocksTheCaller) {
    struct Case {
        long askedAt, turnAt;
        std::vector<long> played;
        int bells;
    };
    for (const Case& c : {Case{1050, 1150, {1000, 1150}, 0}, Case{1060, 1161, {1000}, 0},
                          Case{1101, 1200, {1000}, 1}}) {
        server = std::make_shared<Server>();
        bells = 0;
        auto worker = makeWorker();
        server->setHung(true);
        at(1000);
        worker->beep();
        ASSERT_TRUE(server->waitUntil([&] { return server->inside == 1; }));
        at(c.askedAt);
        const auto before = steady_clock::now();
        worker->beep();
        EXPECT_LT(steady_clock::now() - before, 1s);
        EXPECT_EQ(bells, c.bells) << c.askedAt;
        at(c.turnAt);
        server->setHung(false);
        ASSERT_TRUE(settled(*worker));
        EXPECT_EQ(played(), c.played) << c.askedAt;
    }
}

TEST_F(BeepWorkerTest, WithoutAServerTheBellRingsAndAServerThatComesBackIsUsed) {
    server->answers = false;
    auto worker = makeWorker();
    for (int n : {1, 2}) {  // the second: the server is back, but the worker cannot know yet
        server->answers = n == 2;
        at(1000 * n);
        worker->beep();
        EXPECT_EQ(bells, n);
        ASSERT_TRUE(settled(*worker));  // it has tried to connect again
    }
    at(3000);
    worker->beep();
    ASSERT_TRUE(server->waitUntil([&] { return !server->playedAtMs.empty(); }));
    EXPECT_EQ(played(), (std::vector<long>{3000}));
    EXPECT_EQ(bells, 2);
}

}  // namespace
}  // namespace cubetimer
