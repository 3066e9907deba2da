#include "classlib/colordialog.h"

#include <commdlg.h>

#include "classlib/form.h"

bool TColorDialog::Execute()
{
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    auto* form = dynamic_cast<TForm*>(Owner());
    cc.hwndOwner = form && form->HandleAllocated() ? form->Handle() : GetActiveWindow();
    cc.rgbResult = ColorToRGB(Color);
    cc.lpCustColors = customColors_.data();
    cc.Flags = CC_RGBINIT;
    if (!ChooseColorA(&cc))
        return false;
    Color = static_cast<TColor>(cc.rgbResult);
    return true;
}

const TPropertyTable& TColorDialog::Properties() const
{
    static const TPropertyTable table = TPropertyTable::Of<TColorDialog>(TComponent::Properties(), {
        {"Color", [](TColorDialog& d, const TPropertyValue& v) { d.Color = v.Color(); }},
    });
    return table;
}
