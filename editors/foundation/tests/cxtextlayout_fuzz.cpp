// Any bytes, widths, rectangles and flags lay out into rows that follow one
// another, never split a double-byte character, always move on, and keep
// their highlight inside the row.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "editors/foundation/core/cxtext.h"
#include "editors/foundation/core/cxtextlayout.h"
#include "editors/foundation/tests/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto flags = Take<std::uint32_t>(data, size);
    auto r = TRect{Take<std::int16_t>(data, size), Take<std::int16_t>(data, size), Take<std::int16_t>(data, size),
                   Take<std::int16_t>(data, size)};
    auto maxRows = Take<std::int8_t>(data, size);
    TcxFontMetrics metrics;
    metrics.Height = Take<std::uint8_t>(data, size);
    metrics.BreakChar = Take<std::uint8_t>(data, size);
    std::uint8_t widths[4];
    for (auto& w : widths)
        w = Take<std::uint8_t>(data, size) % 16;
    const std::string text(reinterpret_cast<const char*>(data), size);

    // A byte's width depends on its value: some are 0 wide.
    TcxTextMeasurer measure = [&](const char* p, int length) {
        if (p < text.data() || p + length > text.data() + text.size() || length <= 0)
            std::abort();
        int w = 0;
        for (int i = 0; i < length; ++i)
            w += widths[static_cast<unsigned char>(p[i]) % 4];
        return w;
    };
    TcxTextParams params = cxMakeTextParams(flags, metrics, 3 * widths[0], flags & 0x1000);
    TcxTextRows rows;
    bool complete = cxLayoutTextRows(text, r, maxRows, params, measure, rows);
    if (text.empty() && (!rows.empty() || !complete))
        std::abort();
    if (maxRows > 0 && rows.size() > static_cast<std::size_t>(maxRows))
        std::abort();

    // Character starts of the whole text.
    std::vector<bool> starts(text.size() + 1, false);
    for (std::size_t i = 0; i < text.size(); i = cxNextCharOffset(text, i))
        starts[i] = true;
    starts[text.size()] = true;
    std::size_t previousEnd = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TcxTextRow& row = rows[i];
        std::size_t end = row.Offset + static_cast<std::size_t>(row.Length);
        if (row.Length < 0 || end > text.size() || row.Offset < previousEnd || !starts[row.Offset] || !starts[end])
            std::abort();
        if (i > 0 && row.Offset <= rows[i - 1].Offset)
            std::abort();
        previousEnd = end;
        std::vector<int> extents(static_cast<std::size_t>(row.Length));
        for (std::size_t k = 0; k < extents.size(); ++k)
            extents[k] = measure(row.Text(text), static_cast<int>(k + 1));
        auto [left, right] = cxRowHighlightRange(row, extents, flags >> 8, flags >> 20, flags & 0x8);
        if (left > right || left < 0 || right > std::max(row.Width, 0))
            std::abort();
    }
    cxPlaceTextRows(r, params, rows);
    return 0;
}
