#include "images/pngframe.h"

#include <array>
#include <cstring>

#include "classlib/streams.h"
#include "images/pngancillary.h"
#include "images/pngheader.h"
#include "images/pngimage.h"
#include "images/pngrows.h"

namespace {

using TRgba = std::array<std::uint8_t, 4>;

void LoadImage(TPNGImage& image, const std::uint8_t* data, std::size_t size)
{
    TMemoryStream stream;
    stream.WriteBuffer(data, size);
    stream.SetPosition(0);
    image.LoadFromStream(stream);
}

TRgba Rgba(std::uint32_t color, std::uint8_t alpha)
{
    return {static_cast<std::uint8_t>(color), static_cast<std::uint8_t>(color >> 8), static_cast<std::uint8_t>(color >> 16),
            alpha};
}

// Rows of the image's store as RGBA, with the colours and alphas that Pixel,
// PixelAlpha and IsTransparentPixel give, worked out once per index or row.
class TRgbaRows {
public:
    explicit TRgbaRows(const TPNGImage& image)
        : image_(image), header_(image.RequireHeader()), store_(header_.Store()), mode_(image.TransparencyMode()),
          see_(Rgba(image.TransparentColor(), 255))
    {
        if (store_.dibBits > 8 || header_.ColorType == kColorGreyAlpha)
            return;
        // Indexed stores: a table lookup per pixel.
        const auto* trns = image.Chunks().ItemFromClass<TChunktRNS>();
        std::uint8_t sample = 0;
        const bool hasSample = header_.ColorType == kColorGrey && trns && trns->TransparentSample(0, sample);
        const int transparentIndex = header_.ColorType == kColorPalette && trns ? trns->TransparentIndex() : -2;
        for (int i = 0; i < 1 << store_.dibBits; ++i) {
            std::uint8_t alpha = 255;
            if (mode_ == TPNGTransparencyMode::ptmPartial)
                alpha = trns ? trns->Alpha[static_cast<std::size_t>(i)] : 255;
            else if (mode_ == TPNGTransparencyMode::ptmBit)
                alpha = (hasSample && i == sample) || i == transparentIndex ? 0 : 255;
            table_[static_cast<std::size_t>(i)] = Rgba(IndexColor(i), alpha);
        }
    }

    void Row(int y, std::uint8_t* out) const
    {
        const std::uint8_t* row = store_.Row(y);
        const std::uint8_t* alpha = store_.alpha.empty() ? nullptr : store_.alpha.data() + static_cast<std::size_t>(y) * store_.width;
        const auto n = static_cast<std::size_t>(store_.width);
        if (header_.ColorType == kColorGreyAlpha) {
            for (std::size_t x = 0; x < n; ++x, out += 4)
                out[0] = out[1] = out[2] = row[x], out[3] = alpha[x];
            return;
        }
        switch (store_.dibBits) {
        case 1:
            for (std::size_t x = 0; x < n; ++x, out += 4)
                std::memcpy(out, table_[row[x / 8] >> (7 - x % 8) & 1].data(), 4);
            return;
        case 4:
            for (std::size_t x = 0; x < n; ++x, out += 4)
                std::memcpy(out, table_[row[x / 2] >> (x % 2 ? 0 : 4) & 15].data(), 4);
            return;
        case 8:
            for (std::size_t x = 0; x < n; ++x, out += 4)
                std::memcpy(out, table_[row[x]].data(), 4);
            return;
        default:
            break;
        }
        for (std::size_t x = 0; x < n; ++x, out += 4, row += 3)
            out[0] = row[2], out[1] = row[1], out[2] = row[0], out[3] = alpha ? alpha[x] : 255;
        if (mode_ == TPNGTransparencyMode::ptmBit) {
            out -= 4 * n;
            for (std::size_t x = 0; x < n; ++x, out += 4)
                if (std::memcmp(out, see_.data(), 4) == 0)
                    out[3] = 0;
        }
    }

private:
    // The colour Pixel gives for a store index.
    std::uint32_t IndexColor(int index) const
    {
        if (header_.ColorType == kColorPalette)
            return PngEntryColor(store_.palette[static_cast<std::size_t>(index)]);
        // 1 bit as 0 or 255, 4 bits (2-bit greys included) times 17.
        const int v = image_.GammaTable[static_cast<std::size_t>(store_.dibBits == 1 ? index * 255 : store_.dibBits == 4 ? index * 17 : index)];
        return PngRGB(static_cast<std::uint32_t>(v), static_cast<std::uint32_t>(v), static_cast<std::uint32_t>(v));
    }

    const TPNGImage& image_;
    const TChunkIHDR& header_;
    const TPngPixelStore& store_;
    const TPNGTransparencyMode mode_;
    const TRgba see_;  // single-colour transparency of RGB images, opaque
    std::array<TRgba, 256> table_{};
};

} // namespace

TPngFrame PngDecodeFrame(const std::uint8_t* data, std::size_t size)
{
    TPngRgbaFrame rgba = PngDecodeRgba(data, size);
    TPngFrame frame{rgba.width, rgba.height, std::vector<std::uint32_t>(rgba.rgba.size() / 4)};
    const std::uint8_t* p = rgba.rgba.data();
    for (std::uint32_t& pixel : frame.pixels) {
        pixel = std::uint32_t{p[3]} << 24 | std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2];
        p += 4;
    }
    return frame;
}

TPngRgbaFrame PngDecodeRgba(const std::uint8_t* data, std::size_t size)
{
    TPNGImage image;
    LoadImage(image, data, size);
    TPngRgbaFrame frame{image.Width(), image.Height(), {}};
    const std::size_t rowBytes = 4 * static_cast<std::size_t>(frame.width);
    frame.rgba.resize(rowBytes * static_cast<std::size_t>(frame.height));
    const TRgbaRows rows(image);
    for (int y = 0; y < frame.height; ++y)
        rows.Row(y, frame.rgba.data() + static_cast<std::size_t>(y) * rowBytes);
    return frame;
}
