// The toolbar's pictures, drawn in code.
#pragma once

// Registers every toolbar glyph with the class library (once is enough, more is harmless).
void RegisterCalcGlyphs();
