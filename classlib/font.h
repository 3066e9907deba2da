// A font description and the GDI font made from it on first use.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "classlib/colors.h"
#include "classlib/handles.h"
#include "classlib/persistent.h"

class TFont : public TPersistent {
public:
    // owner: the object whose font this is.
    explicit TFont(TPersistent* owner = nullptr) : owner_(owner) {}

    void Assign(const TPersistent& source) override;
    TPersistent* GetOwner() const override { return owner_; }

    const std::string& Name() const { return name_; }
    int Size() const { return size_; }
    TColor Color() const { return color_; }
    bool Bold() const { return bold_; }
    void SetName(const std::string& name) { name_ = name, Changed(); }
    void SetSize(int points) { size_ = points, Changed(); }
    void SetColor(TColor color) { color_ = color, Notify(); }
    void SetBold(bool bold) { bold_ = bold, Changed(); }
    void SetCharset(int charset) { charset_ = charset, Changed(); }

    HFONT Handle() const;

    // After every change of the description.
    std::function<void()> OnChange;

protected:
    const TPropertyTable& Properties() const override;

private:
    // A new GDI font is made on next use, then OnChange.
    void Changed();
    void Notify();

    TPersistent* owner_;
    std::string name_ = "宋体";
    int size_ = 9;
    TColor color_ = clWindowText;
    bool bold_ = false;
    int charset_ = GB2312_CHARSET;
    mutable UniqueFont handle_;
};
