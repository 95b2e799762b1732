#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/hooks.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class MessageRouting : public TwoRecordersTest
{
protected:
    std::vector<std::string> Only(std::initializer_list<std::string> names) const
    {
        std::vector<std::string> result;
        for (const std::string& entry : log)
            for (const std::string& name : names)
                if (entry.substr(entry.find(':') + 1) == name)
                    result.push_back(entry);
        return result;
    }
};

using Log = std::vector<std::string>;

TEST_F(MessageRouting, KeyGivesDownCharUpWithReflectionFirst)
{
    first->SetFocus();
    Pump();
    log.clear();
    std::u32string typed;
    uint16_t swallowed = 0;
    first->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
        swallowed = key;
        key = 0; // a swallowed key-down still lets its character through
    };
    first->OnKeyPress = [&](TObject*, char32_t& ch) { typed += ch; };
    SendKey(first, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(Only({"CN_KEYDOWN", "KEYDOWN", "CN_CHAR", "CHAR", "KEYUP"}),
              (Log{"a:CN_KEYDOWN", "a:KEYDOWN", "a:CN_CHAR", "a:CHAR", "a:KEYUP"}));
    EXPECT_EQ(swallowed, 'A');
    EXPECT_EQ(typed, U"a");

    // Ctrl+letter types its control character; an input-method commit arrives as characters only.
    typed.clear();
    SendKey(first, Qt::Key_V, Qt::ControlModifier, "v");
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("é€"));
    QApplication::sendEvent(first->Window().widget, &commit);
    EXPECT_EQ(typed, U"\x16é€");

    // The key data says which keys are on the numeric keypad, in the key and character messages alike.
    Log keypad;
    first->WindowProc = [&, windowProc = first->WindowProc](TMessage& message) {
        if (message.Msg == WM_KEYDOWN || message.Msg == WM_CHAR || message.Msg == WM_KEYUP)
            keypad.push_back(MessageName(message.Msg) + (TKeyData(message.LParam).Keypad ? " keypad" : ""));
        windowProc(message);
    };
    SendKey(first, Qt::Key_Period, Qt::KeypadModifier, ".");
    SendKey(first, Qt::Key_Period, Qt::NoModifier, ".");
    EXPECT_EQ(keypad, (Log{"KEYDOWN keypad", "CHAR keypad", "KEYUP keypad", "KEYDOWN", "CHAR", "KEYUP"}));
}

// A modifier key is down while held and up once released, whether or not its release still carries the
// modifier: a key state left down would make every later letter a capital or a control character.
TEST_F(MessageRouting, AModifierKeyIsUpOnceReleased)
{
    const struct
    {
        Qt::Key key;
        int virtualKey;
        Qt::KeyboardModifier modifier;
    } keys[] = {{Qt::Key_Shift, VK_SHIFT, Qt::ShiftModifier},
                {Qt::Key_Control, VK_CONTROL, Qt::ControlModifier}};
    int16_t whileHeld = 0;
    int heldKey = 0;
    first->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { whileHeld = GetKeyState(heldKey); };
    for (const auto& k : keys)
        for (const Qt::KeyboardModifiers onRelease :
             {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(k.modifier)}) {
            SCOPED_TRACE(k.virtualKey);
            SCOPED_TRACE(onRelease.toInt());
            heldKey = k.virtualKey;
            whileHeld = 0;
            QKeyEvent press(QEvent::KeyPress, k.key, Qt::NoModifier);
            QApplication::sendEvent(first->Window().widget, &press);
            EXPECT_LT(whileHeld, 0);
            QKeyEvent release(QEvent::KeyRelease, k.key, onRelease);
            QApplication::sendEvent(first->Window().widget, &release);
            EXPECT_EQ(GetKeyState(k.virtualKey), 0);
        }
}

TEST_F(MessageRouting, MouseClickGivesDownUpClickAndDoubleClickAtTheSecondPress)
{
    std::vector<std::string> events;
    first->OnMouseDown = [&](TObject*, TMouseButton, TShiftState shift, int x, int y) {
        events.push_back(std::string(shift.Contains(ssDouble) ? "double " : "down ") + std::to_string(x) +
                         "," + std::to_string(y));
    };
    first->OnClick = [&](TObject*) { events.push_back("click"); };
    first->OnDblClick = [&](TObject*) { events.push_back("dblclick"); };
    first->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("up"); };
    SendMouse(first, QEvent::MouseMove, {5, 6});
    SendMouse(first, QEvent::MouseButtonPress, {5, 6});
    SendMouse(first, QEvent::MouseButtonRelease, {5, 6});
    SendMouse(first, QEvent::MouseButtonDblClick, {5, 6});
    SendMouse(first, QEvent::MouseButtonRelease, {5, 6});
    EXPECT_EQ(Only({"SETCURSOR", "MOUSEMOVE", "LBUTTONDOWN", "LBUTTONUP", "LBUTTONDBLCLK", "CM_MOUSEENTER"}),
              (Log{"a:SETCURSOR", "a:CM_MOUSEENTER", "a:MOUSEMOVE", "a:SETCURSOR", "a:LBUTTONDOWN",
                   "a:LBUTTONUP", "a:SETCURSOR", "a:LBUTTONDBLCLK", "a:LBUTTONUP"}));
    EXPECT_EQ(events, (Log{"down 5,6", "click", "up", "dblclick", "double 5,6", "up"}));

    // Without double clicks in its style, the second press is a plain press.
    events.clear();
    first->SetControlStyle(first->ControlStyle() - csDoubleClicks);
    SendMouse(first, QEvent::MouseButtonDblClick, {5, 6});
    EXPECT_EQ(events, (Log{"down 5,6"}));
}

TEST_F(MessageRouting, AWheelOverTheClientAreaReachesTheWindow)
{
    std::vector<std::string> events;
    first->OnMouseWheel = [&](TObject*, TShiftState shift, int delta, TPoint mousePos, bool& handled) {
        const TPoint client = first->ScreenToClient(mousePos);
        events.push_back(std::to_string(delta) + (shift.Contains(ssCtrl) ? " ctrl " : " ") +
                         std::to_string(client.X) + "," + std::to_string(client.Y));
        handled = true;
    };
    Wheel(first, {7, 9}, -WHEEL_DELTA, TShiftState{ssCtrl});
    Wheel(first, {30, 2}, 2 * WHEEL_DELTA);
    EXPECT_EQ(Only({"MOUSEWHEEL"}), (Log{"a:MOUSEWHEEL", "a:MOUSEWHEEL"}));
    EXPECT_EQ(events, (Log{"-120 ctrl 7,9", "240 30,2"}));
}

TEST_F(MessageRouting, FocusMovesWithKillSetExitEnterInOrder)
{
    first->SetFocus();
    Pump();
    ASSERT_TRUE(first->Focused());
    log.clear();
    second->SetFocus();
    Pump();
    EXPECT_EQ(Only({"SETFOCUS", "KILLFOCUS", "CM_ENTER", "CM_EXIT"}),
              (Log{"a:KILLFOCUS", "b:SETFOCUS", "a:CM_EXIT", "b:CM_ENTER"}));
    EXPECT_EQ(form->ActiveControl(), second);
}

TEST_F(MessageRouting, TabMovesFocusUnlessTheControlWantsIt)
{
    first->SetFocus();
    Pump();
    SendKey(first, Qt::Key_Tab, Qt::NoModifier, "\t");
    Pump();
    EXPECT_TRUE(second->Focused());
    SendKey(second, Qt::Key_Backtab, Qt::ShiftModifier, "\t");
    Pump();
    EXPECT_TRUE(first->Focused());

    // A control asking for Tab gets it as a key and a character.
    first->dialogCode = DLGC_WANTTAB;
    std::u32string typed;
    first->OnKeyPress = [&](TObject*, char32_t& ch) { typed += ch; };
    SendKey(first, Qt::Key_Tab, Qt::NoModifier, "\t");
    Pump();
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(typed, U"\t");
}

class TAccelLabel : public TGraphicControl
{
public:
    using TGraphicControl::TGraphicControl;
    TWinControl* focusControl = nullptr;
    void Dispatch(TMessage& m) override
    {
        if (m.Msg == CM_DIALOGCHAR && IsAccel(static_cast<uint32_t>(m.WParam), Caption())) {
            focusControl->SetFocus();
            m.Result = 1;
            return;
        }
        TGraphicControl::Dispatch(m);
    }
};

TEST_F(MessageRouting, AcceleratorsAndShortcutsComeBeforeTheFocusedControl)
{
    auto* label = new TAccelLabel(form);
    label->SetCaption("&Name");
    label->focusControl = second;
    label->SetParent(form);
    first->SetFocus();
    Pump();

    // Alt+N reaches the label through the form; a plain "n" is typed into the control that wants characters.
    std::u32string typed;
    first->OnKeyPress = [&](TObject*, char32_t& ch) { typed += ch; };
    first->dialogCode = DLGC_WANTCHARS;
    SendKey(first, Qt::Key_N, Qt::NoModifier, "n");
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(typed, U"n");
    SendKey(first, Qt::Key_N, Qt::AltModifier, "n");
    Pump();
    EXPECT_TRUE(second->Focused());

    // An action's shortcut wins over the focused control's own use of the key.
    auto* actions = new TActionList(form);
    auto* checkAll = new TAction(form);
    checkAll->SetActionList(actions);
    checkAll->SetShortCut(ShortCut('A', ssCtrl));
    int executed = 0;
    checkAll->OnExecute = [&](TObject*) { ++executed; };
    int controlSaw = 0;
    second->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++controlSaw; };
    SendKey(second, Qt::Key_A, Qt::ControlModifier, "a");
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(controlSaw, 0);
    checkAll->SetEnabled(false);
    SendKey(second, Qt::Key_A, Qt::ControlModifier, "a");
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(controlSaw, 1);
}

TEST_F(MessageRouting, HooksAndTheApplicationHandlerSeeMessages)
{
    first->SetFocus();
    Pump();
    std::vector<std::string> seen;
    HHOOK keyboard = SetWindowsHookEx(WH_KEYBOARD, [&](int, WPARAM key, LPARAM) -> LRESULT {
        seen.push_back("keyboard " + std::to_string(key));
        return key == VK_ESCAPE; // throws Escape away
    });
    HHOOK sent = SetWindowsHookEx(WH_CALLWNDPROC, [&](int, WPARAM, LPARAM l) -> LRESULT {
        const auto* info = reinterpret_cast<const TCWPStruct*>(l);
        if (info->message == WM_SIZE)
            seen.push_back("sent size");
        return 0;
    });
    Application->OnMessage = [&](TMsg& msg, bool& handled) {
        if (msg.message == WM_USER + 7) {
            seen.push_back("posted");
            handled = true;
        }
    };
    SendKey(first, Qt::Key_Escape, Qt::NoModifier, "\x1b");
    SendKey(first, Qt::Key_B, Qt::NoModifier, "b");
    first->SetWidth(90);
    PostMessage(first->Handle(), WM_USER + 7, 0, 0);
    Pump();
    Application->OnMessage = nullptr;
    UnhookWindowsHookEx(keyboard);
    UnhookWindowsHookEx(sent);
    EXPECT_EQ(seen, (Log{"keyboard 27", "keyboard 27", "keyboard 66", "keyboard 66", "sent size", "posted"}));
    EXPECT_EQ(Only({"KEYDOWN"}), (Log{"a:KEYDOWN"}));
}

TEST_F(MessageRouting, AnExceptionInAHandlerIsReportedAndTheNextMessageStillArrives)
{
    std::vector<std::string> reports;
    Application->OnException = [&](TObject*, const std::exception_ptr& e) {
        reports.push_back(ExceptionMessage(e));
    };
    int clicks = 0;
    first->OnClick = [&](TObject*) {
        if (++clicks == 1)
            throw std::runtime_error("'x' is not a valid number");
    };
    for (int i = 0; i < 2; ++i) {
        SendMouse(first, QEvent::MouseButtonPress, {3, 3});
        SendMouse(first, QEvent::MouseButtonRelease, {3, 3});
    }
    Application->OnException = nullptr;
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(reports, (Log{"'x' is not a valid number"}));
}

TEST_F(MessageRouting, CaptureKeepsTheMouseWithTheCapturingControl)
{
    // A windowless control with mouse capture gets the moves outside it through its parent.
    auto* graphic = new TGraphicControl(form);
    graphic->SetBounds(150, 10, 20, 20);
    graphic->SetParent(form);
    std::vector<TPoint> moves;
    graphic->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.push_back({x, y}); };
    SendMouse(form, QEvent::MouseButtonPress, {155, 15});
    EXPECT_EQ(GetCaptureControl(), graphic);
    SendMouse(form, QEvent::MouseMove, {10, 190});
    SendMouse(form, QEvent::MouseButtonRelease, {10, 190});
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(moves, (std::vector<TPoint>{{-140, 180}}));

    // Explicit capture sends another window's mouse to the captor, and the captor hears when it loses it.
    SetCapture(second->Handle());
    SendMouse(first, QEvent::MouseMove, {1, 1});
    SetCapture(first->Handle());
    ReleaseCapture();
    EXPECT_EQ(Only({"MOUSEMOVE", "CAPTURECHANGED"}),
              (Log{"b:MOUSEMOVE", "b:CAPTURECHANGED", "a:CAPTURECHANGED"}));
}

TEST_F(MessageRouting, EnterAndLeaveFollowThePointerAndWhileCapturedOnlyTheCaptor)
{
    const auto hover = [this] {
        Log entries = Only({"CM_MOUSEENTER", "CM_MOUSELEAVE", "MOUSELEAVE"});
        log.clear();
        return entries;
    };
    auto* graphic = new TGraphicControl(form);
    graphic->SetBounds(150, 10, 20, 20);
    graphic->SetParent(form);
    graphic->WindowProc = [this, old = graphic->WindowProc](TMessage& m) {
        if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE)
            log.push_back("g:" + MessageName(m.Msg));
        old(m);
    };
    const auto moveOverGraphic = [this] { SendMouse(form, QEvent::MouseMove, {155, 15}); };

    // Without capture: the one left hears it before the one entered, windowless controls included, and
    // the window the pointer leaves gets WM_MOUSELEAVE first.
    SendMouse(first, QEvent::MouseMove, {5, 5});
    SendMouse(second, QEvent::MouseMove, {5, 5});
    moveOverGraphic();
    SendMouse(second, QEvent::MouseMove, {5, 5});
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(second->Window().widget, &leave);
    EXPECT_EQ(hover(), (Log{"a:CM_MOUSEENTER", "a:CM_MOUSELEAVE", "b:CM_MOUSEENTER", "b:CM_MOUSELEAVE",
                            "g:CM_MOUSEENTER", "g:CM_MOUSELEAVE", "b:CM_MOUSEENTER", "b:MOUSELEAVE",
                            "b:CM_MOUSELEAVE"}));

    // A press captures the mouse: the captor leaves when dragged off and enters again; no one else hears.
    SendMouse(first, QEvent::MouseMove, {5, 5});
    SendMouse(first, QEvent::MouseButtonPress, {5, 5});
    SendMouse(second, QEvent::MouseMove, {5, 5});
    moveOverGraphic();
    SendMouse(first, QEvent::MouseMove, {6, 6});
    SendMouse(second, QEvent::MouseMove, {5, 5});
    SendMouse(second, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(hover(), (Log{"a:CM_MOUSEENTER", "a:CM_MOUSELEAVE", "a:CM_MOUSEENTER", "a:CM_MOUSELEAVE"}));
    // Released, the control under the pointer enters with the next move.
    SendMouse(second, QEvent::MouseMove, {6, 6});
    EXPECT_EQ(hover(), (Log{"b:CM_MOUSEENTER"}));

    // A popup's way: it holds the capture while the pointer is off it, lets go when the pointer enters,
    // and takes it again when the pointer leaves.
    first->WindowProc = [this, old = first->WindowProc](TMessage& m) {
        old(m);
        if (m.Msg == CM_MOUSEENTER)
            ReleaseCapture();
        else if (m.Msg == CM_MOUSELEAVE)
            SetCapture(first->Handle());
    };
    SetCapture(first->Handle());
    SendMouse(second, QEvent::MouseMove, {5, 5});
    SendMouse(first, QEvent::MouseMove, {5, 5});
    EXPECT_EQ(GetCapture(), nullptr);
    SendMouse(first, QEvent::MouseMove, {6, 6});
    SendMouse(second, QEvent::MouseMove, {5, 5});
    EXPECT_EQ(GetCapture(), first->Handle());
    SendMouse(second, QEvent::MouseMove, {6, 6});
    EXPECT_EQ(hover(), (Log{"b:CM_MOUSELEAVE", "a:CM_MOUSEENTER", "a:CM_MOUSELEAVE"}));
    ReleaseCapture();
}

} // namespace
