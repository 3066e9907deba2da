#include "classlib/oleerror.h"

EOleSysError::EOleSysError(const std::string& what, HRESULT code)
    : Exception(what + ": " + SysErrorMessage(static_cast<unsigned long>(code))), code_(code)
{
}
