// The limits of a control's size: the least and the most width and height
// it may take, 0 for no limit.
#pragma once

#include <functional>

#include "classlib/persistent.h"

class TSizeConstraints : public TPersistent {
public:
    // owner: the control whose size this limits.
    explicit TSizeConstraints(TPersistent* owner = nullptr) : owner_(owner) {}

    void Assign(const TPersistent& source) override;
    TPersistent* GetOwner() const override { return owner_; }

    int MaxHeight() const { return maxHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MinHeight() const { return minHeight_; }
    int MinWidth() const { return minWidth_; }
    // A limit below 0 is none. A maximum below the minimum takes the
    // minimum down with it, a minimum above the maximum the maximum up.
    void SetMaxHeight(int value) { SetLimits(minHeight_, maxHeight_, value, false); }
    void SetMaxWidth(int value) { SetLimits(minWidth_, maxWidth_, value, false); }
    void SetMinHeight(int value) { SetLimits(minHeight_, maxHeight_, value, true); }
    void SetMinWidth(int value) { SetLimits(minWidth_, maxWidth_, value, true); }

    // Brings a size within the limits.
    void Constrain(int& width, int& height) const;

    // After every change of a limit.
    std::function<void()> OnChange;

protected:
    const TPropertyTable& Properties() const override;

private:
    void SetLimits(int& least, int& most, int value, bool setLeast);

    TPersistent* owner_;
    int maxHeight_ = 0, maxWidth_ = 0, minHeight_ = 0, minWidth_ = 0;
};
