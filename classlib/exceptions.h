// Failures of the class library, carrying its own message texts.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EConvertError : public Exception { using Exception::Exception; };
// A variant that cannot be converted, compared or indexed as asked.
class EVariantError : public Exception { using Exception::Exception; };
class EFCreateError : public Exception { using Exception::Exception; };
class EFOpenError : public Exception { using Exception::Exception; };
class EReadError : public Exception { using Exception::Exception; };
class EWriteError : public Exception { using Exception::Exception; };
class EOSError : public Exception { using Exception::Exception; };
class EComponentError : public Exception { using Exception::Exception; };
// An object that is not of the class it is taken as ("Invalid class typecast").
class EInvalidCast : public Exception {
public:
    using Exception::Exception;
    EInvalidCast() : Exception("Invalid class typecast") {}
};
// An index outside a list ("List index out of bounds (%d)").
class EListError : public Exception { using Exception::Exception; };
class EClipboardException : public Exception { using Exception::Exception; };

// The system's text for an error code, without the trailing line break.
std::string SysErrorMessage(unsigned long code);

// Raises EOSError for the calling thread's last error; what names the call.
[[noreturn]] void RaiseLastOSError(const char* what);

// The silent abort: ends an operation without a message.
class EAbort : public Exception { using Exception::Exception; };
// Misuse of an object in its present state (a canvas without a DC).
class EInvalidOperation : public Exception { using Exception::Exception; };
// A picture that cannot be read, or an operation the picture does not allow.
class EInvalidGraphic : public Exception { using Exception::Exception; };
class EInvalidGraphicOperation : public Exception { using Exception::Exception; };
// GDI could not make an object.
class EOutOfResources : public Exception { using Exception::Exception; };
// Memory for a picture or block that cannot be had.
class EOutOfMemory : public Exception { using Exception::Exception; };
