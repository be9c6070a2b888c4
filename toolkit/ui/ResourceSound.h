// SPDX-License-Identifier: GPL-3.0-or-later
// The games' sound: plays their embedded WAV resources (":/CUSTOM/<id>") through an AudioPlayer.
#pragma once

#include "toolkit/ui/AudioPlayer.h"
#include "toolkit/ui/SoundSink.h"

namespace tk::ui {

class ResourceSound final : public SoundSink {
public:
    // A missing or unreadable resource is silence, and still cuts off the sound playing.
    void play(int resourceId, PlayMode mode) override;
    const AudioPlayer& player() const { return player_; }

private:
    AudioPlayer player_;
};

} // namespace tk::ui
