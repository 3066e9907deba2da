#include "editors/foundation/theme/dxthememanager.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "classlib/exceptions.h"
#include "classlib/messagewindow.h"
#include "editors/foundation/core/cxlistenerlist.h"
#include "editors/foundation/theme/dxuxtheme.h"

namespace {

TdxTheme OpenCall(const std::u16string& classList)
{
    return reinterpret_cast<TdxTheme>(
        dxUxTheme::OpenThemeData(nullptr, reinterpret_cast<LPCWSTR>(classList.c_str())));
}

long CloseCall(TdxTheme theme)
{
    return dxUxTheme::CloseThemeData(reinterpret_cast<dxUxTheme::HTHEME>(theme));
}

bool SameNameCall(const std::u16string& a, const std::u16string& b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, reinterpret_cast<LPCWSTR>(a.c_str()),
                          static_cast<int>(a.size()), reinterpret_cast<LPCWSTR>(b.c_str()),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

const TdxThemeCalls kLibraryCalls{OpenCall, CloseCall, SameNameCall};

struct TThemeManager {
    TdxThemeCache Cache{kLibraryCalls};
    std::unique_ptr<TMessageWindow> Receiver;
    TcxListenerList<TdxThemeChangedNotificator> Notificators;
};
std::unique_ptr<TThemeManager> manager;

bool OnReceiverMessage(TMessage& m)
{
    if (m.Msg != WM_THEMECHANGED)
        return false;
    manager->Cache.ReleaseAllThemes();
    DefWindowProcA(static_cast<HWND>(dxThemeChangedReceiverHandle()), m.Msg, m.WParam, m.LParam);
    manager->Cache.SetVisualStylesOn(dxUxTheme::IsThemeActive());
    m.Result = 0;
    manager->Notificators.ForEach([](TdxThemeChangedNotificator& notificator) {
        if (notificator.OnThemeChanged)
            notificator.OnThemeChanged();
    });
    return true;
}

// The window that hears of theme changes, made once theme data is kept or a
// notificator listens: before that a change has nothing to refresh, and the
// styles' state is asked of the system instead.
void EnsureReceiver()
{
    if (!manager || manager->Receiver || !dxUxTheme::ThemeLibraryPresent())
        return;
    manager->Cache.SetVisualStylesOn(dxUxTheme::IsThemeActive());
    // Made from a theme user's constructor: a window the system refuses
    // leaves themes drawn as they are now, without news of changes.
    try {
        manager->Receiver = std::make_unique<TMessageWindow>(OnReceiverMessage);
    } catch (const Exception&) {
    }
}

// Without a receiver the cached state may be stale: read it afresh.
void RefreshWithoutReceiver()
{
    if (manager && !manager->Receiver && dxUxTheme::ThemeLibraryPresent())
        manager->Cache.SetVisualStylesOn(dxUxTheme::IsThemeActive());
}

} // namespace

void dxThemeManagerInitialize()
{
    manager = std::make_unique<TThemeManager>();
    manager->Cache.SetLibraryPresent(dxUxTheme::ThemeLibraryPresent());
    if (!dxUxTheme::ThemeLibraryPresent())
        return;
    manager->Cache.SetVisualStylesOn(dxUxTheme::IsThemeActive());
}

void dxThemeManagerFinalize()
{
    if (!manager)
        return;
    manager->Receiver.reset();
    manager->Cache.SetVisualStylesOn(false);
    manager->Cache.ReleaseAllThemes();
    manager.reset();
}

TdxTheme OpenTheme(int classIndex, const char16_t* name)
{
    EnsureReceiver();
    return manager ? manager->Cache.OpenTheme(classIndex, name) : 0;
}

long ReleaseTheme(int classIndex)
{
    return manager ? manager->Cache.ReleaseTheme(classIndex) : 0;
}

void ReleaseAllThemes()
{
    if (manager)
        manager->Cache.ReleaseAllThemes();
}

bool ThemesUsable(TdxThemeClassSet classes)
{
    RefreshWithoutReceiver();
    return manager && manager->Cache.ThemesUsable(classes);
}

bool ThemeClassUsable(int classIndex)
{
    RefreshWithoutReceiver();
    return manager && manager->Cache.ThemeClassUsable(classIndex);
}

bool VisualStylesOn()
{
    RefreshWithoutReceiver();
    return manager && manager->Cache.VisualStylesOn();
}

void* dxThemeChangedReceiverHandle()
{
    EnsureReceiver();
    return manager && manager->Receiver ? manager->Receiver->Handle() : nullptr;
}

TdxThemeChangedNotificator::TdxThemeChangedNotificator()
{
    if (manager && dxUxTheme::ThemeLibraryPresent()) {
        EnsureReceiver();
        manager->Notificators.Add(this);
    }
}

TdxThemeChangedNotificator::~TdxThemeChangedNotificator()
{
    if (manager)
        manager->Notificators.Remove(this);
}
