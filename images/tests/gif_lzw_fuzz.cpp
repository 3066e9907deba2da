// Raw code streams under any code size, colour depth, size and interlacing:
// the decoder stays inside its rows and either finishes, marks the data
// corrupted or raises its read error.
#include <vector>

#include "classlib/exceptions.h"
#include "classlib/bitmapfile.h"
#include "images/gifdecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    static const int kDepths[] = {1, 4, 8};
    int bitCount = kDepths[data[0] % 3];
    int width = data[1] % 64 + 1, height = data[2] % 64 + 1;
    bool interlaced = data[3] & 1;
    std::size_t rowSize = static_cast<std::size_t>(BitmapRowSize(static_cast<std::uint64_t>(width), bitCount));
    // Exactly the rows: the sanitizers see any write past them.
    std::vector<std::uint8_t> rows(rowSize * static_cast<std::size_t>(height));
    try {
        LzwDecodeImage(data + 4, size - 4, interlaced, {rows.data(), width, height, bitCount, rowSize});
    } catch (const EInvalidGraphicOperation&) {
    }
    return 0;
}
