#include "platform/beep_worker.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace cubetimer {

using std::chrono::steady_clock;

// Owned jointly by the worker and its thread, so a thread left behind in a
// hung player still has everything it touches.
struct BeepWorker::Shared {
    std::unique_ptr<BeepPlayer> player;
    Clock clock;
    std::chrono::milliseconds deadline;

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable done;
    std::deque<steady_clock::time_point> requests;
    bool busy = false;  // inside the player since busySince
    steady_clock::time_point busySince;
    bool connected = false;
    bool reconnect = false;
    bool stop = false;
    bool finished = false;

    // Runs `call` on the player with the lock released; returns its answer.
    template <typename Call>
    bool inPlayer(std::unique_lock<std::mutex>& lock, Call call) {
        busy = true;
        busySince = clock();
        lock.unlock();
        const bool ok = call();
        lock.lock();
        busy = false;
        return ok;
    }

    void run() {
        std::unique_lock lock(mutex);
        connected = inPlayer(lock, [this] { return player->connect(); });
        for (;;) {
            wake.wait(lock, [this] { return stop || reconnect || !requests.empty(); });
            if (stop) break;
            if (reconnect) {
                reconnect = false;
                if (!connected) connected = inPlayer(lock, [this] { return player->connect(); });
                continue;
            }
            const steady_clock::time_point requested = requests.front();
            requests.pop_front();
            if (!connected || clock() - requested > deadline) continue;
            connected = inPlayer(lock, [this] { return player->play(); });
        }
        finished = true;
        done.notify_all();
    }
};

BeepWorker::BeepWorker(std::unique_ptr<BeepPlayer> player, std::function<void()> fallback, Clock clock,
                       std::chrono::milliseconds deadline)
    : shared_(std::make_shared<Shared>()), fallback_(std::move(fallback)) {
    shared_->player = std::move(player);
    shared_->clock = std::move(clock);
    shared_->deadline = deadline;
    shared_->busy = true;  // connecting, from the thread's first instant
    shared_->busySince = shared_->clock();
    thread_ = std::thread([shared = shared_] { shared->run(); });
}

BeepWorker::~BeepWorker() {
    std::unique_lock lock(shared_->mutex);
    shared_->stop = true;
    shared_->wake.notify_all();
    const bool finished = shared_->done.wait_for(lock, shared_->deadline, [this] { return shared_->finished; });
    lock.unlock();
    if (finished) {
        thread_.join();
    } else {
        thread_.detach();
    }
}

bool BeepWorker::idle() const {
    std::lock_guard lock(shared_->mutex);
    return !shared_->busy && shared_->requests.empty() && !shared_->reconnect;
}

void BeepWorker::beep() {
    bool ring = false;
    {
        std::lock_guard lock(shared_->mutex);
        const steady_clock::time_point now = shared_->clock();
        if (shared_->busy && now - shared_->busySince > shared_->deadline) {
            ring = true;
        } else if (!shared_->busy && !shared_->connected) {
            ring = true;
            shared_->reconnect = true;
        } else {
            shared_->requests.push_back(now);
        }
    }
    shared_->wake.notify_all();
    if (ring && fallback_) fallback_();
}

}  // namespace cubetimer
