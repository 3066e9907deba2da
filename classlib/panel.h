// Containers that paint their colour: panels with a bevel, and group boxes
// with an etched frame and caption.
#pragma once

#include "classlib/control.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TCustomPanel : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    TCreateParams CreateParams() const override;
    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    virtual void Paint(HDC dc, const RECT& client) = 0;
};

class TPanel : public TCustomPanel {
public:
    bool SetProperty(const std::string& name, const std::string& value) override;

protected:
    void Paint(HDC dc, const RECT& client) override;
    void AdjustClientRect(RECT& rect) override;

private:
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
};

class TGroupBox : public TCustomPanel {
protected:
    void Paint(HDC dc, const RECT& client) override;
    void AdjustClientRect(RECT& rect) override;
};
