// The process's theme handles per theme class over the bound theme library,
// whether visual styles are in force, and the notificators told when the
// user changes the theme (a hidden top-level window receives the broadcast).
#pragma once

#include <functional>

#include "editors/foundation/theme/dxthemecache.h"

// Unit start and end: the class table, the receiver and the notificator list.
void dxThemeManagerInitialize();
void dxThemeManagerFinalize();

TdxTheme OpenTheme(int classIndex, const char16_t* name = nullptr);
long ReleaseTheme(int classIndex);
void ReleaseAllThemes();
bool ThemesUsable(TdxThemeClassSet classes = 0);
bool ThemeClassUsable(int classIndex);
bool VisualStylesOn();
// The window that receives the theme broadcast; nullptr without the library.
void* dxThemeChangedReceiverHandle();

class TdxThemeChangedNotificator {
public:
    TdxThemeChangedNotificator();
    ~TdxThemeChangedNotificator();
    TdxThemeChangedNotificator(const TdxThemeChangedNotificator&) = delete;
    TdxThemeChangedNotificator& operator=(const TdxThemeChangedNotificator&) = delete;

    std::function<void()> OnThemeChanged;
};
