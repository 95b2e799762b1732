#include "support/window_services.h"

#include <cstdio>
#include <vector>

namespace {

IWindowServices* installedServices = nullptr;

} // namespace

std::vector<int> MsgBoxButtons(unsigned flags)
{
    switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    case MB_CANCELTRYCONTINUE:
        return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
    default:
        return {IDOK};
    }
}

void SetWindowServices(IWindowServices* services)
{
    installedServices = services;
}

IWindowServices* GetWindowServices()
{
    return installedServices;
}

int DefaultMsgBoxAnswer(unsigned flags)
{
    const std::vector<int> buttons = MsgBoxButtons(flags);
    const size_t defaultIndex = (flags & MB_DEFMASK) >> 8;
    return defaultIndex < buttons.size() ? buttons[defaultIndex] : buttons.front();
}

int ShowMsgBox(const std::string& text, const std::string& caption, TWindowHandle owner, unsigned flags)
{
    if (installedServices)
        return installedServices->ShowMsgBox(text, caption, owner, flags);
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return DefaultMsgBoxAnswer(flags);
}

int ShowWarningBox(const std::string& text, const std::string& caption, TWindowHandle owner)
{
    return ShowMsgBox(text, caption, owner, MB_OK | MB_ICONWARNING);
}

int ShowQuestionBox(const std::string& text, const std::string& caption, TWindowHandle owner,
                    unsigned buttonFlags)
{
    return ShowMsgBox(text, caption, owner, buttonFlags | MB_ICONQUESTION);
}

bool SetWindowTopmost(TWindowHandle window, bool topmost)
{
    return installedServices && installedServices->SetWindowTopmost(window, topmost);
}
