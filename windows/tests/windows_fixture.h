// Shared by the accessory window tests: the application with a main form of
// its own, as in the program, where the calculator window comes first.
#pragma once

#include <windows.h>

#include <string>

class TForm;

// Initializes the application and creates the stand-in main form once.
TForm& MainStandIn();

// A fixed frame with only the system-menu box, its client area of that
// size, centred on the desktop.
void ExpectSystemMenuOnlyCentred(HWND window, int clientWidth, int clientHeight);

// Closes the form that is showing modally after the given action ran inside its loop.
void WhileModal(TForm& form, void (*action)());
