// SPDX-License-Identifier: GPL-3.0-or-later
// The audio thread's half of the player: finds the output device and opens, starts and stops one stream at
// a time. Every one of these steps may wait on the sound server, so it is used on a thread of its own. It is
// made by the sound module (see SoundModule.h), loaded only once the first sound is near.
#pragma once

#include <chrono>
#include <memory>

namespace tk {
struct PcmAudio;
}

namespace tk::ui {

class AudioOutput {
public:
    // What the last look for an output device found.
    enum class Device { Unknown, Present, Absent };

    virtual ~AudioOutput() = default;

    // The calls below run on the audio thread.
    virtual Device device() const = 0;
    // Looks for the output device, connecting to the sound server.
    virtual void probe() = 0;
    // Stops the stream playing, then plays `audio`, asked for at `requested`, which is held until its stream
    // ends. Without an output device it is silence; the device is looked for again at every sound, so a
    // server that comes back is heard again. A sound that waited too long here, behind a stalled server,
    // is silence too: it would no longer sound with what asked for it.
    virtual void play(std::shared_ptr<const PcmAudio> audio,
                      std::chrono::steady_clock::time_point requested) = 0;
    virtual void stop() = 0;
};

// The function of the sound module that makes its output, with C linkage, and its type.
inline constexpr char kMakeAudioOutput[] = "giochi_make_audio_output";
using MakeAudioOutput = AudioOutput* (*)();

} // namespace tk::ui
