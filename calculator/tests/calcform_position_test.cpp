// The place of a window closed while minimised, with a work area that does
// not start at the screen's corner (a taskbar at the top or left).
#include "calculator/tests/calcform_fixture.h"

TEST_F(CalcShellTest, AWindowClosedMinimisedStartsWhereItStood)
{
    RECT before{}, shifted{60, 40, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &before, 0);
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETWORKAREA, 0, &shifted, 0));
    std::string folder = FreshFolder("minimised");
    for (POINT place : {POINT{300, 250}, POINT{7, 5}, POINT{500, 41}}) {
        auto form = Start(folder);
        form->Show();
        SetWindowPos(form->Handle(), nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ShowWindow(form->Handle(), SW_MINIMIZE);
        ClickButton(*form, "SpeedButton45");
        EXPECT_TRUE(TakeQuit());
        EXPECT_EQ(SettingOf(folder, "iLeft") + "," + SettingOf(folder, "iTop"),
                  std::to_string(place.x) + "," + std::to_string(place.y));
        // The next start puts it back there.
        RECT again{};
        GetWindowRect(Start(folder)->Handle(), &again);
        EXPECT_EQ(again.left, place.x);
        EXPECT_EQ(again.top, place.y);
    }
    // On Windows the work area holds for the whole session.
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &before, 0);
}
