#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "editors/foundation/theme/cxsystempalette.h"
#include "editors/foundation/theme/dxoffice11.h"

namespace {

// Changes the button face for one test; the colour lasts for the Wine
// server's session, so it is put back.
class TFaceColor {
public:
    explicit TFaceColor(COLORREF face) : saved_(GetSysColor(COLOR_BTNFACE)) { Set(face); }
    ~TFaceColor() { Set(saved_); }

private:
    static void Set(COLORREF c)
    {
        INT element = COLOR_BTNFACE;
        SetSysColors(1, &element, &c);
    }
    COLORREF saved_;
};

TEST(PaletteNotifications, ColoursAreRebuiltBeforePrimariesAndPrimariesTalkFirst)
{
    std::vector<std::string> told;
    std::vector<std::unique_ptr<TcxSystemPaletteChangedNotifier>> notifiers;
    for (const char* name : {"o1", "p1", "o2", "p2"}) {
        auto& n = notifiers.emplace_back(std::make_unique<TcxSystemPaletteChangedNotifier>(name[0] == 'p'));
        n->OnPaletteChange = [&told, name] {
            told.push_back(std::string(name) + (Office11Palette().Entries[2] == GetSysColor(COLOR_BTNFACE) ? "" : "!"));
        };
    }
    COLORREF other = GetSysColor(COLOR_BTNFACE) ^ 0x204060;
    // SetSysColors itself broadcasts the change to top-level windows, the hidden listener's too.
    TFaceColor face(other);
    EXPECT_EQ(Office11Palette().Entries[2], other);
    EXPECT_EQ(told, (std::vector<std::string>{"p2", "p1", "o2", "o1"}));
}

TEST(PaletteNotifications, TheLastNotifierTakesTheListenerAndTheColoursWithIt)
{
    ASSERT_EQ(cxSystemPaletteChangedListener(), nullptr);
    int before = Office11ColorsAcquireCount();
    auto a = std::make_unique<TcxSystemPaletteChangedNotifier>();
    auto b = std::make_unique<TcxSystemPaletteChangedNotifier>(true);
    EXPECT_EQ(Office11ColorsAcquireCount(), before + 1);
    HWND window = static_cast<HWND>(cxSystemPaletteChangedListener()->Handle());
    a.reset();
    EXPECT_NE(cxSystemPaletteChangedListener(), nullptr);
    b.reset();
    EXPECT_EQ(cxSystemPaletteChangedListener(), nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Office11ColorsAcquireCount(), before);
    auto again = std::make_unique<TcxSystemPaletteChangedNotifier>();
    ASSERT_NE(cxSystemPaletteChangedListener(), nullptr);
    EXPECT_TRUE(IsWindow(static_cast<HWND>(cxSystemPaletteChangedListener()->Handle())));
}

TEST(PaletteNotifications, AHandlerFreeingNotifiersEndsTheWalkSafely)
{
    std::vector<int> told;
    auto a = std::make_unique<TcxSystemPaletteChangedNotifier>();
    auto b = std::make_unique<TcxSystemPaletteChangedNotifier>();
    auto c = std::make_unique<TcxSystemPaletteChangedNotifier>();
    a->OnPaletteChange = [&] { told.push_back(1); };
    b->OnPaletteChange = [&] { told.push_back(2); };
    // The last one, told first, frees every notifier and so the listener.
    c->OnPaletteChange = [&] {
        told.push_back(3);
        a.reset();
        b.reset();
        c.reset();
    };
    SendMessageA(static_cast<HWND>(cxSystemPaletteChangedListener()->Handle()), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(told, std::vector<int>{3});
    EXPECT_EQ(cxSystemPaletteChangedListener(), nullptr);
}

} // namespace
