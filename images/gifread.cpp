// Reading a GIF stream into the model: header, logical screen descriptor,
// global colour table, extension blocks and image blocks.
#include <algorithm>
#include <cctype>

#include "classlib/exceptions.h"
#include "images/gifdib.h"
#include "images/gifmodel.h"
#include "images/gifreader.h"
#include "images/gifstrings.h"

namespace {
constexpr std::size_t kGraphicControlHeader = 6, kPlainTextHeader = 13, kApplicationHeader = 12;

// Header: "GIF" and the version, any letter case; the version number.
std::uint8_t CheckSignature(TGifReader& reader)
{
    if (reader.Left() < 6)
        RaiseGifError(SGifBadSignature);
    std::string text = reader.Bytes(6);
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (text == "gif87a")
        return 1;
    if (text == "gif89a")
        return 2;
    RaiseGifError(SGifBadSignature);
}

// Colour table: 2^bits entries of red, green, blue.
TGifColorTablePtr ReadColorTable(TGifReader& reader, int bits)
{
    auto table = std::make_shared<TGifColorTable>();
    table->count = 1u << bits;
    std::string raw = reader.Bytes(table->count * 3);
    for (std::uint32_t i = 0; i < table->count; ++i)
        table->entries[i] = {static_cast<std::uint8_t>(raw[i * 3]), static_cast<std::uint8_t>(raw[i * 3 + 1]),
                             static_cast<std::uint8_t>(raw[i * 3 + 2])};
    return table;
}

// Data sub-blocks: a length byte, that many bytes; 0 or the stream's end stops.
std::vector<std::string> ReadSubBlocks(TGifReader& reader)
{
    std::vector<std::string> blocks;
    while (!reader.Exhausted()) {
        std::uint8_t length = reader.Byte();
        if (length == 0)
            break;
        blocks.push_back(reader.Bytes(std::min<std::size_t>(length, reader.Left())));
    }
    return blocks;
}

// One extension block after its introducer.
TExtension GifReadExtensionBlock(TGifReader& reader)
{
    TExtension e;
    std::uint8_t label = reader.Byte();
    switch (label) {
    case kGifGraphicControlLabel:
        e.type = TExtensionType::etGraphicControl;
        e.header = reader.Bytes(kGraphicControlHeader);
        return e;
    case kGifPlainTextLabel:
        e.type = TExtensionType::etPlainText;
        e.header = reader.Bytes(kPlainTextHeader);
        break;
    case kGifApplicationLabel:
        e.type = TExtensionType::etApplication;
        e.header = reader.Bytes(kApplicationHeader);
        break;
    case kGifCommentLabel:
        e.type = TExtensionType::etComment;
        break;
    default:
        RaiseGifError(SGifUnknownExtension, label);
    }
    e.data = ReadSubBlocks(reader);
    return e;
}
} // namespace

void TGIF_FrameModel::LoadImageBlock(TGifReader& reader)
{
    auto item = std::make_shared<TGIF_Item>();
    item->colorBits = item_->colorBits;
    item->data = std::make_unique<TMemoryStream>();

    // Image descriptor.
    left = reader.Word();
    top = reader.Word();
    item->width = reader.Word();
    item->height = reader.Word();
    item->packed = reader.Byte();
    interlaced = (item->packed & 0x40) != 0;
    localTable = (item->packed & 0x80) != 0;
    if (localTable) {
        item->colorBits = static_cast<std::uint8_t>((item->packed & 7) + 1);
        item->table = ReadColorTable(reader, item->colorBits);
    } else {
        // Frames without their own table share the global one.
        item->table = image_->Data().globalTable;
    }

    // Minimum code size and the data sub-blocks, as read; a block cut short is left out.
    TMemoryStream& data = *item->data;
    if (reader.Exhausted())
        corrupted = true;
    else {
        const std::uint8_t* start = reader.Here();
        std::size_t kept = 1;
        bool terminated = false;
        reader.Skip(1);
        while (!reader.Exhausted()) {
            std::size_t length = *reader.Here();
            if (reader.Left() - 1 < length) {
                corrupted = true;
                break;
            }
            reader.Skip(1 + length);
            kept += 1 + length;
            if (length == 0) {
                terminated = true;
                break;
            }
        }
        data.WriteBuffer(start, kept);
        // A chain cut short is closed, so that written back it cannot run
        // into the blocks that follow it.
        if (!terminated) {
            const std::uint8_t end = 0;
            data.WriteBuffer(&end, 1);
        }
        data.SetPosition(0);
    }
    if (item->width == 0)
        item->width = image_->screenWidth;
    if (item->height == 0)
        item->height = image_->screenHeight;
    item_ = std::move(item);
    ApplyControlBlocks();
}

// Graphic control blocks in order: the longest delay, the last block's disposal and transparency.
void TGIF_FrameModel::ApplyControlBlocks()
{
    namespace gc = GraphicControl;
    delay = 0;
    for (const TExtension& e : extensions) {
        if (e.type != TExtensionType::etGraphicControl)
            continue;
        auto b = [&](std::size_t i) { return static_cast<std::uint8_t>(e.header[i]); };
        std::uint32_t hundredths = b(gc::kDelay) | b(gc::kDelay + 1) << 8;
        delay = std::max(delay, hundredths * 10);
        disposal = static_cast<std::uint8_t>((b(gc::kPacked) & gc::kDisposalMask) >> gc::kDisposalShift);
        if ((b(gc::kPacked) & gc::kTransparentFlag) == 0)
            transparentColor_ = clNone, transparentIndex_ = -1;
        else if (b(gc::kTransparentIndex) < item_->table->count) {
            transparentIndex_ = b(gc::kTransparentIndex);
            transparentColor_ = GifTransparentSlotColor(*item_->table, item_->colorBits, transparentIndex_);
        }
    }
}

void TGIF_ImageModel::ParseStream(std::int64_t count, TStream& source, bool decodeFirst)
{
    FreshImage();
    if (count < 0 || count > source.Size() - source.Position())
        throw EReadError("Stream read error");
    if (count == 0)
        return;
    // A memory stream is read where it lies; any other is copied first.
    TMemoryStream copy;
    const std::uint8_t* start;
    if (auto* memory = dynamic_cast<TMemoryStream*>(&source)) {
        start = memory->Memory() + memory->Position();
        source.Seek(count, TSeekOrigin::soCurrent);
    } else {
        copy.CopyFrom(source, count);
        start = copy.Memory();
    }
    TGifReader reader(start, static_cast<std::size_t>(count));

    version = CheckSignature(reader);
    // Logical screen descriptor.
    screenWidth = reader.Word();
    screenHeight = reader.Word();
    std::uint8_t packed = reader.Byte();
    std::uint8_t backgroundIndex = reader.Byte();
    data_->aspectRatio = reader.Byte();
    data_->bitsPerPixel = static_cast<std::uint8_t>((packed & 7) + 1);
    data_->colorResolution = static_cast<std::uint8_t>(((packed >> 4) & 7) + 1);
    // Global colour table.
    if (packed & 0x80) {
        data_->globalTable = ReadColorTable(reader, data_->bitsPerPixel);
        if (backgroundIndex < data_->globalTable->count)
            backgroundColor = GifEntryColor(data_->globalTable->entries[backgroundIndex]);
    }
    ReadBlocks(reader);

    if (!frames_.empty()) {
        currentFrame = 0;
        if (decodeFirst) {
            try {
                DecodeFirst(*frames_.front());
            } catch (...) {
                RemoveFrame(0);
                if (frames_.empty())
                    currentFrame = -1;
                throw;
            }
        }
    }
    Changed();
}

void TGIF_ImageModel::ReadBlocks(TGifReader& reader)
{
    std::uint8_t block = reader.Exhausted() ? kGifTrailer : reader.Byte();
    while (block != 0 && block != kGifTrailer && !reader.Exhausted()) {
        // Extensions before the next image: loop blocks are taken, plain
        // text drops what came before it, control and comment blocks stay.
        std::vector<TExtension> gathered;
        while (block == kGifExtensionIntroducer) {
            TExtension e = GifReadExtensionBlock(reader);
            if (e.type == TExtensionType::etPlainText)
                gathered.clear();
            else if (e.type == TExtensionType::etApplication) {
                if (e.IsLoopBlock())
                    loopFlag = true, loopCount = e.LoopCount();
            } else
                gathered.push_back(std::move(e));
            block = reader.Exhausted() ? kGifTrailer : reader.Byte();
        }

        if (block == kGifImageSeparator) {
            std::unique_ptr<TGIF_FrameModel> frame = CreateFrame();
            if (data_->globalTable->count > 0)
                frame->Item().colorBits = static_cast<std::uint8_t>(GifBitsForColorCount(data_->globalTable->count));
            frame->extensions = std::move(gathered);
            frame->LoadImageBlock(reader);
            AppendFrame(std::move(frame));
            if (reader.Exhausted())
                block = kGifTrailer;
            else {
                do
                    block = reader.Byte();
                while (block == 0 && !reader.Exhausted());
                if (block != kGifExtensionIntroducer && block != kGifImageSeparator && block != kGifTrailer)
                    block = 0;
            }
            continue;
        }

        // Comments after the last image belong to the image.
        for (TExtension& e : gathered) {
            if (e.type != TExtensionType::etComment)
                continue;
            if (!data_->comments.empty())
                data_->comments.push_back("\r\n\r\n");
            for (std::string& line : e.data)
                data_->comments.push_back(std::move(line));
        }
        if (block != 0 && block != kGifTrailer)
            RaiseGifReadError();
    }
}
