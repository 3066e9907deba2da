#include "classlib/font.h"

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
