#include "system_call_hooks.h"

#include <cerrno>
#include <dlfcn.h>

namespace system_call_hooks {

int FailingDup2Target = -1;
std::function<void(int fd)> BeforeFsync;

} // namespace system_call_hooks

namespace {

// The C library's own function of that name.
template <typename Function> Function* RealFunction(const char* name)
{
    return reinterpret_cast<Function*>(::dlsym(RTLD_NEXT, name));
}

// Looked up before main, so that a forked child never has to (dlsym is not async-signal-safe).
auto* const RealDup2 = RealFunction<int(int, int)>("dup2");
auto* const RealFsync = RealFunction<int(int)>("fsync");

} // namespace

extern "C" int dup2(int oldFd, int newFd)
{
    if (newFd == system_call_hooks::FailingDup2Target) {
        errno = EBADF;
        return -1;
    }
    return RealDup2(oldFd, newFd);
}

extern "C" int fsync(int fd)
{
    if (system_call_hooks::BeforeFsync)
        system_call_hooks::BeforeFsync(fd);
    return RealFsync(fd);
}
