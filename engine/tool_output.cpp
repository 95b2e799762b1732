#include "engine/tool_output.h"

#include "engine/console_runner.h"

#include <stdexcept>

std::vector<std::string> ReadToolOutput(const std::string& program, const std::vector<std::string>& args)
{
    std::vector<std::string> lines;
    try {
        RunConsoleApp(program, args, &lines, nullptr, "");
    } catch (const std::runtime_error&) {
        // A tool that cannot be started has nothing to say; the callers treat that as an empty report.
    }
    return lines;
}
