// The default input through the wave mapper, read on a thread of its own.
// A driver that hangs in a call keeps only that thread: the window and
// quitting never wait for it longer than a moment.
#include "platform/sound_input.h"

#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace cubetimer {

namespace {

constexpr DWORD kRate = 48000;
constexpr DWORD kBlock = kRate / 100;  // 10 ms of samples a buffer
constexpr auto kQuitWait = std::chrono::milliseconds(200);
// kPreferredGet, which MinGW's headers lack.
constexpr UINT kPreferredGet = 0x2000 + 21;

// Kept alive by the thread as well, so a thread left behind touches no freed memory.
struct Shared {
    std::mutex mutex;
    std::condition_variable ended;
    bool stop = false;
    bool done = false;
    InputRelay* relay = nullptr;  // cleared when the input is closed

    template <typename Call>
    void tell(Call call) {
        std::lock_guard lock(mutex);
        if (relay) call(*relay);
    }
};

// The name of the device the wave mapper records from.
std::string PreferredInputName() {
    DWORD device = WAVE_MAPPER, flags = 0;
    waveInMessage(reinterpret_cast<HWAVEIN>(static_cast<UINT_PTR>(WAVE_MAPPER)), kPreferredGet,
                  reinterpret_cast<DWORD_PTR>(&device), reinterpret_cast<DWORD_PTR>(&flags));
    WAVEINCAPSW caps{};
    if (waveInGetDevCapsW(device, &caps, sizeof(caps)) != MMSYSERR_NOERROR) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, caps.szPname, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string name(static_cast<std::size_t>(length - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, caps.szPname, -1, name.data(), length, nullptr, nullptr);
    return name;
}

void Record(Shared& shared) {
    HANDLE ready = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = kRate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = kRate * 2;
    HWAVEIN device = nullptr;
    if (ready && waveInOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(ready), 0, CALLBACK_EVENT) ==
                     MMSYSERR_NOERROR) {
        const std::string name = PreferredInputName();
        if (!name.empty()) shared.tell([&](InputRelay& relay) { relay.source(name); });
        std::array<std::vector<std::int16_t>, 8> buffers;
        std::array<WAVEHDR, 8> headers{};
        for (std::size_t i = 0; i < buffers.size(); ++i) {
            buffers[i].resize(kBlock);
            headers[i].lpData = reinterpret_cast<LPSTR>(buffers[i].data());
            headers[i].dwBufferLength = kBlock * 2;
            waveInPrepareHeader(device, &headers[i], sizeof(WAVEHDR));
            waveInAddBuffer(device, &headers[i], sizeof(WAVEHDR));
        }
        waveInStart(device);
        StackmatDecoder decoder(kRate);
        std::vector<float> samples;
        std::size_t next = 0;  // buffers come back in the order they were added
        for (;;) {
            {
                std::lock_guard lock(shared.mutex);
                if (shared.stop) break;
            }
            WaitForSingleObject(ready, 100);
            while (headers[next].dwFlags & WHDR_DONE) {
                WAVEHDR& header = headers[next];
                const auto now = std::chrono::steady_clock::now();
                const std::size_t count = header.dwBytesRecorded / 2;
                samples.resize(count);
                for (std::size_t i = 0; i < count; ++i) samples[i] = buffers[next][i] / 32768.0f;
                for (const StackmatPacket& packet : decoder.feed(samples)) {
                    const double after = static_cast<double>(decoder.samplesSeen() - packet.endSample) / kRate;
                    const auto arrival = now - std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                                   std::chrono::duration<double>(after));
                    shared.tell([&](InputRelay& relay) { relay.packet(packet, arrival); });
                }
                header.dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
                waveInAddBuffer(device, &header, sizeof(WAVEHDR));
                next = (next + 1) % headers.size();
            }
        }
        waveInReset(device);
        for (WAVEHDR& header : headers) waveInUnprepareHeader(device, &header, sizeof(WAVEHDR));
        waveInClose(device);
    }
    if (ready) CloseHandle(ready);
}

class WinSoundInput : public Services::SoundInput {
public:
    explicit WinSoundInput(Services::SoundInputEvents events)
        : relay_(std::move(events)), shared_(std::make_shared<Shared>()) {
        shared_->relay = &relay_;
        thread_ = std::thread([shared = shared_] {
            Record(*shared);
            std::lock_guard lock(shared->mutex);
            shared->done = true;
            shared->ended.notify_all();
        });
    }

    ~WinSoundInput() override {
        std::unique_lock lock(shared_->mutex);
        shared_->stop = true;
        shared_->relay = nullptr;
        const bool ended = shared_->ended.wait_for(lock, kQuitWait, [this] { return shared_->done; });
        lock.unlock();
        if (ended) {
            thread_.join();
        } else {
            thread_.detach();
        }
    }

private:
    InputRelay relay_;
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace

std::unique_ptr<Services::SoundInput> OpenSoundInput(Services::SoundInputEvents events) {
    return std::make_unique<WinSoundInput>(std::move(events));
}

}  // namespace cubetimer
