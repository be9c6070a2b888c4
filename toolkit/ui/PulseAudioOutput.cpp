// SPDX-License-Identifier: GPL-3.0-or-later
// One stream at a time to the sound server through libpulse's threaded main loop, and the module's entry.
#include "toolkit/ui/PulseAudioOutput.h"

#include "toolkit/core/WavDecoder.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace tk::ui {

namespace {

using Clock = std::chrono::steady_clock;

// Later than this after it was asked for, a sound is no longer started (on a healthy server a stream
// starts within some tens of milliseconds); a first look for the server waits as long at most.
constexpr std::chrono::milliseconds kLate(1000);
// What the server keeps queued for the stream: enough to ride out a busy moment of an old machine.
constexpr pa_usec_t kQueuedUs = 150 * PA_USEC_PER_MSEC;

PulseAudioOutput* outputOf(void* self) {
    return static_cast<PulseAudioOutput*>(self);
}

} // namespace

PulseAudioOutput::PulseAudioOutput() {
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr) return;
    pa_threaded_mainloop_set_name(loop_, "sound server");
    if (pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
}

PulseAudioOutput::~PulseAudioOutput() {
    if (loop_ == nullptr) return;
    pa_threaded_mainloop_lock(loop_);
    dropStream();
    dropContext();
    pa_threaded_mainloop_unlock(loop_);
    // The loop's thread only polls: it stops at once whatever the server does.
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulseAudioOutput::probe() {
    if (loop_ == nullptr) {
        device_ = Device::Absent;
        return;
    }
    pa_threaded_mainloop_lock(loop_);
    findDevice(Clock::now() + kLate);
    pa_threaded_mainloop_unlock(loop_);
}

void PulseAudioOutput::play(std::shared_ptr<const PcmAudio> audio, Clock::time_point requested) {
    stop();
    const Clock::time_point deadline = requested + kLate;
    if (loop_ == nullptr) device_ = Device::Absent;
    if (loop_ == nullptr || Clock::now() > deadline || !audio || audio->samples.empty()) return;
    const pa_sample_spec spec{PA_SAMPLE_S16LE, static_cast<std::uint32_t>(audio->sampleRate),
                              static_cast<std::uint8_t>(audio->channels)};
    if (audio->channels > static_cast<int>(PA_CHANNELS_MAX) || pa_sample_spec_valid(&spec) == 0) return;

    pa_threaded_mainloop_lock(loop_);
    if (findDevice(deadline) == Device::Present && Clock::now() <= deadline)
        stream_ = pa_stream_new(context_, "suono", &spec, nullptr);
    if (stream_ != nullptr) {
        audio_ = std::move(audio);
        writtenBytes_ = 0;
        pa_stream_set_state_callback(
            stream_, [](pa_stream*, void* self) { onStateChange(self); }, this);
        pa_stream_set_write_callback(
            stream_,
            [](pa_stream* stream, std::size_t bytes, void* self) {
                outputOf(self)->onWritable(stream, bytes);
            },
            this);
        const auto queued = static_cast<std::uint32_t>(pa_usec_to_bytes(kQueuedUs, &spec));
        const auto any = static_cast<std::uint32_t>(-1);
        const pa_buffer_attr buffer{any, queued, any, any, any};
        if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                       nullptr) < 0)
            dropStream();
    }
    pa_threaded_mainloop_unlock(loop_);
}

void PulseAudioOutput::stop() {
    if (loop_ == nullptr) return;
    pa_threaded_mainloop_lock(loop_);
    dropStream();
    pa_threaded_mainloop_unlock(loop_);
}

AudioOutput::Device PulseAudioOutput::findDevice(Deadline deadline) {
    Device found = Device::Absent;
    if (connected(deadline)) {
        struct Look {
            PulseAudioOutput* output;
            bool done = false;
            bool sink = false;
        } look{this};
        pa_operation* info = pa_context_get_server_info(
            context_,
            [](pa_context*, const pa_server_info* server, void* data) {
                auto* look = static_cast<Look*>(data);
                look->sink = server != nullptr && server->default_sink_name != nullptr &&
                             server->default_sink_name[0] != '\0';
                look->done = true;
                onStateChange(look->output);
            },
            &look);
        if (info != nullptr) {
            waitUntil([&look] { return look.done; }, deadline);
            // Not answered in time: the answer must not reach `look` once it has gone.
            if (!look.done) pa_operation_cancel(info);
            pa_operation_unref(info);
        }
        if (look.sink) found = Device::Present;
    }
    device_ = found;
    return found;
}

bool PulseAudioOutput::connected(Deadline deadline) {
    // A connection that failed or was lost is made anew: the server may be back.
    if (context_ != nullptr && !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) dropContext();
    if (context_ == nullptr) {
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), program_invocation_short_name);
        if (context_ == nullptr) return false;
        pa_context_set_state_callback(
            context_, [](pa_context*, void* self) { onStateChange(self); }, this);
        // A game never starts a sound server of its own.
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            dropContext();
            return false;
        }
    }
    waitUntil(
        [this] {
            const pa_context_state_t state = pa_context_get_state(context_);
            return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
        },
        deadline);
    return pa_context_get_state(context_) == PA_CONTEXT_READY;
}

void PulseAudioOutput::dropContext() {
    if (context_ == nullptr) return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulseAudioOutput::dropStream() {
    audio_.reset();
    if (stream_ == nullptr) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    // What the server still holds of the stream goes with it: this cuts the sound off.
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

template <typename Ready> bool PulseAudioOutput::waitUntil(Ready ready, Deadline deadline) {
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
    while (!ready()) {
        const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (left.count() <= 0) return false;
        // An alarm wakes the wait at the deadline if the server says nothing before.
        timeval when{};
        pa_timeval_add(pa_gettimeofday(&when), static_cast<pa_usec_t>(left.count()));
        pa_time_event* alarm = api->time_new(
            api, &when,
            [](pa_mainloop_api*, pa_time_event*, const timeval*, void* self) { onStateChange(self); }, this);
        pa_threaded_mainloop_wait(loop_);
        api->time_free(alarm);
    }
    return true;
}

void PulseAudioOutput::onStateChange(void* self) {
    pa_threaded_mainloop_signal(outputOf(self)->loop_, 0);
}

void PulseAudioOutput::onWritable(pa_stream* stream, std::size_t bytes) {
    if (stream != stream_ || !audio_) return;
    const auto* pcm = reinterpret_cast<const std::uint8_t*>(audio_->samples.data());
    const std::size_t total = audio_->samples.size() * sizeof(std::int16_t);
    const std::size_t now = std::min(bytes, total - writtenBytes_);
    // Without a function to free it, libpulse copies the data.
    if (now > 0 && pa_stream_write(stream, pcm + writtenBytes_, now, nullptr, 0, PA_SEEK_RELATIVE) == 0)
        writtenBytes_ += now;
    if (writtenBytes_ < total) return;
    audio_.reset();
    // The stream goes once the server has played all it holds.
    pa_operation* drain = pa_stream_drain(
        stream, [](pa_stream* drained, int, void* self) { outputOf(self)->onDrained(drained); }, this);
    if (drain != nullptr) pa_operation_unref(drain);
}

void PulseAudioOutput::onDrained(pa_stream* stream) {
    if (stream == stream_) dropStream();
}

} // namespace tk::ui

// The module's one entry, looked up by name when the module is loaded.
extern "C" __attribute__((visibility("default"))) tk::ui::AudioOutput* giochi_make_audio_output() {
    return new tk::ui::PulseAudioOutput;
}
