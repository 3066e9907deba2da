// The IDAT chunk: no data of its own; reading decodes the image data of every
// IDAT chunk in a row into the header's store, writing encodes the store.
#pragma once

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
    };
    // Fills count bytes of row; the bytes filled, 0 at the end of the data.
    static std::size_t InflateAcrossChunks(TReader& reader, std::uint8_t* row, std::size_t count);
    void DecodeRows(TReader& reader, TChunkIHDR& header);
};
