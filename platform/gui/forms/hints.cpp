#include "platform/gui/forms/hints.h"

#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

THintWindowClass HintWindowClass = THintWindowClass::Of<THintWindow>();

bool THintWindowClass::IsClassOf(const THintWindow* window) const
{
    return window && std::type_index(typeid(*window)) == type_;
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_.Include(csOpaque);
    SetColor(clInfoBk);
    SetFont(Screen->HintFont());
    Canvas()->Font()->Assign(Font());
    Canvas()->Brush()->SetStyle(bsClear);
}

void THintWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    // A hint may lie under the pointer (over a cell whose text it completes): the pointer goes through it.
    params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
    params.WndParent = nullptr;
}

void THintWindow::ActivateHint(TRect rect, const std::string& text)
{
    SetCaption(text);
    // Kept on the monitor the hint is for, its left and top edges winning when it is larger.
    if (const TMonitor* monitor = Screen->MonitorFromRect(rect)) {
        const TRect area = monitor->BoundsRect();
        const int dx = std::max(std::min(0, area.Right - rect.Right), area.Left - rect.Left);
        const int dy = std::max(std::min(0, area.Bottom - rect.Bottom), area.Top - rect.Top);
        OffsetRect(rect, dx, dy);
    }
    SetBoundsRect(rect);
    SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::ActivateHintData(TRect rect, const std::string& text, void*)
{
    ActivateHint(rect, text);
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& text, void*)
{
    TRect rect{0, 0, maxWidth, 0};
    Canvas()->Font()->Assign(Font());
    DrawText(*Canvas(), text, rect, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    // Room for the border and the 2-pixel gap around the text on every side.
    rect.Right += 6;
    rect.Bottom += 6;
    return rect;
}

bool THintWindow::IsHintMsg(const TMsg& msg) const
{
    return IsDefaultHintMsg(msg);
}

bool IsDefaultHintMsg(const TMsg& msg)
{
    const uint32_t m = msg.message;
    return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m > WM_MOUSEMOVE && m <= WM_MOUSELAST) ||
           (m >= WM_NCLBUTTONDOWN && m <= WM_NCMBUTTONDBLCLK) || m == WM_ACTIVATE || m == CM_ACTIVATE ||
           m == CM_DEACTIVATE || m == CM_APPKEYDOWN || m == CM_APPSYSCOMMAND || m == WM_COMMAND;
}

void THintWindow::ReleaseHandle()
{
    DestroyHandle();
}

void THintWindow::Paint()
{
    TRect rect = ClientRect();
    InflateRect(rect, -2, -2);
    Canvas()->Font()->Assign(Font());
    Canvas()->Font()->SetColor(clInfoText);
    Canvas()->Brush()->SetStyle(bsClear);
    DrawText(*Canvas(), Caption(), rect, DrawTextBiDiModeFlags(DT_LEFT | DT_NOPREFIX | DT_WORDBREAK));
}

std::string GetShortHint(const std::string& hint)
{
    const size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint)
{
    const size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

std::string GetHint(const TControl* control)
{
    for (const TControl* c = control; c; c = c->Parent())
        if (!c->Hint().empty())
            return c->Hint();
    return {};
}
