// A number box: an EDIT with a comctl32 up-down beside it, its value kept
// within MinValue..MaxValue and stepped by Increment.
#pragma once

#include "classlib/customedit.h"

class TSpinEdit : public TCustomEdit {
public:
    TSpinEdit() { SetColor(clWindow); }
    ~TSpinEdit() override;

    int Value() const;
    void SetValue(int value);
    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }

protected:
    const TPropertyTable& Properties() const override;
    void HandleCreated() override;

private:
    int Clamp(int value) const;
    void UpdateUpDown();

    int min_ = 0, max_ = 0, increment_ = 1;
    HWND upDown_ = nullptr;
};
