#include "classlib/clipboard.h"

#include <windows.h>

#include <cstring>

#include "classlib/application.h"
#include "classlib/exceptions.h"

namespace {

// Another program may hold the clipboard for a moment.
class ClipboardScope {
public:
    ClipboardScope()
    {
        for (int attempt = 0; attempt < 10; ++attempt) {
            if (OpenClipboard(Application.Handle()))
                return;
            Sleep(10);
        }
        throw EClipboardException("Cannot open clipboard");
    }
    ~ClipboardScope() { CloseClipboard(); }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
};

} // namespace

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}

bool TClipboard::HasFormat(unsigned format) const
{
    return IsClipboardFormatAvailable(format) != FALSE;
}

std::string TClipboard::AsText() const
{
    ClipboardScope open;
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data)
        return {};
    const char* text = static_cast<const char*>(GlobalLock(data));
    std::string result = text ? std::string(text, strnlen(text, GlobalSize(data))) : std::string();
    GlobalUnlock(data);
    return result;
}

void TClipboard::SetAsText(const std::string& text)
{
    ClipboardScope open;
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!data)
        throw EClipboardException("Out of memory");
    std::memcpy(GlobalLock(data), text.c_str(), text.size() + 1);
    GlobalUnlock(data);
    if (!SetClipboardData(CF_TEXT, data)) {
        GlobalFree(data);
        throw EClipboardException("Cannot set clipboard data");
    }
}
