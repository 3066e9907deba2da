#include "windows/gifanimator.h"

#include <algorithm>

#include "classlib/handlercall.h"
#include "classlib/propertytable.h"
#include "images/parentbackground.h"
#include "images/transparentdraw.h"

namespace {
constexpr int kMinFrameDelay = 50, kMaxFrameDelay = 10000;
} // namespace

TGifAnimator::TGifAnimator(TComponent* owner)
    : TMyRxImageControl(owner), image_(std::make_unique<TGIF_Image>()),
      timer_(Adopt(std::make_unique<TMyRxTimer>()))
{
    // Stopped: no ticks until Animate.
    timer_.SetEnabled(false);
    image_->OnChange = [this](TGraphic&) { ImageUpdated(); };
    SetGraphic(image_.get());
}

TGifAnimator::~TGifAnimator()
{
    // A control that was not deleted (one on the stack) has had no BeforeDestruction.
    Shutdown();
}

void TGifAnimator::BeforeDestruction()
{
    TMyRxImageControl::BeforeDestruction();
    Shutdown();
}

void TGifAnimator::Shutdown()
{
    OnStart = nullptr, OnStop = nullptr, OnChange = nullptr, OnFrameChanged = nullptr;
    // The animation ends before the picture goes: no tick may find it gone.
    SetAnimate(false);
    cache_.reset();
    image_->OnChange = nullptr;
    SetGraphic(nullptr);
}

int TGifAnimator::FrameDelay(int index) const
{
    int count = image_->FrameCount();
    if (count < 2 || index < 0 || index >= count)
        return 0;
    auto delay = image_->FrameByIndex(index).delay;
    return static_cast<int>(std::clamp<std::uint32_t>(delay, kMinFrameDelay, kMaxFrameDelay));
}

void TGifAnimator::ImageUpdated()
{
    cachedIndex_ = -1;
    cache_.reset();
    cachedKey_ = clNone;
    frameIndex_ = image_->currentFrame;
    if (frameIndex_ >= 0 && image_->FrameCount() > 0)
        timer_.SetInterval(static_cast<unsigned>(FrameDelay(frameIndex_)));
    const TLiveness alive = Liveness();
    ImageChanged();
    if (alive)
        Change();
}

void TGifAnimator::SetImage(const TGraphic* image)
{
    image_->Assign(image);
}

void TGifAnimator::SetFrameIndex(int value)
{
    if (value == frameIndex_ || value < 0 || value >= image_->FrameCount())
        return;
    frameIndex_ = value;
    timer_.SetInterval(static_cast<unsigned>(FrameDelay(frameIndex_)));
    const TLiveness alive = Liveness();
    FrameChanged();
    if (alive)
        ImageChanged();
}

void TGifAnimator::SetAnimate(bool value)
{
    if (value == animate_)
        return;
    if (value) {
        timer_.SetOnTimer([this](TComponent&) { NextFrameTick(); });
        timer_.SetEnabled(true);
        animate_ = timer_.Enabled();
        Start();
    } else {
        timer_.SetEnabled(false);
        timer_.SetOnTimer(nullptr);
        animate_ = false;
        const TLiveness alive = Liveness();
        Stop();
        if (alive)
            ImageChanged();
    }
}

void TGifAnimator::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    ImageChanged();
}

void TGifAnimator::LookChanged()
{
    ImageChanged();
    if (animate_)
        Repaint();
}

void TGifAnimator::SetCenter(bool value)
{
    if (value == center_)
        return;
    center_ = value;
    LookChanged();
}

void TGifAnimator::SetStretch(bool value)
{
    if (value == stretch_)
        return;
    stretch_ = value;
    LookChanged();
}

void TGifAnimator::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    LookChanged();
}

void TGifAnimator::NextFrameTick()
{
    int count = image_->FrameCount();
    if (!Visible() || count < 2 || !Parent() || !Parent()->HandleAllocated())
        return;
    frameIndex_ = frameIndex_ + 1 >= count ? 0 : frameIndex_ + 1;
    // OnFrameChanged may free this control, and its timer with it.
    const TLiveness alive = Liveness();
    {
        // The next delay is set however the handler ends.
        struct TNextDelay {
            TGifAnimator& self;
            const TLiveness& alive;
            ~TNextDelay()
            {
                if (alive)
                    self.timer_.SetInterval(static_cast<unsigned>(self.FrameDelay(self.frameIndex_)));
            }
        } nextDelay{*this, alive};
        FrameChanged();
        if (!alive)
            return;
        Repaint();
    }
    if (alive && !loop_ && frameIndex_ == 0)
        StopAnimation();
}

void TGifAnimator::StopAnimation()
{
    // A form designer would be told of the change here; there is none.
    SetAnimate(false);
}

void TGifAnimator::Paint()
{
    PaintImage();
    if (image_->Transparent() || image_->Empty())
        PaintDesignRect();
}

void TGifAnimator::PaintCurrentFrame()
{
    if (image_->Transparent() || image_->Empty())
        PaintParentBackground(this, Canvas());
    int screenWidth = image_->GetScreenWidth(), screenHeight = image_->GetScreenHeight();
    if (image_->Empty() || screenWidth < 1 || screenHeight < 1)
        return;
    TColor key = clNone;
    TBitmap& frame = ComposeFrame(frameIndex_, key);
    RECT client = ClientRect();
    RECT target{0, 0, frame.Width(), frame.Height()};
    if (stretch_)
        target = client;
    else if (center_)
        OffsetRect(&target, (client.right - frame.Width()) / 2, (client.bottom - frame.Height()) / 2);
    if (key != clNone && transparent_)
        DrawBitmapRectTransparent(Canvas(), target.left, target.top, target.right - target.left,
                                  target.bottom - target.top, RECT{0, 0, frame.Width(), frame.Height()}, frame, key);
    else
        Canvas().StretchDraw(target, frame);
}

void TGifAnimator::FitToImage()
{
    // The alignment sets an aligned control's bounds: fitting would fight it.
    if ((ComponentState() & csLoading) || !autoSize_ || image_->Empty() || Align() != TAlign::alNone || fitting_)
        return;
    int width = image_->GetScreenWidth(), height = image_->GetScreenHeight();
    if (width == Width() && height == Height())
        return;
    // Resizing runs OnResize, which may free this control.
    TFlagScope fitting(Liveness(), fitting_);
    SetBounds(Left(), Top(), width, height);
}

const TMessageMap& TGifAnimator::Messages() const
{
    static const TMessageMap map(TMyRxImageControl::Messages(), {{WM_SIZE, &TGifAnimator::WMSize}});
    return map;
}

void TGifAnimator::WMSize(TMessage& m)
{
    const TLiveness alive = Liveness();
    TMyRxImageControl::Messages().Dispatch(*this, m);
    if (alive)
        FitToImage();
}

void TGifAnimator::Change()
{
    CallHandler(OnChange, *this);
}

void TGifAnimator::FrameChanged()
{
    CallHandler(OnFrameChanged, *this);
}

void TGifAnimator::Start()
{
    CallHandler(OnStart, *this);
}

void TGifAnimator::Stop()
{
    CallHandler(OnStop, *this);
}

TPersistent* TGifAnimator::NestedObject(std::string_view name)
{
    return name == "Image" ? image_.get() : TMyRxImageControl::NestedObject(name);
}

const TPropertyTable& TGifAnimator::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TGifAnimator>(TMyRxImageControl::Properties(), {
        {"Animate", [](TGifAnimator& g, const TPropertyValue& v) { g.SetAnimate(v.Bool()); }},
        {"AutoSize", [](TGifAnimator& g, const TPropertyValue& v) { g.SetAutoSize(v.Bool()); }},
        {"Center", [](TGifAnimator& g, const TPropertyValue& v) { g.SetCenter(v.Bool()); }},
        {"FrameIndex", [](TGifAnimator& g, const TPropertyValue& v) { g.SetFrameIndex(v.Int()); }},
        {"Loop", [](TGifAnimator& g, const TPropertyValue& v) { g.SetLoop(v.Bool()); }},
        {"Stretch", [](TGifAnimator& g, const TPropertyValue& v) { g.SetStretch(v.Bool()); }},
        {"Transparent", [](TGifAnimator& g, const TPropertyValue& v) { g.SetTransparent(v.Bool()); }},
        {"Cursor", [](TGifAnimator& g, const TPropertyValue& v) { g.SetCursor(v.Enum(CursorNames)); }},
        // Dragging is not supported: only the default drag cursor is read.
        {"DragCursor", [](TGifAnimator&, const TPropertyValue& v) { v.Enum(CursorNames); }},
        {"OnFrameChanged", [](TGifAnimator& g, const TPropertyValue& v) { g.OnFrameChanged = v.Handler<TNotifyEvent>(); }},
        {"OnStart", [](TGifAnimator& g, const TPropertyValue& v) { g.OnStart = v.Handler<TNotifyEvent>(); }},
        {"OnStop", [](TGifAnimator& g, const TPropertyValue& v) { g.OnStop = v.Handler<TNotifyEvent>(); }},
        {"OnMouseUp", [](TGifAnimator& g, const TPropertyValue& v) { g.OnMouseUp = v.Handler<TMouseEvent>(); }},
    });
    return table;
}
