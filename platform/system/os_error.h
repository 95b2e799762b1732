#pragma once

#include <stdexcept>
#include <string>

// An operating-system call failed. The message names what was attempted and gives the system's own text;
// ErrorCode() is the errno value.
class EOSError : public std::runtime_error
{
public:
    EOSError(const std::string& action, int errorCode);
    int ErrorCode() const { return FErrorCode; }

private:
    int FErrorCode;
};

// Throws EOSError for the current errno.
[[noreturn]] void RaiseLastOSError(const std::string& action);
