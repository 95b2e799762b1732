#include "app/main/form_main.h"

#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "support/power_off.h"
#include "support/window_services.h"

// The main window's part of a conversion run's host: the title, closing, switching off, the message queue
// and the message boxes.

namespace {

constexpr unsigned BoxFlags = MB_TOPMOST;

} // namespace

void TFormMain::SetApplicationTitle(const std::string& title)
{
    SetCaption(title);
    Application->SetTitle(title);
}

void TFormMain::CloseMainWindow()
{
    CloseWhenIdle();
}

bool TFormMain::PowerOff()
{
    // A normal request through what the program installed; the system may refuse it.
    return PowerOffWindows();
}

void TFormMain::ProcessMessages()
{
    Application->ProcessMessages();
}

void TFormMain::ShowWarning(const std::string& text)
{
    ShowMsgBox(text, std::string(AppName), WindowHandleOf(*this), MB_OK | MB_ICONWARNING | BoxFlags);
}

void TFormMain::ShowError(const std::string& text)
{
    ShowMsgBox(text, std::string(AppName), WindowHandleOf(*this), MB_OK | MB_ICONERROR | BoxFlags);
}

bool TFormMain::AskYesNo(const std::string& text)
{
    return ShowMsgBox(text, std::string(AppName), WindowHandleOf(*this),
                      MB_YESNO | MB_ICONQUESTION | BoxFlags) == IDYES;
}
