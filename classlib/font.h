// A font description and the GDI font made from it on first use.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "classlib/colors.h"
#include "classlib/handles.h"
#include "classlib/persistent.h"
#include "classlib/propertytable.h"

// The set TFontStyles.
enum : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;
// Their names in form text: Style = [fsBold, fsItalic].
extern const TEnumName<TFontStyles> FontStyleNames[4];

class TFont : public TPersistent {
public:
    // owner: the object whose font this is.
    explicit TFont(TPersistent* owner = nullptr) : owner_(owner) {}

    void Assign(const TPersistent& source) override;
    TPersistent* GetOwner() const override { return owner_; }

    const std::string& Name() const { return name_; }
    int Size() const { return size_; }
    TColor Color() const { return color_; }
    TFontStyles Style() const { return style_; }
    bool Bold() const { return style_ & fsBold; }
    // The same description: name, size, colour, styles and character set.
    bool operator==(const TFont& other) const;
    // Setting what the font already holds changes nothing.
    void SetName(const std::string& name) { Set(name_, name, &TFont::Changed); }
    void SetSize(int points) { Set(size_, points, &TFont::Changed); }
    void SetColor(TColor color) { Set(color_, color, &TFont::Notify); }
    void SetStyle(TFontStyles style) { Set(style_, style, &TFont::Changed); }
    void SetBold(bool bold) { SetStyle(bold ? style_ | fsBold : style_ & ~fsBold); }
    void SetCharset(int charset) { Set(charset_, charset, &TFont::Changed); }

    HFONT Handle() const;

    // After every change of the description.
    std::function<void()> OnChange;

protected:
    const TPropertyTable& Properties() const override;

private:
    template <class T>
    void Set(T& field, const T& value, void (TFont::*changed)())
    {
        if (field == value)
            return;
        field = value;
        (this->*changed)();
    }

    // A new GDI font is made on next use, then OnChange.
    void Changed();
    void Notify();

    TPersistent* owner_;
    std::string name_ = "宋体";
    int size_ = 9;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    int charset_ = GB2312_CHARSET;
    // Shared with every font of the same description while any uses it.
    mutable std::shared_ptr<const UniqueFont> handle_;
};
