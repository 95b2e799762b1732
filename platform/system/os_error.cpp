#include "platform/system/os_error.h"

#include <cerrno>
#include <cstring>

EOSError::EOSError(const std::string& action, int errorCode)
    : std::runtime_error(action + ": " + std::strerror(errorCode)), FErrorCode(errorCode)
{}

void RaiseLastOSError(const std::string& action)
{
    throw EOSError(action, errno);
}
