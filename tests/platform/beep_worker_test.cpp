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
    bool answers = true;
    bool hung = false;  // calls wait here until it is cleared
    int connects = 0;
    int inside = 0;               // calls in progress
    std::vector<long> playedAtMs;  // the fake clock at each play

    steady_clock::time_point now() const { return steady_clock::time_point(std::chrono::milliseconds(clockMs.load())); }

    bool call(bool isPlay) {
        std::unique_lock lock(mutex);
        ++inside;
        if (isPlay) {
            playedAtMs.push_back(clockMs.load());
        } else {
            ++connects;
        }
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

class FakePlayer : public BeepPlayer {
public:
    explicit FakePlayer(std::shared_ptr<Server> server) : server_(std::move(server)) {}
    bool connect() override { return server_->call(false); }
    bool play() override { return server_->call(true); }

private:
    std::shared_ptr<Server> server_;
};

class BeepWorkerTest : public ::testing::Test {
protected:
    std::shared_ptr<Server> server = std::make_shared<Server>();
    std::atomic<int> bells{0};

    std::unique_ptr<BeepWorker> makeWorker() {
        auto worker = std::make_unique<BeepWorker>(
            std::make_unique<FakePlayer>(server), [this] { ++bells; }, [s = server] { return s->now(); });
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

TEST_F(BeepWorkerTest, EveryBeepPlaysInOrderWhileTheServerAnswers) {
    auto worker = makeWorker();
    for (long ms : {1000, 2000, 3000}) {
        at(ms);
        worker->beep();
        ASSERT_TRUE(settled(*worker));
    }
    EXPECT_EQ(played(), (std::vector<long>{1000, 2000, 3000}));
    EXPECT_EQ(bells, 0);
}

TEST_F(BeepWorkerTest, ABeepWaitingForTheBusyPlayerPlaysOnlyIfItsTurnComesInTime) {
    struct Case {
        long askedAt, turnAt;
        std::vector<long> played;
    };
    for (const Case& c : {Case{1050, 1150, {1000, 1150}}, Case{1060, 1161, {1000}}}) {
        server = std::make_shared<Server>();
        auto worker = makeWorker();
        server->setHung(true);
        at(1000);
        worker->beep();
        ASSERT_TRUE(server->waitUntil([&] { return server->inside == 1; }));
        at(c.askedAt);  // the player has been busy less than 100 ms: this one waits its turn
        worker->beep();
        at(c.turnAt);
        server->setHung(false);
        ASSERT_TRUE(settled(*worker));
        EXPECT_EQ(played(), c.played) << c.askedAt;
        EXPECT_EQ(bells, 0);
    }
}

TEST_F(BeepWorkerTest, AHungPlayerNeverBlocksTheCallerWhichRingsTheBellInstead) {
    auto worker = makeWorker();
    server->setHung(true);
    at(1000);
    worker->beep();
    ASSERT_TRUE(server->waitUntil([&] { return server->inside == 1; }));
    for (long ms : {2000, 3000}) {
        at(ms);
        const auto before = steady_clock::now();
        worker->beep();
        EXPECT_LT(steady_clock::now() - before, 1s);
    }
    EXPECT_EQ(bells, 2);
    server->setHung(false);
    ASSERT_TRUE(server->waitUntil([&] { return server->inside == 0; }));
    EXPECT_EQ(played(), (std::vector<long>{1000}));
}

TEST_F(BeepWorkerTest, WithoutAServerTheBellRingsAndAServerThatComesBackIsUsed) {
    server->answers = false;
    auto worker = makeWorker();
    at(1000);
    worker->beep();
    EXPECT_EQ(bells, 1);
    ASSERT_TRUE(server->waitUntil([&] { return server->connects == 2; }));
    ASSERT_TRUE(settled(*worker));
    {
        std::lock_guard lock(server->mutex);
        server->answers = true;
    }
    at(2000);
    worker->beep();  // the server is still down as far as the worker knows
    EXPECT_EQ(bells, 2);
    ASSERT_TRUE(server->waitUntil([&] { return server->connects == 3; }));
    ASSERT_TRUE(settled(*worker));
    at(3000);
    worker->beep();
    ASSERT_TRUE(server->waitUntil([&] { return !server->playedAtMs.empty(); }));
    EXPECT_EQ(played(), (std::vector<long>{3000}));
    EXPECT_EQ(bells, 2);
}

TEST_F(BeepWorkerTest, ClosingDoesNotWaitForAHungServer) {
    server->setHung(true);
    auto worker = std::make_unique<BeepWorker>(std::make_unique<FakePlayer>(server), [] {},
                                               [s = server] { return s->now(); });
    ASSERT_TRUE(server->waitUntil([&] { return server->inside == 1; }));
    const auto before = steady_clock::now();
    worker.reset();
    EXPECT_LT(steady_clock::now() - before, 1s);
    server->setHung(false);  // the thread left behind finishes on its own
    ASSERT_TRUE(server->waitUntil([&] { return server->inside == 0; }));
}

}  // namespace
}  // namespace cubetimer
