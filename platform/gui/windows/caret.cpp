#include "platform/gui/windows/caret.h"

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/window_functions.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QStyleHints>
#include <QTimer>

#include <memory>

namespace {

struct TCaretState
{
    HWND owner = nullptr;
    TRect rect;
    int hideCount = 1;
    bool phaseOn = true;
    unsigned blinkTime = 0;
    std::unique_ptr<QTimer> timer;
};

TCaretState& Caret()
{
    static TCaretState state;
    return state;
}

unsigned DefaultBlinkTime()
{
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    return flash > 0 ? static_cast<unsigned>(flash / 2) : 0;
}

void InvalidateCaret()
{
    TCaretState& c = Caret();
    if (c.owner && c.rect.Width() > 0 && c.rect.Height() > 0)
        InvalidateRect(c.owner, &c.rect, false);
}

void Blink()
{
    TCaretState& c = Caret();
    if (!IsWindow(c.owner)) {
        DestroyCaret();
        return;
    }
    c.phaseOn = !c.phaseOn;
    InvalidateCaret();
}

// The phase starts shown again, so that a caret that just moved is seen at once.
void RestartBlink()
{
    TCaretState& c = Caret();
    c.phaseOn = true;
    if (!c.timer) {
        c.timer = std::make_unique<QTimer>();
        QObject::connect(c.timer.get(), &QTimer::timeout, &Blink);
    }
    c.timer->stop();
    const unsigned blink = GetCaretBlinkTime();
    if (c.owner && c.hideCount == 0 && blink > 0)
        c.timer->start(static_cast<int>(blink));
}

// The input method places its candidates by the caret of the focused window.
void TellInputMethod()
{
    const TCaretState& c = Caret();
    if (c.owner && c.owner == GetFocus() && QGuiApplication::inputMethod())
        QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

bool IsOwner(HWND window)
{
    const TCaretState& c = Caret();
    return c.owner && (window == nullptr || window == c.owner);
}

} // namespace

bool CreateCaret(HWND window, int width, int height)
{
    if (!IsWindow(window))
        return false;
    DestroyCaret();
    TCaretState& c = Caret();
    c.owner = window;
    c.rect = TRect{0, 0, width > 0 ? width : 1, height > 0 ? height : 1};
    c.hideCount = 1;
    RestartBlink();
    TellInputMethod();
    return true;
}

bool DestroyCaret()
{
    TCaretState& c = Caret();
    if (!c.owner)
        return false;
    InvalidateCaret();
    if (c.timer)
        c.timer->stop();
    c.owner = nullptr;
    c.rect = {};
    c.hideCount = 1;
    return true;
}

bool SetCaretPos(int x, int y)
{
    TCaretState& c = Caret();
    if (!c.owner)
        return false;
    if (c.rect.Left == x && c.rect.Top == y)
        return true;
    InvalidateCaret();
    c.rect = TRect{x, y, x + c.rect.Width(), y + c.rect.Height()};
    RestartBlink();
    InvalidateCaret();
    TellInputMethod();
    return true;
}

bool GetCaretPos(TPoint& point)
{
    const TCaretState& c = Caret();
    if (!c.owner)
        return false;
    point = {c.rect.Left, c.rect.Top};
    return true;
}

bool ShowCaret(HWND window)
{
    TCaretState& c = Caret();
    if (!IsOwner(window) || c.hideCount == 0)
        return false;
    if (--c.hideCount == 0) {
        RestartBlink();
        InvalidateCaret();
    }
    return true;
}

bool HideCaret(HWND window)
{
    TCaretState& c = Caret();
    if (!IsOwner(window))
        return false;
    if (c.hideCount++ == 0) {
        InvalidateCaret();
        RestartBlink();
    }
    return true;
}

unsigned GetCaretBlinkTime()
{
    const TCaretState& c = Caret();
    return c.blinkTime ? c.blinkTime : DefaultBlinkTime();
}

bool SetCaretBlinkTime(unsigned milliseconds)
{
    Caret().blinkTime = milliseconds;
    RestartBlink();
    InvalidateCaret();
    return true;
}

bool CaretShowing(HWND window)
{
    const TCaretState& c = Caret();
    return c.owner && c.owner == window && c.hideCount == 0;
}

bool GetCaretRect(HWND window, TRect& rect)
{
    const TCaretState& c = Caret();
    if (!c.owner || c.owner != window)
        return false;
    rect = c.rect;
    return true;
}

void PaintCaret(HWND window, TCanvas& canvas)
{
    const TCaretState& c = Caret();
    if (!CaretShowing(window) || !c.phaseOn)
        return;
    PatBlt(canvas, c.rect.Left, c.rect.Top, c.rect.Width(), c.rect.Height(), DSTINVERT);
}
