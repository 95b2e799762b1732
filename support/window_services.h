#pragma once

#include <string>
#include <vector>

// Message boxes and the top-most switch. The windowing layer installs the program-wide provider; until one
// is installed a message box is written to standard error and answers with its default button, and the
// top-most switch reports failure.

// An opaque window of the windowing layer; nullptr for none.
using TWindowHandle = void*;

// Message box flags and answers, with the values the callers know.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_CANCELTRYCONTINUE = 0x6;
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONERROR = MB_ICONHAND;
constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr unsigned MB_DEFBUTTON1 = 0x0;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_DEFBUTTON4 = 0x300;
constexpr unsigned MB_APPLMODAL = 0x0;
constexpr unsigned MB_SYSTEMMODAL = 0x1000;
constexpr unsigned MB_TASKMODAL = 0x2000;
constexpr unsigned MB_SETFOREGROUND = 0x10000;
constexpr unsigned MB_TOPMOST = 0x40000;
constexpr unsigned MB_TYPEMASK = 0xF;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr unsigned MB_DEFMASK = 0xF00;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDTRYAGAIN = 10;
constexpr int IDCONTINUE = 11;

class IWindowServices
{
public:
    virtual ~IWindowServices() = default;
    // Shows a modal message box; the answer is the ID* value of the button pressed.
    virtual int ShowMsgBox(const std::string& text, const std::string& caption, TWindowHandle owner,
                           unsigned flags) = 0;
    // Puts the window into the top-most band or takes it out, without moving or sizing it.
    virtual bool SetWindowTopmost(TWindowHandle window, bool topmost) = 0;
};

// Installs the program-wide provider (nullptr removes it); the caller keeps it alive while installed.
void SetWindowServices(IWindowServices* services);
IWindowServices* GetWindowServices();

// The answers of a box's buttons, in the order the box shows them.
std::vector<int> MsgBoxButtons(unsigned flags);
// The button a box with these flags answers by default (its default button, else its first).
int DefaultMsgBoxAnswer(unsigned flags);

int ShowMsgBox(const std::string& text, const std::string& caption, TWindowHandle owner, unsigned flags);
int ShowWarningBox(const std::string& text, const std::string& caption, TWindowHandle owner);
int ShowQuestionBox(const std::string& text, const std::string& caption, TWindowHandle owner,
                    unsigned buttonFlags);
bool SetWindowTopmost(TWindowHandle window, bool topmost);
