// The GIF picture class: a TGraphic over the GIF model whose frames decode
// into TBitmaps on first use, draw with their see-through colour, take
// bitmaps as new frames, and travel through streams and the clipboard.
#pragma once

#include <windows.h>

#include <memory>

#include "classlib/bitmap.h"
#include "classlib/graphic.h"
#include "images/gifmodel.h"

class TGIF_Image;

class TGIF_Frame : public TGIF_FrameModel {
public:
    explicit TGIF_Frame(TGIF_Image* image);

    // The decoded bitmap, built on first use; empty without data.
    TBitmap& DecodedBitmap();
    bool HasBitmap() const { return bitmap_ != nullptr; }
    int GetWidth();
    int GetHeight();
    // Stretched into r; with transparent, the see-through colour stays out.
    void Draw(TCanvas& canvas, const RECT& r, bool transparent);

    // Another frame: its data shared, its fields and bitmap copied.
    void Assign(const TGIF_Frame& source);
    // A GIF image's current frame, or any other picture as a bitmap; none resets the frame.
    void Assign(const TGraphic* source);
    // Replaces the decoded bitmap (the clipboard's own bitmap of frame 0).
    void SetBitmap(std::unique_ptr<TBitmap> bitmap) { bitmap_ = std::move(bitmap); }

    void EncodeBitmap() override;

private:
    TGIF_Image& Owner() const;
    std::unique_ptr<TBitmap> bitmap_;
};

class TGIF_Image : public TGraphic, public TGIF_ImageModel {
public:
    TGIF_Image();

    int Width() const override;
    int Height() const override;
    bool Empty() const override;
    // Changing the size is not supported.
    void SetWidth(int width);
    void SetHeight(int height);

    // The rest of the stream, frame 0 decoded at once.
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    // The form property Data: a 32-bit byte count, then the GIF.
    void ReadData(TStream& stream);
    void WriteData(TStream& stream);

    TGIF_Frame& FrameByIndex(int index) const { return static_cast<TGIF_Frame&>(TGIF_ImageModel::FrameByIndex(index)); }
    int GetScreenWidth() const { return FrameCount() ? screenWidth : 0; }
    int GetScreenHeight() const { return FrameCount() ? screenHeight : 0; }
    TColor GetBackgroundColor() const { return backgroundColor; }
    // The current frame's bitmap (frame 0 when the index is outside the list);
    // an image without frames gets one empty frame.
    TBitmap& CurrentBitmap();

    // A new current frame made from the picture; its index.
    virtual int AddFrame(const TGraphic& graphic);
    // None empties the image; a GIF image shares its data; a bitmap becomes the only frame.
    void Assign(const TGraphic* source);
    void Assign(const TPersistent& source) override;
    // One frame, with its image's screen data.
    void Assign(const TGIF_Frame& frame);
    // A GIF image takes this one; any other graphic the current frame's bitmap.
    void AssignTo(TGraphic& dest) const;
    void AssignTo(TPersistent& dest) const override;
    bool Equals(const TGraphic& graphic) const;

    // Frame 0's bitmap for the clipboard (the caller puts it there) and, when
    // every frame has its data, the GIF itself under "GIF Image". The
    // clipboard must be open.
    void SaveToClipboardFormat(UINT& format, HANDLE& data, HPALETTE& palette);
    // The "GIF Image" data when the clipboard has it, with its bitmap as
    // frame 0's; else the bitmap given.
    void LoadFromClipboardFormat(UINT format, HANDLE data, HPALETTE palette);

protected:
    void Draw(TCanvas& canvas, const RECT& r) const override;
    // Data: the form text's binary value, read as ReadData reads it.
    const TPropertyTable& Properties() const override;
    // The model's changes are the picture's: OnChange.
    void Changed() override;
    std::unique_ptr<TGIF_FrameModel> CreateFrame() override;
    void DecodeFirst(TGIF_FrameModel& frame) override;

private:
    friend class TGIF_Frame;
    // Frames decode and encode into caches: reading the picture fills them.
    TGIF_Image& Self() const { return const_cast<TGIF_Image&>(*this); }
};

// The clipboard format registered as "GIF Image".
UINT GifClipboardFormat();
// Start-up: the clipboard format, and the "gif" picture file and clipboard formats.
void RegisterGifImage();

// A bitmap file image of the bitmap at 8 bits a pixel, its colours reduced by the histogram.
TMemoryStream ReduceBitmapColors(const TBitmap& bitmap);
