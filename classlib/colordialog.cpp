#include "classlib/colordialog.h"

#include <commdlg.h>

#include "classlib/formhost.h"
#include "classlib/propertytable.h"
#include "classlib/lateproc.h"

bool TColorDialog::Execute()
{
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    HWND owner = FormWindowOf(Owner());
    cc.hwndOwner = owner ? owner : GetActiveWindow();
    cc.rgbResult = ColorToRGB(Color);
    cc.lpCustColors = customColors_.data();
    cc.Flags = CC_RGBINIT;
    // comdlg32 comes with the first dialog, not with every start.
    static const auto choose = LateProc<BOOL(WINAPI*)(CHOOSECOLORA*)>("comdlg32.dll", "ChooseColorA");
    if (!choose || !choose(&cc))
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
