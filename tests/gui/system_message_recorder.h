#pragma once

// A control for the tests of the system messages (desktop changes, activation, menu keys, UI state): it
// writes down the ones it gets as "name:MESSAGE" and may answer them itself.

#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/win_control.h"

#include <gtest/gtest.h>

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

// A shown, active form whose one control, "edit", has the focus and writes into log.
class FormWithFocusedRecorder : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    std::vector<std::string> log;
    TForm* form = nullptr;
    TSystemRecorder* edit = nullptr;
};

// Keyboard cues off while it lives, as tests that reach hidden accelerators want them.
class TKeyboardCuesOff
{
public:
    TKeyboardCuesOff();
    ~TKeyboardCuesOff();
    TKeyboardCuesOff(const TKeyboardCuesOff&) = delete;
    TKeyboardCuesOff& operator=(const TKeyboardCuesOff&) = delete;
};
