#include "classlib/screen.h"

#include <iterator>

TScreen Screen;
TMouse Mouse;

namespace {
struct TSystemCursor {
    TCursor id;
    LPCSTR resource;
};

// The class library's ids of the system cursors.
const TSystemCursor kSystemCursors[] = {
    {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},     {crIBeam, IDC_IBEAM},   {crSizeNESW, IDC_SIZENESW},
    {crSizeNS, IDC_SIZENS},     {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE}, {crUpArrow, IDC_UPARROW},
    {crHourGlass, IDC_WAIT},    {crNo, IDC_NO},           {crAppStart, IDC_APPSTARTING}, {crHelp, IDC_HELP},
    {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL},
    // The drag cursors have no system image of their own: the arrow, and the
    // no-entry sign where nothing may be dropped.
    {crDrag, IDC_ARROW},        {crNoDrop, IDC_NO},
};
} // namespace

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor == cursor_)
        return;
    cursor_ = cursor;
    RefreshCursor();
}

void TScreen::RefreshCursor() const
{
    // Putting the mouse where it is makes Windows ask for the cursor again.
    POINT p;
    if (GetCursorPos(&p))
        SetCursorPos(p.x, p.y);
}

HCURSOR TScreen::Cursors(TCursor id) const
{
    if (id == crNone)
        return nullptr;
    if (auto it = registered_.find(id); it != registered_.end()) {
        TRegistered& r = it->second;
        if (r.resource) {
            r.cursor = LoadCursorA(r.instance, r.resource);
            r.resource = nullptr;
        }
        return r.cursor;
    }
    for (const auto& c : kSystemCursors)
        if (c.id == id)
            return LoadCursorA(nullptr, c.resource);
    return LoadCursorA(nullptr, IDC_ARROW);
}

int TMouse::WheelScrollLines() const
{
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return static_cast<int>(lines);
}
