// Any bytes: parse, decode every frame, write, read again; the frames' data
// must come back equal. Failures are the codec's own exceptions, never crashes.
#include <cstdlib>

#include "classlib/exceptions.h"
#include "images/tests/gifbuilder.h"

namespace {
// Frames this large decode slowly under the sanitizers and teach nothing more.
constexpr std::int64_t kMaxFuzzPixels = 1 << 22;

std::string Data(const TGIF_FrameModel& f)
{
    if (!f.HasData())
        return {};
    TMemoryStream& s = *f.Item().data;
    return {reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.Size())};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TGIF_ImageModel image;
    try {
        ReadGif(image, std::string(reinterpret_cast<const char*>(data), size));
    } catch (const Exception&) {
        return 0;
    }
    for (int i = 0; i < image.FrameCount(); ++i) {
        TGIF_FrameModel& f = image.FrameByIndex(i);
        if (std::int64_t{f.Item().width} * f.Item().height > kMaxFuzzPixels)
            continue;
        try {
            TGifFramePixels p = GifFramePixels(f);
            if (p.indices.size() != static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height))
                std::abort();
        } catch (const Exception&) {
        }
    }
    std::string written;
    try {
        written = WriteGif(image);
    } catch (const Exception&) {
        return 0;
    }
    TGIF_ImageModel again;
    ReadGif(again, written);
    if (again.FrameCount() != image.FrameCount())
        std::abort();
    for (int i = 0; i < image.FrameCount(); ++i)
        if (Data(again.FrameByIndex(i)) != Data(image.FrameByIndex(i)))
            std::abort();
    return 0;
}
