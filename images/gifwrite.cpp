// Writing the model as a GIF stream: frames encoded from bitmap file images
// where they have no data yet, control blocks brought up to date, then the
// header, screen descriptor, tables, extensions, image blocks and trailer.
#include <algorithm>

#include "classlib/bitmapfile.h"
#include "images/gifencode.h"
#include "images/gifmodel.h"
#include "images/gifstrings.h"

namespace {
class TGifWriter {
public:
    explicit TGifWriter(std::size_t expected) { out_.reserve(expected); }
    void Byte(std::uint8_t b) { out_.push_back(b); }
    void Word(std::uint32_t w)
    {
        Byte(static_cast<std::uint8_t>(w));
        Byte(static_cast<std::uint8_t>(w >> 8));
    }
    void Bytes(const std::string& s) { out_.insert(out_.end(), s.begin(), s.end()); }
    void Bytes(const std::uint8_t* p, std::size_t n) { out_.insert(out_.end(), p, p + n); }
    // Colour table: count entries of red, green, blue.
    void ColorTable(const TGifColorTable& table)
    {
        for (std::uint32_t i = 0; i < table.count; ++i)
            Byte(table.entries[i].red), Byte(table.entries[i].green), Byte(table.entries[i].blue);
    }
    // Data sub-blocks: empty strings are skipped, long ones cut at 255 bytes; a 0 ends the run.
    void SubBlocks(const std::vector<std::string>& blocks)
    {
        for (const std::string& s : blocks) {
            std::size_t length = std::min<std::size_t>(s.size(), 255);
            if (length == 0)
                continue;
            Byte(static_cast<std::uint8_t>(length));
            Bytes(s.substr(0, length));
        }
        Byte(0);
    }
    const std::vector<std::uint8_t>& Out() const { return out_; }

private:
    std::vector<std::uint8_t> out_;
};

// Extension blocks: introducer, label, the fixed header, sub-blocks but for graphic control.
void WriteExtensions(TGifWriter& w, const std::vector<TExtension>& extensions)
{
    for (const TExtension& e : extensions) {
        w.Byte(kGifExtensionIntroducer);
        w.Byte(e.Label());
        w.Bytes(e.header);
        if (e.type != TExtensionType::etGraphicControl)
            w.SubBlocks(e.data);
    }
}

// Application extension: the loop block.
void WriteLoopBlock(TGifWriter& w, std::uint16_t loopCount)
{
    w.Byte(kGifExtensionIntroducer);
    w.Byte(kGifApplicationLabel);
    w.Byte(11);
    w.Bytes(std::string("NETSCAPE2.0"));
    w.Byte(3);
    w.Byte(1);
    w.Word(loopCount);
    w.Byte(0);
}
} // namespace

void TGIF_FrameModel::UpdateControlBlock()
{
    namespace gc = GraphicControl;
    auto control = std::find_if(extensions.rbegin(), extensions.rend(),
                                [](const TExtension& e) { return e.type == TExtensionType::etGraphicControl; });
    TExtension* block = control == extensions.rend() ? nullptr : &*control;
    if (!block && (delay != 0 || transparentColor_ != clNone || disposal != 0)) {
        TExtension e;
        e.type = TExtensionType::etGraphicControl;
        e.header = std::string{4, 0, 0, 0, 0, 0};
        extensions.push_back(std::move(e));
        block = &extensions.back();
    }
    if (block) {
        std::string& h = block->header;
        std::uint32_t hundredths = std::min<std::uint32_t>(delay / 10, 0xFFFF);
        h[gc::kDelay] = static_cast<char>(hundredths);
        h[gc::kDelay + 1] = static_cast<char>(hundredths >> 8);
        // The slot read is written back; a colour given since is looked up.
        int index = transparentIndex_ >= 0 ? transparentIndex_ : GifColorIndex(*item_->table, transparentColor_);
        auto packed = static_cast<std::uint8_t>(h[gc::kPacked]);
        if (index >= 0)
            packed |= gc::kTransparentFlag, h[gc::kTransparentIndex] = static_cast<char>(index);
        else
            packed &= static_cast<std::uint8_t>(~gc::kTransparentFlag);
        packed = static_cast<std::uint8_t>((packed & ~gc::kDisposalMask) | ((disposal << gc::kDisposalShift) & gc::kDisposalMask));
        h[gc::kPacked] = static_cast<char>(packed);
    }
    std::erase_if(extensions, [](const TExtension& e) {
        return e.type == TExtensionType::etComment &&
               std::all_of(e.data.begin(), e.data.end(), [](const std::string& s) { return s.empty(); });
    });
    if (!extensions.empty() && image_)
        image_->version = 2;
}

void TGIF_FrameModel::EncodeDib(TStream& dib)
{
    TBitmapFileImage bitmap = ReadBitmapFile(dib);
    if (bitmap.bitCount != 1 && bitmap.bitCount != 4 && bitmap.bitCount != 8)
        RaiseGifError(SGifBadBitmapFormat);
    TGifColorTable colors;
    colors.count = 1u << bitmap.bitCount;
    for (std::size_t i = 0; i < bitmap.palette.size() && i < colors.count; ++i) {
        std::uint32_t c = bitmap.palette[i];
        colors.entries[i] = {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                             static_cast<std::uint8_t>(c)};
    }
    TGifColorTablePtr table = std::make_shared<TGifColorTable>(colors);

    auto item = std::make_shared<TGIF_Item>();
    item->data = std::make_unique<TMemoryStream>();
    interlaced = false;
    TLzwPixelBuffer pixels{bitmap.pixels.data(), bitmap.width, bitmap.height, bitmap.bitCount,
                           static_cast<std::size_t>(BitmapRowSize(static_cast<std::uint64_t>(bitmap.width), bitmap.bitCount))};
    LzwEncodeImage(*item->data, pixels, false, image_ ? image_->onProgress : TGifProgress{});
    item->data->SetPosition(0);
    item->colorBits = static_cast<std::uint8_t>(GifBitsCovering(table->count));
    item->width = bitmap.width;
    item->height = bitmap.height;
    // The first table written becomes the global one; frames with the same table share it.
    localTable = true;
    if (image_) {
        TGifColorTablePtr& global = image_->Data().globalTable;
        if (global->count == 0) {
            global = table;
            image_->Data().bitsPerPixel = item->colorBits;
        }
        if (global->count == table->count && global->entries == table->entries)
            table = global, localTable = false;
    }
    item->table = std::move(table);
    item_ = std::move(item);
    // Re-encoded: the see-through colour is found again in the new table.
    transparentIndex_ = -1;
    if (image_) {
        image_->screenWidth = static_cast<std::uint16_t>(std::max<std::int64_t>(image_->screenWidth, std::min<std::int64_t>(left + item_->width, 0xFFFF)));
        image_->screenHeight = static_cast<std::uint16_t>(std::max<std::int64_t>(image_->screenHeight, std::min<std::int64_t>(top + item_->height, 0xFFFF)));
    }
}

void TGIF_ImageModel::EncodeFrames()
{
    for (auto& frame : frames_) {
        if (!frame->HasData())
            frame->EncodeBitmap();
        frame->UpdateControlBlock();
    }
}

void TGIF_ImageModel::StoreGif(TStream& dest, bool withLength)
{
    if (frames_.empty())
        RaiseGifError(SGifNothingToWrite);
    EncodeFrames();
    if (!data_->comments.empty() || frames_.size() > 1)
        version = 2;

    // Room for the frames' data and, generously, everything around it.
    std::size_t expected = 4096;
    for (const auto& frame : frames_)
        expected += static_cast<std::size_t>(frame->Item().data->Size()) + 1024;
    TGifWriter w(expected);
    // Header.
    w.Bytes(std::string(version == 2 ? "GIF89a" : "GIF87a"));
    // Logical screen descriptor.
    ScreenSizeFromFrames();
    w.Word(screenWidth);
    w.Word(screenHeight);
    const TGifColorTable& global = *data_->globalTable;
    std::uint8_t packed = 0;
    if (global.count > 0)
        packed = static_cast<std::uint8_t>(0x80 + (GifBitsCovering(global.count) - 1) * 16 +
                                           (std::clamp<int>(data_->bitsPerPixel, 1, 8) - 1));
    w.Byte(packed);
    w.Byte(static_cast<std::uint8_t>(std::max(GifColorIndex(global, backgroundColor), 0)));
    w.Byte(data_->aspectRatio);
    // Global colour table.
    w.ColorTable(global);
    if (loopFlag && frames_.size() > 1)
        WriteLoopBlock(w, loopCount);

    for (const auto& frame : frames_) {
        WriteExtensions(w, frame->extensions);
        const TGIF_Item& item = frame->Item();
        // Image descriptor.
        w.Byte(kGifImageSeparator);
        w.Word(static_cast<std::uint32_t>(frame->left));
        w.Word(static_cast<std::uint32_t>(frame->top));
        w.Word(static_cast<std::uint32_t>(item.width));
        w.Word(static_cast<std::uint32_t>(item.height));
        std::uint8_t framePacked = frame->interlaced ? 0x40 : 0;
        if (frame->localTable)
            framePacked |= static_cast<std::uint8_t>(0x80 + GifBitsCovering(item.table->count) - 1);
        w.Byte(framePacked);
        // Local colour table, then the compressed data as stored.
        if (frame->localTable)
            w.ColorTable(*item.table);
        w.Bytes(item.data->Memory(), static_cast<std::size_t>(item.data->Size()));
    }
    // Comment extension with the image's comments.
    if (!data_->comments.empty()) {
        w.Byte(kGifExtensionIntroducer);
        w.Byte(kGifCommentLabel);
        w.SubBlocks(data_->comments);
    }
    w.Byte(kGifTrailer);

    if (withLength) {
        auto length = static_cast<std::uint32_t>(w.Out().size());
        std::uint8_t count[4] = {static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
                                 static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24)};
        dest.WriteBuffer(count, 4);
    }
    dest.WriteBuffer(w.Out().data(), w.Out().size());
}
