#include "support/processes.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

TEST(Processes, ExePathOfAChild)
{
    char sleepName[] = "sleep";
    char seconds[] = "30";
    char* argv[] = {sleepName, seconds, nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawnp(&child, "sleep", nullptr, nullptr, argv, environ), 0);
    const std::string path = GetProcessExePath(child);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(path.starts_with("/")) << path;
    EXPECT_TRUE(path.ends_with("/sleep")) << path;
}

TEST(Processes, ExePathOfAnUnusedIdentifierIsEmpty)
{
    long pidMax = 4194304;
    std::ifstream("/proc/sys/kernel/pid_max") >> pidMax;
    EXPECT_EQ(GetProcessExePath(static_cast<int>(pidMax) + 1), "");
    EXPECT_EQ(GetProcessExePath(0), "");
}

} // namespace
