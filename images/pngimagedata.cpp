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

} // namespace

std::size_t TChunkIDAT::InflateAcrossChunks(TReader& reader, std::uint8_t* row, std::size_t count)
{
    z_stream* z = reader.z.operator->();
    z->next_out = row;
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
    std::vector<std::uint8_t> passRow, passAlpha, passLow;
    if (interlaced) {
        passRow.resize(store.rowSize);
        passAlpha.resize(store.alpha.empty() ? 0 : static_cast<std::size_t>(store.width));
        passLow.resize(store.low.empty() ? 0 : store.rowSize);
    }

    const int passes = interlaced ? 7 : 1;
    for (int p = 0; p < passes; ++p) {
        const TAdam7Pass pass = interlaced ? kAdam7Passes[p] : TAdam7Pass{0, 0, 1, 1};
        const int width = Adam7PassSize(store.width, pass.col0, pass.colStep);
        const int rows = Adam7PassSize(store.height, pass.row0, pass.rowStep);
        if (width == 0 || rows == 0)
            continue;
        const std::size_t bytes = PngRowBytes(colorType, bitDepth, static_cast<std::uint64_t>(width));
        std::fill_n(previous.begin(), bytes + 1, 0);
        for (int i = 0; i < rows; ++i) {
            std::size_t got = InflateAcrossChunks(reader, current.data(), bytes + 1);
            if (got == 0)
                return;
            // A short last row keeps zeros where the data ended.
            std::fill(current.begin() + static_cast<std::ptrdiff_t>(got), current.begin() + static_cast<std::ptrdiff_t>(bytes + 1), 0);
            UnfilterRow(current[0], current.data() + 1, previous.data() + 1, bytes, offset);
            const int y = pass.row0 + i * pass.rowStep;
            TPngStoreRow dest{store.Row(y), store.AlphaRow(y), store.LowRow(y)};
            if (!interlaced) {
                PngRowToStore(current.data() + 1, colorType, bitDepth, width, gamma, dest);
            } else {
                PngRowToStore(current.data() + 1, colorType, bitDepth, width, gamma,
                              {passRow.data(), passAlpha.data(), passLow.data()});
                PngScatterPixels(passRow.data(), dest.row, store.dibBits, width, pass.col0, pass.colStep);
                if (dest.alpha)
                    PngScatterPixels(passAlpha.data(), dest.alpha, 8, width, pass.col0, pass.colStep);
                if (dest.low)
                    PngScatterPixels(passLow.data(), dest.low, store.dibBits, width, pass.col0, pass.colStep);
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
    std::vector<std::uint8_t> passRow, passAlpha, passLow;
    if (interlaced) {
        passRow.resize(store.rowSize);
        passAlpha.resize(store.alpha.empty() ? 0 : static_cast<std::size_t>(store.width));
        passLow.resize(store.low.empty() ? 0 : store.rowSize);
    }
    TIdatWriter writer(stream, image.CompressionLevel, image.MaxIdatSize());
    const int passes = interlaced ? 7 : 1;
    for (int p = 0; p < passes; ++p) {
        const TAdam7Pass pass = interlaced ? kAdam7Passes[p] : TAdam7Pass{0, 0, 1, 1};
        const int width = Adam7PassSize(store.width, pass.col0, pass.colStep);
        const int rows = Adam7PassSize(store.height, pass.row0, pass.rowStep);
        if (width == 0 || rows == 0)
            continue;
        const std::size_t bytes = PngRowBytes(colorType, bitDepth, static_cast<std::uint64_t>(width));
        std::fill_n(previous.begin(), bytes, 0);
        for (int i = 0; i < rows; ++i) {
            const int y = pass.row0 + i * pass.rowStep;
            TPngStoreRow source{store.Row(y), store.AlphaRow(y), store.LowRow(y)};
            if (interlaced) {
                std::fill(passRow.begin(), passRow.end(), 0);
                PngGatherPixels(source.row, passRow.data(), store.dibBits, width, pass.col0, pass.colStep);
                if (source.alpha)
                    PngGatherPixels(source.alpha, passAlpha.data(), 8, width, pass.col0, pass.colStep);
                if (source.low)
                    PngGatherPixels(source.low, passLow.data(), store.dibBits, width, pass.col0, pass.colStep);
                source = {passRow.data(), passAlpha.data(), passLow.data()};
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
