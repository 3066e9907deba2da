// A font description and the GDI font made from it on first use.
#pragma once

#include <windows.h>

#include <string>

#include "classlib/colors.h"
#include "classlib/handles.h"

class TFont {
public:
    TFont() = default;
    TFont(const TFont& o) : name_(o.name_), size_(o.size_), color_(o.color_), bold_(o.bold_), charset_(o.charset_) {}
    TFont& operator=(const TFont& o)
    {
        name_ = o.name_, size_ = o.size_, color_ = o.color_, bold_ = o.bold_, charset_ = o.charset_;
        handle_.reset();
        return *this;
    }

    const std::string& Name() const { return name_; }
    int Size() const { return size_; }
    TColor Color() const { return color_; }
    bool Bold() const { return bold_; }
    void SetName(const std::string& name) { name_ = name, handle_.reset(); }
    void SetSize(int points) { size_ = points, handle_.reset(); }
    void SetColor(TColor color) { color_ = color; }
    void SetBold(bool bold) { bold_ = bold, handle_.reset(); }
    void SetCharset(int charset) { charset_ = charset, handle_.reset(); }

    HFONT Handle() const;

private:
    std::string name_ = "宋体";
    int size_ = 9;
    TColor color_ = clWindowText;
    bool bold_ = false;
    int charset_ = GB2312_CHARSET;
    mutable UniqueFont handle_;
};
