// The GIF image model: the shared screen data, frames with their compressed
// items and extension blocks, and the image that reads and writes them.
// Platform-free; the picture class of the target build derives from it.
#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "classlib/colors.h"
#include "classlib/progressstage.h"
#include "classlib/streams.h"

// Block introducers and extension labels of the stream.
constexpr std::uint8_t kGifExtensionIntroducer = 0x21; // '!'
constexpr std::uint8_t kGifImageSeparator = 0x2C;      // ','
constexpr std::uint8_t kGifTrailer = 0x3B;             // ';'
constexpr std::uint8_t kGifGraphicControlLabel = 0xF9;
constexpr std::uint8_t kGifPlainTextLabel = 0x01;
constexpr std::uint8_t kGifApplicationLabel = 0xFF;
constexpr std::uint8_t kGifCommentLabel = 0xFE;

constexpr std::uint16_t kGifMaxLoopCount = 30000;

struct TGifRGB {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const TGifRGB&) const = default;
};

// Only the first count entries mean anything.
struct TGifColorTable {
    std::uint32_t count = 0;
    std::array<TGifRGB, 256> entries{};
};
using TGifColorTablePtr = std::shared_ptr<const TGifColorTable>;

// r + 256 g + 65536 b.
TColor GifEntryColor(const TGifRGB& entry);
// The first entry of that RGB; -1 for none and for clNone.
int GifColorIndex(const TGifColorTable& table, TColor color);
// 2 -> 1, 4 -> 2, ... 256 -> 8; any other count raises the colour-count error.
int GifBitsForColorCount(std::uint32_t count);
// The smallest bits of at least 1 whose power of two reaches count.
int GifBitsCovering(std::uint32_t count);

enum class TExtensionType : std::uint8_t { etGraphicControl, etPlainText, etApplication, etComment };

// One extension block: the fixed bytes after the label and one string per data sub-block.
class TExtension {
public:
    TExtensionType type = TExtensionType::etComment;
    std::string header;
    std::vector<std::string> data;

    std::uint8_t Label() const;
    // Whether this application block is a loop block, and its count.
    bool IsLoopBlock() const;
    std::uint16_t LoopCount() const;
};

// Graphic control header bytes, in stream order.
namespace GraphicControl {
constexpr std::size_t kSize = 6;
constexpr std::size_t kPacked = 1, kDelay = 2, kTransparentIndex = 4;
constexpr std::uint8_t kTransparentFlag = 0x01;
constexpr int kDisposalShift = 2;
constexpr std::uint8_t kDisposalMask = 0x1C;
} // namespace GraphicControl

// What screen and frames share: the global table and the screen descriptor's details.
struct TGIF_Data {
    std::vector<std::string> comments;
    std::uint8_t aspectRatio = 0;
    std::uint8_t bitsPerPixel = 0;
    std::uint8_t colorResolution = 0;
    TGifColorTablePtr globalTable = std::make_shared<TGifColorTable>();
};

// A frame's compressed image: the minimum code size byte and the data
// sub-blocks as read, with the descriptor's size and the table that applies.
struct TGIF_Item {
    std::unique_ptr<TMemoryStream> data;
    std::int32_t width = 0, height = 0;
    std::uint8_t packed = 0;
    std::uint8_t colorBits = 0;
    TGifColorTablePtr table = std::make_shared<TGifColorTable>();
};

using TGifProgress = std::function<void(TProgressStage stage, int percent, const std::string& message)>;

// Runs work between the starting report and the ending one (100 %, or 0 %
// with the message of the exception that passes).
template <class Work>
auto WithProgress(const TGifProgress& progress, Work&& work)
{
    if (progress)
        progress(TProgressStage::psStarting, 0, {});
    auto done = [&] {
        if (progress)
            progress(TProgressStage::psEnding, 100, {});
    };
    try {
        if constexpr (std::is_void_v<decltype(work())>) {
            work();
            done();
        } else {
            auto result = work();
            done();
            return result;
        }
    } catch (const std::exception& e) {
        if (progress)
            progress(TProgressStage::psEnding, 0, e.what());
        throw;
    }
}

class TGIF_ImageModel;

class TGIF_FrameModel {
public:
    explicit TGIF_FrameModel(TGIF_ImageModel* image);
    virtual ~TGIF_FrameModel() = default;
    TGIF_FrameModel(const TGIF_FrameModel&) = delete;
    TGIF_FrameModel& operator=(const TGIF_FrameModel&) = delete;

    TGIF_ImageModel* Image() const { return image_; }
    const TGIF_Item& Item() const { return *item_; }
    TGIF_Item& Item() { return *item_; }
    bool HasData() const { return item_->data && item_->data->Size() > 0; }

    // A new empty item and the frame's fields as for a new frame.
    void ResetData();
    // Takes the other frame's item (shared) and fields.
    void AssignModel(const TGIF_FrameModel& source);

    TColor TransparentColor() const { return transparentColor_; }
    // The table slot that is see-through; -1 when none is kept.
    int TransparentIndex() const { return transparentIndex_; }
    // A colour given from outside: written back by lookup, not by the index read.
    void SetTransparentColor(TColor color) { transparentColor_ = color, transparentIndex_ = -1; }

    // The decoded bitmap file image (1, 4 or 8 bits, rows bottom-up).
    void DecodeToDib(TStream& dest);
    // Encodes a 1-, 4- or 8-bit bitmap file image into a new item.
    void EncodeDib(TStream& dib);
    // Builds the compressed data from the frame's own picture; the model has none.
    virtual void EncodeBitmap();
    // Brings the last graphic control block up to the frame's fields.
    void UpdateControlBlock();

    std::vector<TExtension> extensions;
    std::int32_t left = 0, top = 0;
    bool interlaced = false;
    bool corrupted = false;
    // Milliseconds.
    std::uint32_t delay = 0;
    std::uint8_t disposal = 0;
    bool localTable = false;

private:
    friend class TGIF_ImageModel;
    // The image descriptor, its table and the data sub-blocks.
    void LoadImageBlock(class TGifReader& reader);
    void ApplyControlBlocks();

    TGIF_ImageModel* image_;
    std::shared_ptr<TGIF_Item> item_;
    TColor transparentColor_ = clNone;
    int transparentIndex_ = -1;
};

class TGIF_ImageModel {
public:
    TGIF_ImageModel();
    virtual ~TGIF_ImageModel() = default;
    TGIF_ImageModel(const TGIF_ImageModel&) = delete;
    TGIF_ImageModel& operator=(const TGIF_ImageModel&) = delete;

    // Reads count bytes of the source as a GIF; with decodeFirst frame 0 is decoded at once.
    void ParseStream(std::int64_t count, TStream& source, bool decodeFirst);
    // Writes the GIF, with a 32-bit byte count before it when asked.
    void StoreGif(TStream& dest, bool withLength);
    // Gives every frame compressed data and an up-to-date control block.
    void EncodeFrames();
    // The largest left + width and top + height over the frames.
    void ScreenSizeFromFrames();

    int FrameCount() const { return static_cast<int>(frames_.size()); }
    TGIF_FrameModel& FrameByIndex(int index) const { return *frames_.at(static_cast<std::size_t>(index)); }
    TGIF_Data& Data() const { return *data_; }
    std::shared_ptr<TGIF_Data> SharedData() const { return data_; }

    // 0 unknown, 1 "87a", 2 "89a".
    std::uint8_t version = 0;
    std::int32_t currentFrame = -1;
    std::uint16_t screenWidth = 0, screenHeight = 0;
    TColor backgroundColor = clNone;
    bool loopFlag = false;
    std::uint16_t loopCount = 1;
    TGifProgress onProgress;

protected:
    // Releases the data and frames: an empty image.
    void FreshImage();
    void ShareData(std::shared_ptr<TGIF_Data> data) { data_ = std::move(data); }
    void AppendFrame(std::unique_ptr<TGIF_FrameModel> frame) { frames_.push_back(std::move(frame)); }
    void RemoveFrame(int index) { frames_.erase(frames_.begin() + index); }
    void ClearFrames() { frames_.clear(); }
    // A frame of the image's own kind.
    virtual std::unique_ptr<TGIF_FrameModel> CreateFrame();
    // Decodes a frame right after reading; a failure removes it.
    virtual void DecodeFirst(TGIF_FrameModel& frame);
    // The picture changed.
    virtual void Changed() {}

private:
    void ReadBlocks(class TGifReader& reader);
    std::shared_ptr<TGIF_Data> data_;
    std::vector<std::unique_ptr<TGIF_FrameModel>> frames_;
};
