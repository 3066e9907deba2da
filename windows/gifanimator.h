// A control that shows a GIF picture and, while Animate is on, plays its
// frames with the delays of the file, each composed over the earlier ones
// as their disposal methods say.
#pragma once

#include <memory>

#include "images/gifimage.h"
#include "windows/myrxtimer.h"
#include "windows/myrximagecontrol.h"

class TGifAnimator : public TMyRxImageControl {
public:
    explicit TGifAnimator(TComponent* owner = nullptr);
    ~TGifAnimator() override;

    bool Animate() const { return animate_; }
    void SetAnimate(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool Center() const { return center_; }
    void SetCenter(bool value);
    int FrameIndex() const { return frameIndex_; }
    void SetFrameIndex(int value);
    TGIF_Image& Image() { return *image_; }
    // Takes a copy of the picture.
    void SetImage(const TGraphic* image);
    bool Loop() const { return loop_; }
    void SetLoop(bool value) { loop_ = value; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    // How long frame index stays, in ms: 50..10000; 0 outside the list or with fewer than two frames.
    int FrameDelay(int index) const;
    // The frames drawn by composition so far, for tests and diagnostics.
    int FramesDrawn() const { return framesDrawn_; }
    // The timer that steps the frames.
    TMyRxTimer& Timer() const { return timer_; }

    TNotifyEvent OnStart, OnStop, OnFrameChanged;

protected:
    void Paint() override;
    void FitToImage() override;
    void PaintCurrentFrame() override;
    HPALETTE GetPalette() const override { return nullptr; }
    void BeforeDestruction() override;
    const TPropertyTable& Properties() const override;
    TPersistent* NestedObject(std::string_view name) override;
    const TMessageMap& Messages() const override;
    void WMSize(TMessage& message);

    virtual void Change();
    virtual void FrameChanged();
    virtual void Start();
    virtual void Stop();

private:
    void ImageUpdated();
    void NextFrameTick();
    void StopAnimation();
    // Drops the events, the animation, the cache and the picture's link back.
    void Shutdown();
    // Shows the new look at once while animating.
    void LookChanged();
    // The logical screen with frame index shown over what the earlier frames left;
    // key becomes the colour that stands for see-through, or stays clNone.
    TBitmap& ComposeFrame(int index, TColor& key);
    // A new bitmap of the screen filled with the brush the frames are disposed to.
    std::unique_ptr<TBitmap> NewComposition(TColor& key) const;
    // The last frame at or below index whose full-screen picture hides every earlier one.
    int StartFrame(int index) const;
    RECT FrameRect(int index) const;
    void DrawFrame(TCanvas& canvas, int index);

    bool animate_ = false;
    std::unique_ptr<TGIF_Image> image_;
    TMyRxTimer& timer_;
    int frameIndex_ = 0;
    bool stretch_ = false, loop_ = true, center_ = false, transparent_ = true;
    std::unique_ptr<TBitmap> cache_;
    int cachedIndex_ = -1;
    TColor cachedKey_ = clNone;
    bool autoSize_ = true;
    bool fitting_ = false;
    int framesDrawn_ = 0;
};
