// The calendar page travels inside vostrel.exe as resource "kestova_html" of
// type "file", byte for byte the GB2312 file in resources/.
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

} // namespace
