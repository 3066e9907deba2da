// The committed clip files, read from the source tree.
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "calculator/tests/clipcatalog.h"

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ClipFiles, EveryClipHasItsFormatAndLength)
{
    for (const ClipFormat& clip : kClipCatalog) {
        expectClip(clip, readFile(std::string(VOSTREL_CLIPS_DIR) + "/" + clip.name + ".wav"));
    }
}

struct BrokenCase {
    const char* name;
    std::string bytes;
};

// The reader the clip checks rely on must refuse what is not a clip.
TEST(WavInfo, RefusesBrokenImages)
{
    const std::string good = readFile(std::string(VOSTREL_CLIPS_DIR) + "/1_wav.wav");
    std::string noData = good.substr(0, 36);
    noData[4] = 28;
    noData[5] = noData[6] = noData[7] = 0;
    std::string floatFormat = good;
    floatFormat[20] = 3;
    const BrokenCase cases[] = {
        {"Empty", ""},
        {"NotRiff", "RIFX" + good.substr(4)},
        {"CutInTheFormat", good.substr(0, 30)},
        {"NoDataChunk", noData},
        {"FloatSamples", floatFormat},
    };
    for (const BrokenCase& c : cases) {
        EXPECT_THROW(readWavInfo(c.bytes), std::runtime_error) << c.name;
    }
}

} // namespace
