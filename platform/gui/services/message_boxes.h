#pragma once

#include "support/window_services.h"

// The support library's message boxes and top-most switch on the desktop. A window handle here is the
// window's QWidget.

class TDesktopWindowServices : public IWindowServices
{
public:
    // A modal box with the buttons, icon and default button of the MB_* flags; the text is shown as it
    // stands (no markup). Esc and the window's close box answer Cancel where the box has one and OK in a
    // box of OK alone; other boxes must be answered with a button.
    int ShowMsgBox(const std::string& text, const std::string& caption, TWindowHandle owner,
                   unsigned flags) override;
    bool SetWindowTopmost(TWindowHandle window, bool topmost) override;
};

// Makes the desktop's boxes the program-wide window services.
void InstallDesktopWindowServices();
