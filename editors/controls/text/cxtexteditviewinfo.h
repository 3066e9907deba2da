// What a text editor's view data computed beyond the generic editor's: the
// text as shown (echo and case applied), where it goes and how it is laid
// out, and the highlighted range. Painting draws that text while the inner
// EDIT is hidden, and a focus rectangle around it when focused.
#pragma once

#include <functional>
#include <string>

#include "editors/controls/text/cxtexteditlayout.h"
#include "editors/edit/viewinfo/cxeditviewinfo.h"

class TcxCustomTextEditViewInfo;
// Custom drawing of the text: answers whether it drew.
using TcxTextEditDrawTextEvent = std::function<bool(TcxCustomTextEditViewInfo& sender, TcxCanvas& canvas)>;

class TcxCustomTextEditViewInfo : public TcxCustomEditViewInfo {
public:
    // The text part as well, rows only when laid out.
    void Assign(const TcxContainerViewInfo& source) override;
    // The text rectangle and laid-out rows move too.
    void Translate(int dx, int dy) override;
    // Background, text and focus rectangle, then the buttons.
    void Paint(TcxCanvas& canvas) override;
    // The text in its rectangle, laid out first when it is not yet.
    virtual void DrawText(TcxCanvas& canvas);

    // Whether p (editor coordinates) lies on a text that does not fit; then
    // the whole text and its rectangle on the screen (origin: the editor's
    // top-left corner on the screen).
    bool NeedsHint(TcxCanvas& canvas, POINT p, POINT origin, std::string& hintText, TRect& hintRect);

    // Lays out Text for TextRect unless done already.
    void LayoutText(TcxCanvas& canvas);

    std::string Text;
    TRect TextRect{};
    unsigned TextFlags = 0;
    TcxTextEditingMode EditingMode = temEdit;
    bool PopupOpen = false;
    bool DrawSelectionBar = false;
    // Painted for another control: the text is drawn even with an EDIT.
    bool PaintCopy = false;
    bool HasInnerEdit = false;
    // The text may take more than one row; the end of a cut text shows "...".
    bool MultiRow = true;
    bool EndEllipsis = true;
    int MaxRowCount = 0;
    TColor TextColor = clWindowText;
    TcxTextEditHighlight Highlight{0, 0, clHighlightText, clHighlight};
    TcxTextEditRows TextRows;
    bool RowsValid = false;
    TcxTextEditDrawTextEvent DrawTextHandler;

protected:
    // The text is the view's to draw: a copy, or the EDIT missing or hidden.
    bool DrawsText() const { return PaintCopy || !HasInnerEdit || !InnerEditVisible; }
};
