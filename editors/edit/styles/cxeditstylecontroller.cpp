#include "editors/edit/styles/cxeditstylecontroller.h"

#include "classlib/propertytable.h"

TcxEditStyleController::TcxEditStyleController(TComponent* owner)
    : TcxStyleController(owner, &TcxEditStyle::Create, &TcxContainerStyles::Create)
{
}

TPersistent* TcxEditStyleController::NestedObject(std::string_view name)
{
    constexpr struct {
        const char* Name;
        TcxContainerStyleState State;
    } kStyles[] = {{"Style", cssNormal}, {"StyleFocused", cssFocused}, {"StyleDisabled", cssDisabled},
                   {"StyleHot", cssHot}};
    for (const auto& style : kStyles)
        if (name == style.Name)
            return &StyleOf(style.State);
    return TcxStyleController::NestedObject(name);
}

const TPropertyTable& TcxEditStyleController::Properties() const
{
    using C = TcxEditStyleController;
    static const TPropertyTable table = TPropertyTable::Of<C>(TcxStyleController::Properties(), {
        {"OnStyleChanged", [](C& c, const TPropertyValue& v) { c.OnStyleChanged = v.Handler<TNotifyEvent>(); }},
    });
    return table;
}
