// The editors' own failures; platform-free so that the mask engines, which
// raise them, stay in the host build.
#pragma once

#include "classlib/exceptions.h"

class EcxEditError : public Exception {
public:
    using Exception::Exception;
};

// A text the editor refuses to store; the editor keeps the focus.
class EcxEditValidationError : public EcxEditError {
public:
    using EcxEditError::EcxEditError;
};
