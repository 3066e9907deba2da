#include "classlib/windowclasses.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <typeindex>
#include <unordered_map>

#include "classlib/application.h"
#include "classlib/exceptions.h"

void RegisterWindowClass(const TCreateParams& params, WNDPROC proc)
{
    // Names already settled, so each class costs one look-up per run.
    static std::mutex lock;
    static std::set<std::string> known;
    std::lock_guard guard(lock);
    if (!known.insert(params.className).second)
        return;
    HINSTANCE instance = Application.Instance();
    WNDCLASSA wc{};
    if (GetClassInfoA(instance, params.className, &wc))
        return;
    wc.style = params.classStyle;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    // Loaded once: each load of the icon builds its bitmaps anew.
    static HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hCursor = arrow;
    // Only windows of their own show an icon; a class icon also makes the
    // system build a small copy at each registration.
    if (!(params.style & WS_CHILD)) {
        static HICON icon = LoadIconA(instance, "MAINICON");
        wc.hIcon = icon;
    }
    wc.lpszClassName = params.className;
    if (!RegisterClassA(&wc)) {
        known.erase(params.className);
        RaiseLastOSError(("RegisterClass " + std::string(params.className)).c_str());
    }
}

const char* WindowClassName(const std::type_info& type)
{
    static std::mutex lock;
    static std::unordered_map<std::type_index, std::string> names;
    std::lock_guard guard(lock);
    auto [it, added] = names.try_emplace(type);
    if (added) {
        int status = 0;
        std::unique_ptr<char, decltype(&std::free)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                         &std::free);
        it->second = status == 0 && name ? name.get() : type.name();
    }
    return it->second.c_str();
}
