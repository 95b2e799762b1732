#pragma once

#include <functional>

// This test program links its own dup2 and fsync in place of the C library's: they do the real work, except
// that a test can make a call fail where the system never fails on demand, and see the calls made.
namespace system_call_hooks {

// dup2 onto this descriptor fails with EBADF, also in a child forked while it is set; -1 for none.
extern int FailingDup2Target;

// Called with each descriptor handed to fsync, before it is synced.
extern std::function<void(int fd)> BeforeFsync;

} // namespace system_call_hooks
