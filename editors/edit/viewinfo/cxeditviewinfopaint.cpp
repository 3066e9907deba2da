// The painting of the edit view information. These bodies draw nothing yet:
// the drawing itself replaces this file.
#include "editors/edit/viewinfo/cxeditviewinfo.h"

void TcxCustomEditViewInfo::Paint(TcxCanvas&) {}

void TcxCustomEditViewInfo::DrawEditBackground(TcxCanvas&, bool) {}

void TcxCustomEditViewInfo::PaintEditButtons(TcxCanvas&) {}

void TcxCustomEditViewInfo::PaintButton(TcxCanvas&, int) {}

TcxEditButtonFace TcxCustomEditViewInfo::PaintEditButtonFrame(TcxCanvas&, int index)
{
    return {Button(index).Bounds};
}

void TcxCustomEditViewInfo::DrawButtonBackground(TcxCanvas&, int, const TcxEditButtonFace&) {}

void TcxCustomEditViewInfo::DrawButtonContent(TcxCanvas&, int, const TcxEditButtonFace&) {}

TcxEditButtonFace TcxCustomEditViewInfo::DrawButtonBorder3D(TcxCanvas& canvas, int index)
{
    return PaintEditButtonFrame(canvas, index);
}

TcxEditButtonFace TcxCustomEditViewInfo::DrawButtonBorderFlat(TcxCanvas& canvas, int index)
{
    return PaintEditButtonFrame(canvas, index);
}

TcxEditButtonFace TcxCustomEditViewInfo::DrawButtonBorderSimple(TcxCanvas& canvas, int index)
{
    return PaintEditButtonFrame(canvas, index);
}

TcxEditButtonFace TcxCustomEditViewInfo::DrawButtonBorderHotFlat(TcxCanvas& canvas, int index)
{
    return PaintEditButtonFrame(canvas, index);
}

TcxEditButtonFace TcxCustomEditViewInfo::DrawButtonBorderUltraFlat(TcxCanvas& canvas, int index, bool)
{
    return PaintEditButtonFrame(canvas, index);
}

TcxEditButtonFace TcxCustomEditViewInfo::DrawThemedButtonFrame(TcxCanvas& canvas, int index)
{
    return PaintEditButtonFrame(canvas, index);
}
