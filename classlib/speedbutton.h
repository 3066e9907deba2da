// Flat push buttons with a picture and caption that never take the focus,
// so the control being typed into keeps it; buttons of one GroupIndex
// behave like radio buttons ("down" one at a time).
#pragma once

#include "classlib/customcontrol.h"
#include "classlib/imagelist.h"

class TSpeedButton : public TGraphicControl {
public:
    TSpeedButton()
    {
        SetParentColor(true);
        SetOpaque(true);
        SetControlStyle(ControlStyle() | csCaptureMouse);
    }

    bool Down() const { return down_; }
    void SetDown(bool down);
    int GroupIndex() const { return groupIndex_; }
    void SetImageIndex(int index);
    int ImageIndex() const { return imageIndex_; }

    void Click() override;
    // Never takes the focus: the control being typed into keeps it.
    bool CanFocus() const override { return false; }
    // Alt+key matches the "&" letter of the caption.
    bool IsAccelerator(char key) const;

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    void Paint() override;
    const TMessageMap& Messages() const override;
    void BMClick(TMessage& message);
    void WMCaptureChanged(TMessage& message);
    void CMDialogChar(TMessage& message);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    HIMAGELIST Images() const { return images_ ? images_->Handle() : ownGlyph_.get(); }

    bool down_ = false;
    bool hot_ = false;
    bool pressed_ = false;
    bool inside_ = false;
    bool flat_ = true;
    bool allowAllUp_ = false;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    TImageList* images_ = nullptr;
    UniqueImageList ownGlyph_;
};
