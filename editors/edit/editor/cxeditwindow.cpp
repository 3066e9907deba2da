// The editor's own window messages and its place in the Tab order.
#include <algorithm>

#include "classlib/messages.h"
#include "editors/edit/editor/cxedit.h"

const TMessageMap& TcxCustomEdit::Messages() const
{
    static const TMessageMap map(TcxContainer::Messages(), {
                                                               {CM_DIALOGCHAR, &TcxCustomEdit::CMDialogChar},
                                                               {CM_SHOWINGCHANGED, &TcxCustomEdit::CMShowingChanged},
                                                               {WM_COPY, &TcxCustomEdit::WMCopy},
                                                               {WM_CUT, &TcxCustomEdit::WMCut},
                                                               {WM_PASTE, &TcxCustomEdit::WMPaste},
                                                           });
    return map;
}

void TcxCustomEdit::WndProc(TMessage& m)
{
    // Setting the window region asks for the frame again: nothing to compute then.
    if (settingWindowRegion_ && m.Msg == WM_NCCALCSIZE) {
        m.Result = 0;
        return;
    }
    TcxContainer::WndProc(m);
}

// In place, the control the editor lives in has the context menu.
void TcxCustomEdit::DefaultHandler(TMessage& m)
{
    if (inPlace_ && m.Msg == WM_CONTEXTMENU)
        return;
    TcxContainer::DefaultHandler(m);
}

void TcxCustomEdit::GetTabOrderList(std::vector<TControl*>& list) const
{
    TcxContainer::GetTabOrderList(list);
    if (inPlace_ && Visible())
        list.erase(std::remove(list.begin(), list.end(), static_cast<TControl*>(Parent())), list.end());
}

bool TcxCustomEdit::IsTransparent() const
{
    return transparent_ || IsTransparentHook();
}

bool TcxCustomEdit::IsNativeStyle() const
{
    return TcxContainer::IsNativeStyle();
}
