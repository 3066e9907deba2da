#include "classlib/pagecontrol.h"

#include <commctrl.h>

#include <algorithm>

#include "classlib/handlercall.h"

TTabSheet::TTabSheet()
{
    SetAlign(TAlign::alClient);
}

TCreateParams TTabSheet::CreateParams() const
{
    TCreateParams params = TCustomControl::CreateParams();
    params.style |= WS_CLIPCHILDREN;
    // Tab and the dialog keys walk into the page's controls.
    params.exStyle |= WS_EX_CONTROLPARENT;
    return params;
}

TPageControl* TTabSheet::PageControl() const
{
    return dynamic_cast<TPageControl*>(Parent());
}

int TTabSheet::PageIndex() const
{
    if (TPageControl* pages = PageControl()) {
        const auto list = pages->Pages();
        auto it = std::find(list.begin(), list.end(), this);
        return static_cast<int>(it - list.begin());
    }
    return -1;
}

void TTabSheet::HandleCreated()
{
    TCustomControl::HandleCreated();
    if (TPageControl* pages = PageControl())
        pages->PagesChanged();
}

void TTabSheet::TextChanged()
{
    TCustomControl::TextChanged();
    if (TPageControl* pages = PageControl())
        pages->PagesChanged();
}

TPageControl::TPageControl()
{
    SetTabStop(true);
}

TCreateParams TPageControl::CreateParams() const
{
    return {WC_TABCONTROLA, WS_CLIPCHILDREN | TCS_TABS | TCS_SINGLELINE, WS_EX_CONTROLPARENT};
}

std::vector<TTabSheet*> TPageControl::Pages() const
{
    std::vector<TTabSheet*> pages;
    for (TControl* c : Controls())
        if (auto* sheet = dynamic_cast<TTabSheet*>(c))
            pages.push_back(sheet);
    return pages;
}

TTabSheet* TPageControl::ActivePage() const
{
    const auto pages = Pages();
    return activeIndex_ >= 0 && activeIndex_ < static_cast<int>(pages.size()) ? pages[static_cast<size_t>(activeIndex_)]
                                                                               : nullptr;
}

void TPageControl::HandleCreated()
{
    TWinControl::HandleCreated();
    PagesChanged();
}

void TPageControl::Loaded()
{
    TWinControl::Loaded();
    PagesChanged();
}

void TPageControl::PagesChanged()
{
    const auto pages = Pages();
    if (HandleAllocated()) {
        // The tabs again from the pages: few, and it keeps them in step with no bookkeeping.
        SendMessageA(Handle(), TCM_DELETEALLITEMS, 0, 0);
        for (size_t i = 0; i < pages.size(); ++i) {
            std::string caption = pages[i]->Text();
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageA(Handle(), TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
    }
    if (ComponentState() & csLoading)
        return;
    ShowPage(std::clamp(activeIndex_, 0, std::max(0, static_cast<int>(pages.size()) - 1)));
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index < 0 || index >= PageCount())
        return;
    activeIndex_ = index;
    if (!(ComponentState() & csLoading))
        ShowPage(index);
}

void TPageControl::SelectNextPage(bool forward)
{
    const int count = PageCount();
    if (count > 1)
        SetActivePageIndex((activeIndex_ + (forward ? 1 : count - 1)) % count);
}

void TPageControl::ShowPage(int index)
{
    const auto pages = Pages();
    activeIndex_ = index;
    if (HandleAllocated() && SendMessageA(Handle(), TCM_GETCURSEL, 0, 0) != index)
        SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (pages.empty())
        return;
    TTabSheet* shown = pages[static_cast<size_t>(index)];
    const TLiveness alive = Liveness();
    // A focus on the page that goes moves to the first control of the new one.
    HWND focus = GetFocus();
    TTabSheet* hidden = nullptr;
    for (TTabSheet* page : pages)
        if (page != shown && page->Visible())
            hidden = page;
    const bool focusOnHidden = hidden && hidden->HandleAllocated() && IsChild(hidden->Handle(), focus);
    shown->SetVisible(true);
    if (!alive)
        return;
    if (shown->HandleAllocated())
        BringWindowToTop(shown->Handle());
    if (focusOnHidden) {
        if (TControl* first = shown->FindNextControl(nullptr, true, true))
            first->SetFocus();
        else if (CanFocus())
            SetFocus();
    }
    for (TTabSheet* page : Pages())
        if (alive && page != shown)
            page->SetVisible(false);
}

void TPageControl::AdjustClientRect(RECT& rect)
{
    TWinControl::AdjustClientRect(rect);
    if (HandleAllocated())
        SendMessageA(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
}

// Every page fills the area under the tabs, shown or not, so that it is in
// place when its turn comes.
void TPageControl::AlignControls(TControl* control, RECT& rect)
{
    for (TTabSheet* page : Pages())
        page->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    TWinControl::AlignControls(control, rect);
}

const TMessageMap& TPageControl::Messages() const
{
    static const TMessageMap map(TWinControl::Messages(),
                                 {{CN_NOTIFY, &TPageControl::CNNotify}, {CM_DIALOGKEY, &TPageControl::CMDialogKey}});
    return map;
}

void TPageControl::CNNotify(TMessage& m)
{
    const auto* header = reinterpret_cast<const NMHDR*>(m.LParam);
    if (header->code != static_cast<UINT>(TCN_SELCHANGE))
        return;
    const int index = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
    if (index < 0 || index == activeIndex_)
        return;
    const TLiveness alive = Liveness();
    SetActivePageIndex(index);
    if (alive)
        CallHandler(OnChange, *this);
}

void TPageControl::CMDialogKey(TMessage& m)
{
    const TShiftState shift = KeyShift();
    const HWND focus = GetFocus();
    if (LOWORD(m.WParam) == VK_TAB && (shift & ssCtrl) && HandleAllocated() &&
        (focus == Handle() || IsChild(Handle(), focus))) {
        const TLiveness alive = Liveness();
        SelectNextPage(!(shift & ssShift));
        if (alive)
            CallHandler(OnChange, *this);
        m.Result = 1;
        return;
    }
    TWinControl::Messages().Dispatch(*this, m);
}

const TPropertyTable& TPageControl::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TPageControl>(TWinControl::Properties(), {
        {"ActivePageIndex", [](TPageControl& p, const TPropertyValue& v) { p.activeIndex_ = v.Int(); }},
    });
    return table;
}
