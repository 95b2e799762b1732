#pragma once

// A control for the tests of the system messages (desktop changes, activation, menu keys, UI state): it
// writes down the ones it gets as "name:MESSAGE" and may answer them itself.

#include "platform/gui/windows/win_control.h"

#include <functional>
#include <string>
#include <vector>

// The system messages a test watches, by name; empty for others.
std::string SystemMessageName(uint32_t msg);

class TSystemRecorder : public TCustomControl
{
public:
    TSystemRecorder(TComponent* owner, std::vector<std::string>* log, std::string name);
    void WndProc(TMessage& message) override;

    // Answers a message in the control's place when it returns true.
    std::function<bool(TMessage& message)> Answer;

private:
    std::vector<std::string>* log_;
    std::string name_;
};
