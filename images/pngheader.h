// The IHDR chunk: the image's size and kind, and the pixel store it prepares.
#pragma once

#include "images/pngchunk.h"
#include "images/pngstore.h"

class TChunkIHDR : public TNamedChunk<TChunkIHDR> {
public:
    static constexpr const char* kName = "IHDR";
    using TNamedChunk::TNamedChunk;

    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::uint8_t BitDepth = 0;
    std::uint8_t ColorType = 0;
    std::uint8_t CompressionMethod = 0;
    std::uint8_t FilterMethod = 0;
    std::uint8_t InterlaceMethod = 0;

    // Copies the fields and the pixels.
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size) override;
    void SaveToStream(TStream& stream) override;

    // A zeroed store for the fields (the old one is released); EPNGOutMemory
    // before allocating when it would not fit the limit.
    void PrepareImageData();
    TPngPixelStore& Store() { return store_; }
    const TPngPixelStore& Store() const { return store_; }
    // A grey ramp of 2^(DIB bits) entries through the owner's gamma table.
    void SetGreyPalette();

private:
    TPngPixelStore store_;
};
