// The clips as the program finds them: WAVE resources of its own module,
// asked for in lower case, played through the real PlaySoundA.
#include <windows.h>

#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "calculator/clipplayer_win.h"
#include "calculator/tests/clipcatalog.h"

namespace {

std::string_view wave(const char* name)
{
    HRSRC found = FindResourceA(nullptr, name, "WAVE");
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(nullptr, found);
    return {static_cast<const char*>(LockResource(loaded)), SizeofResource(nullptr, found)};
}

BOOL CALLBACK countName(HMODULE, LPCSTR, LPSTR, LONG_PTR count)
{
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

TEST(ClipResources, EveryClipIsAWaveResourceOfTheProgram)
{
    for (const ClipFormat& clip : kClipCatalog) {
        const std::string_view bytes = wave(clip.name);
        ASSERT_FALSE(bytes.empty()) << clip.name;
        expectClip(clip, bytes);
    }
}

TEST(ClipResources, NoOtherWaveResources)
{
    int count = 0;
    EnumResourceNamesA(nullptr, "WAVE", countName, reinterpret_cast<LONG_PTR>(&count));
    EXPECT_EQ(count, static_cast<int>(kClipCatalog.size()));
    EXPECT_TRUE(wave("11_wav").empty());
}

TEST(ClipResources, RealPlayerStartsEveryClip)
{
    TResourceClipPlayer player;
    for (const ClipFormat& clip : kClipCatalog) {
        EXPECT_TRUE(player.play(clip.name)) << clip.name;
    }
    PlaySoundA(nullptr, nullptr, 0);
}

} // namespace
