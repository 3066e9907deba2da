// Pages behind tabs: TPageControl over the comctl32 tab control, and its
// pages TTabSheet, containers whose captions are the tabs. Only the active
// page shows; Ctrl+Tab and Ctrl+Shift+Tab step through the pages from any
// control on them, as the arrow keys do on the focused tabs.
#pragma once

#include <vector>

#include "classlib/customcontrol.h"

class TPageControl;

class TTabSheet : public TCustomControl {
public:
    TTabSheet();

    TPageControl* PageControl() const;
    // The place among the page control's pages; -1 outside one.
    int PageIndex() const;

protected:
    TCreateParams CreateParams() const override;
    void HandleCreated() override;
    void TextChanged() override;
};

class TPageControl : public TWinControl {
public:
    TPageControl();

    // The pages in the order they were added.
    std::vector<TTabSheet*> Pages() const;
    int PageCount() const { return static_cast<int>(Pages().size()); }
    TTabSheet* ActivePage() const;
    // Shows that page and hides the others; an index outside the pages is ignored.
    void SetActivePageIndex(int index);
    int ActivePageIndex() const { return activeIndex_; }
    // The next (or previous) page, wrapping around.
    void SelectNextPage(bool forward);

    // The tabs and the shown page follow the pages' list and captions.
    void PagesChanged();

protected:
    const TPropertyTable& Properties() const override;
    TCreateParams CreateParams() const override;
    const TMessageMap& Messages() const override;
    void HandleCreated() override;
    void Loaded() override;
    void AdjustClientRect(RECT& rect) override;
    void AlignControls(TControl* control, RECT& rect) override;
    void CNNotify(TMessage& message);
    void CMDialogKey(TMessage& message);

private:
    // Puts the page in front, moving a focus inside the page that goes to the new one.
    void ShowPage(int index);

    int activeIndex_ = 0;
};
