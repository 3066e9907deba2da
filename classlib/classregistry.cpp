#include "classlib/classregistry.h"

#include <map>

#include "classlib/bevel.h"
#include "classlib/button.h"
#include "classlib/checkbox.h"
#include "classlib/colordialog.h"
#include "classlib/customedit.h"
#include "classlib/dialogs.h"
#include "classlib/exceptions.h"
#include "classlib/imagelist.h"
#include "classlib/label.h"
#include "classlib/menus.h"
#include "classlib/linklabel.h"
#include "classlib/panel.h"
#include "classlib/speedbutton.h"
#include "classlib/spinedit.h"
#include "classlib/statusbar.h"
#include "classlib/timer.h"
#include "classlib/webbrowser.h"

namespace {
std::map<std::string, TComponentFactory>& Registry()
{
    static std::map<std::string, TComponentFactory> registry = [] {
        std::map<std::string, TComponentFactory> standard;
        auto add = [&]<class T>(const char* name, T*) {
            standard[name] = []() -> std::unique_ptr<TComponent> { return std::make_unique<T>(); };
        };
        add("TMemo", static_cast<TMemo*>(nullptr));
        add("TEdit", static_cast<TEdit*>(nullptr));
        add("TLabel", static_cast<TLabel*>(nullptr));
        add("TPanel", static_cast<TPanel*>(nullptr));
        add("TGroupBox", static_cast<TGroupBox*>(nullptr));
        add("TSpeedButton", static_cast<TSpeedButton*>(nullptr));
        add("TCheckBox", static_cast<TCheckBox*>(nullptr));
        add("TSpinEdit", static_cast<TSpinEdit*>(nullptr));
        add("TImageList", static_cast<TImageList*>(nullptr));
        add("TTimer", static_cast<TTimer*>(nullptr));
        add("TOpenDialog", static_cast<TOpenDialog*>(nullptr));
        add("TSaveDialog", static_cast<TSaveDialog*>(nullptr));
        add("TColorDialog", static_cast<TColorDialog*>(nullptr));
        add("TPopupMenu", static_cast<TPopupMenu*>(nullptr));
        add("TMenuItem", static_cast<TMenuItem*>(nullptr));
        add("TButton", static_cast<TButton*>(nullptr));
        add("TBevel", static_cast<TBevel*>(nullptr));
        add("TStatusBar", static_cast<TStatusBar*>(nullptr));
        add("TLinkLabel", static_cast<TLinkLabel*>(nullptr));
        add("TWebBrowser", static_cast<TWebBrowser*>(nullptr));
        return standard;
    }();
    return registry;
}
} // namespace

void RegisterClass(const std::string& className, TComponentFactory factory)
{
    Registry()[className] = factory;
}

std::unique_ptr<TComponent> CreateComponent(const std::string& className)
{
    auto it = Registry().find(className);
    if (it == Registry().end())
        throw EComponentError("Class " + className + " not found");
    return it->second();
}
