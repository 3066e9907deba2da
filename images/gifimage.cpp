#include "images/gifimage.h"

#include <algorithm>

#include "classlib/exceptions.h"
#include "classlib/propertytable.h"
#include "images/gifstrings.h"
#include "images/transparentdraw.h"

namespace {
// A bitmap copied through its file image.
std::unique_ptr<TBitmap> CopyBitmap(const TBitmap& source)
{
    auto copy = std::make_unique<TBitmap>();
    if (!source.Empty()) {
        TMemoryStream s;
        source.SaveToStream(s);
        s.SetPosition(0);
        copy->LoadFromStream(s);
    }
    return copy;
}
} // namespace

TGIF_Frame::TGIF_Frame(TGIF_Image* image) : TGIF_FrameModel(image) {}

TGIF_Image& TGIF_Frame::Owner() const
{
    return static_cast<TGIF_Image&>(*Image());
}

TBitmap& TGIF_Frame::DecodedBitmap()
{
    if (bitmap_ && !bitmap_->Empty())
        return *bitmap_;
    bitmap_ = std::make_unique<TBitmap>();
    if (!Item().data || Item().width <= 0 || Item().height <= 0)
        return *bitmap_;
    TMemoryStream dib;
    DecodeToDib(dib);
    dib.SetPosition(0);
    bitmap_->LoadFromStream(dib);
    return *bitmap_;
}

int TGIF_Frame::GetWidth()
{
    return !bitmap_ && !Item().data ? 0 : DecodedBitmap().Width();
}

int TGIF_Frame::GetHeight()
{
    return !bitmap_ && !Item().data ? 0 : DecodedBitmap().Height();
}

void TGIF_Frame::Draw(TCanvas& canvas, const RECT& r, bool transparent)
{
    TBitmap& bitmap = DecodedBitmap();
    if (bitmap.Empty())
        return;
    if (!transparent || TransparentColor() == clNone) {
        canvas.StretchDraw(r, bitmap);
        return;
    }
    // The decoded table gives the see-through slot a colour of its own.
    DrawBitmapRectTransparent(canvas, r.left, r.top, r.right - r.left, r.bottom - r.top,
                              RECT{0, 0, bitmap.Width(), bitmap.Height()}, bitmap, TransparentColor());
}

void TGIF_Frame::Assign(const TGIF_Frame& source)
{
    if (&source == this)
        return;
    AssignModel(source);
    bitmap_ = source.bitmap_ ? CopyBitmap(*source.bitmap_) : nullptr;
    if (Image())
        Image()->ScreenSizeFromFrames();
}

void TGIF_Frame::Assign(const TGraphic* source)
{
    if (auto* image = dynamic_cast<const TGIF_Image*>(source); image && image->FrameCount() > 0) {
        Assign(image->FrameByIndex(std::max(image->currentFrame, 0)));
        return;
    }
    ResetData();
    extensions.clear();
    bitmap_.reset();
    if (source && !source->Empty()) {
        if (auto* bitmap = dynamic_cast<const TBitmap*>(source))
            bitmap_ = CopyBitmap(*bitmap);
        else {
            // Any other picture is drawn onto fuchsia.
            bitmap_ = std::make_unique<TBitmap>();
            bitmap_->SetPixelFormat(TPixelFormat::pf24bit);
            bitmap_->SetSize(source->Width(), source->Height());
            bitmap_->Canvas().Brush().SetColor(clFuchsia);
            bitmap_->Canvas().FillRect(RECT{0, 0, source->Width(), source->Height()});
            bitmap_->Canvas().Draw(0, 0, *source);
        }
        Item().width = bitmap_->Width();
        Item().height = bitmap_->Height();
    }
    if (Image())
        Image()->ScreenSizeFromFrames();
}

void TGIF_Frame::EncodeBitmap()
{
    if (!bitmap_ || bitmap_->Empty())
        RaiseGifError(SGifNothingToWrite);
    TPixelFormat format = bitmap_->PixelFormat();
    if (format == TPixelFormat::pf1bit || format == TPixelFormat::pf4bit || format == TPixelFormat::pf8bit) {
        TMemoryStream dib;
        bitmap_->SaveToStream(dib);
        dib.SetPosition(0);
        EncodeDib(dib);
    } else {
        TMemoryStream dib = ReduceBitmapColors(*bitmap_);
        EncodeDib(dib);
    }
}

TGIF_Image::TGIF_Image()
{
    // The codec's reports reach the picture's OnProgress.
    onProgress = [this](TProgressStage stage, int percent, const std::string& message) {
        Progress(stage, percent, false, RECT{0, 0, 0, 0}, message);
    };
}

int TGIF_Image::Width() const
{
    if (Empty() || currentFrame < 0 || currentFrame >= FrameCount())
        return 0;
    return FrameByIndex(currentFrame).DecodedBitmap().Width();
}

int TGIF_Image::Height() const
{
    if (Empty() || currentFrame < 0 || currentFrame >= FrameCount())
        return 0;
    return FrameByIndex(currentFrame).DecodedBitmap().Height();
}

bool TGIF_Image::Empty() const
{
    if (FrameCount() == 0)
        return true;
    TGIF_Frame& f = FrameByIndex(std::max(currentFrame, 0));
    return !f.HasBitmap() && !f.HasData();
}

void TGIF_Image::SetWidth(int)
{
    RaiseGifError(SGifSizeNotSupported);
}

void TGIF_Image::SetHeight(int)
{
    RaiseGifError(SGifSizeNotSupported);
}

void TGIF_Image::LoadFromStream(TStream& stream)
{
    ParseStream(stream.Size() - stream.Position(), stream, true);
}

void TGIF_Image::SaveToStream(TStream& stream) const
{
    Self().StoreGif(stream, false);
}

void TGIF_Image::ReadData(TStream& stream)
{
    std::uint8_t count[4];
    stream.ReadBuffer(count, 4);
    ParseStream(count[0] | count[1] << 8 | count[2] << 16 | static_cast<std::int64_t>(count[3]) << 24, stream, true);
}

const TPropertyTable& TGIF_Image::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TGIF_Image>(TGraphic::Properties(), {
        {"Data", [](TGIF_Image& image, const TPropertyValue& v) {
             TMemoryStream s;
             s.WriteBuffer(v.Bytes().data(), v.Bytes().size());
             s.SetPosition(0);
             image.ReadData(s);
         }},
    });
    return table;
}

void TGIF_Image::WriteData(TStream& stream)
{
    StoreGif(stream, true);
}

TBitmap& TGIF_Image::CurrentBitmap()
{
    if (FrameCount() == 0) {
        currentFrame = 0;
        TBitmap empty;
        AddFrame(empty);
        return FrameByIndex(0).DecodedBitmap();
    }
    return FrameByIndex(currentFrame >= 0 && currentFrame < FrameCount() ? currentFrame : 0).DecodedBitmap();
}

int TGIF_Image::AddFrame(const TGraphic& graphic)
{
    AppendFrame(CreateFrame());
    currentFrame = FrameCount() - 1;
    FrameByIndex(currentFrame).Assign(&graphic);
    if (version == 0)
        version = 1;
    if (FrameCount() > 1)
        version = 2;
    return currentFrame;
}

void TGIF_Image::Assign(const TGraphic* source)
{
    if (!source) {
        FreshImage();
    } else if (auto* image = dynamic_cast<const TGIF_Image*>(source)) {
        if (image == this)
            return;
        ShareData(image->SharedData());
        version = image->version;
        backgroundColor = image->backgroundColor;
        loopCount = image->loopCount;
        loopFlag = image->loopFlag;
        ClearFrames();
        for (int i = 0; i < image->FrameCount(); ++i) {
            AppendFrame(CreateFrame());
            FrameByIndex(i).Assign(image->FrameByIndex(i));
            FrameByIndex(i).localTable = image->FrameByIndex(i).localTable;
        }
        screenWidth = image->screenWidth, screenHeight = image->screenHeight;
        currentFrame = image->currentFrame;
    } else if (auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        FreshImage();
        AddFrame(*bitmap);
    } else
        throw EConvertError("Cannot assign this picture to a GIF image");
    Changed();
}

void TGIF_Image::Assign(const TPersistent& source)
{
    if (auto* graphic = dynamic_cast<const TGraphic*>(&source))
        Assign(graphic);
    else
        TGraphic::Assign(source);
}

void TGIF_Image::AssignTo(TPersistent& dest) const
{
    if (auto* graphic = dynamic_cast<TGraphic*>(&dest))
        AssignTo(*graphic);
    else
        TGraphic::AssignTo(dest);
}

void TGIF_Image::Changed()
{
    TGraphic::Changed();
}

void TGIF_Image::Assign(const TGIF_Frame& frame)
{
    TGIF_Data& from = frame.Image()->Data();
    FreshImage();
    Data().aspectRatio = from.aspectRatio;
    Data().bitsPerPixel = from.bitsPerPixel;
    Data().colorResolution = from.colorResolution;
    Data().globalTable = from.globalTable;
    AppendFrame(CreateFrame());
    FrameByIndex(0).Assign(frame);
    currentFrame = 0;
    if (version == 0)
        version = 1;
    Changed();
}

void TGIF_Image::AssignTo(TGraphic& dest) const
{
    if (auto* image = dynamic_cast<TGIF_Image*>(&dest)) {
        image->Assign(this);
        return;
    }
    auto* bitmap = dynamic_cast<TBitmap*>(&dest);
    if (!bitmap)
        throw EConvertError("Cannot assign a GIF image to this picture");
    if (Empty()) {
        bitmap->SetSize(0, 0);
        return;
    }
    TMemoryStream s;
    Self().CurrentBitmap().SaveToStream(s);
    s.SetPosition(0);
    bitmap->LoadFromStream(s);
}

bool TGIF_Image::Equals(const TGraphic& graphic) const
{
    auto* other = dynamic_cast<const TGIF_Image*>(&graphic);
    return other && other->SharedData() == SharedData();
}

void TGIF_Image::Draw(TCanvas& canvas, const RECT& r) const
{
    if (currentFrame >= 0 && currentFrame < FrameCount())
        FrameByIndex(currentFrame).Draw(canvas, r, Transparent());
}

std::unique_ptr<TGIF_FrameModel> TGIF_Image::CreateFrame()
{
    return std::make_unique<TGIF_Frame>(this);
}

void TGIF_Image::DecodeFirst(TGIF_FrameModel& frame)
{
    static_cast<TGIF_Frame&>(frame).DecodedBitmap();
}
