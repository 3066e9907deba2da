// The tools window's sums and differences as Python's datetime works them
// out (tools/make-tools-table.py writes the rows into toolstable.inc).
#pragma once

struct TToolsMoment {
    int year, month, day, hour, minute, second;
};

// start + days, then hours, then minutes: what Edit2 shows, or nullptr for
// a result outside the years 1 to 9999.
struct TToolsSumRow {
    TToolsMoment start;
    const char *days, *hours, *minutes;
    const char* result;
};

// d2 against d3: what Edit6 to Edit9 show.
struct TToolsSpanRow {
    TToolsMoment d2, d3;
    const char *days, *hours, *minutes, *seconds;
};

inline constexpr TToolsSumRow kToolsSums[] = {
#define TOOLS_SUM_ROWS
#include "windows/tests/toolstable.inc"
#undef TOOLS_SUM_ROWS
};

inline constexpr TToolsSpanRow kToolsSpans[] = {
#define TOOLS_SPAN_ROWS
#include "windows/tests/toolstable.inc"
#undef TOOLS_SPAN_ROWS
};
