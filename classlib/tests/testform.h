// A real form, shown and in the foreground, for tests that drive windows
// with mouse and keyboard messages.
#pragma once

#include <memory>

#include "classlib/form.h"

std::unique_ptr<TForm> ShowTestForm(int width, int height);
