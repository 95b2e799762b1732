#pragma once

#include <string>
#include <vector>

// Runs a console tool with an argument vector (never through a shell) and returns its output lines,
// standard output and standard error together. A tool that cannot be started gives no lines.
std::vector<std::string> ReadToolOutput(const std::string& program, const std::vector<std::string>& args);
