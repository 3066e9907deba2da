// Showing a form modally: the application's other windows are disabled and
// messages are handled here until the form is hidden (closed) or its
// ModalResult is set.
#pragma once

#include "classlib/form.h"

// The form's ModalResult; mrCancel when it was closed without one.
TModalResult ShowModal(TForm& form);
