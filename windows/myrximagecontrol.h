// The double-buffered base of the picture controls: painting draws into a
// memory bitmap first, then copies it to the window in one blit.
#pragma once

#include <windows.h>

#include "classlib/customcontrol.h"

class TGraphic;

class TMyRxImageControl : public TGraphicControl {
public:
    explicit TMyRxImageControl(TComponent* owner = nullptr);

protected:
    void Paint() override;
    // Brings the bounds to the picture's size; nothing here.
    virtual void FitToImage() {}
    // Draws the picture on Canvas; nothing here.
    virtual void PaintCurrentFrame() {}
    // The palette the picture offers, or none.
    virtual HPALETTE GetPalette() const { return nullptr; }

    // Fills the client area with Color, then the picture, with Drawing set.
    void PaintImage();
    // Only a form designer would show the dashed frame; there is none.
    void PaintDesignRect() {}
    // Refits and repaints after the picture or the way it is shown changed.
    void ImageChanged();
    // Asks the form to realise the picture's palette; false when nothing was asked.
    bool RealizeImagePalette();

    bool Drawing() const { return drawing_; }
    // The picture whose palette is realised; not owned.
    void SetGraphic(TGraphic* graphic) { image_ = graphic; }

    // The button press that a release inside the control turns into a click.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    // Paints through a memory bitmap of the client size onto dc.
    void PaintClient(HDC dc) override;

private:
    bool drawing_ = false;
    bool clicked_ = false;
    TGraphic* image_ = nullptr;
};
