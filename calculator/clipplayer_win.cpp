#include "calculator/clipplayer_win.h"

#include <windows.h>
#include <mmsystem.h>

#include "classlib/lateproc.h"

bool TResourceClipPlayer::play(const std::string& clip)
{
    // winmm comes with the first clip: loaded at start, it and the sound
    // drivers' list under it would cost every start, also with the voice off.
    static const auto playSound = LateProc<BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD)>("winmm.dll", "PlaySoundA");
    // Asynchronous: a new clip stops the one still playing.
    return playSound && playSound(clip.c_str(), GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC) != FALSE;
}
