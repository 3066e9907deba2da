// Text layout and output on a DC: parameters from the DC's font, rows
// measured with it, and the rows drawn with justification, clipping, an end
// ellipsis "..." and one highlighted byte range.
#pragma once

#include <windows.h>

#include <string>

#include "classlib/canvas.h"
#include "editors/foundation/core/cxtextlayout.h"

TcxTextParams cxInitTextParams(HDC dc, unsigned flags);
TcxTextParams cxInitTextParamsForCanvas(TCanvas& canvas, unsigned flags);
// Width of length bytes: with tabs through the tab functions, or DrawText past 4096 bytes.
int cxTextRangeWidth(HDC dc, const char* text, int length, bool expandTabs);

bool cxLayoutTextRows(HDC dc, const std::string& text, const RECT& r, int maxRows, TcxTextRows& rows,
                      const TcxTextParams& params);
bool cxLayoutTextRowsForCanvas(TCanvas& canvas, const std::string& text, const RECT& r, int maxRows,
                               TcxTextRows& rows, const TcxTextParams& params);
// highlightStart counts bytes from 0; a highlight brush colour of clNone fills nothing.
void cxDrawTextRows(HDC dc, const std::string& text, const RECT& r, const TcxTextParams& params, bool textCutOff,
                    TColor highlightTextColor, TColor highlightBrushColor, std::size_t highlightStart,
                    std::size_t highlightLength, TcxTextRows& rows);
