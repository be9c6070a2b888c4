// SPDX-License-Identifier: GPL-3.0-or-later
// What the games ask of sound: play one of their embedded WAV resources.
#pragma once

namespace tk::ui {

enum class PlayMode { Async, Sync };

class SoundSink {
public:
    virtual ~SoundSink() = default;
    // Plays the embedded WAV resource ":/CUSTOM/<resourceId>". Async: returns at once, cutting off any
    // sound still playing. Sync: returns when the sound has ended; windows keep painting meanwhile but
    // user input is held back until it returns. Never fails, never prints, never beeps.
    virtual void play(int resourceId, PlayMode mode) = 0;
};

} // namespace tk::ui
