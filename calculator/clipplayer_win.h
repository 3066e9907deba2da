// Voice clips played from the program's own WAVE resources.
#pragma once

#include "calculator/clipplayer.h"

class TResourceClipPlayer : public IClipPlayer {
public:
    bool play(const std::string& clip) override;
};
