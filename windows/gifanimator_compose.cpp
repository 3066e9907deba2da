// Composition of the frames: each frame is drawn over what the frames
// before it left, as their disposal methods say. Stepping on by one frame
// reuses the last composite; anything else replays from the last frame that
// covers the whole screen.
#include <algorithm>

#include "images/transparentdraw.h"
#include "windows/gifanimator.h"

namespace {
// Disposal methods of the graphic control block.
constexpr int kDisposalNone = 0, kDisposalKeep = 1, kDisposalBackground = 2, kDisposalPrevious = 3;
} // namespace

RECT TGifAnimator::FrameRect(int index) const
{
    const TGIF_Frame& frame = image_->FrameByIndex(index);
    return RECT{frame.left, frame.top, frame.left + frame.Item().width, frame.top + frame.Item().height};
}

void TGifAnimator::DrawFrame(TCanvas& canvas, int index)
{
    ++framesDrawn_;
    image_->FrameByIndex(index).Draw(canvas, FrameRect(index), true);
}

int TGifAnimator::StartFrame(int index) const
{
    for (int i = index; i >= 1; --i) {
        const TGIF_Frame& frame = image_->FrameByIndex(i);
        bool fullScreen = frame.Item().width == image_->GetScreenWidth() && frame.Item().height == image_->GetScreenHeight();
        bool clearedBeforeIndex = frame.disposal == kDisposalBackground && i < index;
        if (fullScreen && (frame.TransparentColor() == clNone || clearedBeforeIndex))
            return i;
    }
    return 0;
}

std::unique_ptr<TBitmap> TGifAnimator::NewComposition(TColor& key) const
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(image_->GetScreenWidth(), image_->GetScreenHeight());
    TCanvas& canvas = bitmap->Canvas();
    TColor see = image_->FrameByIndex(std::clamp(image_->currentFrame, 0, image_->FrameCount() - 1)).TransparentColor();
    TColor brush = clWindow;
    if (see != clNone) {
        key = static_cast<TColor>(GetNearestColor(canvas.Handle(), ColorToRGB(see)));
        brush = key;
    } else if (image_->GetBackgroundColor() != clNone && image_->Transparent()) {
        brush = image_->GetBackgroundColor();
    }
    canvas.Brush().SetColor(PaletteRGBColor(brush));
    canvas.FillRect(RECT{0, 0, bitmap->Width(), bitmap->Height()});
    return bitmap;
}

TBitmap& TGifAnimator::ComposeFrame(int index, TColor& key)
{
    index = std::clamp(index, 0, image_->FrameCount() - 1);
    // A repaint of the frame in the cache needs nothing new.
    if (cache_ && index == cachedIndex_) {
        key = cachedKey_;
        return *cache_;
    }
    bool reuse = cache_ && cachedIndex_ >= 0 && index == cachedIndex_ + 1 &&
                 image_->FrameByIndex(cachedIndex_).disposal != kDisposalPrevious;
    // A composition that fails leaves no cache at all: a reused one may be half drawn.
    std::unique_ptr<TBitmap> bitmap = std::move(cache_);
    cachedIndex_ = -1;
    if (reuse) {
        key = cachedKey_;
        if (image_->FrameByIndex(index - 1).disposal == kDisposalBackground)
            bitmap->Canvas().FillRect(FrameRect(index - 1));
    } else {
        bitmap = NewComposition(key);
        int start = StartFrame(index);
        for (int i = start; i < index; ++i) {
            int disposal = image_->FrameByIndex(i).disposal;
            if (disposal == kDisposalNone || disposal == kDisposalKeep)
                DrawFrame(bitmap->Canvas(), i);
            else if (disposal == kDisposalBackground && i > start)
                bitmap->Canvas().FillRect(FrameRect(i));
        }
    }
    DrawFrame(bitmap->Canvas(), index);
    cache_ = std::move(bitmap);
    cachedIndex_ = index;
    cachedKey_ = key;
    return *cache_;
}
