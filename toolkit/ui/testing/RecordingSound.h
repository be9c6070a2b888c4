// SPDX-License-Identifier: GPL-3.0-or-later
// Test double for sound: records which resources were played and how, and can act at each play.
#pragma once

#include "toolkit/ui/SoundSink.h"

#include <functional>
#include <vector>

namespace tk::ui {

class RecordingSound final : public SoundSink {
public:
    struct Played {
        int resourceId;
        PlayMode mode;
        bool operator==(const Played&) const = default;
    };

    void play(int resourceId, PlayMode mode) override {
        const Played call{resourceId, mode};
        played.push_back(call);
        if (onPlay) onPlay(call);
    }

    std::vector<int> ids() const {
        std::vector<int> result;
        for (const auto& p : played)
            result.push_back(p.resourceId);
        return result;
    }

    std::vector<Played> played;
    // Runs inside play(), where the real sink would be playing: a test can look at the windows then.
    std::function<void(const Played&)> onPlay;
};

} // namespace tk::ui
