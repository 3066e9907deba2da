// The same bytes through giflib and through us: wherever giflib reads the
// file and our frame is not corrupted, the pixels are equal.
#include <cstdlib>
#include <optional>

#include "classlib/exceptions.h"
#include "images/gifdib.h"
#include "images/tests/gifbuilder.h"
#include "images/tests/giflibio.h"

namespace {
constexpr std::int64_t kMaxFuzzPixels = 1 << 22;

// giflib keeps every frame it reads at full size, whatever we make of the
// bytes: walk the blocks as it does and add up what its frames would take.
// An extension whose fixed header does not give its standard size is cut
// differently by the two readers (we take the fixed bytes, giflib follows the
// size byte), so their frames are not comparable: none is returned then.
std::optional<std::int64_t> GiflibFramePixels(const std::string& bytes)
{
    auto byte = [&](std::size_t at) { return at < bytes.size() ? static_cast<std::uint8_t>(bytes[at]) : 0; };
    auto word = [&](std::size_t at) { return byte(at) | byte(at + 1) << 8; };
    auto skipBlocks = [&](std::size_t at) {
        while (at < bytes.size() && byte(at) != 0)
            at += 1 + byte(at);
        return at + 1;
    };
    std::size_t at = 13;
    if (byte(10) & 0x80)
        at += 3u << ((byte(10) & 7) + 1);
    std::int64_t total = 0;
    while (at < bytes.size()) {
        std::uint8_t kind = byte(at);
        if (kind == 0x21) {
            std::uint8_t label = byte(at + 1), size = byte(at + 2);
            bool standard = label == 0xF9 ? size == 4 && byte(at + 7) == 0
                          : label == 0x01 ? size == 12
                          : label == 0xFF ? size == 11
                          : true;
            if (!standard)
                return std::nullopt;
            at = skipBlocks(at + 2);
        } else if (kind == 0x2C) {
            total += std::int64_t{word(at + 5)} * word(at + 7);
            std::uint8_t flags = byte(at + 9);
            at += 10;
            if (flags & 0x80)
                at += 3u << ((flags & 7) + 1);
            at = skipBlocks(at + 1);
        } else {
            break;
        }
    }
    return total;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string bytes(reinterpret_cast<const char*>(data), size);
    TGIF_ImageModel ours;
    try {
        ReadGif(ours, bytes);
    } catch (const Exception&) {
        return 0;
    }
    std::optional<std::int64_t> pixels = GiflibFramePixels(bytes);
    if (!pixels || *pixels > kMaxFuzzPixels)
        return 0;
    if (std::int64_t{ours.screenWidth} * ours.screenHeight > kMaxFuzzPixels)
        return 0;
    TGiflibImage theirs;
    if (!GiflibRead(bytes, theirs) || theirs.frames.size() != static_cast<std::size_t>(ours.FrameCount()))
        return 0;
    // Blocks of odd sizes (a control block whose size byte is not 4) are cut
    // differently: compare only when both found the same frames.
    for (std::size_t i = 0; i < theirs.frames.size(); ++i) {
        const TGIF_FrameModel& f = ours.FrameByIndex(static_cast<int>(i));
        const TGiflibFrame& g = theirs.frames[i];
        if (f.left != g.left || f.top != g.top || f.Item().width != g.width || f.Item().height != g.height ||
            f.interlaced != g.interlaced || f.localTable != !g.localTable.empty())
            return 0;
        for (std::size_t k = 0; k < g.localTable.size(); ++k)
            if (static_cast<std::uint32_t>(GifEntryColor(f.Item().table->entries[k])) !=
                ((g.localTable[k] & 0xFF) << 16 | (g.localTable[k] & 0xFF00) | g.localTable[k] >> 16))
                return 0;
    }
    for (std::size_t i = 0; i < theirs.frames.size(); ++i) {
        TGIF_FrameModel& f = ours.FrameByIndex(static_cast<int>(i));
        const TGiflibFrame& g = theirs.frames[i];
        TGifFramePixels p;
        try {
            p = GifFramePixels(f);
        } catch (const Exception&) {
            continue;
        }
        if (f.corrupted)
            continue;
        int mask = (1 << GifDibBits(f.Item().colorBits)) - 1;
        for (std::size_t k = 0; k < p.indices.size(); ++k)
            if (p.indices[k] != (g.indices[k] & mask))
                std::abort();
    }
    return 0;
}
