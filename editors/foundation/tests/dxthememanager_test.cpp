#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "classlib/tests/freedmemory.h"
#include "editors/foundation/theme/dxthememanager.h"
#include "editors/foundation/theme/dxuxtheme.h"
#include "editors/foundation/tests/foundation_environment.h"

namespace {

// Classes the prefix's visual style does not have.
constexpr int kMissingClasses[] = {1, 4, 9, 14, 17, 18, 22};

bool Missing(int index)
{
    return std::find(std::begin(kMissingClasses), std::end(kMissingClasses), index) != std::end(kMissingClasses);
}

TEST(ThemeManager, BindsTheLibraryOnlyWhenThePrefixHasIt)
{
    ASSERT_EQ(dxUxTheme::ThemeLibraryPresent(), ExpectThemeLibrary());
    EXPECT_EQ(dxUxTheme::BoundCount(), ExpectThemeLibrary() ? dxUxTheme::EntryCount : 0);
    EXPECT_EQ(VisualStylesOn(), ExpectThemeLibrary());
    EXPECT_EQ(dxUxTheme::IsThemeActive() != FALSE, ExpectThemeLibrary()) << "guarded without the library";
    EXPECT_EQ(dxThemeChangedReceiverHandle() != nullptr, ExpectThemeLibrary());
}

TEST(ThemeManager, TheStyleOpensEighteenClassesAndCallersFallBackForTheRest)
{
    for (int i = 0; i < dxThemeClassCount; ++i) {
        bool opens = ExpectThemeLibrary() && !Missing(i);
        EXPECT_EQ(OpenTheme(i) != 0, opens) << i;
        EXPECT_EQ(ThemeClassUsable(i), opens) << i;
    }
    EXPECT_EQ(ThemesUsable(), ExpectThemeLibrary());
    EXPECT_EQ(ThemesUsable((1u << 0) | (1u << 3)), ExpectThemeLibrary());
    EXPECT_FALSE(ThemesUsable(1u << 1));
    EXPECT_EQ(OpenTheme(25), 0u);
    EXPECT_EQ(OpenTheme(-1), 0u);
    EXPECT_EQ(ReleaseTheme(99), 0);
}

// Counts the library's OpenThemeData calls through the binding table.
class ThemeCalls : public ::testing::Test {
protected:
    using TOpen = HANDLE(WINAPI*)(HWND, LPCWSTR);
    static HANDLE WINAPI CountingOpen(HWND wnd, LPCWSTR name)
    {
        ++calls;
        return reinterpret_cast<TOpen>(reinterpret_cast<void (*)()>(real))(wnd, name);
    }
    void SetUp() override
    {
        if (!ExpectThemeLibrary())
            GTEST_SKIP() << "nothing opens without the theme library";
        calls = 0;
        real = std::exchange(dxUxTheme::Binding.Procs[dxUxTheme::eOpenThemeData],
                             reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(CountingOpen)));
    }
    void TearDown() override
    {
        if (real)
            dxUxTheme::Binding.Procs[dxUxTheme::eOpenThemeData] = real;
    }
    static inline FARPROC real = nullptr;
    static inline int calls = 0;
};

TEST_F(ThemeCalls, ThemeChangeZeroesHandlesAndTellsNotificatorsInOrder)
{
    ASSERT_NE(OpenTheme(5, u"header"), 0u);
    ASSERT_NE(OpenTheme(0), 0u);
    TFreedMemoryTrap trap;
    std::vector<int> told;
    auto first = std::make_unique<TdxThemeChangedNotificator>();
    auto second = std::make_unique<TdxThemeChangedNotificator>();
    auto third = std::make_unique<TdxThemeChangedNotificator>();
    first->OnThemeChanged = [&] {
        told.push_back(1);
        third.reset(); // a handler may free the ones after it
    };
    second->OnThemeChanged = [&] { told.push_back(2); };
    third->OnThemeChanged = [&] { told.push_back(3); };
    calls = 0;
    SendMessageA(static_cast<HWND>(dxThemeChangedReceiverHandle()), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(told, (std::vector<int>{1, 2}));
    EXPECT_TRUE(VisualStylesOn());
    EXPECT_EQ(calls, 0) << "handles reopen lazily";
    EXPECT_NE(OpenTheme(0), 0u);
    EXPECT_NE(OpenTheme(5), 0u);
    EXPECT_EQ(calls, 2) << "both were closed by the change";
}

TEST_F(ThemeCalls, AnOpenClassMakesNoLibraryCallOverTenThousandOpens)
{
    ReleaseTheme(13);
    TdxTheme spin = OpenTheme(13);
    for (int i = 0; i < 10000; ++i)
        ASSERT_EQ(OpenTheme(13), spin);
    EXPECT_EQ(calls, 1);
}

} // namespace

// The narrow text call counts bytes; the library is handed the UTF-16
// units of those bytes.
TEST(ThemeText, ANarrowByteCountReachesTheLibraryAsItsUtf16Length)
{
    using TDraw = HRESULT(WINAPI*)(dxUxTheme::HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*);
    static FARPROC real;
    static std::wstring drawn;
    struct TRecorder {
        static HRESULT WINAPI Draw(dxUxTheme::HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int count, DWORD flags,
                                   DWORD flags2, const RECT* r)
        {
            drawn = count < 0 ? std::wstring(text) : std::wstring(text, static_cast<std::size_t>(count));
            return real ? reinterpret_cast<TDraw>(reinterpret_cast<void (*)()>(real))(theme, dc, part, state, text,
                                                                                         count, flags, flags2, r)
                        : E_FAIL;
        }
    };
    real = std::exchange(dxUxTheme::Binding.Procs[dxUxTheme::eDrawThemeText],
                         reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&TRecorder::Draw)));
    HDC dc = CreateCompatibleDC(nullptr);
    const RECT r{0, 0, 100, 20};
    const struct {
        int count;
        const wchar_t* expected;
    } cases[] = {{4, L"\u4e2d\u6587"}, {5, L"\u4e2d\u6587x"}, {-1, L"\u4e2d\u6587xy"}, {0, L""}};
    for (const auto& c : cases) {
        drawn = L"?";
        dxUxTheme::DrawThemeText(reinterpret_cast<dxUxTheme::HTHEME>(OpenTheme(0)), dc, 1, 1, std::string("中文xy"), c.count, DT_SINGLELINE, 0, &r);
        EXPECT_EQ(drawn, c.expected) << c.count;
    }
    DeleteDC(dc);
    dxUxTheme::Binding.Procs[dxUxTheme::eDrawThemeText] = real;
}
