// Any bytes either read as a bitmap whose pixels fit its size, or fail as EInvalidGraphic.
#include <cstdint>
#include <cstdlib>

#include "classlib/bitmapfile.h"
#include "classlib/exceptions.h"
#include "classlib/streams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemoryStream stream;
    stream.WriteBuffer(data, size);
    stream.SetPosition(0);
    try {
        TBitmapFileImage image = ReadBitmapFile(stream);
        if (image.pixels.size() != BitmapRowSize(image.width, image.bitCount) * image.height)
            std::abort();
        TMemoryStream again;
        WriteBitmapFile(again, image);
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
