// Any bytes read as a bitmap stream either give a bitmap whose pixels fit its
// size or fail cleanly; the runs of any bytes decode back to them.
#include <cstdint>
#include <cstdlib>

#include "classlib/exceptions.h"
#include "classlib/streams.h"
#include "editors/foundation/graphics/cxxdbm.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream stream;
    stream.WriteBuffer(data, size);
    stream.SetPosition(0);
    try {
        TBitmapFileImage image = cxReadBitmapStream(stream);
        if (image.pixels.size() != BitmapRowSize(image.width, image.bitCount) * image.height)
            std::abort();
    } catch (const EReadError&) {
    } catch (const EInvalidGraphic&) {
    }
    if (stream.Position() > stream.Size())
        std::abort();
    std::vector<std::uint8_t> runs = cxXdbmEncode(data, size);
    if (cxXdbmDecode(runs.data(), runs.size()) != std::vector<std::uint8_t>(data, data + size))
        std::abort();
    return 0;
}
