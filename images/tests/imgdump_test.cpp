// The dump tool run as a program, on a file we make and on broken ones.
#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <fcntl.h>

#include "images/tests/gifbuilder.h"
#include "images/tests/libpngfiles.h"

namespace {
namespace fs = std::filesystem;

struct TRun {
    int exitCode;
    std::string out, err;
    // The run's peak resident set and wall time.
    long peakKiB;
    double seconds;
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
        const std::string in = (dir_ / "in.gif").string(), out = (dir_ / "out").string(), err = (dir_ / "err").string();
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::string program = IMGDUMP, folder = dir_.string();
        char* argv[] = {program.data(), const_cast<char*>(in.c_str()), folder.data(), nullptr};
        auto start = std::chrono::steady_clock::now();
        pid_t pid = -1;
        int status = 0;
        rusage usage{};
        if (posix_spawn(&pid, IMGDUMP, &files, nullptr, argv, environ) != 0 || wait4(pid, &status, 0, &usage) != pid)
            ADD_FAILURE() << "cannot run " << IMGDUMP;
        posix_spawn_file_actions_destroy(&files);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err), usage.ru_maxrss,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count()};
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

TEST_F(ImgDump, HugeFramesAreRefusedOrDecodedInBoundedMemoryAndTime)
{
    // The codecs' 256 MiB cap on a frame's rows: two such frames, 64 MiB for the rest.
    constexpr long kBoundKiB = (2 * 256 + 64) * 1024;
    const std::string noData = PackCodes(2, {{4, 3}, {5, 3}});
    std::string threeWide = TGifBuilder().Screen(32768, 32768, 1).Bytes();
    for (int i = 0; i < 3; ++i)
        threeWide += TGifBuilder("").Image(0, 8192 * i, 32768, 8192, noData).Bytes();
    // Index 1 in long chains, enough for an 8192 x 8192 frame: RGBA rows right at the cap.
    std::int64_t pixels = 0;
    const std::string chains = ChainData(2, 1, 9, pixels);
    ASSERT_GE(pixels, 8192 * 8192);
    struct Case {
        const char* what;
        std::string bytes;
        int frames;  // written; 0: refused
    } cases[] = {
        {"a 1-bit GIF of 32768 x 32768", TGifBuilder().Screen(32768, 32768, 1).Image(0, 0, 32768, 32768, noData)
                                             .Trailer().Bytes(), 0},
        {"a 1-bit PNG of 65535 x 4096", PngFileBytes({PngChunkBytes("IHDR", IhdrData(65535, 4096, 1, 0)),
                                                      PngChunkBytes("IDAT", ZlibBytes("")), PngChunkBytes("IEND", "")}), 0},
        {"three GIF frames of 32768 x 8192", threeWide + ";", 0},
        {"two GIF frames of 8192 x 8192", TGifBuilder().Screen(8192, 8192, 1).Image(0, 0, 8192, 8192, chains)
                                              .Image(0, 0, 8192, 8192, chains).Trailer().Bytes(), 2},
    };
    for (const Case& c : cases) {
        TRun r = Run(c.bytes);
        EXPECT_LE(r.peakKiB, kBoundKiB) << c.what;
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), c.frames) << c.what;
        if (c.frames == 0) {
            // Refused at once, whatever the size asked for.
            EXPECT_LE(r.seconds, 10.0) << c.what;
            EXPECT_EQ(r.exitCode, 1) << c.what;
            EXPECT_NE(r.err.find("too large"), std::string::npos) << c.what << ": " << r.err;
            EXPECT_FALSE(fs::exists(dir_ / "0.pam")) << c.what;
            continue;
        }
        EXPECT_EQ(r.exitCode, 0) << c.what << ": " << r.err;
        for (int i = 0; i < c.frames; ++i) {
            // Index 1 down to the last pixel, not slot 0's (0, 0, 255).
            fs::path pam = dir_ / (std::to_string(i) + ".pam");
            const std::string header = "P7\nWIDTH 8192\nHEIGHT 8192\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
            EXPECT_EQ(fs::file_size(pam), header.size() + 8192u * 8192u * 4) << c.what;
            std::ifstream in(pam, std::ios::binary);
            std::string first(4, '\0'), last(4, '\0');
            in.seekg(static_cast<std::streamoff>(header.size())).read(first.data(), 4);
            in.seekg(-4, std::ios::end).read(last.data(), 4);
            EXPECT_EQ(last, first) << c.what;
            EXPECT_NE(last, std::string("\0\0\xFF\xFF", 4)) << c.what;
            in.close();
            fs::remove(pam);
        }
    }
}
