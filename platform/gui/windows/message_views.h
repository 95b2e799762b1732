#pragma once

#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/messages.h"

#include <cstddef>
#include <type_traits>

// Typed views of message parameters: a handler names the point, keys and codes it reads instead of unpacking
// WParam and LParam at every use. A view is made on the spot from the message and copies what it reads;
// TKeyView and TCharView keep the message, because a handler may change the key or character it carries.

// --- mouse -------------------------------------------------------------------------------------------------

// WM_MOUSEMOVE and the client-area button messages: the point in client coordinates and the MK_* keys and
// buttons held.
struct TMouseView
{
    explicit TMouseView(const TMessage& message)
        : Pos(PointFromLParam(message.LParam)), Keys(static_cast<unsigned>(message.WParam))
    {}
    TShiftState Shift() const { return KeysToShiftState(Keys); }

    TPoint Pos;
    unsigned Keys;
};

// WM_NCMOUSEMOVE and the non-client button messages: the hit-test code of the frame part and the point on
// the screen.
struct TNCMouseView
{
    explicit TNCMouseView(const TMessage& message)
        : HitTest(static_cast<int>(message.WParam)), ScreenPos(PointFromLParam(message.LParam))
    {}

    int HitTest;
    TPoint ScreenPos;
};

// WM_MOUSEWHEEL, WM_MOUSEHWHEEL and CM_MOUSEWHEEL: the MK_* keys, the turn in WHEEL_DELTA units (positive
// away from the user) and the pointer on the screen.
struct TWheelView
{
    explicit TWheelView(const TMessage& message)
        : Keys(LOWORD(message.WParam)), Delta(GET_WHEEL_DELTA_WPARAM(message.WParam)),
          ScreenPos(PointFromLParam(message.LParam))
    {}
    TShiftState Shift() const { return KeysToShiftState(Keys); }

    unsigned Keys;
    int Delta;
    TPoint ScreenPos;
};

// WM_NCHITTEST: the point on the screen to name the frame part of.
struct THitTestView
{
    explicit THitTestView(const TMessage& message) : ScreenPos(PointFromLParam(message.LParam)) {}

    TPoint ScreenPos;
};

// WM_SETCURSOR: the window under the pointer, the hit-test code there and the mouse message that asks.
struct TSetCursorView
{
    explicit TSetCursorView(const TMessage& message)
        : Window(reinterpret_cast<HWND>(message.WParam)),
          HitTest(static_cast<int16_t>(LOWORD(message.LParam))), MouseMsg(HIWORD(message.LParam))
    {}

    HWND Window;
    int HitTest;
    uint32_t MouseMsg;
};

// WM_CONTEXTMENU: the window clicked and the point on the screen, (-1, -1) when a key asked for the menu.
struct TContextMenuView
{
    explicit TContextMenuView(const TMessage& message)
        : Window(reinterpret_cast<HWND>(message.WParam)), ScreenPos(PointFromLParam(message.LParam))
    {}
    bool FromKeyboard() const { return ScreenPos.X == -1 && ScreenPos.Y == -1; }

    HWND Window;
    TPoint ScreenPos;
};

// --- keyboard ----------------------------------------------------------------------------------------------

// The key data of a key or character message (LParam).
struct TKeyData
{
    explicit TKeyData(LPARAM keyData)
        : Raw(keyData), RepeatCount(LOWORD(static_cast<uintptr_t>(keyData))),
          ScanCode((static_cast<uintptr_t>(keyData) >> 16) & 0xFF), Keypad(Bit(keyData, 22)),
          Extended(Bit(keyData, 24)), ContextAlt(Bit(keyData, 29)), PreviousDown(Bit(keyData, 30)),
          Released(Bit(keyData, 31))
    {}
    // Shift and Ctrl as the keyboard has them now, Alt as the message says.
    TShiftState Shift() const { return KeyDataToShiftState(Raw); }

    LPARAM Raw;
    int RepeatCount;
    unsigned ScanCode;
    bool Keypad;       // a key of the numeric keypad
    bool Extended;     // a key of the extended keyboard (right Alt and Ctrl, the arrow block)
    bool ContextAlt;   // Alt was held
    bool PreviousDown; // the key was down before: a repeat, or a release
    bool Released;     // the transition: the key goes up

private:
    static bool Bit(LPARAM keyData, int bit) { return (static_cast<uintptr_t>(keyData) >> bit) & 1; }
};

// WM_KEYDOWN, WM_KEYUP, their WM_SYS* forms, CN_KEYDOWN and the like: the virtual key and the key data. Made
// from a message a handler may change, the view can change or take (0) the key.
template <typename Message> class TKeyView
{
public:
    explicit TKeyView(Message& message) : message_(message) {}
    uint16_t Key() const { return static_cast<uint16_t>(message_.WParam); }
    void SetKey(uint16_t key) requires(!std::is_const_v<Message>) { message_.WParam = key; }
    TKeyData Data() const { return TKeyData(message_.LParam); }
    TShiftState Shift() const { return Data().Shift(); }

private:
    Message& message_;
};

// WM_CHAR, WM_SYSCHAR, CN_CHAR, CM_DIALOGCHAR: the code point typed and the key data. Made from a message a
// handler may change, the view can change or take (0) the character.
template <typename Message> class TCharView
{
public:
    explicit TCharView(Message& message) : message_(message) {}
    char32_t Char() const { return static_cast<char32_t>(message_.WParam); }
    void SetChar(char32_t ch) requires(!std::is_const_v<Message>) { message_.WParam = ch; }
    TKeyData Data() const { return TKeyData(message_.LParam); }

private:
    Message& message_;
};

// --- windows -----------------------------------------------------------------------------------------------

// WM_SETFOCUS (the window that had the focus) and WM_KILLFOCUS (the window that takes it); either may be
// none.
struct TFocusView
{
    explicit TFocusView(const TMessage& message) : OtherWindow(reinterpret_cast<HWND>(message.WParam)) {}

    HWND OtherWindow;
};

// WM_ACTIVATE: WA_INACTIVE, WA_ACTIVE or WA_CLICKACTIVE, whether the window is minimized, and the window
// losing or gaining the activation.
struct TActivateView
{
    explicit TActivateView(const TMessage& message)
        : State(LOWORD(message.WParam)), Minimized(HIWORD(message.WParam) != 0),
          OtherWindow(reinterpret_cast<HWND>(message.LParam))
    {}
    bool Active() const { return State != WA_INACTIVE; }

    unsigned State;
    bool Minimized;
    HWND OtherWindow;
};

// WM_SIZE: SIZE_RESTORED, SIZE_MINIMIZED or SIZE_MAXIMIZED, and the new client size.
struct TSizeView
{
    explicit TSizeView(const TMessage& message)
        : Type(static_cast<unsigned>(message.WParam)), Width(LOWORD(static_cast<uintptr_t>(message.LParam))),
          Height(HIWORD(static_cast<uintptr_t>(message.LParam)))
    {}

    unsigned Type;
    int Width;
    int Height;
};

// WM_HSCROLL, WM_VSCROLL and their CN_ forms: the SB_* code, the thumb position it carries (SB_THUMBPOSITION,
// SB_THUMBTRACK) and the scroll bar control that sends it (none for a window's own bars).
struct TScrollView
{
    explicit TScrollView(const TMessage& message)
        : Code(LOWORD(message.WParam)), Pos(static_cast<int16_t>(HIWORD(message.WParam))),
          ScrollBar(reinterpret_cast<HWND>(message.LParam))
    {}

    unsigned Code;
    int Pos;
    HWND ScrollBar;
};

// WM_COMMAND and CN_COMMAND: the command or control id, the notification code (BN_CLICKED, EN_CHANGE, ...)
// and the control that sends it.
struct TCommandView
{
    explicit TCommandView(const TMessage& message)
        : Id(LOWORD(message.WParam)), NotifyCode(HIWORD(message.WParam)),
          Control(reinterpret_cast<HWND>(message.LParam))
    {}

    unsigned Id;
    unsigned NotifyCode;
    HWND Control;
};

// WM_NCCALCSIZE: the rectangles to turn into the client area (rgrc[0] in, the client rectangle out).
struct TNCCalcSizeView
{
    explicit TNCCalcSizeView(const TMessage& message)
        : Params(reinterpret_cast<TNCCalcSizeParams*>(message.LParam)), CalcValidRects(message.WParam != 0)
    {}

    TNCCalcSizeParams* Params;
    bool CalcValidRects;
};

// --- painting ----------------------------------------------------------------------------------------------

// WM_PAINT, WM_PRINTCLIENT, WM_ERASEBKGND: the canvas to paint on; none for a WM_PAINT that asks the window
// to paint its invalid area itself.
struct TPaintView
{
    explicit TPaintView(const TMessage& message) : DC(reinterpret_cast<HDC>(message.WParam)) {}

    HDC DC;
};

// WM_PRINT: the canvas and the PRF_* flags saying what to draw.
struct TPrintView
{
    explicit TPrintView(const TMessage& message)
        : DC(reinterpret_cast<HDC>(message.WParam)), Flags(static_cast<unsigned>(message.LParam))
    {}

    HDC DC;
    unsigned Flags;
};

// WM_CTLCOLOREDIT and CN_CTLCOLOREDIT: the canvas the control is about to paint on and the control's window.
// The answer is the brush for the background (an HBRUSH), 0 for the control's own colour.
struct TCtlColorView
{
    explicit TCtlColorView(const TMessage& message)
        : DC(reinterpret_cast<HDC>(message.WParam)), Control(reinterpret_cast<HWND>(message.LParam))
    {}

    HDC DC;
    HWND Control;
};

// --- text --------------------------------------------------------------------------------------------------

// WM_SETTEXT: the new text (UTF-8; empty for none).
struct TSetTextView
{
    explicit TSetTextView(const TMessage& message)
        : Text(message.LParam ? reinterpret_cast<const char*>(message.LParam) : "")
    {}

    const char* Text;
};

// WM_GETTEXT: the buffer and its size in bytes.
struct TGetTextView
{
    explicit TGetTextView(const TMessage& message)
        : Size(static_cast<size_t>(message.WParam)), Buffer(reinterpret_cast<char*>(message.LParam))
    {}

    size_t Size;
    char* Buffer;
};

// --- plain numbers -----------------------------------------------------------------------------------------

// A parameter that holds a signed number (an index, a count; -1 often for none).
inline int WParamInt(const TMessage& message)
{
    return static_cast<int>(static_cast<intptr_t>(message.WParam));
}
inline int LParamInt(const TMessage& message)
{
    return static_cast<int>(message.LParam);
}
