#include "classlib/tests/testprocess.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "classlib/windowlessquery.h"

TTestProcess::TTestProcess(const std::string& exe, const std::string& arguments)
{
    std::string command = "\"" + exe + "\"";
    if (!arguments.empty())
        command += " " + arguments;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    started_ = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
}

TTestProcess::~TTestProcess()
{
    if (!started_)
        return;
    if (WaitForSingleObject(pi_.hProcess, 0) != WAIT_OBJECT_0)
        TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
}

int TTestProcess::WaitForExit(DWORD ms)
{
    if (!started_ || WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 1;
    GetExitCodeProcess(pi_.hProcess, &code);
    return static_cast<int>(code);
}

HWND WaitForVisibleWindow(const std::function<HWND()>& find, int tries)
{
    HWND window = nullptr;
    for (int i = 0; i < tries && !(window && IsWindowVisible(window)); ++i) {
        window = find();
        if (!(window && IsWindowVisible(window)))
            Sleep(50);
    }
    return window;
}

std::string BuiltProgramPath(const std::string& path)
{
    if (path.size() < 2 || path[0] != '/')
        return path;
    std::string windowsPath = "Z:" + path;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    return windowsPath;
}

std::string WindowTextOf(HWND window)
{
    auto length = static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    auto got = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(got));
    return text;
}

namespace {

struct TWindowSearch {
    DWORD Pid;
    const std::string& Caption;
    HWND Found = nullptr;
};

BOOL CALLBACK MatchProcessWindow(HWND hwnd, LPARAM lp)
{
    auto* search = reinterpret_cast<TWindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    char caption[256] = {};
    GetWindowTextA(hwnd, caption, sizeof caption);
    if (owner != search->Pid || search->Caption != caption)
        return TRUE;
    search->Found = hwnd;
    return FALSE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp)
{
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

} // namespace

HWND FindProcessWindow(DWORD pid, const std::string& caption)
{
    TWindowSearch search{pid, caption};
    EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

HWND ShowProcessForm(const TTestProcess& process, const std::string& caption)
{
    HWND form = WaitForVisibleWindow([&] { return FindProcessWindow(process.Id(), caption); }, 400);
    if (!form || !IsWindowVisible(form))
        return nullptr;
    SetForegroundWindow(form);
    for (int i = 0; i < 100 && GetForegroundWindow() != form; ++i)
        Sleep(50);
    return form;
}

int CloseProcessForm(TTestProcess& process, HWND form)
{
    PostMessageA(form, WM_CLOSE, 0, 0);
    return process.WaitForExit(20000);
}

std::vector<HWND> ChildWindowsOf(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

RECT TWindowlessControl::ScreenBounds() const
{
    RECT r = bounds;
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

namespace {
LRESULT CALLBACK CollectWindowless(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    if (msg != WM_COPYDATA || copy->dwData != kWindowlessRecordTag || copy->cbData < sizeof(TWindowlessRecord))
        return DefWindowProcA(hwnd, msg, wp, lp);
    TWindowlessRecord record;
    std::memcpy(&record, copy->lpData, sizeof record);
    record.className[sizeof record.className - 1] = 0;
    auto* found = reinterpret_cast<std::vector<TWindowlessControl>*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    const auto parent = reinterpret_cast<HWND>(wp);
    const auto index = static_cast<int>(
        std::count_if(found->begin(), found->end(), [&](const TWindowlessControl& c) { return c.parent == parent; }));
    found->push_back({parent, index, record.bounds, record.visible != 0, record.className,
                      std::string(static_cast<const char*>(copy->lpData) + sizeof record,
                                  copy->cbData - sizeof record)});
    return TRUE;
}

// What the windows tell of their own windowless controls, in turn.
std::vector<TWindowlessControl> AskWindows(const std::vector<HWND>& windows)
{
    static const ATOM asker = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = CollectWindowless;
        wc.lpszClassName = "VostrelWindowlessAsker";
        return RegisterClassA(&wc);
    }();
    std::vector<TWindowlessControl> found;
    HWND reply = CreateWindowExA(0, MAKEINTATOM(asker), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    SetWindowLongPtrA(reply, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&found));
    for (HWND w : windows)
        SendMessageTimeoutA(w, WindowlessQueryMessage(), reinterpret_cast<WPARAM>(reply), 0, SMTO_NORMAL, 10000,
                            nullptr);
    DestroyWindow(reply);
    return found;
}

bool IsLabel(const TWindowlessControl& c)
{
    return c.className == "TLabel" || c.className == "TLinkLabel";
}
} // namespace

std::vector<TWindowlessControl> WindowlessControlsOf(HWND window)
{
    std::vector<HWND> windows{window};
    for (HWND child : ChildWindowsOf(window))
        windows.push_back(child);
    return AskWindows(windows);
}

std::vector<TWindowlessControl> LabelsOf(HWND window)
{
    std::vector<TWindowlessControl> labels = WindowlessControlsOf(window);
    std::erase_if(labels, [](const TWindowlessControl& c) { return !IsLabel(c); });
    return labels;
}

std::vector<std::string> LabelTextsOf(HWND window)
{
    std::vector<std::string> texts;
    for (const TWindowlessControl& c : LabelsOf(window))
        if (c.visible)
            texts.push_back(c.text);
    return texts;
}

bool TLabelRef::Read(TWindowlessControl& now) const
{
    if (!parent_)
        return false;
    const std::vector<TWindowlessControl> found = AskWindows({parent_});
    if (index_ >= static_cast<int>(found.size()) || found[index_].className != className_)
        return false;
    now = found[index_];
    return true;
}

std::string TLabelRef::Text() const
{
    TWindowlessControl now;
    return Read(now) ? now.text : std::string();
}

std::string UpperClassNameOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    std::string text = name;
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(toupper(c)); });
    return text;
}

namespace {

struct TFoundBoxes {
    DWORD pid;
    std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBox(HWND w, LPARAM lp)
{
    auto& found = *reinterpret_cast<TFoundBoxes*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == found.pid && IsWindowVisible(w) && UpperClassNameOf(w) == "#32770")
        found.boxes.push_back(w);
    return TRUE;
}

} // namespace

std::vector<HWND> MessageBoxesOf(DWORD pid)
{
    TFoundBoxes found{pid, {}};
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&found));
    return found.boxes;
}
