#include "calculator/calcform_glyphs.h"

#include "classlib/canvas.h"
#include "classlib/glyphs.h"

namespace {

// Pen and brush of one colour for the drawing steps that follow.
void Ink(TCanvas& c, TColor color, int width = 1)
{
    c.Pen().SetColor(color);
    c.Pen().SetWidth(width);
    c.Brush().SetColor(color);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
}

// Outlines only from here on.
void NoFill(TCanvas& c)
{
    c.Brush().SetStyle(TBrushStyle::bsClear);
}

constexpr TColor kDark = RGB(40, 40, 40);
constexpr TColor kPaper = RGB(255, 255, 255);
constexpr TColor kBlue = RGB(30, 90, 200);
constexpr TColor kRed = RGB(200, 30, 30);
constexpr TColor kGreen = RGB(20, 140, 60);
constexpr TColor kYellow = RGB(240, 200, 60);

void Line(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void Sheet(TCanvas& c, int x, int y, int w, int h)
{
    Ink(c, kDark);
    c.Brush().SetColor(kPaper);
    c.Rectangle(x, y, x + w, y + h);
    for (int ly = y + 4; ly < y + h - 2; ly += 3)
        Line(c, x + 2, ly, x + w - 3, ly);
}

// A red cross over a sheet: clear the tape.
void Clear(TCanvas& c, int)
{
    Sheet(c, 3, 2, 13, 16);
    Ink(c, kRed, 2);
    Line(c, 9, 9, 17, 17);
    Line(c, 17, 9, 9, 17);
}

// Two sheets: copy the result.
void CopyResult(TCanvas& c, int)
{
    Sheet(c, 2, 2, 10, 12);
    Sheet(c, 8, 6, 10, 12);
}

// A clipboard with a sheet: paste.
void Paste(TCanvas& c, int)
{
    Ink(c, RGB(160, 110, 50));
    c.Rectangle(3, 3, 15, 18);
    Ink(c, RGB(120, 120, 120));
    c.Rectangle(6, 1, 12, 5);
    Sheet(c, 9, 7, 9, 12);
}

// A diskette: save the tape.
void Save(TCanvas& c, int)
{
    Ink(c, kBlue);
    c.Rectangle(2, 2, 18, 18);
    Ink(c, kPaper);
    c.Rectangle(5, 3, 15, 9);
    Ink(c, RGB(190, 190, 190));
    c.Rectangle(6, 12, 14, 18);
}

// An open folder with an arrow into it: import a file.
void Import(TCanvas& c, int)
{
    Ink(c, kYellow);
    c.Rectangle(2, 7, 18, 18);
    c.Rectangle(2, 5, 9, 8);
    Ink(c, kGreen, 2);
    Line(c, 10, 1, 10, 12);
    Line(c, 6, 8, 10, 12);
    Line(c, 14, 8, 10, 12);
}

// A calendar page.
void Calendar(TCanvas& c, int)
{
    Ink(c, kPaper);
    c.Rectangle(2, 3, 18, 18);
    Ink(c, kRed);
    c.Rectangle(2, 3, 18, 7);
    Ink(c, kDark);
    for (int y = 9; y <= 15; y += 3)
        for (int x = 4; x <= 14; x += 3)
            c.Rectangle(x, y, x + 2, y + 2);
}

// A wrench: the tools.
void Tools(TCanvas& c, int)
{
    Ink(c, RGB(90, 90, 110), 3);
    Line(c, 5, 15, 13, 7);
    c.Ellipse(11, 2, 18, 9);
    Ink(c, kGlyphTransparent, 2);
    Line(c, 16, 3, 13, 6);
}

// A house: the home page.
void Home(TCanvas& c, int)
{
    Ink(c, kRed);
    c.Polygon({{10, 2}, {1, 10}, {19, 10}});
    Ink(c, RGB(230, 210, 170));
    c.Rectangle(4, 10, 16, 18);
    Ink(c, kBlue);
    c.Rectangle(8, 12, 12, 18);
}

void Speaker(TCanvas& c)
{
    Ink(c, kDark);
    c.Rectangle(2, 7, 6, 13);
    c.Polygon({{5, 7}, {10, 3}, {10, 17}, {5, 13}});
}

// A speaker with sound waves: the voice is on.
void SoundOn(TCanvas& c, int)
{
    Speaker(c);
    Ink(c, kGreen);
    NoFill(c);
    c.Arc(8, 6, 14, 14, 13, 5, 13, 15);
    c.Arc(8, 3, 18, 17, 17, 2, 17, 18);
}

// A speaker with a red cross: the voice is off.
void SoundOff(TCanvas& c, int)
{
    Speaker(c);
    Ink(c, kRed, 2);
    Line(c, 12, 6, 18, 14);
    Line(c, 18, 6, 12, 14);
}

// A question mark in a circle: help.
void Help(TCanvas& c, int)
{
    Ink(c, kBlue);
    c.Ellipse(1, 1, 19, 19);
    Ink(c, kPaper, 2);
    NoFill(c);
    c.Arc(6, 4, 14, 11, 6, 7, 10, 11);
    Line(c, 10, 11, 10, 13);
    c.Rectangle(9, 15, 11, 17);
}

// A window with its right-hand panel: hide or show the panel.
void PanelToggle(TCanvas& c, int)
{
    Ink(c, kPaper);
    c.Rectangle(1, 3, 19, 17);
    Ink(c, kGreen);
    c.Rectangle(12, 3, 19, 17);
    Ink(c, kDark, 2);
    Line(c, 4, 10, 9, 10);
    Line(c, 7, 8, 9, 10);
    Line(c, 7, 12, 9, 10);
}

// A door with an arrow out: leave the program.
void Exit(TCanvas& c, int)
{
    Ink(c, RGB(150, 90, 40));
    c.Rectangle(2, 2, 11, 18);
    Ink(c, kRed, 2);
    Line(c, 8, 10, 18, 10);
    Line(c, 15, 7, 18, 10);
    Line(c, 15, 13, 18, 10);
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
