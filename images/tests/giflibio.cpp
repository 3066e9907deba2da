#include "images/tests/giflibio.h"

#include <gif_lib.h>

#include <array>
#include <cstring>
#include <stdexcept>

namespace {
struct TInput {
    const std::string& bytes;
    std::size_t pos = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* buffer, int count)
{
    auto* in = static_cast<TInput*>(gif->UserData);
    std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(count), in->bytes.size() - in->pos);
    std::memcpy(buffer, in->bytes.data() + in->pos, n);
    in->pos += n;
    return static_cast<int>(n);
}

int WriteBytes(GifFileType* gif, const GifByteType* buffer, int count)
{
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(count));
    return count;
}

ColorMapObject* MakeMap(const std::vector<std::uint32_t>& table)
{
    if (table.empty())
        return nullptr;
    std::vector<GifColorType> colors;
    for (std::uint32_t c : table)
        colors.push_back({static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8), static_cast<GifByteType>(c)});
    return GifMakeMapObject(static_cast<int>(colors.size()), colors.data());
}

std::vector<std::uint32_t> TableOf(const ColorMapObject* map)
{
    std::vector<std::uint32_t> table;
    if (map)
        for (int i = 0; i < map->ColorCount; ++i)
            table.push_back(static_cast<std::uint32_t>(map->Colors[i].Red) << 16 | map->Colors[i].Green << 8 | map->Colors[i].Blue);
    return table;
}

void Check(int result)
{
    if (result != GIF_OK)
        throw std::runtime_error("giflib could not write");
}
} // namespace

std::string GiflibWrite(const TGiflibImage& image)
{
    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteBytes, &error);
    if (!gif)
        throw std::runtime_error("giflib could not open");
    EGifSetGifVersion(gif, image.gif89);
    ColorMapObject* global = MakeMap(image.globalTable);
    Check(EGifPutScreenDesc(gif, image.width, image.height, 8, 0, global));
    GifFreeMapObject(global);
    if (image.loopCount >= 0) {
        GifByteType loop[3] = {1, static_cast<GifByteType>(image.loopCount), static_cast<GifByteType>(image.loopCount >> 8)};
        Check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
        Check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"));
        Check(EGifPutExtensionBlock(gif, 3, loop));
        Check(EGifPutExtensionTrailer(gif));
    }
    for (const TGiflibFrame& f : image.frames) {
        for (const std::string& c : f.comments)
            Check(EGifPutComment(gif, c.c_str()));
        if (f.delay >= 0) {
            GraphicsControlBlock gcb{f.disposal, false, f.delay, f.transparent};
            GifByteType block[4];
            EGifGCBToExtension(&gcb, block);
            Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block));
        }
        ColorMapObject* local = MakeMap(f.localTable);
        Check(EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlaced, local));
        GifFreeMapObject(local);
        // Interlaced images take their rows in the four-pass order.
        static const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        std::vector<GifPixelType> line(static_cast<std::size_t>(f.width));
        for (int pass = f.interlaced ? 0 : 3; pass < 4; ++pass)
            for (int y = f.interlaced ? start[pass] : 0; y < f.height; y += f.interlaced ? step[pass] : 1) {
                std::memcpy(line.data(), f.indices.data() + static_cast<std::size_t>(y * f.width), line.size());
                Check(EGifPutLine(gif, line.data(), f.width));
            }
        // giflib keeps its copy of a local table until the next frame overwrites it.
        GifFreeMapObject(gif->Image.ColorMap);
        gif->Image.ColorMap = nullptr;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK)
        throw std::runtime_error("giflib could not close");
    return out;
}

void TGiflibClose::operator()(GifFileType* gif) const
{
    int error = 0;
    DGifCloseFile(gif, &error);
}

TGiflibFile GiflibSlurp(const std::string& bytes)
{
    TInput in{bytes};
    int error = 0;
    TGiflibFile gif(DGifOpen(&in, ReadBytes, &error));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK)
        return nullptr;
    // Everything is read: the input is not used again.
    gif->UserData = nullptr;
    return gif;
}

std::string GiflibSpew(const TGiflibImage& image)
{
    // EGifSpew writes copies of the tables and leaves the frames to their
    // maker: they live here.
    const std::size_t count = image.frames.size();
    std::vector<SavedImage> saved(count);
    std::vector<std::array<GifByteType, 4>> controls(count);
    std::vector<ExtensionBlock> blocks(count);
    std::vector<std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)>> maps;
    maps.emplace_back(MakeMap(image.globalTable), GifFreeMapObject);
    ColorMapObject* global = maps.back().get();
    for (std::size_t i = 0; i < count; ++i) {
        const TGiflibFrame& f = image.frames[i];
        maps.emplace_back(MakeMap(f.localTable), GifFreeMapObject);
        saved[i].ImageDesc = {f.left, f.top, f.width, f.height, f.interlaced, maps.back().get()};
        saved[i].RasterBits = const_cast<GifByteType*>(f.indices.data());
        if (f.delay >= 0) {
            GraphicsControlBlock gcb{f.disposal, false, f.delay, f.transparent};
            EGifGCBToExtension(&gcb, controls[i].data());
            blocks[i] = {4, controls[i].data(), GRAPHICS_EXT_FUNC_CODE};
            saved[i].ExtensionBlockCount = 1;
            saved[i].ExtensionBlocks = &blocks[i];
        }
    }
    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteBytes, &error);
    if (!gif)
        throw std::runtime_error("giflib could not open");
    EGifSetGifVersion(gif, image.gif89);
    gif->SWidth = image.width, gif->SHeight = image.height;
    gif->SColorResolution = 8;
    gif->SColorMap = global;
    gif->ImageCount = static_cast<int>(count);
    gif->SavedImages = saved.data();
    // EGifSpew closes the file whatever happens.
    if (EGifSpew(gif) != GIF_OK)
        throw std::runtime_error("giflib could not write");
    return out;
}

bool GiflibRead(const std::string& bytes, TGiflibImage& image)
{
    TGiflibFile file = GiflibSlurp(bytes);
    GifFileType* gif = file.get();
    bool ok = gif != nullptr;
    if (ok) {
        image = {};
        image.width = gif->SWidth, image.height = gif->SHeight;
        image.globalTable = TableOf(gif->SColorMap);
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& s = gif->SavedImages[i];
            TGiflibFrame f;
            f.left = s.ImageDesc.Left, f.top = s.ImageDesc.Top;
            f.width = s.ImageDesc.Width, f.height = s.ImageDesc.Height;
            f.interlaced = s.ImageDesc.Interlace;
            f.localTable = TableOf(s.ImageDesc.ColorMap);
            GraphicsControlBlock gcb;
            if (DGifSavedExtensionToGCB(gif, i, &gcb) == GIF_OK && gcb.DelayTime >= 0) {
                bool hasBlock = false;
                for (int e = 0; e < s.ExtensionBlockCount; ++e)
                    hasBlock |= s.ExtensionBlocks[e].Function == GRAPHICS_EXT_FUNC_CODE;
                if (hasBlock)
                    f.delay = gcb.DelayTime, f.disposal = gcb.DisposalMode, f.transparent = gcb.TransparentColor;
            }
            for (int e = 0; e < s.ExtensionBlockCount; ++e) {
                const ExtensionBlock& b = s.ExtensionBlocks[e];
                if (b.Function == COMMENT_EXT_FUNC_CODE)
                    f.comments.emplace_back(reinterpret_cast<const char*>(b.Bytes), static_cast<std::size_t>(b.ByteCount));
                if (b.Function == APPLICATION_EXT_FUNC_CODE && b.ByteCount == 11 && e + 1 < s.ExtensionBlockCount &&
                    std::memcmp(b.Bytes, "NETSCAPE2.0", 11) == 0 && s.ExtensionBlocks[e + 1].ByteCount >= 3)
                    image.loopCount = s.ExtensionBlocks[e + 1].Bytes[1] | s.ExtensionBlocks[e + 1].Bytes[2] << 8;
            }
            if (s.RasterBits)
                f.indices.assign(s.RasterBits, s.RasterBits + static_cast<std::size_t>(f.width) * static_cast<std::size_t>(f.height));
            image.frames.push_back(std::move(f));
        }
    }
    return ok;
}
