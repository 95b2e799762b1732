#include "system_message_recorder.h"

#include "platform/gui/windows/ui_state.h"
#include "window_test_support.h"

#include <map>

std::string SystemMessageName(uint32_t msg)
{
    static const std::map<uint32_t, std::string> names = {{WM_THEMECHANGED, "THEMECHANGED"},
                                                          {WM_SYSCOLORCHANGE, "SYSCOLORCHANGE"},
                                                          {CM_SYSCOLORCHANGE, "CM_SYSCOLORCHANGE"},
                                                          {WM_SETTINGCHANGE, "SETTINGCHANGE"},
                                                          {CM_WININICHANGE, "CM_WININICHANGE"},
                                                          {CM_STYLECHANGED, "CM_STYLECHANGED"},
                                                          {CM_SYSFONTCHANGED, "CM_SYSFONTCHANGED"},
                                                          {WM_SETFONT, "SETFONT"},
                                                          {WM_MOUSEACTIVATE, "MOUSEACTIVATE"},
                                                          {WM_LBUTTONDOWN, "LBUTTONDOWN"},
                                                          {WM_LBUTTONUP, "LBUTTONUP"},
                                                          {WM_SETFOCUS, "SETFOCUS"},
                                                          {WM_KILLFOCUS, "KILLFOCUS"},
                                                          {WM_SYSKEYDOWN, "SYSKEYDOWN"},
                                                          {WM_SYSKEYUP, "SYSKEYUP"},
                                                          {WM_SYSCHAR, "SYSCHAR"},
                                                          {WM_SYSCOMMAND, "SYSCOMMAND"},
                                                          {CM_DIALOGKEY, "CM_DIALOGKEY"},
                                                          {CM_DIALOGCHAR, "CM_DIALOGCHAR"},
                                                          {WM_HELP, "HELP"},
                                                          {WM_CHANGEUISTATE, "CHANGEUISTATE"},
                                                          {WM_UPDATEUISTATE, "UPDATEUISTATE"}};
    auto it = names.find(msg);
    return it == names.end() ? std::string() : it->second;
}

TSystemRecorder::TSystemRecorder(TComponent* owner, std::vector<std::string>* log, std::string name)
    : TCustomControl(owner), log_(log), name_(std::move(name))
{
    SetTabStop(true);
}

void TSystemRecorder::WndProc(TMessage& message)
{
    if (const std::string text = SystemMessageName(message.Msg); !text.empty() && log_)
        log_->push_back(name_ + ":" + text);
    if (Answer && Answer(message))
        return;
    TCustomControl::WndProc(message);
}

void FormWithFocusedRecorder::SetUp()
{
    form = ShowTestForm();
    edit = new TSystemRecorder(form, &log, "edit");
    edit->SetBounds(10, 10, 100, 24);
    edit->SetParent(form);
    edit->SetFocus();
    Pump();
    log.clear();
}

void FormWithFocusedRecorder::TearDown()
{
    form->Free();
}

TKeyboardCuesOff::TKeyboardCuesOff()
{
    SetKeyboardCues(false);
}

TKeyboardCuesOff::~TKeyboardCuesOff()
{
    SetKeyboardCues(true);
}
