// Hand measurement under Wine, not a test (it judges the machine as much as
// our code):
// 1. 1,000 real mouse moves across the containers demonstration's grid,
//    entering and leaving every container, against the same moves over its
//    "--plain" grid of EDITs: the processor time each demo spends on them.
// 2. A send + post/dispatch pair of messages before the library's units
//    start, after they started with no popup open (no hooks), and with one
//    open (the three hooks installed).
//   tools/wine-run.sh build/target/editors/edit/demo/containerdemo_bench.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/tests/realinput.h"
#include "classlib/tests/testprocess.h"
#include "classlib/units.h"
#include "editors/edit/container/cxcontainerpopups.h"
#include "editors/edit/core/cxeditunits.h"
#include "editors/foundation/core/cxfoundationunits.h"

namespace {

double ProcessCpuMs(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto ms = [](FILETIME t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The demo's processor time for 1,000 moves over its two rows of cells,
// sweeping left and right through containers and the gaps between them.
double MovesCpuMs(const std::string& arguments)
{
    TTestProcess demo(BuiltProgramPath(CONTAINERDEMO_EXE), arguments);
    HWND form = WaitForVisibleWindow([&] { return FindProcessWindow(demo.Id(), "Containers"); }, 200);
    if (!form)
        return -1;
    SetForegroundWindow(form);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, demo.Id());
    Sleep(500);
    const double before = ProcessCpuMs(process);
    for (int i = 0; i < 1000; ++i) {
        const int sweep = i % 100, row = (i / 100) % 2;
        const int x = sweep < 50 ? 12 + sweep * 13 : 12 + (99 - sweep) * 13;
        POINT p{x, 60 + row * 56 + 12};
        ClientToScreen(form, &p);
        MoveCursorInput(p);
        Sleep(1);
    }
    DWORD_PTR ignored;
    SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    Sleep(300);
    const double spent = ProcessCpuMs(process) - before;
    CloseHandle(process);
    PostMessageA(form, WM_CLOSE, 0, 0);
    demo.WaitForExit(5000);
    return spent;
}

class TBenchPopup : public TcxPopup {
public:
    explicit TBenchPopup(HWND window) : window_(window) {}
    void ClosePopup() override { cxPopupClosed(this); }
    HWND PopupWindow() const override { return window_; }
    bool AcceptsKey(WPARAM) const override { return true; }
    TWinControl* OwnerControl() const override { return nullptr; }
    HWND OwnerForm() const override { return nullptr; }

private:
    HWND window_;
};

// Microseconds per send + post/dispatch pair to a plain window.
double PairMicroseconds(HWND window)
{
    constexpr int kPairs = 20000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kPairs; ++i) {
        SendMessageA(window, WM_USER, 0, 0);
        PostMessageA(window, WM_USER, 0, 0);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / kPairs;
}

} // namespace

int main()
{
    Application.Initialize();
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    std::vector<double> bare;
    for (int run = 0; run < 5; ++run)
        bare.push_back(PairMicroseconds(window));
    TUnitsStarted foundation(cxFoundationUnits()), edit(cxEditUnits());

    std::vector<double> boxes, plain;
    for (int run = 0; run < 3; ++run) {
        boxes.push_back(MovesCpuMs(""));
        plain.push_back(MovesCpuMs("--plain"));
    }
    std::printf("1000 moves, demo processor time (median of 3): containers %.0f ms, plain EDITs %.0f ms, ratio %.2f\n",
                Median(boxes), Median(plain), Median(boxes) / Median(plain));

    std::vector<double> none, open;
    for (int run = 0; run < 5; ++run) {
        none.push_back(PairMicroseconds(window));
        TBenchPopup popup(window);
        cxPopupOpened(&popup);
        open.push_back(PairMicroseconds(window));
        cxPopupClosed(&popup);
    }
    std::printf("send + post/dispatch pair (median of 5): before the units started %.2f us, units started and no "
                "popup %.2f us (ratio %.2f), a popup open (hooks) %.2f us (ratio %.2f); hooks installed now: %s\n",
                Median(bare), Median(none), Median(none) / Median(bare), Median(open), Median(open) / Median(bare),
                cxPopupHooksInstalled() ? "yes" : "no");
    DestroyWindow(window);
    return 0;
}
