// The time editor's formats: for each TimeFormat and hour mode a display
// format and an edit mask, the 12-hour masks fitted to the locale's
// designator.
#pragma once

#include <array>
#include <string>

#include "classlib/formatsettings.h"

enum TcxTimeEditTimeFormat { tfHourMinSec, tfHourMin, tfHour };

// Which cell of the table an editor uses.
struct TcxTimeEditFormat {
    TcxTimeEditTimeFormat TimeFormat = tfHourMinSec;
    bool Use24HourFormat = true;
};

struct TcxTimeFormatCell {
    std::string DisplayFormat;
    std::string EditMask;
};

class TcxTimeFormatTable {
public:
    // The stored table; its 12-hour masks hold "LL" until UpdateTimeMasks.
    TcxTimeFormatTable();

    const TcxTimeFormatCell& Cell(const TcxTimeEditFormat& format) const;
    // Rebuilds the three 12-hour masks from the designator that
    // FormatDateTime gives noon: a 'c' for each of its bytes, a blank for
    // each blank ("00:00:00 cccc;1;0" for a four-byte one, no suffix for none).
    void UpdateTimeMasks(const TFormatSettings& settings);

private:
    // [TimeFormat][Use24HourFormat]
    std::array<std::array<TcxTimeFormatCell, 2>, 3> cells_;
};

// The time editors' one table, its 12-hour masks fitted to the process's
// settings on first use. GUI thread only.
TcxTimeFormatTable& cxTimeFormatTable();

// The bytes of the digit part: 8, 5 or 2 ("00:00:00", "00:00", "00").
int cxTimeDigitPartLength(TcxTimeEditTimeFormat format);
