// Writes the seed files of the GIF fuzz targets into one folder per target,
// made the way the tests make their files.
#include <filesystem>
#include <fstream>

#include "images/tests/gifbuilder.h"
#include "images/tests/giflibio.h"

namespace {
namespace fs = std::filesystem;

void Seed(const fs::path& dir, const std::string& name, const std::string& bytes)
{
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

std::vector<std::uint8_t> Pattern(int count, int colors)
{
    std::vector<std::uint8_t> v;
    for (int i = 0; i < count; ++i)
        v.push_back(static_cast<std::uint8_t>((i / 3 + i * i / 7) % colors));
    return v;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    fs::path root = argv[1];
    std::vector<std::string> files = {
        TGifBuilder("GIF87a").Screen(8, 8, 1).Image(0, 0, 8, 8, EncodeIndices(Pattern(64, 2), 8, 8, 1)).Trailer().Bytes(),
        TGifBuilder().Screen(16, 8, 4).Application("NETSCAPE2.0", {std::string("\1\0\0", 3)}).GraphicControl(10, 2, 3)
            .Image(0, 0, 16, 8, EncodeIndices(Pattern(128, 16), 16, 8, 4)).Comment({"seed"})
            .GraphicControl(5, 1).Image(2, 2, 5, 5, EncodeIndices(Pattern(25, 200), 5, 5, 8), 8, true).Trailer().Bytes(),
    };
    TGiflibImage g;
    g.width = 20, g.height = 11, g.gif89 = true;
    for (int i = 0; i < 4; ++i)
        g.globalTable.push_back(0x102030u * static_cast<std::uint32_t>(i));
    TGiflibFrame f;
    f.width = 20, f.height = 11, f.interlaced = true, f.indices = Pattern(220, 4), f.delay = 3, f.transparent = 1;
    g.frames = {f};
    files.push_back(GiflibWrite(g));
    for (std::size_t i = 0; i < files.size(); ++i) {
        Seed(root / "gif_read", std::to_string(i) + ".gif", files[i]);
        Seed(root / "gif_giflib", std::to_string(i) + ".gif", files[i]);
    }
    // Decoder seeds: depth, width, height, interlace, then the data.
    Seed(root / "gif_lzw", "0", std::string("\2\x10\x08\0", 4) + EncodeIndices(Pattern(16 * 8, 256), 16, 8, 8));
    Seed(root / "gif_lzw", "1", std::string("\1\x07\x05\1", 4) + EncodeIndices(Pattern(7 * 5, 16), 7, 5, 4));
    Seed(root / "gif_roundtrip", "0", std::string("\2\x20\x10", 3) + std::string(256 * 3, 'p') + "pixels");
    return 0;
}
