#include "images/gifmodel.h"

#include <algorithm>
#include <cstring>

#include "images/gifstrings.h"

TColor GifEntryColor(const TGifRGB& entry)
{
    return entry.red | entry.green << 8 | entry.blue << 16;
}

int GifColorIndex(const TGifColorTable& table, TColor color)
{
    if (color == clNone)
        return -1;
    for (std::uint32_t i = 0; i < table.count && i < table.entries.size(); ++i)
        if (GifEntryColor(table.entries[i]) == (color & 0xFFFFFF))
            return static_cast<int>(i);
    return -1;
}

int GifBitsForColorCount(std::uint32_t count)
{
    for (int bits = 1; bits <= 8; ++bits)
        if (count == 1u << bits)
            return bits;
    RaiseGifError(SGifBadColorCount);
}

int GifBitsCovering(std::uint32_t count)
{
    int bits = 1;
    while (bits < 8 && (1u << bits) < count)
        ++bits;
    return bits;
}

std::uint8_t TExtension::Label() const
{
    static constexpr std::uint8_t labels[] = {kGifGraphicControlLabel, kGifPlainTextLabel, kGifApplicationLabel,
                                              kGifCommentLabel};
    return labels[static_cast<int>(type)];
}

bool TExtension::IsLoopBlock() const
{
    // Only an 11-byte identifier and authentication code count: a shorter
    // block-size byte would compare nothing.
    constexpr std::size_t kIdentifierSize = 11;
    if (type != TExtensionType::etApplication || header.size() != 1 + kIdentifierSize ||
        static_cast<std::uint8_t>(header[0]) != kIdentifierSize)
        return false;
    std::string identifier = header.substr(1);
    if (identifier != "NETSCAPE2.0" && identifier != "ANIMEXTS1.0")
        return false;
    return !data.empty() && data[0].size() >= 3 && data[0][0] == 1;
}

std::uint16_t TExtension::LoopCount() const
{
    const std::string& d = data[0];
    auto count = static_cast<std::uint16_t>(static_cast<std::uint8_t>(d[1]) | static_cast<std::uint8_t>(d[2]) << 8);
    return std::min(count, kGifMaxLoopCount);
}

TGIF_FrameModel::TGIF_FrameModel(TGIF_ImageModel* image) : image_(image)
{
    ResetData();
}

void TGIF_FrameModel::ResetData()
{
    item_ = std::make_shared<TGIF_Item>();
    localTable = false;
    corrupted = false;
    transparentColor_ = clNone;
    transparentIndex_ = -1;
    left = top = 0;
    interlaced = false;
    delay = 0;
    disposal = 0;
}

void TGIF_FrameModel::AssignModel(const TGIF_FrameModel& source)
{
    item_ = source.item_;
    localTable = source.image_ == image_ ? source.localTable : true;
    left = source.left, top = source.top;
    interlaced = source.interlaced;
    transparentColor_ = source.transparentColor_;
    transparentIndex_ = source.transparentIndex_;
    delay = source.delay;
    disposal = source.disposal;
    corrupted = source.corrupted;
    extensions.clear();
    for (const TExtension& e : source.extensions)
        if (e.type == TExtensionType::etComment)
            extensions.push_back(e);
}

void TGIF_FrameModel::EncodeBitmap()
{
    RaiseGifError(SGifNothingToWrite);
}

TGIF_ImageModel::TGIF_ImageModel()
{
    FreshImage();
}

void TGIF_ImageModel::FreshImage()
{
    data_ = std::make_shared<TGIF_Data>();
    frames_.clear();
    loopFlag = false;
    currentFrame = -1;
    backgroundColor = clNone;
    loopCount = 1;
    version = 0;
}

void TGIF_ImageModel::ScreenSizeFromFrames()
{
    std::int64_t width = 0, height = 0;
    for (const auto& f : frames_) {
        width = std::max<std::int64_t>(width, std::int64_t{f->left} + f->Item().width);
        height = std::max<std::int64_t>(height, std::int64_t{f->top} + f->Item().height);
    }
    screenWidth = static_cast<std::uint16_t>(std::clamp<std::int64_t>(width, 0, 0xFFFF));
    screenHeight = static_cast<std::uint16_t>(std::clamp<std::int64_t>(height, 0, 0xFFFF));
}

std::unique_ptr<TGIF_FrameModel> TGIF_ImageModel::CreateFrame()
{
    return std::make_unique<TGIF_FrameModel>(this);
}

void TGIF_ImageModel::DecodeFirst(TGIF_FrameModel& frame)
{
    TMemoryStream dib;
    frame.DecodeToDib(dib);
}
