// Measures, under Wine, one Enter on a tape of 10,000 finished lines against
// one full read of the tape's text (GetWindowTextA), and prints both and
// their ratio. Run by hand: tools/wine-run.sh calcform_enter_measure.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "calculator/calcform.h"
#include "classlib/application.h"

namespace {

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main()
{
    Application.Initialize();
    TCalcForm form;
    form.Show();
    form.CheckBox2->SetChecked(false);
    std::string tape;
    for (int i = 0; i < 10000; ++i)
        tape += "1234.5+678.25*2=" + std::to_string(1234.5 + 678.25 * 2).substr(0, 6) + "\r\n";
    HWND memo = form.Memo1->Handle();

    form.Memo1->SetText(tape);
    std::vector<double> enters, reads;
    // Enters one after another at the end of the tape, as a user makes them;
    // the first one is a warm-up.
    for (int round = 0; round < 16; ++round) {
        int end = GetWindowTextLengthA(memo);
        SendMessageA(memo, EM_SETSEL, static_cast<WPARAM>(end), static_cast<LPARAM>(end));
        SendMessageA(memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("12+34"));

        // The Enter as the keyboard sends it: key-down, then its character.
        LARGE_INTEGER a, b, c;
        QueryPerformanceCounter(&a);
        SendMessageA(memo, WM_KEYDOWN, VK_RETURN, 1);
        SendMessageA(memo, WM_CHAR, '\r', 1);
        QueryPerformanceCounter(&b);
        int length = GetWindowTextLengthA(memo);
        std::string text(static_cast<size_t>(length) + 1, '\0');
        GetWindowTextA(memo, text.data(), length + 1);
        QueryPerformanceCounter(&c);
        if (text.find("12+34=46\r\n", text.size() - 12) == std::string::npos) {
            std::printf("the Enter did not evaluate\n");
            return 1;
        }
        if (round == 0)
            continue;
        enters.push_back(Seconds(a, b));
        reads.push_back(Seconds(b, c));
    }
    double enter = Median(enters), read = Median(reads);
    std::printf("tape: 10000 finished lines, %zu bytes\n", tape.size());
    std::printf("one Enter:          %.3f ms (median of %zu)\n", enter * 1000, enters.size());
    std::printf("one GetWindowTextA: %.3f ms (median of %zu)\n", read * 1000, reads.size());
    std::printf("ratio Enter / read: %.2f\n", enter / read);
    return 0;
}
