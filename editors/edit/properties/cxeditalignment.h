// An editor's text alignment: horizontal (its own only once set, else the
// properties' default) and vertical.
#pragma once

#include <cstdint>
#include <functional>

#include "classlib/control.h"
#include "classlib/persistent.h"

enum TcxEditVertAlignment : std::uint8_t { taTopJustify, taBottomJustify, taVCenter };

class TcxCustomEditProperties;

class TcxEditAlignment : public TPersistent {
public:
    explicit TcxEditAlignment(TcxCustomEditProperties* owner) : owner_(owner) {}

    // Copies Horz, Vert and whether Horz is set, then tells of the change.
    void Assign(const TPersistent& source) override;
    TPersistent* GetOwner() const override;

    TAlignment Horz() const { return horz_; }
    // Marks Horz as set; no change is told when it was set to the same already.
    void SetHorz(TAlignment value);
    TcxEditVertAlignment Vert() const { return vert_; }
    void SetVert(TcxEditVertAlignment value);
    bool IsHorzAssigned() const { return horzAssigned_; }
    // Horz is no longer set; its value stays until a default replaces it.
    void Reset() { horzAssigned_ = false; }
    // Horz standing in for one not set, which stays not set.
    void SetDefaultHorz(TAlignment value) { horz_ = value; }

    bool IsHorzStored() const { return horzAssigned_; }
    bool IsVertStored() const { return vert_ != taTopJustify; }
    bool IsStored() const { return IsHorzStored() || IsVertStored(); }

    std::function<void()> OnChanged;

protected:
    const TPropertyTable& Properties() const override;

private:
    void Notify();

    TcxCustomEditProperties* owner_;
    TAlignment horz_ = TAlignment::taLeftJustify;
    TcxEditVertAlignment vert_ = taTopJustify;
    bool horzAssigned_ = false;
};
