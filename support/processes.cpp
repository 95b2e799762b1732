#include "support/processes.h"

#include <unistd.h>
#include <vector>

std::string GetProcessExePath(int processId)
{
    if (processId <= 0)
        return "";
    const std::string link = "/proc/" + std::to_string(processId) + "/exe";
    std::vector<char> buffer(1024);
    for (;;) {
        const ssize_t length = readlink(link.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            return "";
        if (static_cast<size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<size_t>(length));
        buffer.resize(buffer.size() * 2); // the path may have been cut: read again with more room
    }
}
