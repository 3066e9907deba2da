// The dump tool run as a program, on a file we make and on broken ones.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "images/tests/gifbuilder.h"
#include "images/tests/libpngfiles.h"

namespace {
namespace fs = std::filesystem;

struct TRun {
    int exitCode;
    std::string out, err;
};

std::string Slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ImgDump : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("imgdump_test_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    TRun Run(const std::string& bytes)
    {
        std::ofstream(dir_ / "in.gif", std::ios::binary) << bytes;
        std::string command = std::string(IMGDUMP) + " " + (dir_ / "in.gif").string() + " " + dir_.string() + " >" +
                              (dir_ / "out").string() + " 2>" + (dir_ / "err").string();
        int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(dir_ / "out"), Slurp(dir_ / "err")};
    }
    fs::path dir_;
};
} // namespace

TEST_F(ImgDump, FramesAsPamFilesAndLines)
{
    std::string gif = TGifBuilder().Screen(6, 4, 1).GraphicControl(5, 2, 1).Image(0, 0, 2, 2, EncodeIndices({0, 1, 1, 0}, 2, 2, 1))
                          .GraphicControl(70000 / 10, 1).Image(3, 1, 3, 1, EncodeIndices({1, 1, 0}, 3, 1, 1)).Trailer().Bytes();
    TRun r = Run(gif);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "frame 0: 2x2 at 0,0 delay 50 ms disposal 2\nframe 1: 3x1 at 3,1 delay 70000 ms disposal 1\n");
    const std::string header = "P7\nWIDTH 2\nHEIGHT 2\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    std::string pam = Slurp(dir_ / "0.pam");
    ASSERT_EQ(pam.size(), header.size() + 16);
    EXPECT_EQ(pam.substr(0, header.size()), header);
    // Slot 0 of the builder's table is (0, 0, 255), slot 1 the see-through one.
    EXPECT_EQ(pam.substr(header.size(), 8), std::string("\0\0\xFF\xFF", 4) + std::string("\xFF\1\xFE\0", 4));
    EXPECT_EQ(static_cast<std::uint8_t>(Slurp(dir_ / "1.pam").back()), 255);
}

TEST_F(ImgDump, UnreadableFilesGiveOneLineAndExitCode1)
{
    const std::string screen = TGifBuilder().Screen(2, 2, 1).Bytes();
    for (const std::string& bytes : {std::string("PK\3\4"), std::string("GIF88a"), screen + "!\x42;",
                                     screen + std::string(",\0\0\0\0\2\0\2\0\0\2\1\4", 14)}) {
        TRun r = Run(bytes);
        EXPECT_EQ(r.exitCode, 1) << bytes;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.rfind("imgdump: ", 0), 0u) << r.err;
    }
}

TEST_F(ImgDump, APngIsFrameZeroWithSixteenBitSamplesByTheirHighByte)
{
    // 2x1 RGBA at 16 bits: the second pixel see-through.
    const std::string row = std::string("\0", 1) + std::string("\x12\x34\xAB\xCD\x00\xFF\xFF\xFF", 8) +
                            std::string("\x80\x01\x40\x02\x20\x03\x00\x09", 8);
    std::string png = PngFileBytes({PngChunkBytes("IHDR", IhdrData(2, 1, 16, 6)), PngChunkBytes("IDAT", ZlibBytes(row)),
                                    PngChunkBytes("IEND", "")});
    TRun r = Run(png);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "frame 0: 2x1 at 0,0 delay 0 ms disposal 0\n");
    std::string pam = Slurp(dir_ / "0.pam");
    ASSERT_GE(pam.size(), 8u);
    EXPECT_EQ(pam.substr(pam.size() - 8), std::string("\x12\xAB\x00\xFF\x80\x40\x20\x00", 8));
}
