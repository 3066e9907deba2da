// GIF cases of the ratio benchmark: decoding every frame to 8-bit RGBA rows
// as imgdump writes them, and writing the same frames, against giflib.
#include <gif_lib.h>

#include <random>
#include <stdexcept>

#include "images/tests/gifbuilder.h"
#include "images/tests/giflibio.h"
#include "images/tests/ratiobench.h"

namespace {

// A frame layout: frames of frameWidth x frameHeight walk across the screen.
struct TGifCase {
    const char* name;
    int width, height, frames, frameWidth, frameHeight, bits;
    bool localTables, interlaced, transparent;
};
const TGifCase kGifCases[] = {
    {"8-bit 1024x768", 1024, 768, 1, 1024, 768, 8, false, false, false},
    {"1-bit 1024x768", 1024, 768, 1, 1024, 768, 1, false, false, false},
    {"4-bit 1024x768 interlaced", 1024, 768, 1, 1024, 768, 4, false, true, false},
    {"12 frames 320x240, 64 colours", 320, 240, 12, 320, 240, 6, false, false, false},
    {"12 frames 320x240, local tables", 320, 240, 12, 320, 240, 8, true, false, false},
    {"12 frames 160x120 on 320x240, see-through", 320, 240, 12, 160, 120, 8, false, false, true},
};

std::vector<std::uint32_t> RandomTable(std::mt19937& random, int bits)
{
    std::vector<std::uint32_t> table;
    for (int i = 0; i < 1 << bits; ++i)
        table.push_back(random() & 0xFFFFFF);
    return table;
}

// A gradient with a little dither, as reduced photographs come.
TGiflibImage Picture(const TGifCase& c)
{
    std::mt19937 random(7);
    TGiflibImage image;
    image.width = c.width, image.height = c.height, image.gif89 = true;
    image.globalTable = RandomTable(random, c.bits);
    const int colours = 1 << c.bits;
    for (int n = 0; n < c.frames; ++n) {
        TGiflibFrame f;
        f.width = c.frameWidth, f.height = c.frameHeight, f.interlaced = c.interlaced;
        f.left = n * 37 % (c.width - c.frameWidth + 1), f.top = n * 23 % (c.height - c.frameHeight + 1);
        if (c.localTables)
            f.localTable = RandomTable(random, c.bits);
        if (c.frames > 1 || c.transparent)
            f.delay = 10, f.disposal = 1, f.transparent = c.transparent ? 0 : -1;
        f.indices.resize(static_cast<std::size_t>(f.width) * static_cast<std::size_t>(f.height));
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x) {
                const int v = (x + y + n * 3) * colours / (f.width + f.height) + (random() % 16 == 0);
                f.indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(f.width) + static_cast<std::size_t>(x)] =
                    static_cast<std::uint8_t>(v % colours);
            }
        image.frames.push_back(std::move(f));
    }
    return image;
}

// What imgdump writes of a frame: its own rectangle, the see-through slot with alpha 0.
std::vector<std::uint8_t> FrameRgba(const std::uint8_t* indices, std::size_t count, const std::vector<std::uint32_t>& table,
                                    int transparent)
{
    std::vector<std::uint8_t> rgba(4 * count);
    std::uint8_t* out = rgba.data();
    for (std::size_t i = 0; i < count; ++i, out += 4) {
        const std::uint8_t index = indices[i];
        const std::uint32_t c = index < table.size() ? table[index] : 0;
        out[0] = static_cast<std::uint8_t>(c >> 16), out[1] = static_cast<std::uint8_t>(c >> 8);
        out[2] = static_cast<std::uint8_t>(c), out[3] = index == transparent ? 0 : 255;
    }
    return rgba;
}

using TFramesRgba = std::vector<std::vector<std::uint8_t>>;

TFramesRgba DecodeOurs(const std::string& file)
{
    TGIF_ImageModel image;
    ReadGif(image, file);
    TFramesRgba frames;
    for (int i = 0; i < image.FrameCount(); ++i) {
        TGIF_FrameModel& f = image.FrameByIndex(i);
        const TGifFramePixels p = GifFramePixels(f);
        frames.push_back(FrameRgba(p.indices.data(), p.indices.size(), p.palette, f.TransparentIndex()));
    }
    return frames;
}

std::vector<std::uint32_t> Table(const ColorMapObject* map)
{
    std::vector<std::uint32_t> table;
    for (int i = 0; map && i < map->ColorCount; ++i)
        table.push_back(std::uint32_t{map->Colors[i].Red} << 16 | map->Colors[i].Green << 8 | map->Colors[i].Blue);
    return table;
}

TFramesRgba DecodeGiflib(const std::string& file)
{
    TGiflibFile gif = GiflibSlurp(file);
    if (!gif)
        throw std::runtime_error("giflib could not read");
    TFramesRgba frames;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& s = gif->SavedImages[i];
        GraphicsControlBlock gcb{0, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(gif.get(), i, &gcb);
        const std::size_t count = static_cast<std::size_t>(s.ImageDesc.Width) * static_cast<std::size_t>(s.ImageDesc.Height);
        frames.push_back(FrameRgba(s.RasterBits, count, Table(s.ImageDesc.ColorMap ? s.ImageDesc.ColorMap : gif->SColorMap),
                                   gcb.TransparentColor));
    }
    return frames;
}

// Our frames as a bitmap hands them over: bitmap file images with their tables.
struct TOurFrames {
    std::vector<std::unique_ptr<TMemoryStream>> dibs;
    std::vector<TGiflibFrame> places;  // position and timing, without the pixels
};

TOurFrames OurFrames(const TGiflibImage& picture, int bits)
{
    // Bitmaps hold 1, 4 or 8 bits a pixel.
    const int dibBits = bits == 1 ? 1 : bits <= 4 ? 4 : 8;
    TOurFrames frames;
    for (const TGiflibFrame& f : picture.frames) {
        TTestGif scratch;
        EncodeFrame(scratch.Add(), f.indices, f.width, f.height, dibBits, f.localTable.empty() ? picture.globalTable : f.localTable);
        frames.dibs.push_back(std::make_unique<TMemoryStream>());
        scratch.FrameByIndex(0).DecodeToDib(*frames.dibs.back());
        TGiflibFrame place = f;
        place.indices.clear();
        frames.places.push_back(std::move(place));
    }
    return frames;
}

std::size_t EncodeOurs(TOurFrames& frames)
{
    TTestGif image;
    for (std::size_t i = 0; i < frames.dibs.size(); ++i) {
        frames.dibs[i]->SetPosition(0);
        TGIF_FrameModel& f = image.Add();
        f.EncodeDib(*frames.dibs[i]);
        const TGiflibFrame& place = frames.places[i];
        f.left = place.left, f.top = place.top, f.interlaced = place.interlaced;
        f.delay = static_cast<std::uint32_t>(place.delay > 0 ? place.delay * 10 : 0), f.disposal = static_cast<std::uint8_t>(place.disposal);
    }
    image.ScreenSizeFromFrames();
    return WriteGif(image).size();
}

} // namespace

std::vector<TRatioCase> GifRatioCases()
{
    std::vector<TRatioCase> cases;
    for (const TGifCase& c : kGifCases) {
        const TGiflibImage picture = Picture(c);
        const std::string file = GiflibSpew(picture);
        if (DecodeOurs(file) != DecodeGiflib(file))
            throw std::runtime_error(std::string("GIF ") + c.name + ": the decoders disagree");
        cases.push_back({std::string("GIF decode ") + c.name, [file] { return DecodeOurs(file).size(); },
                         [file] { return DecodeGiflib(file).size(); }});
        auto frames = std::make_shared<TOurFrames>(OurFrames(picture, c.bits));
        cases.push_back({std::string("GIF encode ") + c.name, [frames] { return EncodeOurs(*frames); },
                         [picture] { return GiflibSpew(picture).size(); }});
    }
    return cases;
}
