// Starting a voice clip by its resource name ("7_wav", "yuan_wav" ...).
#pragma once

#include <string>

class IClipPlayer {
public:
    virtual ~IClipPlayer() = default;
    // Starts the clip and returns at once; a clip still playing is cut off.
    // False when the clip could not be started.
    virtual bool play(const std::string& clip) = 0;
};
