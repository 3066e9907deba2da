// Any bytes that both libpng and the codec read give the same pixels.
#include <cstdlib>

#include "images/pngexceptions.h"
#include "images/pngheader.h"
#include "images/tests/libpngfiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string file(reinterpret_cast<const char*>(data), size);
    TPNGImage image;
    try {
        LoadPng(image, file);
    } catch (const Exception&) {
        return 0;
    }
    TRawPng reference;
    try {
        reference = LibpngRead(file);
    } catch (const std::runtime_error&) {
        return 0;
    }
    // libpng's rows are the file's samples; the store has them through a gamma chunk's table.
    for (int i = 0; i < 256; ++i)
        if (image.GammaTable[static_cast<std::size_t>(i)] != i)
            return 0;
    const TPngPixelStore& store = image.RequireHeader().Store();
    if (!CompareStore(image, ExpectedStore(reference, store.dibBits, store.rowSize)).empty())
        std::abort();
    return 0;
}
