// Measures, under Wine, the gaps between the clips of a reading played
// through the real clip player by the real window, while the whole window
// is repainted (every 20 ms unless told) and its status timer ticks. Prints, per pace,
// the largest gap error of each of five readings and their median (goal:
// within 5 ms). Run by hand:
//   tools/wine-run.sh speechpace_measure.exe [readings] [repaint interval, ms]
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "calculator/calcform.h"
#include "calculator/measure/measuretime.h"
#include "calculator/clipplayer_win.h"
#include "classlib/application.h"

namespace {

// The real player, noting when each clip was asked for and when the player
// had started it (Wine's player takes from one to twenty milliseconds).
class TimedPlayer : public IClipPlayer {
public:
    bool play(const std::string& clip) override
    {
        asks.push_back(Now());
        bool started = real_.play(clip);
        starts.push_back(Now());
        calls.push_back(starts.back() - asks.back());
        return started;
    }
    std::vector<double> asks, starts, calls;

private:
    TResourceClipPlayer real_;
};

// The gap between consecutive times furthest from the pace, with its sign.
double LargestGapError(const std::vector<double>& times, int pace)
{
    double largest = 0;
    for (std::size_t i = 1; i < times.size(); ++i) {
        double error = times[i] - times[i - 1] - pace;
        if (std::fabs(error) > std::fabs(largest))
            largest = error;
    }
    return largest;
}

int repaints = 0;
HWND window = nullptr;

void CALLBACK Repaint(HWND, UINT, UINT_PTR, DWORD)
{
    ++repaints;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace

int main(int argc, char** argv)
{
    const int readings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const UINT interval = argc > 2 ? static_cast<UINT>(std::max(10, std::atoi(argv[2]))) : 20;
    Application.Initialize();
    TCalcForm form;
    form.Show();
    window = form.Handle();
    form.CheckBox2->SetChecked(true);
    form.CheckBox6->SetChecked(true);
    // The clips of every digit and unit: 1,234,567.89 in words.
    const std::string words = "壹佰贰拾叁万肆仟伍佰陆拾柒点捌玖";
    UINT_PTR repaint = SetTimer(nullptr, 0, interval, Repaint);

    for (int pace : {280, 350}) {
        form.SpinEdit3->SetValue(pace);
        std::vector<double> worst, worstAsked;
        for (int reading = 0; reading < readings; ++reading) {
            auto owned = std::make_unique<TimedPlayer>();
            TimedPlayer& player = *owned;
            form.setclipplayer(std::move(owned));
            repaints = 0;
            form.readstr(words);
            double largest = LargestGapError(player.starts, pace), asked = LargestGapError(player.asks, pace);
            std::printf("pace %d ms, reading %d: %zu clips, %d repaints, largest gap error %+.1f ms "
                        "(between the requests %+.1f), player call median %.2f ms, longest %.2f ms\n",
                        pace, reading + 1, player.starts.size(), repaints, largest, asked, Median(player.calls),
                        *std::max_element(player.calls.begin(), player.calls.end()));
            worst.push_back(std::fabs(largest));
            worstAsked.push_back(std::fabs(asked));
        }
        std::printf("pace %d ms: median of %d readings' largest gap error %.1f ms (goal: 5); between the "
                    "requests %.1f ms\n",
                    pace, readings, Median(worst), Median(worstAsked));
    }
    KillTimer(nullptr, repaint);
    form.setclipplayer(std::make_unique<TResourceClipPlayer>());
    return 0;
}
