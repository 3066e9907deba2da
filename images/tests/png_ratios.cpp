// PNG cases of the ratio benchmark: decoding to 8-bit RGBA rows from memory,
// and writing at our default level and filter against libpng at the same.
#include <png.h>

#include <stdexcept>

#include "images/pngframe.h"
#include "images/tests/libpngfiles.h"
#include "images/tests/ratiobench.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

struct TPngCase {
    const char* name;
    int colorType, bitDepth, interlace;
    bool encode;
};
const TPngCase kPngCases[] = {
    {"grey 1", 0, 1, 0, false},         {"grey 2", 0, 2, 0, false},        {"grey 4", 0, 4, 0, false},
    {"grey 8", 0, 8, 0, true},          {"grey 16", 0, 16, 0, false},      {"grey+alpha 8", 4, 8, 0, false},
    {"grey+alpha 16", 4, 16, 0, false}, {"RGB 8", 2, 8, 0, true},          {"RGB 16", 2, 16, 0, true},
    {"RGBA 8", 6, 8, 0, true},          {"RGBA 16", 6, 16, 0, false},      {"palette 1", 3, 1, 0, false},
    {"palette 2", 3, 2, 0, false},      {"palette 4", 3, 4, 0, false},     {"palette 8", 3, 8, 0, true},
    {"RGB 8 Adam7", 2, 8, 1, true},     {"RGBA 8 Adam7", 6, 8, 1, false},  {"palette 4 Adam7", 3, 4, 1, false},
    {"grey 16 Adam7", 0, 16, 1, false},
};

// Palettes have two entries of partial transparency (one alone would be
// single-colour transparency to our codec), the other kinds none.
TRawPng Picture(const TPngCase& c)
{
    TRawPng raw = SmoothRawPng(c.colorType, c.bitDepth, kWidth, kHeight, c.interlace);
    if (c.colorType == 3)
        raw.trns = {0, 128};
    return raw;
}

std::size_t DecodeOurs(const std::string& file)
{
    return PngDecodeRgba(reinterpret_cast<const std::uint8_t*>(file.data()), file.size()).rgba.size();
}

std::size_t DecodeLibpng(const std::string& file)
{
    return LibpngReadRgba(file).rgba.size();
}

} // namespace

std::vector<TRatioCase> PngRatioCases()
{
    // Many small compressed texts: each is inflated by both.
    const std::string texts = PngManyTexts("zTXt", 20000);
    std::vector<TRatioCase> cases{
        {"PNG decode 20,000 zTXt", [texts] { return DecodeOurs(texts); }, [texts] { return DecodeLibpng(texts); }},
    };
    for (const TPngCase& c : kPngCases) {
        const TRawPng raw = Picture(c);
        // libpng's own choice of filters at zlib's default level, as most files come.
        const std::string file = LibpngWrite(raw, {6, -1, false});
        const auto ours = PngDecodeRgba(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
        if (ours.rgba != LibpngReadRgba(file).rgba)
            throw std::runtime_error(std::string("PNG ") + c.name + ": the decoders disagree");
        cases.push_back({std::string("PNG decode ") + c.name, [file] { return DecodeOurs(file); },
                         [file] { return DecodeLibpng(file); }});
        if (!c.encode)
            continue;
        // Our writer's defaults: level 7 and Sub on every row; libpng at the same.
        auto image = std::make_shared<TPNGImage>();
        LoadPng(*image, file);
        const TPNGImage defaults;
        image->CompressionLevel = defaults.CompressionLevel;
        image->Filters = defaults.Filters;
        if (image->Filters != pfSub)
            throw std::runtime_error("the writer's default filter is no longer Sub");
        const int level = defaults.CompressionLevel;
        cases.push_back({std::string("PNG encode ") + c.name, [image] { return SavePng(*image).size(); },
                         [raw, level] { return LibpngWrite(raw, {level, PNG_FILTER_SUB, true}).size(); }});
    }
    return cases;
}
