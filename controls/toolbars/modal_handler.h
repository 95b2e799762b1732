#pragma once

#include "platform/gui/windows/messages.h"

// The modal loop of an open menu. While a menu bar, toolbar or popup menu is in its modal state, this loop
// takes the program's messages from the queue itself, holds the mouse capture, hands the input to the views
// and viewers of the open menu chain, runs the views' timers and the opening animation, and ends as soon as
// a view asks for it, the capture is lost, the active window changes or a button is pressed outside the menu.
// What was chosen is not run inside the loop: the root view keeps a done action that runs afterwards. Input
// that ends the loop without being taken (a press outside the menu) stays queued and reaches its window
// once the menu has closed. The loop may run inside another loop that pumps messages.

class TBarPopupWindow;
class TBarView;
struct TMsg;

class TBarModalHandler
{
public:
    // existingWnd holds the capture (a toolbar's window); without one, a hidden window is made for it.
    explicit TBarModalHandler(HWND existingWnd);
    ~TBarModalHandler();
    TBarModalHandler(const TBarModalHandler&) = delete;
    TBarModalHandler& operator=(const TBarModalHandler&) = delete;

    HWND Wnd() const { return FWnd; }
    // The window of a free-standing popup menu, which a cancel of the capture window hides.
    TBarPopupWindow* RootPopup = nullptr;

    // Runs the loop over rootView's chain until it ends. mouseDown: the press that started it is handed to
    // the selected viewer first; executeSelected: the selected viewer runs first; trackRightButton: the
    // right button chooses entries as the left one does.
    void Loop(TBarView* rootView, bool mouseDown, bool executeSelected, bool fromMSAA, bool trackRightButton);

    // The last pointer position the loop handled (screen); an X of INT32_MIN makes the loop handle the
    // pointer's position again at its next turn (a view does so when its capture ends).
    static TPoint LastPos;

private:
    struct TLoopState;
    void WndProc(TMessage& message);
    bool ContinueLoop(const TLoopState& s) const;
    bool Start(TLoopState& s, bool mouseDown, bool executeSelected, bool fromMSAA);
    bool Turn(TLoopState& s);
    bool PressEndsLoop(TLoopState& s, const TMsg& msg);
    void HandleMessage(TLoopState& s, const TMsg& msg);
    void HandleKey(TLoopState& s, const TMsg& msg);
    void HandleChar(TLoopState& s, const TMsg& msg);
    void HandlePress(TLoopState& s, const TMsg& msg);
    void HandleRelease(TLoopState& s, const TMsg& msg);
    void HandleWheel(TLoopState& s, const TMsg& msg);
    void HandleTimer(const TMsg& msg);
    void ProcessMouseMove(TLoopState& s);
    void UpdateHint(TLoopState& s);
    void End(TLoopState& s);

    bool FCreatedWnd = false;
    bool FInited = false;
    HWND FWnd = nullptr;
};
