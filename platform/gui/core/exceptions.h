#pragma once

#include "support/errors.h"  // EConvertError
#include "support/streams.h" // EStreamError, EFOpenError, EFCreateError, EReadError, EWriteError

#include <stdexcept>
#include <string>

// The exception classes callers of the class-library layer catch by kind; the conversion and stream errors
// are the support library's.

class Exception : public std::runtime_error
{
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

class EListError : public Exception
{
public:
    using Exception::Exception;
};

class EStringListError : public EListError
{
public:
    using EListError::EListError;
};

class EComponentError : public Exception
{
public:
    using Exception::Exception;
};

class EInvalidOperation : public Exception
{
public:
    using Exception::Exception;
};

// An object is not of the class a checked cast asks for.
class EInvalidCast : public Exception
{
public:
    using Exception::Exception;
};

class EInvalidGraphic : public Exception
{
public:
    using Exception::Exception;
};

// A value outside the range an operation works in.
class ERangeError : public Exception
{
public:
    using Exception::Exception;
};

// A condition the code relies on does not hold (the platform's Assert).
class EAssertionFailed : public Exception
{
public:
    using Exception::Exception;
};

// "List index out of bounds (5)"
[[noreturn]] void ThrowListIndexError(int index);
