// Showing a form modally: the application's other windows are disabled and
// messages are handled here until the form is hidden (closed).
#pragma once

class TForm;

void ShowModal(TForm& form);
