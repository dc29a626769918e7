// The default input through the sound server's own client library, on its
// threaded main loop: nothing here waits for the server, so a server that
// hangs or goes away leaves the window and quitting alone.
#include "platform/sound_input.h"

#include <pulse/pulseaudio.h>

namespace cubetimer {

namespace {

constexpr std::uint32_t kRate = 48000;

class PulseSoundInput : public Services::SoundInput {
public:
    explicit PulseSoundInput(Services::SoundInputEvents events) : relay_(std::move(events)) {
        loop_ = pa_threaded_mainloop_new();
        pa_proplist* properties = pa_proplist_new();
        pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "production");
        context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), "Stackmat input", properties);
        pa_proplist_free(properties);
        pa_context_set_state_callback(context_, &PulseSoundInput::contextState, this);
        pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
        pa_threaded_mainloop_start(loop_);
    }

    ~PulseSoundInput() override {
        pa_threaded_mainloop_lock(loop_);
        if (stream_) {
            pa_stream_disconnect(stream_);
            pa_stream_unref(stream_);
        }
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }

private:
    static void contextState(pa_context* context, void* self) {
        if (pa_context_get_state(context) == PA_CONTEXT_READY) static_cast<PulseSoundInput*>(self)->record();
    }

    void record() {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, kRate, 1};
        stream_ = pa_stream_new(context_, "Stackmat", &format, nullptr);
        if (!stream_) return;
        pa_stream_set_read_callback(stream_, &PulseSoundInput::readable, this);
        pa_stream_set_state_callback(stream_, &PulseSoundInput::streamState, this);
        // Blocks of 10 ms: a packet's end reaches the decoder soon after it is heard.
        pa_buffer_attr attributes{};
        attributes.maxlength = static_cast<std::uint32_t>(-1);
        attributes.fragsize = kRate / 100 * sizeof(float);
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_INTERPOLATE_TIMING |
                                                          PA_STREAM_AUTO_TIMING_UPDATE);
        pa_stream_connect_record(stream_, nullptr, &attributes, flags);
    }

    static void streamState(pa_stream* stream, void* self) {
        if (pa_stream_get_state(stream) != PA_STREAM_READY) return;
        auto* input = static_cast<PulseSoundInput*>(self);
        if (const char* name = pa_stream_get_device_name(stream))
            pa_operation_unref(pa_context_get_source_info_by_name(input->context_, name, &PulseSoundInput::sourceInfo, self));
    }

    static void sourceInfo(pa_context*, const pa_source_info* info, int last, void* self) {
        if (!last && info && info->description) static_cast<PulseSoundInput*>(self)->relay_.source(info->description);
    }

    static void readable(pa_stream* stream, std::size_t, void* self) {
        auto* input = static_cast<PulseSoundInput*>(self);
        const void* data = nullptr;
        std::size_t bytes = 0;
        while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
            // A hole (data lost by the server) is skipped; the decoder finds the next packet.
            if (data) input->hear(static_cast<const float*>(data), bytes / sizeof(float));
            pa_stream_drop(stream);
        }
    }

    void hear(const float* samples, std::size_t count) {
        const auto now = std::chrono::steady_clock::now();
        pa_usec_t latency = 0;
        int negative = 0;
        if (pa_stream_get_latency(stream_, &latency, &negative) != 0 || negative) latency = 0;
        for (const StackmatPacket& packet : decoder_.feed({samples, count})) {
            // Back from now by what came after the packet's end, and by what
            // the server still held.
            const double after = static_cast<double>(decoder_.samplesSeen() - packet.endSample) / kRate;
            const auto arrival = now - std::chrono::microseconds(latency) -
                                 std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(after));
            relay_.packet(packet, arrival);
        }
    }

    InputRelay relay_;
    StackmatDecoder decoder_{kRate};
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
};

}  // namespace

std::unique_ptr<Services::SoundInput> OpenSoundInput(Services::SoundInputEvents events) {
    return std::make_unique<PulseSoundInput>(std::move(events));
}

}  // namespace cubetimer
