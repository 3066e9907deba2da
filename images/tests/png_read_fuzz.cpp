// Any bytes either fail with a codec exception or load; what loads saves and
// loads again into the same header and pixels.
#include <cstdlib>
#include <cstring>

#include "images/pngexceptions.h"
#include "images/pngheader.h"
#include "images/tests/libpngfiles.h"

namespace {
bool SameStore(const TPNGImage& a, const TPNGImage& b)
{
    const TChunkIHDR& ha = a.RequireHeader();
    const TChunkIHDR& hb = b.RequireHeader();
    const TPngPixelStore& sa = ha.Store();
    const TPngPixelStore& sb = hb.Store();
    if (ha.Width != hb.Width || ha.Height != hb.Height || ha.ColorType != hb.ColorType || sa.dibBits != sb.dibBits)
        return false;
    return std::memcmp(sa.bits, sb.bits, sa.rowSize * static_cast<std::size_t>(sa.height)) == 0 && sa.alpha == sb.alpha
           && sa.low == sb.low;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TPNGImage image;
    try {
        LoadPng(image, std::string(reinterpret_cast<const char*>(data), size));
    } catch (const Exception&) {
        return 0;
    }
    TPNGImage again;
    LoadPng(again, SavePng(image));
    if (!SameStore(image, again))
        std::abort();
    return 0;
}
