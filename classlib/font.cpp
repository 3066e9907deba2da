#include "classlib/font.h"

#include <map>
#include <mutex>
#include <tuple>

#include "classlib/handlercall.h"
#include "classlib/propertytable.h"

namespace {

int ScreenPixelsPerInch()
{
    static const int ppi = [] {
        HDC screen = GetDC(nullptr);
        int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value;
    }();
    return ppi;
}

// A form holds dozens of controls with the same font; each would otherwise
// make a GDI font of its own.
std::shared_ptr<const UniqueFont> SharedFont(const std::string& name, int height, TFontStyles style, int charset)
{
    using Key = std::tuple<std::string, int, TFontStyles, int>;
    static std::mutex lock;
    static std::map<Key, std::weak_ptr<const UniqueFont>> fonts;
    std::lock_guard guard(lock);
    auto& slot = fonts[Key{name, height, style, charset}];
    if (auto font = slot.lock())
        return font;
    auto font = std::make_shared<const UniqueFont>(CreateFontA(
        height, 0, 0, 0, style & fsBold ? FW_BOLD : FW_NORMAL, (style & fsItalic) != 0, (style & fsUnderline) != 0,
        (style & fsStrikeOut) != 0, static_cast<BYTE>(charset),
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, name.c_str()));
    slot = font;
    return font;
}

} // namespace

const TEnumName<TFontStyles> FontStyleNames[4] = {
    {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}};

void TFont::Assign(const TPersistent& source)
{
    auto* font = dynamic_cast<const TFont*>(&source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    name_ = font->name_, size_ = font->size_, color_ = font->color_, style_ = font->style_, charset_ = font->charset_;
    Changed();
}

bool TFont::operator==(const TFont& other) const
{
    return name_ == other.name_ && size_ == other.size_ && color_ == other.color_ && style_ == other.style_ &&
           charset_ == other.charset_;
}

void TFont::Changed()
{
    handle_.reset();
    Notify();
}

void TFont::Notify()
{
    CallHandler(OnChange);
}

HFONT TFont::Handle() const
{
    if (!handle_)
        handle_ = SharedFont(name_, -MulDiv(size_, ScreenPixelsPerInch(), 72), style_, charset_);
    return handle_->get();
}

const TPropertyTable& TFont::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TFont>(TPersistent::Properties(), {
        {"Name", [](TFont& f, const TPropertyValue& v) { f.SetName(v.Text()); }},
        {"Size", [](TFont& f, const TPropertyValue& v) { f.SetSize(v.Int()); }},
        {"Color", [](TFont& f, const TPropertyValue& v) { f.SetColor(v.Color()); }},
        {"Bold", [](TFont& f, const TPropertyValue& v) { f.SetBold(v.Bool()); }},
        {"Style", [](TFont& f, const TPropertyValue& v) { f.SetStyle(v.Set(FontStyleNames)); }},
        {"Charset", [](TFont& f, const TPropertyValue& v) { f.SetCharset(v.Int()); }},
    });
    return table;
}
