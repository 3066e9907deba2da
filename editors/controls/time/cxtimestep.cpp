#include "editors/controls/time/cxtimestep.h"

#include "editors/controls/time/cxtimetext.h"

namespace {

constexpr int kSecondsPerHalfDay = 43200;
constexpr int kLastSecond = 86399;
constexpr double kFastFactor = 10;

// The selection after a step, worked out from the text before it.
void SelectItem(TcxTimeStep& step, const std::string& text, TcxTimeItemKind item, int seconds,
                const TcxTimeEditFormat& format, const TFormatSettings& settings)
{
    if (item != tikDesignator) {
        step.SelStart = cxGetTimeItemStart(item, format.TimeFormat);
        step.SelLength = 1;
        return;
    }
    const auto from = static_cast<std::size_t>(cxTimeDigitPartLength(format.TimeFormat));
    const std::size_t first = text.find_first_not_of(' ', from);
    step.SelStart = static_cast<int>(first == std::string::npos ? text.size() : first);
    // The designator the step leads to.
    const bool pm = seconds >= kSecondsPerHalfDay;
    step.SelLength = static_cast<int>((pm ? settings.TimeAMString : settings.TimePMString).size());
}

} // namespace

double cxTimeIncrement(TcxSpinButtonKind kind, TcxTimeItemKind item, int seconds)
{
    if (item == tikDesignator)
        return seconds < kSecondsPerHalfDay ? kSecondsPerHalfDay : -kSecondsPerHalfDay;
    const bool fast = kind == sbkFastBackward || kind == sbkFastForward;
    double step = item == tikHour ? 3600 : item == tikMinute ? 60 : 1;
    if (fast && item != tikHour)
        step *= kFastFactor;
    return kind == sbkBackward || kind == sbkFastBackward ? -step : step;
}

std::optional<TcxTimeStep> cxTimeStep(const std::string& text, int selStart, TcxSpinButtonKind kind,
                                      const TcxTimeEditFormat& format, bool circular, const TFormatSettings& settings)
{
    const auto seconds = cxTimeTextToSeconds(text, format, settings);
    if (!seconds)
        return std::nullopt;
    const TcxTimeItemKind item = cxGetTimeItemAt(selStart + 1, format, 0);
    TcxTimeStep step;
    step.Text = text;
    SelectItem(step, text, item, *seconds, format, settings);

    TcxSpinSettings spin;
    spin.ValueType = vtFloat;
    spin.Bounds = {true, true, 0, kLastSecond};
    // The time editor has no default bounds: without Circular it refuses.
    spin.BoundsMode = cxSpinBoundsMode(circular, false);
    const auto stepped = cxSpinStepBy(spin, static_cast<double>(*seconds), cxTimeIncrement(kind, item, *seconds));
    if (stepped) {
        step.Text = cxSecondsToTimeText(cxSpinNumberAsDouble(*stepped), format, settings);
        step.Changed = step.Text != text;
    }
    return step;
}
