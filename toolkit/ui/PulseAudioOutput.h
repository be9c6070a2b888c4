// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module's output: one stream at a time to the sound server's default sink, through libpulse.
#pragma once

#include "toolkit/ui/AudioOutput.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <pulse/pulseaudio.h>

namespace tk::ui {

// Made, used and destroyed on the audio thread. libpulse runs the connection on a thread of its own; every
// wait for the server here has a deadline, so a stalled server never holds the audio thread for long, and
// going away never waits on the server at all.
class PulseAudioOutput final : public AudioOutput {
public:
    PulseAudioOutput();
    ~PulseAudioOutput() override;
    PulseAudioOutput(const PulseAudioOutput&) = delete;
    PulseAudioOutput& operator=(const PulseAudioOutput&) = delete;

    Device device() const override { return device_.load(); }
    void probe() override;
    void play(std::shared_ptr<const PcmAudio> audio,
              std::chrono::steady_clock::time_point requested) override;
    void stop() override;

private:
    using Deadline = std::chrono::steady_clock::time_point;

    // These run with the main loop's lock held.
    // Looks for the default sink, connecting first if need be; notes and returns what it found.
    Device findDevice(Deadline deadline);
    bool connected(Deadline deadline);
    void dropContext();
    void dropStream();
    template <typename Ready> bool waitUntil(Ready ready, Deadline deadline);

    // Called by libpulse on its thread, with the lock held.
    static void onStateChange(void* self);
    void onWritable(pa_stream* stream, std::size_t bytes);
    void onDrained(pa_stream* stream);

    std::atomic<Device> device_{Device::Unknown};
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    // The sound the stream plays and how much of it has been handed over (libpulse copies what it is
    // given); let go once all of it has been.
    std::shared_ptr<const PcmAudio> audio_;
    std::size_t writtenBytes_ = 0;
};

} // namespace tk::ui
