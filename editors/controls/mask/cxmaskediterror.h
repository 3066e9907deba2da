// The masked editor's own failure: a mask that does not compile.
#pragma once

#include "editors/controls/regexpr/cxregexprerrors.h"
#include "editors/edit/core/cxediterror.h"

class EcxMaskEditError : public EcxEditError {
public:
    using EcxEditError::EcxEditError;
};

// "Regular expression errors:" (in the texts' words) and one line per error.
EcxMaskEditError cxMaskEditErrorOf(const EcxRegExprError& error, const std::string& heading);
