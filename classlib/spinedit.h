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
    const TMessageMap& Messages() const override;
    void CNCommand(TMessage& message);
    void HandleCreated() override;

private:
    int Clamp(int value) const;
    int ReadValue() const;
    void UpdateUpDown();

    // The value as last read from the box; every change of its text forgets it.
    mutable int value_ = 0;
    mutable bool known_ = false;

    int min_ = 0, max_ = 0, increment_ = 1;
    HWND upDown_ = nullptr;
};
