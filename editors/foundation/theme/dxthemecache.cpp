#include "editors/foundation/theme/dxthemecache.h"

const char16_t* const dxThemeClassNames[dxThemeClassCount] = {
    u"Button", u"Clock", u"ComboBox", u"Edit", u"ExplorerBar", u"Header", u"ListBox", u"ListView", u"Menu",
    u"Page", u"Progress", u"Rebar", u"ScrollBar", u"Spin", u"StartPanel", u"Status", u"Tab", u"TaskBand",
    u"TaskBar", u"ToolBar", u"ToolTip", u"TrackBar", u"TrayNotify", u"TreeView", u"Window",
};

TdxTheme TdxThemeCache::OpenTheme(int classIndex, const char16_t* name)
{
    if (!Usable() || !Valid(classIndex))
        return 0;
    TEntry& entry = entries_[classIndex];
    if (entry.Handle) {
        if (!name || calls_.SameName(name, entry.Name))
            return entry.Handle;
        ReleaseTheme(classIndex);
    }
    std::u16string use = name ? name : !entry.Name.empty() ? entry.Name : dxThemeClassNames[classIndex];
    entry.Handle = calls_.Open(use);
    // A failed open forgets the name, so the next call tries the default again.
    entry.Name = entry.Handle ? use : u"";
    return entry.Handle;
}

long TdxThemeCache::ReleaseTheme(int classIndex)
{
    if (!Usable() || !Valid(classIndex) || !entries_[classIndex].Handle)
        return 0;
    TEntry& entry = entries_[classIndex];
    long result = calls_.Close(entry.Handle);
    entry.Handle = 0;
    entry.Name.clear();
    return result;
}

void TdxThemeCache::ReleaseAllThemes()
{
    for (TEntry& entry : entries_)
        if (entry.Handle) {
            calls_.Close(entry.Handle);
            entry.Handle = 0;
        }
}

bool TdxThemeCache::ThemesUsable(TdxThemeClassSet classes)
{
    if (!Usable())
        return false;
    for (int i = 0; i < dxThemeClassCount; ++i)
        if ((classes & (TdxThemeClassSet{1} << i)) && !OpenTheme(i))
            return false;
    return true;
}

bool TdxThemeCache::ThemeClassUsable(int classIndex)
{
    return Usable() && OpenTheme(classIndex) != 0;
}
