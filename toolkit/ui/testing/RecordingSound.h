// Test double for sound: records which resources were played and how.
#pragma once

#include "SoundSink.h"

#include <vector>

namespace tk::ui {

class RecordingSound final : public SoundSink {
public:
    struct Played {
        int resourceId;
        PlayMode mode;
        bool operator==(const Played&) const = default;
    };

    void play(int resourceId, PlayMode mode) override { played.push_back({resourceId, mode}); }

    std::vector<int> ids() const {
        std::vector<int> result;
        for (const auto& p : played)
            result.push_back(p.resourceId);
        return result;
    }

    std::vector<Played> played;
};

} // namespace tk::ui
