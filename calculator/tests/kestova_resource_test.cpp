// The calendar page travels inside vostrel.exe as resource "kestova_html" of
// type "file", byte for byte the GB2312 file in resources/; the icon beside it.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(KestovaResource, ProgramCarriesThePageUnchanged)
{
    HMODULE program = LoadLibraryExA(VOSTREL_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << VOSTREL_EXE;
    HRSRC info = FindResourceA(program, "kestova_html", "file");
    ASSERT_NE(info, nullptr);
    HGLOBAL data = LoadResource(program, info);
    ASSERT_NE(data, nullptr);
    std::string carried(static_cast<const char*>(LockResource(data)), SizeofResource(program, info));
    FreeLibrary(program);

    std::ifstream file(KESTOVA_PAGE, std::ios::binary);
    ASSERT_TRUE(file) << KESTOVA_PAGE;
    std::string page((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(carried.size(), page.size());
    EXPECT_TRUE(carried == page);
    EXPECT_NE(page.find("charset=gb2312"), std::string::npos);
}

// The tray and the window show the program's own icon, in both sizes.
TEST(ProgramIcon, CarriedAtSixteenAndThirtyTwoPixels)
{
    HMODULE program = LoadLibraryExA(VOSTREL_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << VOSTREL_EXE;
    for (int size : {16, 32}) {
        HANDLE icon = LoadImageA(program, "MAINICON", IMAGE_ICON, size, size, 0);
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(static_cast<HICON>(icon));
    }
    FreeLibrary(program);
}

} // namespace
