// The foundation's units run around every test of the program, as the
// program runs them around its forms.
#pragma once

// Whether this run has the theme library: the second CTest entry removes it.
bool ExpectThemeLibrary();
