#include "images/pngimagedata.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "classlib/streams.h"
#include "images/pngexceptions.h"
#include "images/pngheader.h"
#include "images/pngimage.h"
#include "images/pngrows.h"
#include "images/pngzlib.h"

namespace {

constexpr std::uint32_t kInputPiece = 65535;
constexpr std::size_t kInflatePiece = 256 * 1024;

// The passes that hold pixels: Adam7's seven, or one over the whole image.
struct TPngPass {
    TAdam7Pass at;
    int width, rows;
};

std::vector<TPngPass> PngPasses(int width, int height, bool interlaced)
{
    std::vector<TPngPass> passes;
    for (int p = 0; p < (interlaced ? 7 : 1); ++p) {
        const TAdam7Pass at = interlaced ? kAdam7Passes[p] : TAdam7Pass{0, 0, 1, 1};
        const int w = Adam7PassSize(width, at.col0, at.colStep), rows = Adam7PassSize(height, at.row0, at.rowStep);
        if (w > 0 && rows > 0)
            passes.push_back({at, w, rows});
    }
    return passes;
}

// An Adam7 row converted apart from its columns in the store; empty for
// images without passes.
struct TPassRow {
    TPassRow(const TPngPixelStore& store, bool interlaced)
    {
        if (!interlaced)
            return;
        row.resize(store.rowSize);
        alpha.resize(store.alpha.empty() ? 0 : static_cast<std::size_t>(store.width));
        low.resize(store.low.empty() ? 0 : store.rowSize);
    }
    TPngStoreRow Rows() { return {row.data(), alpha.data(), low.data()}; }

    std::vector<std::uint8_t> row, alpha, low;
};

} // namespace

std::size_t TChunkIDAT::InflateAcrossChunks(TReader& reader, std::uint8_t* out, std::size_t count)
{
    z_stream* z = reader.z.operator->();
    z->next_out = out;
    z->avail_out = static_cast<uInt>(count);
    while (z->avail_out > 0 && !reader.ended) {
        if (z->avail_in == 0) {
            if (reader.left == 0) {
                // This chunk is used up: its CRC, then the next chunk must go on with the data.
                PngCheckCrc(reader.stream, reader.crc);
                TPngChunkHead head = PngReadChunkHead(reader.stream);
                if (head.name != kName)
                    throw EPNGMissingMultipleIDAT();
                reader.left = head.length;
                reader.crc = PngUpdateCrc(0, head.name.data(), 4);
                continue;
            }
            std::uint32_t piece = std::min(reader.left, kInputPiece);
            PngReadExact(reader.stream, reader.input, piece);
            reader.crc = PngUpdateCrc(reader.crc, reader.input, piece);
            reader.left -= piece;
            z->next_in = reader.input;
            z->avail_in = piece;
        }
        // Z_BUF_ERROR only asks for more input, which the loop reads.
        if (reader.z.Inflate() == Z_STREAM_END)
            reader.ended = true;
    }
    return count - z->avail_out;
}

std::size_t TChunkIDAT::TakeRowBytes(TReader& reader, std::uint8_t* row, std::size_t count)
{
    std::size_t got = 0;
    while (got < count) {
        if (reader.begin == reader.end) {
            // zlib's fast path needs room for a long match: a large block, not a row.
            const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(reader.ahead.size(), reader.needed));
            reader.begin = 0;
            reader.end = InflateAcrossChunks(reader, reader.ahead.data(), piece);
            reader.needed -= reader.end;
            if (reader.end == 0)
                break;
        }
        const std::size_t n = std::min(count - got, reader.end - reader.begin);
        std::memcpy(row + got, reader.ahead.data() + reader.begin, n);
        reader.begin += n;
        got += n;
    }
    return got;
}

void TChunkIDAT::DecodeRows(TReader& reader, TChunkIHDR& header)
{
    TPngPixelStore& store = header.Store();
    const int colorType = header.ColorType, bitDepth = header.BitDepth;
    const std::size_t offset = PngPixelOffset(colorType, bitDepth);
    const std::size_t fullBytes = PngRowBytes(colorType, bitDepth, header.Width);
    const std::uint8_t* gamma = Owner().GammaTable.data();
    std::vector<std::uint8_t> current(fullBytes + 1), previous(fullBytes + 1);
    // Adam7 rows are converted here first, then put in their columns.
    const bool interlaced = header.InterlaceMethod == 1;
    TPassRow passRow(store, interlaced);
    const std::vector<TPngPass> passes = PngPasses(store.width, store.height, interlaced);
    for (const TPngPass& pass : passes)
        reader.needed += std::uint64_t{PngRowBytes(colorType, bitDepth, static_cast<std::uint64_t>(pass.width)) + 1} * pass.rows;
    reader.ahead.resize(std::max<std::size_t>(kInflatePiece, fullBytes + 1));
    for (const TPngPass& pass : passes) {
        const int width = pass.width;
        const std::size_t bytes = PngRowBytes(colorType, bitDepth, static_cast<std::uint64_t>(width));
        std::fill_n(previous.begin(), bytes + 1, 0);
        for (int i = 0; i < pass.rows; ++i) {
            std::size_t got = TakeRowBytes(reader, current.data(), bytes + 1);
            if (got == 0)
                return;
            // A short last row keeps zeros where the data ended.
            std::fill(current.begin() + static_cast<std::ptrdiff_t>(got), current.begin() + static_cast<std::ptrdiff_t>(bytes + 1), 0);
            UnfilterRow(current[0], current.data() + 1, previous.data() + 1, bytes, offset);
            const int y = pass.at.row0 + i * pass.at.rowStep;
            TPngStoreRow dest{store.Row(y), store.AlphaRow(y), store.LowRow(y)};
            if (!interlaced) {
                PngRowToStore(current.data() + 1, colorType, bitDepth, width, gamma, dest);
            } else {
                const TAdam7Pass& at = pass.at;
                PngRowToStore(current.data() + 1, colorType, bitDepth, width, gamma, passRow.Rows());
                PngScatterPixels(passRow.row.data(), dest.row, store.dibBits, width, at.col0, at.colStep);
                if (dest.alpha)
                    PngScatterPixels(passRow.alpha.data(), dest.alpha, 8, width, at.col0, at.colStep);
                if (dest.low)
                    PngScatterPixels(passRow.low.data(), dest.low, store.dibBits, width, at.col0, at.colStep);
            }
            std::swap(current, previous);
        }
    }
}

bool TChunkIDAT::LoadFromStream(TStream& stream, const std::string& name, std::uint32_t size)
{
    SetName(name);
    TChunkIHDR& header = Owner().RequireHeader();
    if (header.ColorType == kColorGrey || header.ColorType == kColorGreyAlpha) {
        header.SetGreyPalette();
        header.Store().buffer->PaletteChanged();
    }
    TPngInflate z;
    std::vector<std::uint8_t> input(kInputPiece);
    TReader reader{stream, z, size, PngUpdateCrc(0, name.data(), 4), input.data()};
    DecodeRows(reader, header);
    // The last row can end before the chunk does: the rest belongs to its CRC.
    while (reader.left > 0) {
        std::uint32_t piece = std::min(reader.left, kInputPiece);
        PngReadExact(stream, input.data(), piece);
        reader.crc = PngUpdateCrc(reader.crc, input.data(), piece);
        reader.left -= piece;
    }
    PngCheckCrc(stream, reader.crc);
    return true;
}

namespace {

// Deflates rows into IDAT chunks of the largest size.
class TIdatWriter {
public:
    TIdatWriter(TStream& stream, int level, std::uint32_t chunkSize)
        : stream_(stream), z_(level), out_(chunkSize)
    {
        z_->next_out = out_.data();
        z_->avail_out = chunkSize;
    }

    void Write(const std::uint8_t* data, std::size_t size)
    {
        z_->next_in = const_cast<std::uint8_t*>(data);
        z_->avail_in = static_cast<uInt>(size);
        while (z_->avail_in > 0) {
            z_.Deflate(Z_NO_FLUSH);
            if (z_->avail_out == 0)
                Flush();
        }
    }

    void Finish()
    {
        while (z_.Deflate(Z_FINISH) != Z_STREAM_END)
            if (z_->avail_out == 0)
                Flush();
        if (z_->avail_out < out_.size())
            Flush();
    }

private:
    void Flush()
    {
        PngWriteChunk(stream_, TChunkIDAT::kName, out_.data(), out_.size() - z_->avail_out);
        z_->next_out = out_.data();
        z_->avail_out = static_cast<uInt>(out_.size());
    }

    TStream& stream_;
    TPngDeflate z_;
    std::vector<std::uint8_t> out_;
};

// The filter of the set for a row: the only one, or the best scoring (None when none scores).
std::uint8_t ChooseFilter(TPNGFilters filters, const std::uint8_t* row, const std::uint8_t* previous, std::size_t bytes,
                          std::size_t offset, std::vector<std::uint8_t> (&filtered)[kFilterCount])
{
    int only = -1, count = 0;
    for (int f = 0; f < kFilterCount; ++f)
        if (filters & 1 << f)
            only = f, ++count;
    if (count == 1) {
        FilterRow(static_cast<std::uint8_t>(only), row, previous, bytes, offset, filtered[only].data() + 1);
        return static_cast<std::uint8_t>(only);
    }
    std::uint8_t best = kFilterNone;
    std::size_t bestScore = 0;
    for (int f = 0; f < kFilterCount; ++f) {
        if (!(filters & 1 << f))
            continue;
        FilterRow(static_cast<std::uint8_t>(f), row, previous, bytes, offset, filtered[f].data() + 1);
        std::size_t score = PngFilterScore(filtered[f].data() + 1, bytes);
        if (score > bestScore)
            best = static_cast<std::uint8_t>(f), bestScore = score;
    }
    if (bestScore == 0)
        FilterRow(kFilterNone, row, previous, bytes, offset, filtered[kFilterNone].data() + 1);
    return best;
}

} // namespace

void TChunkIDAT::SaveToStream(TStream& stream)
{
    TPNGImage& image = Owner();
    TChunkIHDR& header = image.RequireHeader();
    TPngPixelStore& store = header.Store();
    const int colorType = header.ColorType;
    const int bitDepth = header.BitDepth == 2 ? 4 : header.BitDepth;
    const std::size_t offset = PngPixelOffset(colorType, bitDepth);
    const std::size_t fullBytes = PngRowBytes(colorType, bitDepth, header.Width);
    const bool interlaced = image.InterlaceMethod == 1;

    std::vector<std::uint8_t> current(fullBytes), previous(fullBytes);
    std::vector<std::uint8_t> filtered[kFilterCount];
    for (auto& f : filtered)
        f.resize(fullBytes + 1);
    TPassRow passRow(store, interlaced);
    TIdatWriter writer(stream, image.CompressionLevel, image.MaxIdatSize());
    for (const TPngPass& pass : PngPasses(store.width, store.height, interlaced)) {
        const int width = pass.width;
        const std::size_t bytes = PngRowBytes(colorType, bitDepth, static_cast<std::uint64_t>(width));
        std::fill_n(previous.begin(), bytes, 0);
        for (int i = 0; i < pass.rows; ++i) {
            const int y = pass.at.row0 + i * pass.at.rowStep;
            TPngStoreRow source{store.Row(y), store.AlphaRow(y), store.LowRow(y)};
            if (interlaced) {
                const TAdam7Pass& at = pass.at;
                std::fill(passRow.row.begin(), passRow.row.end(), 0);
                PngGatherPixels(source.row, passRow.row.data(), store.dibBits, width, at.col0, at.colStep);
                if (source.alpha)
                    PngGatherPixels(source.alpha, passRow.alpha.data(), 8, width, at.col0, at.colStep);
                if (source.low)
                    PngGatherPixels(source.low, passRow.low.data(), store.dibBits, width, at.col0, at.colStep);
                source = passRow.Rows();
            }
            PngStoreToRow(source, colorType, bitDepth, width, image.InverseGamma.data(), current.data());
            std::uint8_t filter = ChooseFilter(image.Filters, current.data(), previous.data(), bytes, offset, filtered);
            filtered[filter][0] = filter;
            writer.Write(filtered[filter].data(), bytes + 1);
            std::swap(current, previous);
        }
    }
    writer.Finish();
}
