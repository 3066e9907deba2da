#include "editors/foundation/controls/cxcontrolsunit.h"

#include "classlib/screen.h"
#include "editors/foundation/system/cxmousetracking.h"
#include "editors/foundation/system/cxsettingscontroller.h"
#include "editors/foundation/system/cxtimer.h"

namespace {

struct TLibraryCursor {
    TCursor Id;
    const char* Resource;
};
const TLibraryCursor kCursors[] = {
    {crcxDragCopy, "CX_DRAGCOPYCURSOR"},     {crcxFullScroll, "CX_FULLSCROLLCURSOR"},
    {crcxHorScroll, "CX_HORSCROLLCURSOR"},   {crcxVerScroll, "CX_VERSCROLLCURSOR"},
    {crcxUpScroll, "CX_UPSCROLLCURSOR"},     {crcxRightScroll, "CX_RIGHTSCROLLCURSOR"},
    {crcxDownScroll, "CX_DOWNSCROLLCURSOR"}, {crcxLeftScroll, "CX_LEFTSCROLLCURSOR"},
    {crcxRemove, "CX_REMOVECURSOR"},         {crcxVertSize, "CX_VERTSIZECURSOR"},
    {crcxHorzSize, "CX_HORZSIZECURSOR"},     {crcxMultiDrag, "CX_MULTIDRAGCURSOR"},
    {crcxNoDrop, "CX_NODROPCURSOR"},         {crcxDrag, "CX_DRAGCURSOR"},
    {crcxHandPoint, nullptr},                {crcxColorPicker, "CX_COLORPICKERCURSOR"},
};

} // namespace

void cxControlsInitialize()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const TLibraryCursor& c : kCursors) {
        if (c.Resource)
            Screen.SetCursorResource(c.Id, instance, c.Resource);
        else
            Screen.SetCursorResource(c.Id, nullptr, IDC_HAND);
    }
}

void cxControlsFinalize()
{
    cxMouseTrackingFinalize();
    cxSettingsControllerFinalize();
    cxTimersFinalize();
}
