#include "classlib/font.h"

#include "classlib/propertytable.h"

void TFont::Assign(const TPersistent& source)
{
    auto* font = dynamic_cast<const TFont*>(&source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    name_ = font->name_, size_ = font->size_, color_ = font->color_, bold_ = font->bold_, charset_ = font->charset_;
    Changed();
}

void TFont::Changed()
{
    handle_.reset();
    Notify();
}

void TFont::Notify()
{
    if (OnChange)
        OnChange();
}

HFONT TFont::Handle() const
{
    if (!handle_) {
        HDC screen = GetDC(nullptr);
        int height = -MulDiv(size_, GetDeviceCaps(screen, LOGPIXELSY), 72);
        ReleaseDC(nullptr, screen);
        handle_.reset(CreateFontA(height, 0, 0, 0, bold_ ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  static_cast<BYTE>(charset_), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name_.c_str()));
    }
    return handle_.get();
}

const TPropertyTable& TFont::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TFont>(TPersistent::Properties(), {
        {"Name", [](TFont& f, const TPropertyValue& v) { f.SetName(v.Text()); }},
        {"Size", [](TFont& f, const TPropertyValue& v) { f.SetSize(v.Int()); }},
        {"Color", [](TFont& f, const TPropertyValue& v) { f.SetColor(v.Color()); }},
        {"Bold", [](TFont& f, const TPropertyValue& v) { f.SetBold(v.Bool()); }},
        {"Charset", [](TFont& f, const TPropertyValue& v) { f.SetCharset(v.Int()); }},
    });
    return table;
}
