#include "classlib/pictureformats.h"

#include "classlib/exceptions.h"
#include "classlib/filepaths.h"
#include "classlib/graphic.h"

namespace {

struct TClipboardGraphic {
    unsigned format;
    std::string className;
    TGraphicFactory create;
};

std::vector<TFileFormat>& FileFormats()
{
    static std::vector<TFileFormat> formats;
    return formats;
}

std::vector<TClipboardGraphic>& ClipboardGraphics()
{
    static std::vector<TClipboardGraphic> formats;
    return formats;
}

std::string Normalized(std::string extension)
{
    if (!extension.empty() && extension.front() == '.')
        extension.erase(0, 1);
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

} // namespace

void RegisterFileFormat(const std::string& extension, const std::string& description,
                        const std::string& className, TGraphicFactory create)
{
    std::string ext = Normalized(extension);
    auto& formats = FileFormats();
    std::erase_if(formats, [&](const TFileFormat& f) { return f.extension == ext; });
    formats.push_back({ext, description, className, std::move(create)});
}

const TFileFormat* FindFileFormat(const std::string& extension)
{
    std::string ext = Normalized(extension);
    for (const auto& f : FileFormats())
        if (f.extension == ext)
            return &f;
    return nullptr;
}

void UnregisterGraphicClass(const std::string& className)
{
    std::erase_if(FileFormats(), [&](const TFileFormat& f) { return f.className == className; });
    std::erase_if(ClipboardGraphics(), [&](const TClipboardGraphic& f) { return f.className == className; });
}

void RegisterClipboardGraphic(unsigned format, const std::string& className, TGraphicFactory create)
{
    auto& formats = ClipboardGraphics();
    std::erase_if(formats, [&](const TClipboardGraphic& f) { return f.format == format; });
    formats.push_back({format, className, std::move(create)});
}

const TGraphicFactory* FindClipboardGraphic(unsigned format)
{
    for (const auto& f : ClipboardGraphics())
        if (f.format == format)
            return &f.create;
    return nullptr;
}

std::unique_ptr<TGraphic> CreateGraphicForFile(const std::string& fileName)
{
    std::string ext = ExtractFileExtension(fileName);
    const TFileFormat* format = FindFileFormat(ext);
    if (!format)
        throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
    return format->create();
}
