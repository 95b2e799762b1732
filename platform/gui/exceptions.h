#pragma once

#include <stdexcept>
#include <string>

// The exception classes callers of the class-library layer catch by kind.

class Exception : public std::runtime_error
{
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

class EConvertError : public Exception
{
public:
    using Exception::Exception;
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

class EStreamError : public Exception
{
public:
    using Exception::Exception;
};

class EFOpenError : public EStreamError
{
public:
    using EStreamError::EStreamError;
};

class EFCreateError : public EStreamError
{
public:
    using EStreamError::EStreamError;
};

class EInvalidGraphic : public Exception
{
public:
    using Exception::Exception;
};

// "List index out of bounds (5)"
[[noreturn]] void ThrowListIndexError(int index);
