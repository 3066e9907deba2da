// The theme handles of the 25 theme classes, opened on first use under the
// class's default name or the last name asked for, and the tests of whether
// native drawing is in force. The theme library's calls come through a
// table, so the cache runs over the real library or a stand-in.
#pragma once

#include <cstdint>
#include <string>

using TdxTheme = std::uintptr_t;
// Bit i for theme class i.
using TdxThemeClassSet = std::uint32_t;

constexpr int dxThemeClassCount = 25;
extern const char16_t* const dxThemeClassNames[dxThemeClassCount];

struct TdxThemeCalls {
    // OpenThemeData without a window; 0 when the class cannot be opened.
    TdxTheme (*Open)(const std::u16string& classList);
    long (*Close)(TdxTheme theme);
    // The two names equal after upper-casing them as the locale does.
    bool (*SameName)(const std::u16string& a, const std::u16string& b);
};

class TdxThemeCache {
public:
    explicit TdxThemeCache(const TdxThemeCalls& calls) : calls_(calls) {}
    TdxThemeCache(const TdxThemeCache&) = delete;
    TdxThemeCache& operator=(const TdxThemeCache&) = delete;

    void SetLibraryPresent(bool present) { libraryPresent_ = present; }
    bool LibraryPresent() const { return libraryPresent_; }
    void SetVisualStylesOn(bool on) { visualStylesOn_ = on; }
    bool VisualStylesOn() const { return visualStylesOn_; }

    // 0 while native drawing is off, for a class outside 0..24, or when the
    // class does not open; name nullptr: the last name used, else the default.
    TdxTheme OpenTheme(int classIndex, const char16_t* name = nullptr);
    // Closes the class's handle and forgets its name; the close result, 0 when none.
    long ReleaseTheme(int classIndex);
    // Closes every handle; the names stay, so each reopens under its last one.
    void ReleaseAllThemes();
    bool ThemesUsable(TdxThemeClassSet classes = 0);
    bool ThemeClassUsable(int classIndex);

    TdxTheme Handle(int classIndex) const { return Valid(classIndex) ? entries_[classIndex].Handle : 0; }
    std::u16string Name(int classIndex) const { return Valid(classIndex) ? entries_[classIndex].Name : u""; }

private:
    struct TEntry {
        TdxTheme Handle = 0;
        std::u16string Name;
    };
    static bool Valid(int classIndex) { return classIndex >= 0 && classIndex < dxThemeClassCount; }
    bool Usable() const { return visualStylesOn_ && libraryPresent_; }

    const TdxThemeCalls& calls_;
    bool libraryPresent_ = false;
    bool visualStylesOn_ = false;
    TEntry entries_[dxThemeClassCount];
};
