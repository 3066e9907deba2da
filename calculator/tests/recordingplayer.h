// A clip player for tests: notes each clip with the fake time it started.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calculator/clipplayer.h"
#include "calculator/tests/fakeclock.h"

struct PlayedClip {
    std::uint32_t at;
    std::string clip;
    bool operator==(const PlayedClip&) const = default;
};

class RecordingPlayer : public IClipPlayer {
public:
    explicit RecordingPlayer(const FakeClock& clock) : clock_(clock) {}

    bool play(const std::string& clip) override
    {
        played.push_back({clock_.now, clip});
        return true;
    }

    std::vector<std::string> clips() const
    {
        std::vector<std::string> names;
        for (const PlayedClip& p : played) {
            names.push_back(p.clip);
        }
        return names;
    }

    std::vector<PlayedClip> played;

private:
    const FakeClock& clock_;
};
