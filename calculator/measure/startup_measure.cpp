// Measures, under Wine, the start of vostrel.exe as a new process until its
// first visible top-level window, against Wine's own notepad, runs
// interleaved, and prints both medians and their ratio. Run by hand:
//   tools/wine-run.sh startup_measure.exe build/target/calculator/vostrel.exe [runs]
// The program writes setinfo.ini and temp.txt beside itself, so a copy in a
// scratch folder is measured.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER a, LARGE_INTEGER b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM lp)
{
    if (!IsWindowVisible(hwnd))
        return TRUE;
    *reinterpret_cast<HWND*>(lp) = hwnd;
    return FALSE;
}

// Starts the command and returns the milliseconds until the process shows a
// top-level window, or a negative number when it shows none in 30 seconds.
// The program is then closed through that window.
double TimeToWindow(const std::string& command, const std::string& folder)
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
        return -1;
    }
    HWND found = nullptr;
    double ms = -1;
    for (;;) {
        // Only the main thread's windows: one server call, not one per window
        // on the desktop, so the poll hardly slows the program it waits for.
        EnumThreadWindows(pi.dwThreadId, FindVisible, reinterpret_cast<LPARAM>(&found));
        QueryPerformanceCounter(&now);
        if (found) {
            ms = Milliseconds(start, now);
            break;
        }
        if (Milliseconds(start, now) > 30000 || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            break;
        // Short, so the poll adds little to the figure; not zero, so it
        // leaves the wineserver to the program being started.
        Sleep(1);
    }
    if (found)
        PostMessageA(found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ms;
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
    int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;
    std::string copy = CopyToScratch(WindowsPath(argv[1]));
    std::string folder = copy.substr(0, copy.rfind('\\'));
    const std::string vostrel = "\"" + copy + "\"";
    const std::string notepad = "notepad.exe";

    // One unmeasured start of each: the files come into the page cache and
    // the program writes its settings once, as after any first use.
    TimeToWindow(vostrel, folder);
    TimeToWindow(notepad, "");

    std::vector<double> ours, theirs, ratios;
    for (int i = 0; i < runs; ++i) {
        // Alternating order, so neither always runs just after the other.
        double a, b;
        if (i % 2 == 0) {
            a = TimeToWindow(vostrel, folder);
            b = TimeToWindow(notepad, "");
        } else {
            b = TimeToWindow(notepad, "");
            a = TimeToWindow(vostrel, folder);
        }
        if (a < 0 || b < 0) {
            std::printf("run %d: a program showed no window\n", i + 1);
            RemoveScratch(copy);
            return 1;
        }
        std::printf("run %2d: vostrel %7.1f ms   notepad %7.1f ms\n", i + 1, a, b);
        ours.push_back(a);
        theirs.push_back(b);
        ratios.push_back(a / b);
    }
    RemoveScratch(copy);
    double mine = Median(ours), base = Median(theirs);
    std::printf("median of %d: vostrel %.1f ms, notepad %.1f ms, ratio %.2f\n", runs, mine, base, mine / base);
    // Less moved by a machine that is busier in some runs than in others.
    std::printf("median ratio of the pairs: %.2f\n", Median(ratios));
    return 0;
}
