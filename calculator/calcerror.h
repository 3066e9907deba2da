// The one error type of the calculator's platform-free code.
#pragma once

#include <stdexcept>
#include <string>

// Raised for every failed conversion or evaluation; what() says what went wrong.
// The window catches it around each calculation and reports it.
class ECalcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
