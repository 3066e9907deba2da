#include "editors/controls/time/cxtimeformats.h"

#include "classlib/datetimetext.h"

namespace {

// Noon, whose designator sizes the masks.
constexpr double kNoon = 0.5;

} // namespace

int cxTimeDigitPartLength(TcxTimeEditTimeFormat format)
{
    return 8 - 3 * static_cast<int>(format);
}

TcxTimeFormatTable::TcxTimeFormatTable()
    : cells_{{
          {{{"hh:nn:ss ampm", "00:00:00 LL;1;0"}, {"hh:nn:ss", "00:00:00;1;0"}}},
          {{{"hh:nn ampm", "00:00 LL;1;0"}, {"hh:nn", "00:00;1;0"}}},
          {{{"hh ampm", "00 LL;1;0"}, {"hh", "00;1;0"}}},
      }}
{
}

const TcxTimeFormatCell& TcxTimeFormatTable::Cell(const TcxTimeEditFormat& format) const
{
    return cells_.at(static_cast<std::size_t>(format.TimeFormat)).at(format.Use24HourFormat ? 1 : 0);
}

void TcxTimeFormatTable::UpdateTimeMasks(const TFormatSettings& settings)
{
    const std::string noon = FormatDateTime("hh:mm:ss AMPM", kNoon, settings);
    std::string suffix;
    for (std::size_t i = 8; i < noon.size(); ++i)
        suffix += noon[i] == ' ' ? ' ' : 'c';
    suffix.erase(suffix.find_last_not_of(' ') + 1);
    for (std::size_t row = 0; row < cells_.size(); ++row) {
        const auto digits = static_cast<std::size_t>(cxTimeDigitPartLength(static_cast<TcxTimeEditTimeFormat>(row)));
        cells_[row][0].EditMask = std::string("00:00:00").substr(0, digits) + suffix + ";1;0";
    }
}

TcxTimeFormatTable& cxTimeFormatTable()
{
    static TcxTimeFormatTable table = [] {
        TcxTimeFormatTable t;
        t.UpdateTimeMasks(FormatSettings());
        return t;
    }();
    return table;
}
