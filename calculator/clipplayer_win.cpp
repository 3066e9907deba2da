#include "calculator/clipplayer_win.h"

#include <windows.h>
#include <mmsystem.h>

bool TResourceClipPlayer::play(const std::string& clip)
{
    // Asynchronous: a new clip stops the one still playing.
    return PlaySoundA(clip.c_str(), GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC) != FALSE;
}
