// Measures, under Wine, the start of vostrel.exe as a new process until it
// takes a typed key (the key shows in the control that has the focus), and
// until its first visible top-level window, against Wine's own notepad, runs
// interleaved, and prints the medians and their ratios. Run by hand:
//   tools/wine-run.sh startup_measure.exe build/target/calculator/vostrel.exe [runs]
// The program writes setinfo.ini and temp.txt beside itself, so a copy in a
// scratch folder is measured.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calculator/measure/measuretime.h"

namespace {

double Milliseconds(LARGE_INTEGER a, LARGE_INTEGER b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM lp)
{
    if (!IsWindowVisible(hwnd))
        return TRUE;
    *reinterpret_cast<HWND*>(lp) = hwnd;
    return FALSE;
}

// The typed key: a character no handler of either program turns into
// anything but itself.
constexpr char kKey = 'x';

// True when the window's text holds the key; false also while the program
// does not answer.
bool Echoed(HWND edit)
{
    char text[256] = "";
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 30000,
                             &got))
        return false;
    return std::string(text, got).find(kKey) != std::string::npos;
}

struct Times {
    double window = -1; // to the first visible top-level window
    double key = -1;    // to the first key echoed in the focused control
};

// Starts the command and times it to its first visible top-level window and
// to the moment the control with the focus shows a key typed at it, which
// is posted as soon as the program names a focus (again whenever the focus
// moves, as a key follows the focus). Gives up after 30 seconds; the program
// is then closed through its window.
Times TimeToKey(const std::string& command, const std::string& folder)
{
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string line = command;
    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi)) {
        std::printf("cannot start %s (error %lu)\n", command.c_str(), GetLastError());
        return {};
    }
    Times times;
    HWND found = nullptr, typedAt = nullptr;
    for (;;) {
        // Only the main thread's windows: one server call, not one per window
        // on the desktop, so the poll hardly slows the program it waits for.
        if (!found)
            EnumThreadWindows(pi.dwThreadId, FindVisible, reinterpret_cast<LPARAM>(&found));
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        HWND focus = GetGUIThreadInfo(pi.dwThreadId, &gui) ? gui.hwndFocus : nullptr;
        if (focus && focus != typedAt) {
            PostMessageA(focus, WM_CHAR, static_cast<WPARAM>(kKey), 1);
            typedAt = focus;
        }
        bool echoed = typedAt && Echoed(typedAt);
        QueryPerformanceCounter(&now);
        if (found && times.window < 0)
            times.window = Milliseconds(start, now);
        if (echoed) {
            times.key = Milliseconds(start, now);
            break;
        }
        if (Milliseconds(start, now) > 30000 || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            break;
        // Short, so the poll adds little to the figure; not zero, so it
        // leaves the wineserver to the program being started.
        Sleep(1);
    }
    // Unmodified, so no program asks whether to save the typed key.
    if (typedAt)
        SendMessageTimeoutA(typedAt, EM_SETMODIFY, FALSE, 0, SMTO_NORMAL, 10000, nullptr);
    if (found)
        PostMessageA(found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return times;
}

// A Unix path from the shell as the same file through Wine's Z: drive.
std::string WindowsPath(std::string path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

// A scratch folder with a copy of the program, so its files stay apart.
std::string CopyToScratch(const std::string& program)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "vostrel-startup-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string copy = folder + "\\vostrel.exe";
    if (!CopyFileA(program.c_str(), copy.c_str(), FALSE)) {
        std::printf("cannot copy %s to %s\n", program.c_str(), copy.c_str());
        std::exit(1);
    }
    return copy;
}

void RemoveScratch(const std::string& copy)
{
    std::string folder = copy.substr(0, copy.rfind('\\'));
    for (const char* name : {"\\vostrel.exe", "\\setinfo.ini", "\\temp.txt"})
        DeleteFileA((folder + name).c_str());
    RemoveDirectoryA(folder.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::printf("usage: startup_measure vostrel.exe [runs]\n");
        return 2;
    }
    int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    std::string copy = CopyToScratch(WindowsPath(argv[1]));
    std::string folder = copy.substr(0, copy.rfind('\\'));
    const std::string vostrel = "\"" + copy + "\"";
    const std::string notepad = "notepad.exe";
    // Each start with the same empty tape, not the keys of the runs before.
    auto startVostrel = [&] {
        DeleteFileA((folder + "\\temp.txt").c_str());
        return TimeToKey(vostrel, folder);
    };

    // One unmeasured start of each: the files come into the page cache and
    // the program writes its settings once, as after any first use.
    startVostrel();
    TimeToKey(notepad, "");

    std::vector<double> oursKey, theirsKey, oursWindow, theirsWindow, ratios;
    for (int i = 0; i < runs; ++i) {
        // Alternating order, so neither always runs just after the other.
        Times a, b;
        if (i % 2 == 0) {
            a = startVostrel();
            b = TimeToKey(notepad, "");
        } else {
            b = TimeToKey(notepad, "");
            a = startVostrel();
        }
        if (a.key < 0 || b.key < 0) {
            std::printf("run %d: a program took no key\n", i + 1);
            RemoveScratch(copy);
            return 1;
        }
        std::printf("run %2d: vostrel window %7.1f key %7.1f ms   notepad window %7.1f key %7.1f ms\n", i + 1,
                    a.window, a.key, b.window, b.key);
        oursKey.push_back(a.key);
        theirsKey.push_back(b.key);
        oursWindow.push_back(a.window);
        theirsWindow.push_back(b.window);
        ratios.push_back(a.key / b.key);
    }
    RemoveScratch(copy);
    std::printf("median of %d, first window: vostrel %.1f ms, notepad %.1f ms, ratio %.2f\n", runs,
                Median(oursWindow), Median(theirsWindow), Median(oursWindow) / Median(theirsWindow));
    double mine = Median(oursKey), base = Median(theirsKey);
    std::printf("median of %d, first key taken: vostrel %.1f ms, notepad %.1f ms, ratio %.2f (goal: 1.2)\n", runs,
                mine, base, mine / base);
    // Less moved by a machine that is busier in some runs than in others.
    std::printf("median ratio of the pairs (key): %.2f\n", Median(ratios));
    return 0;
}
