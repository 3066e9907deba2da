#include "classlib/menus.h"

#include <memory>
#include <sstream>
#include <type_traits>

#include "classlib/application.h"
#include "classlib/control.h"
#include "classlib/form.h"

namespace {
struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
} // namespace

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(*this);
}

bool TMenuItem::SetProperty(const std::string& name, const std::string& value)
{
    if (name == "Caption")
        Caption = value;
    else if (name == "Checked")
        Checked = PropertyBool(name, value);
    else if (name == "OnClick") {
        auto* form = dynamic_cast<TForm*>(Owner());
        if (!form)
            throw EComponentError("No form for handler " + value);
        OnClick = form->Handler<TNotifyEvent>(value);
    } else
        return TComponent::SetProperty(name, value);
    return true;
}

bool TPopupMenu::SetProperty(const std::string& name, const std::string& value)
{
    if (name != "Items")
        return TComponent::SetProperty(name, value);
    itemNames_.clear();
    std::istringstream names(value);
    for (std::string item; std::getline(names, item, ',');) {
        item.erase(0, item.find_first_not_of(' '));
        item.erase(item.find_last_not_of(' ') + 1);
        if (!item.empty())
            itemNames_.push_back(item);
    }
    return true;
}

void TPopupMenu::Loaded()
{
    // The items may be described after the menu: look them up only now.
    if (!Owner())
        throw EComponentError(Name() + ": menu items without an owner");
    for (const std::string& name : itemNames_)
        Add(Owner()->Component<TMenuItem>(name));
    itemNames_.clear();
}

HWND TPopupMenu::PopupWindow() const
{
    if (auto* form = dynamic_cast<TForm*>(Owner()); form && form->HandleAllocated())
        return form->Handle();
    return Application.Handle();
}

void TPopupMenu::Popup(int x, int y)
{
    UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        RaiseLastOSError("CreatePopupMenu");
    for (std::size_t i = 0; i < items_.size(); ++i) {
        UINT flags = MF_STRING | (items_[i]->Checked ? MF_CHECKED : MF_UNCHECKED);
        AppendMenuA(menu.get(), flags, i + 1, items_[i]->Caption.c_str());
    }
    HWND window = PopupWindow();
    // Without the foreground the menu would not close when the user clicks
    // elsewhere, and without the WM_NULL the next popup would close at once.
    SetForegroundWindow(window);
    UINT chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, x, y, 0, window,
                                 nullptr);
    PostMessageA(window, WM_NULL, 0, 0);
    if (chosen >= 1 && chosen <= items_.size())
        items_[chosen - 1]->Click();
}
