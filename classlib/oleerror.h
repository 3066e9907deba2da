// Failures of COM calls as class-library exceptions.
#pragma once

#include <windows.h>

#include "classlib/exceptions.h"

class EOleSysError : public Exception {
public:
    EOleSysError(const std::string& what, HRESULT code);
    HRESULT ErrorCode() const { return code_; }

private:
    HRESULT code_;
};

// Raises EOleSysError for a failed result; what names the call.
inline void OleCheck(HRESULT hr, const char* what)
{
    if (FAILED(hr))
        throw EOleSysError(what, hr);
}
