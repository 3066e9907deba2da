// Popup menus: items with a caption, a check mark and a click handler,
// shown at a screen point with the rules a notification-area menu needs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "classlib/component.h"
#include "classlib/events.h"
#include "classlib/shortcut.h"

class TMenuItem : public TComponent {
public:
    std::string Caption;
    bool Checked = false;
    bool Enabled = true;
    // The key combination that chooses the item without opening the menu; 0 none.
    TShortCut ShortCut = 0;
    TNotifyEvent OnClick;

    // What choosing the item does.
    void Click();

protected:
    const TPropertyTable& Properties() const override;
};

class TPopupMenu : public TComponent {
public:
    // The items in menu order; the menu does not own them.
    const std::vector<TMenuItem*>& Items() const { return items_; }
    void Add(TMenuItem& item) { items_.push_back(&item); }

    // Shows the menu at a screen point and returns once it closes, after
    // the chosen item's OnClick has run.
    void Popup(int x, int y);
    // Whether the context-menu click and key open it by themselves.
    bool AutoPopup = true;
    // The control the menu was last opened for.
    TComponent* PopupComponent = nullptr;
    // A key message (WM_KEYDOWN or WM_SYSKEYDOWN) that is an enabled item's
    // shortcut chooses that item and answers true.
    bool IsShortCut(WPARAM key) const;

    void Loaded() override;

protected:
    // "Items = N1, N2": the owner's menu items of those names, in that order.
    const TPropertyTable& Properties() const override;

private:
    // The window that owns the menu while it is shown.
    HWND PopupWindow() const;

    std::vector<TMenuItem*> items_;
    std::vector<std::string> itemNames_;
};
