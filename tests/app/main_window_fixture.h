#pragma once

// The main window in a program folder of its own (a temporary folder, with the user's configuration folder
// beside it), with the message boxes recorded and answered as the test says.

#include "app/main/form_main.h"
#include "support/scratch_folder.h"
#include "support/window_services.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class TRecordingWindowServices : public IWindowServices
{
public:
    int ShowMsgBox(const std::string& text, const std::string&, TWindowHandle, unsigned flags) override
    {
        Boxes.push_back(text);
        if (OnBox)
            OnBox(text);
        return (flags & MB_TYPEMASK) == MB_YESNO ? YesNoAnswer : DefaultMsgBoxAnswer(flags);
    }
    bool SetWindowTopmost(TWindowHandle, bool) override { return true; }

    std::vector<std::string> Boxes;
    int YesNoAnswer = IDYES;
    std::function<void(const std::string& text)> OnBox;
};

class MainWindow : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program: the main window created as the entry routine creates it, shown.
    TFormMain* Start(std::vector<std::string> arguments = {});
    // Closes the window as the user does and frees it.
    void CloseAndFree();
    // A file of the program folder.
    std::string ProgramFile(const std::string& relative) const { return ProgramDir + "/" + relative; }

    ScratchFolder Temp;
    std::string ProgramDir;
    std::string ConfigHome;
    TRecordingWindowServices Services;
    TFormMain* Form = nullptr;
};
