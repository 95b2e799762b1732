#pragma once

// A shell that writes down what it is asked to open or show instead of asking the desktop; it is the
// program's shell while it lives.

#include "platform/gui/services/shell.h"

#include <string>
#include <vector>

class TRecordingShell : public IShell
{
public:
    TRecordingShell() { SetShell(this); }
    ~TRecordingShell() override { SetShell(nullptr); }
    TRecordingShell(const TRecordingShell&) = delete;
    TRecordingShell& operator=(const TRecordingShell&) = delete;

    bool Open(const std::string& target) override
    {
        Calls.push_back("open " + target);
        return true;
    }
    bool ShowInFolder(const std::string& fileName) override
    {
        Calls.push_back("show " + fileName);
        return true;
    }

    // "open <target>" and "show <file>", in the order asked.
    std::vector<std::string> Calls;
};
