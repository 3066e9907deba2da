#include "editors/foundation/core/cxresourcetext.h"

#include <windows.h>

#include <algorithm>

#include "classlib/widetext.h"

namespace {

struct TOverride {
    TcxResourceTextOverride Mode = TcxResourceTextOverride::Off;
    std::vector<std::string> Keys, Replacements;
};

TOverride& Override()
{
    static TOverride table;
    return table;
}

std::string LoadedText(unsigned id)
{
    const WCHAR* text = nullptr;
    // Length 0 asks for a pointer into the resource itself.
    int length = LoadStringW(GetModuleHandleA(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? AnsiFromWide(std::wstring(text, static_cast<std::size_t>(length))) : std::string();
}

} // namespace

std::string cxGetResourceText(unsigned id)
{
    std::string text = LoadedText(id);
    const TOverride& o = Override();
    if (o.Mode == TcxResourceTextOverride::Off)
        return text;
    std::string key = o.Mode == TcxResourceTextOverride::ByLoadedText ? text : std::to_string(id);
    auto it = std::find(o.Keys.begin(), o.Keys.end(), key);
    auto index = static_cast<std::size_t>(it - o.Keys.begin());
    return it != o.Keys.end() && index < o.Replacements.size() ? o.Replacements[index] : text;
}

void cxSetResourceTextOverride(TcxResourceTextOverride mode, std::vector<std::string> keys,
                               std::vector<std::string> replacements)
{
    Override() = TOverride{mode, std::move(keys), std::move(replacements)};
}

void cxClearResourceTextOverride()
{
    Override() = TOverride{};
}
