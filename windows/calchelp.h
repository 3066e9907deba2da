// The help window: the expression syntax, read-only.
#pragma once

#include <array>

#include "classlib/customedit.h"
#include "classlib/form.h"

// The help lines, in the order the memo shows them.
extern const std::array<const char*, 32> kCalcHelpLines;

class Tf_calchelp : public TForm {
public:
    Tf_calchelp();

    TMemo* Memo1 = nullptr;
};

extern Tf_calchelp* f_calchelp;
