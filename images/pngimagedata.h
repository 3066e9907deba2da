// The IDAT chunk: no data of its own; reading decodes the image data of every
// IDAT chunk in a row into the header's store, writing encodes the store.
#pragma once

#include <vector>

#include "images/pngchunk.h"

class TChunkIHDR;
class TPngInflate;

class TChunkIDAT : public TNamedChunk<TChunkIDAT> {
public:
    static constexpr const char* kName = "IDAT";
    using TNamedChunk::TNamedChunk;

    bool LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size) override;
    // Writes one or more IDAT chunks.
    void SaveToStream(TStream& stream) override;

private:
    // Reads across IDAT chunks while decoding.
    struct TReader {
        TStream& stream;
        TPngInflate& z;
        std::uint32_t left;  // data bytes of the current chunk not yet read
        std::uint32_t crc;
        std::uint8_t* input;
        bool ended = false;  // the zlib stream is complete
        // Inflated bytes the rows have not taken yet, [begin, end) of ahead;
        // needed counts the rows' bytes not yet inflated, never read beyond.
        std::vector<std::uint8_t> ahead{};
        std::size_t begin = 0, end = 0;
        std::uint64_t needed = 0;
    };
    // Fills count bytes of out; the bytes filled, 0 at the end of the data.
    static std::size_t InflateAcrossChunks(TReader& reader, std::uint8_t* out, std::size_t count);
    // The next count bytes of the rows, from what was inflated ahead; fewer only at the end of the data.
    static std::size_t TakeRowBytes(TReader& reader, std::uint8_t* row, std::size_t count);
    void DecodeRows(TReader& reader, TChunkIHDR& header);
};
