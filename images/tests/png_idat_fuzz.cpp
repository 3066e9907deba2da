// Any filter bytes and samples, for every colour type, depth and interlace,
// as zlib data of a valid header: the codec loads them into the store that
// libpng's rows describe.
#include <cstdlib>

#include "images/pngheader.h"
#include "images/pngrows.h"
#include "images/tests/libpngfiles.h"

namespace {
struct TKind {
    int colorType, bitDepth;
};
const TKind kKinds[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1}, {3, 2},
                        {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const TKind kind = kKinds[data[0] % std::size(kKinds)];
    const int interlace = data[0] / std::size(kKinds) % 2;
    const int width = data[1] % 40 + 1, height = data[2] % 40 + 1;
    const bool rawZlib = data[3] & 1;  // the rest is zlib data itself, or rows to compress
    const std::string rest(reinterpret_cast<const char*>(data) + 4, size - 4);
    std::string palette;
    for (int i = 0; i < 256; ++i)
        palette += {static_cast<char>(i), static_cast<char>(255 - i), static_cast<char>(i * 7)};
    const std::string file = PngFileBytes({PngChunkBytes("IHDR", IhdrData(width, height, kind.bitDepth, kind.colorType, interlace)),
                                           kind.colorType == 3 ? PngChunkBytes("PLTE", palette.substr(0, 3u << kind.bitDepth)) : "",
                                           PngChunkBytes("IDAT", rawZlib ? rest : ZlibBytes(rest)), PngChunkBytes("IEND", "")});
    if (!StoreAgreesWithLibpng(file))
        std::abort();
    return 0;
}
