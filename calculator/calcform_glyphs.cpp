#include "calculator/calcform_glyphs.h"

#include <windows.h>

#include "classlib/glyphs.h"
#include "classlib/handles.h"

namespace {

// Pen and brush of one colour for the duration of a drawing step.
class Ink {
public:
    Ink(HDC dc, COLORREF color, int width = 1)
        : pen_(CreatePen(PS_SOLID, width, color)), brush_(CreateSolidBrush(color)), usePen_(dc, pen_.get()),
          useBrush_(dc, brush_.get())
    {
    }

private:
    // Declared first, so they are deleted after being deselected.
    UniqueHandle<HPEN, GdiDeleter> pen_;
    UniqueBrush brush_;
    SelectObjectScope usePen_;
    SelectObjectScope useBrush_;
};

constexpr COLORREF kDark = RGB(40, 40, 40);
constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(30, 90, 200);
constexpr COLORREF kRed = RGB(200, 30, 30);
constexpr COLORREF kGreen = RGB(20, 140, 60);
constexpr COLORREF kYellow = RGB(240, 200, 60);

void Line(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

void Sheet(HDC dc, int x, int y, int w, int h)
{
    Ink ink(dc, kDark);
    UniqueBrush white(CreateSolidBrush(kPaper));
    SelectObjectScope use(dc, white.get());
    Rectangle(dc, x, y, x + w, y + h);
    for (int ly = y + 4; ly < y + h - 2; ly += 3)
        Line(dc, x + 2, ly, x + w - 3, ly);
}

// A red cross over a sheet: clear the tape.
void Clear(HDC dc, int)
{
    Sheet(dc, 3, 2, 13, 16);
    Ink red(dc, kRed, 2);
    Line(dc, 9, 9, 17, 17);
    Line(dc, 17, 9, 9, 17);
}

// Two sheets: copy the result.
void CopyResult(HDC dc, int)
{
    Sheet(dc, 2, 2, 10, 12);
    Sheet(dc, 8, 6, 10, 12);
}

// A clipboard with a sheet: paste.
void Paste(HDC dc, int)
{
    {
        Ink board(dc, RGB(160, 110, 50));
        Rectangle(dc, 3, 3, 15, 18);
    }
    {
        Ink clip(dc, RGB(120, 120, 120));
        Rectangle(dc, 6, 1, 12, 5);
    }
    Sheet(dc, 9, 7, 9, 12);
}

// A diskette: save the tape.
void Save(HDC dc, int)
{
    {
        Ink body(dc, kBlue);
        Rectangle(dc, 2, 2, 18, 18);
    }
    {
        Ink label(dc, kPaper);
        Rectangle(dc, 5, 3, 15, 9);
    }
    Ink shutter(dc, RGB(190, 190, 190));
    Rectangle(dc, 6, 12, 14, 18);
}

// An open folder with an arrow into it: import a file.
void Import(HDC dc, int)
{
    {
        Ink folder(dc, kYellow);
        Rectangle(dc, 2, 7, 18, 18);
        Rectangle(dc, 2, 5, 9, 8);
    }
    Ink arrow(dc, kGreen, 2);
    Line(dc, 10, 1, 10, 12);
    Line(dc, 6, 8, 10, 12);
    Line(dc, 14, 8, 10, 12);
}

// A calendar page.
void Calendar(HDC dc, int)
{
    {
        Ink page(dc, kPaper);
        Rectangle(dc, 2, 3, 18, 18);
    }
    {
        Ink top(dc, kRed);
        Rectangle(dc, 2, 3, 18, 7);
    }
    Ink grid(dc, kDark);
    for (int y = 9; y <= 15; y += 3)
        for (int x = 4; x <= 14; x += 3)
            Rectangle(dc, x, y, x + 2, y + 2);
}

// A wrench: the tools.
void Tools(HDC dc, int)
{
    Ink steel(dc, RGB(90, 90, 110), 3);
    Line(dc, 5, 15, 13, 7);
    Ellipse(dc, 11, 2, 18, 9);
    Ink gap(dc, kGlyphTransparent, 2);
    Line(dc, 16, 3, 13, 6);
}

// A house: the home page.
void Home(HDC dc, int)
{
    {
        Ink roof(dc, kRed);
        POINT pts[] = {{10, 2}, {1, 10}, {19, 10}};
        Polygon(dc, pts, 3);
    }
    {
        Ink wall(dc, RGB(230, 210, 170));
        Rectangle(dc, 4, 10, 16, 18);
    }
    Ink door(dc, kBlue);
    Rectangle(dc, 8, 12, 12, 18);
}

void Speaker(HDC dc)
{
    Ink body(dc, kDark);
    Rectangle(dc, 2, 7, 6, 13);
    POINT cone[] = {{5, 7}, {10, 3}, {10, 17}, {5, 13}};
    Polygon(dc, cone, 4);
}

// A speaker with sound waves: the voice is on.
void SoundOn(HDC dc, int)
{
    Speaker(dc);
    Ink wave(dc, kGreen, 1);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Arc(dc, 8, 6, 14, 14, 13, 5, 13, 15);
    Arc(dc, 8, 3, 18, 17, 17, 2, 17, 18);
}

// A speaker with a red cross: the voice is off.
void SoundOff(HDC dc, int)
{
    Speaker(dc);
    Ink red(dc, kRed, 2);
    Line(dc, 12, 6, 18, 14);
    Line(dc, 18, 6, 12, 14);
}

// A question mark in a circle: help.
void Help(HDC dc, int)
{
    {
        Ink circle(dc, kBlue);
        Ellipse(dc, 1, 1, 19, 19);
    }
    Ink mark(dc, kPaper, 2);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Arc(dc, 6, 4, 14, 11, 6, 7, 10, 11);
    Line(dc, 10, 11, 10, 13);
    Rectangle(dc, 9, 15, 11, 17);
}

// A window with its right-hand panel: hide or show the panel.
void PanelToggle(HDC dc, int)
{
    {
        Ink frame(dc, kPaper);
        Rectangle(dc, 1, 3, 19, 17);
    }
    Ink side(dc, kGreen);
    Rectangle(dc, 12, 3, 19, 17);
    Ink arrow(dc, kDark, 2);
    Line(dc, 4, 10, 9, 10);
    Line(dc, 7, 8, 9, 10);
    Line(dc, 7, 12, 9, 10);
}

// A door with an arrow out: leave the program.
void Exit(HDC dc, int)
{
    {
        Ink door(dc, RGB(150, 90, 40));
        Rectangle(dc, 2, 2, 11, 18);
    }
    Ink arrow(dc, kRed, 2);
    Line(dc, 8, 10, 18, 10);
    Line(dc, 15, 7, 18, 10);
    Line(dc, 15, 13, 18, 10);
}

} // namespace

void RegisterCalcGlyphs()
{
    RegisterGlyph("clear", Clear);
    RegisterGlyph("copyresult", CopyResult);
    RegisterGlyph("paste", Paste);
    RegisterGlyph("save", Save);
    RegisterGlyph("import", Import);
    RegisterGlyph("calendar", Calendar);
    RegisterGlyph("tools", Tools);
    RegisterGlyph("home", Home);
    RegisterGlyph("sound_on", SoundOn);
    RegisterGlyph("sound_off", SoundOff);
    RegisterGlyph("help", Help);
    RegisterGlyph("panel", PanelToggle);
    RegisterGlyph("exit", Exit);
}
