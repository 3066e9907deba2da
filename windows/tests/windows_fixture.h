// Shared by the accessory window tests: the application with a main form of
// its own, as in the program, where the calculator window comes first.
#pragma once

#include <string>

class TForm;

// Initializes the application and creates the stand-in main form once.
TForm& MainStandIn();

// Closes the form that is showing modally after the given action ran inside its loop.
void WhileModal(TForm& form, void (*action)());
