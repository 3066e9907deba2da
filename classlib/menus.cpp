#include "classlib/menus.h"

#include <memory>
#include <sstream>
#include <type_traits>
#include <utility>
#include <vector>

#include "classlib/application.h"
#include "classlib/formhost.h"
#include "classlib/handlercall.h"
#include "classlib/propertytable.h"

namespace {
struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
} // namespace

void TMenuItem::Click()
{
    CallHandler(OnClick, *this);
}

const TPropertyTable& TMenuItem::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TMenuItem>(TComponent::Properties(), {
        {"Caption", [](TMenuItem& m, const TPropertyValue& v) { m.Caption = v.Text(); }},
        {"Checked", [](TMenuItem& m, const TPropertyValue& v) { m.Checked = v.Bool(); }},
        {"Enabled", [](TMenuItem& m, const TPropertyValue& v) { m.Enabled = v.Bool(); }},
        {"OnClick", [](TMenuItem& m, const TPropertyValue& v) { m.OnClick = v.Handler<TNotifyEvent>(); }},
    });
    return table;
}

const TPropertyTable& TPopupMenu::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TPopupMenu>(TComponent::Properties(), {
        {"Items", [](TPopupMenu& m, const TPropertyValue& v) {
             m.itemNames_.clear();
             std::istringstream names(v.Text());
             for (std::string item; std::getline(names, item, ',');) {
                 item.erase(0, item.find_first_not_of(' '));
                 item.erase(item.find_last_not_of(' ') + 1);
                 if (!item.empty())
                     m.itemNames_.push_back(item);
             }
         }},
    });
    return table;
}

void TPopupMenu::Loaded()
{
    TComponent::Loaded();
    // The items may be described after the menu: look them up only now.
    if (!Owner())
        throw EComponentError(Name() + ": menu items without an owner");
    for (const std::string& name : itemNames_)
        Add(Owner()->Component<TMenuItem>(name));
    itemNames_.clear();
}

HWND TPopupMenu::PopupWindow() const
{
    HWND window = FormWindowOf(Owner());
    return window ? window : Application.Handle();
}

void TPopupMenu::Popup(int x, int y)
{
    UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        RaiseLastOSError("CreatePopupMenu");
    for (std::size_t i = 0; i < items_.size(); ++i) {
        UINT flags = MF_STRING | (items_[i]->Checked ? MF_CHECKED : MF_UNCHECKED) |
                     (items_[i]->Enabled ? MF_ENABLED : MF_GRAYED);
        AppendMenuA(menu.get(), flags, i + 1, items_[i]->Caption.c_str());
    }
    HWND window = PopupWindow();
    // Messages handled while the menu is open may free the menu or an item.
    std::vector<std::pair<TMenuItem*, TLiveness>> items;
    for (TMenuItem* item : items_)
        items.emplace_back(item, item->Liveness());
    const TLiveness alive = Liveness();
    // Without the foreground the menu would not close when the user clicks
    // elsewhere, and without the WM_NULL the next popup would close at once.
    SetForegroundWindow(window);
    UINT chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, window,
                                 nullptr);
    PostMessageA(window, WM_NULL, 0, 0);
    if (alive && chosen >= 1 && chosen <= items.size() && items[chosen - 1].second)
        items[chosen - 1].first->Click();
}

bool TPopupMenu::IsShortCut(WPARAM key) const
{
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    const TShortCut wanted = ::ShortCut(static_cast<WORD>(key), shift);
    if (wanted == 0)
        return false;
    for (TMenuItem* item : items_)
        if (item->Enabled && item->ShortCut == wanted) {
            item->Click();
            return true;
        }
    return false;
}
