#pragma once

#include <string>

// The executable file of a running process; empty when there is no such process or it cannot be read.
std::string GetProcessExePath(int processId);
