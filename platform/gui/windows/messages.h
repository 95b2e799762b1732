#pragma once

#include "support/basic_types.h"

#include <cstdint>

// Window messages: a message is a number with two parameters and a result, sent at once to a control's
// window procedure or posted to the queue and delivered later. The numbers are the classic platform's:
// WM_* for window messages, CM_* for the control layer's own notifications and CN_* for the messages a
// window reflects back to the control that owns it.

class TBrush;
class TCanvas;
struct TWindowHandle__;
// A window: one per windowed control while its handle exists. Handles are never reused.
using HWND = TWindowHandle__*;
// A device context is a canvas here.
using HDC = TCanvas*;
// A brush, as the colour messages answer it.
using HBRUSH = TBrush*;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

struct TMessage
{
    uint32_t Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// A posted message as the queue holds it.
struct TMsg
{
    HWND hwnd = nullptr;
    uint32_t message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    uint32_t time = 0;
    TPoint pt;
};

// --- packing ---------------------------------------------------------------------------------------------
inline uint16_t LOWORD(uintptr_t value)
{
    return static_cast<uint16_t>(value & 0xFFFF);
}
inline uint16_t HIWORD(uintptr_t value)
{
    return static_cast<uint16_t>((value >> 16) & 0xFFFF);
}
inline LPARAM MAKELPARAM(int low, int high)
{
    return static_cast<LPARAM>(static_cast<uint32_t>((static_cast<uint32_t>(high) & 0xFFFF) << 16 |
                                                     (static_cast<uint32_t>(low) & 0xFFFF)));
}
inline WPARAM MAKEWPARAM(int low, int high)
{
    return static_cast<WPARAM>(static_cast<uint32_t>(MAKELPARAM(low, high)));
}
// Coordinates packed into a parameter are signed 16-bit values.
inline int GET_X_LPARAM(LPARAM value)
{
    return static_cast<int16_t>(value & 0xFFFF);
}
inline int GET_Y_LPARAM(LPARAM value)
{
    return static_cast<int16_t>((value >> 16) & 0xFFFF);
}
inline TPoint PointFromLParam(LPARAM value)
{
    return {GET_X_LPARAM(value), GET_Y_LPARAM(value)};
}
inline LPARAM PointToLParam(TPoint p)
{
    return MAKELPARAM(p.X, p.Y);
}
inline int GET_WHEEL_DELTA_WPARAM(WPARAM value)
{
    return static_cast<int16_t>(HIWORD(value));
}
constexpr int WHEEL_DELTA = 120;

// --- window messages -------------------------------------------------------------------------------------
constexpr uint32_t WM_NULL = 0x0000;
constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_SETFOCUS = 0x0007;
constexpr uint32_t WM_KILLFOCUS = 0x0008;
constexpr uint32_t WM_ENABLE = 0x000A;
constexpr uint32_t WM_SETREDRAW = 0x000B;
constexpr uint32_t WM_SETTEXT = 0x000C;
constexpr uint32_t WM_GETTEXT = 0x000D;
constexpr uint32_t WM_GETTEXTLENGTH = 0x000E;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUERYENDSESSION = 0x0011;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_ERASEBKGND = 0x0014;
constexpr uint32_t WM_SYSCOLORCHANGE = 0x0015;
constexpr uint32_t WM_SHOWWINDOW = 0x0018;
constexpr uint32_t WM_SETTINGCHANGE = 0x001A;
constexpr uint32_t WM_WININICHANGE = WM_SETTINGCHANGE;
constexpr uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr uint32_t WM_CANCELMODE = 0x001F;
constexpr uint32_t WM_SETCURSOR = 0x0020;
constexpr uint32_t WM_MOUSEACTIVATE = 0x0021;
constexpr uint32_t WM_CHILDACTIVATE = 0x0022;
constexpr uint32_t WM_GETMINMAXINFO = 0x0024;
constexpr uint32_t WM_DRAWITEM = 0x002B;
constexpr uint32_t WM_MEASUREITEM = 0x002C;
constexpr uint32_t WM_SETFONT = 0x0030;
constexpr uint32_t WM_GETFONT = 0x0031;
constexpr uint32_t WM_GETOBJECT = 0x003D;
constexpr uint32_t WM_WINDOWPOSCHANGING = 0x0046;
constexpr uint32_t WM_WINDOWPOSCHANGED = 0x0047;
constexpr uint32_t WM_NOTIFY = 0x004E;
constexpr uint32_t WM_HELP = 0x0053;
constexpr uint32_t WM_CONTEXTMENU = 0x007B;
constexpr uint32_t WM_STYLECHANGING = 0x007C;
constexpr uint32_t WM_STYLECHANGED = 0x007D;
constexpr uint32_t WM_SETICON = 0x0080;
constexpr uint32_t WM_NCCREATE = 0x0081;
constexpr uint32_t WM_NCDESTROY = 0x0082;
constexpr uint32_t WM_NCCALCSIZE = 0x0083;
constexpr uint32_t WM_NCHITTEST = 0x0084;
constexpr uint32_t WM_NCPAINT = 0x0085;
constexpr uint32_t WM_NCACTIVATE = 0x0086;
constexpr uint32_t WM_GETDLGCODE = 0x0087;
constexpr uint32_t WM_NCMOUSEMOVE = 0x00A0;
constexpr uint32_t WM_NCLBUTTONDOWN = 0x00A1;
constexpr uint32_t WM_NCLBUTTONUP = 0x00A2;
constexpr uint32_t WM_NCLBUTTONDBLCLK = 0x00A3;
constexpr uint32_t WM_NCRBUTTONDOWN = 0x00A4;
constexpr uint32_t WM_NCRBUTTONUP = 0x00A5;
constexpr uint32_t WM_NCRBUTTONDBLCLK = 0x00A6;
constexpr uint32_t WM_NCMBUTTONDOWN = 0x00A7;
constexpr uint32_t WM_NCMBUTTONUP = 0x00A8;
constexpr uint32_t WM_NCMBUTTONDBLCLK = 0x00A9;
constexpr uint32_t WM_KEYFIRST = 0x0100;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_DEADCHAR = 0x0103;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_SYSCHAR = 0x0106;
constexpr uint32_t WM_SYSDEADCHAR = 0x0107;
constexpr uint32_t WM_KEYLAST = 0x0109;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_SYSCOMMAND = 0x0112;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_HSCROLL = 0x0114;
constexpr uint32_t WM_VSCROLL = 0x0115;
constexpr uint32_t WM_INITMENUPOPUP = 0x0117;
constexpr uint32_t WM_GESTURE = 0x0119;
constexpr uint32_t WM_MENUCHAR = 0x0120;
constexpr uint32_t WM_ENTERIDLE = 0x0121;
constexpr uint32_t WM_CHANGEUISTATE = 0x0127;
constexpr uint32_t WM_UPDATEUISTATE = 0x0128;
constexpr uint32_t WM_QUERYUISTATE = 0x0129;
constexpr uint32_t WM_CTLCOLOREDIT = 0x0133;
constexpr uint32_t WM_MOUSEFIRST = 0x0200;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
constexpr uint32_t WM_MBUTTONUP = 0x0208;
constexpr uint32_t WM_MBUTTONDBLCLK = 0x0209;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_MOUSEHWHEEL = 0x020E;
constexpr uint32_t WM_MOUSELAST = 0x020E;
constexpr uint32_t WM_SIZING = 0x0214;
constexpr uint32_t WM_CAPTURECHANGED = 0x0215;
constexpr uint32_t WM_MOVING = 0x0216;
constexpr uint32_t WM_ENTERSIZEMOVE = 0x0231;
constexpr uint32_t WM_EXITSIZEMOVE = 0x0232;
constexpr uint32_t WM_DROPFILES = 0x0233;
constexpr uint32_t WM_MOUSEHOVER = 0x02A1;
constexpr uint32_t WM_NCMOUSELEAVE = 0x02A2;
constexpr uint32_t WM_MOUSELEAVE = 0x02A3;
constexpr uint32_t WM_CUT = 0x0300;
constexpr uint32_t WM_COPY = 0x0301;
constexpr uint32_t WM_PASTE = 0x0302;
constexpr uint32_t WM_CLEAR = 0x0303;
constexpr uint32_t WM_UNDO = 0x0304;
constexpr uint32_t WM_PRINT = 0x0317;
constexpr uint32_t WM_PRINTCLIENT = 0x0318;
constexpr uint32_t WM_THEMECHANGED = 0x031A;
constexpr uint32_t WM_USER = 0x0400;
constexpr uint32_t WM_APP = 0x8000;

// --- the control layer's notifications -------------------------------------------------------------------
constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
constexpr uint32_t CM_GOTFOCUS = CM_BASE + 2;
constexpr uint32_t CM_LOSTFOCUS = CM_BASE + 3;
constexpr uint32_t CM_CANCELMODE = CM_BASE + 4;
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 6;
constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr uint32_t CM_HITTEST = CM_BASE + 10;
constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr uint32_t CM_COLORCHANGED = CM_BASE + 13;
constexpr uint32_t CM_FONTCHANGED = CM_BASE + 14;
constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 15;
constexpr uint32_t CM_CTL3DCHANGED = CM_BASE + 16;
constexpr uint32_t CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
constexpr uint32_t CM_MENUCHANGED = CM_BASE + 21;
constexpr uint32_t CM_APPKEYDOWN = CM_BASE + 22;
constexpr uint32_t CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr uint32_t CM_BUTTONPRESSED = CM_BASE + 24;
constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr uint32_t CM_ENTER = CM_BASE + 26;
constexpr uint32_t CM_EXIT = CM_BASE + 27;
constexpr uint32_t CM_DESIGNHITTEST = CM_BASE + 28;
constexpr uint32_t CM_ICONCHANGED = CM_BASE + 29;
constexpr uint32_t CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr uint32_t CM_INVOKEHELP = CM_BASE + 31;
constexpr uint32_t CM_WINDOWHOOK = CM_BASE + 32;
constexpr uint32_t CM_RELEASE = CM_BASE + 33;
constexpr uint32_t CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr uint32_t CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr uint32_t CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr uint32_t CM_WININICHANGE = CM_BASE + 37;
constexpr uint32_t CM_FONTCHANGE = CM_BASE + 38;
constexpr uint32_t CM_TIMECHANGE = CM_BASE + 39;
constexpr uint32_t CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr uint32_t CM_UIACTIVATE = CM_BASE + 41;
constexpr uint32_t CM_UIDEACTIVATE = CM_BASE + 42;
constexpr uint32_t CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr uint32_t CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr uint32_t CM_GETDATALINK = CM_BASE + 45;
constexpr uint32_t CM_CHILDKEY = CM_BASE + 46;
constexpr uint32_t CM_DRAG = CM_BASE + 47;
constexpr uint32_t CM_HINTSHOW = CM_BASE + 48;
constexpr uint32_t CM_DIALOGHANDLE = CM_BASE + 49;
constexpr uint32_t CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr uint32_t CM_RECREATEWND = CM_BASE + 51;
constexpr uint32_t CM_INVALIDATE = CM_BASE + 52;
constexpr uint32_t CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr uint32_t CM_CONTROLCHANGE = CM_BASE + 54;
constexpr uint32_t CM_CHANGED = CM_BASE + 55;
constexpr uint32_t CM_BORDERCHANGED = CM_BASE + 59;
constexpr uint32_t CM_BIDIMODECHANGED = CM_BASE + 60;
constexpr uint32_t CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
constexpr uint32_t CM_ACTIONUPDATE = CM_BASE + 63;
constexpr uint32_t CM_ACTIONEXECUTE = CM_BASE + 64;
constexpr uint32_t CM_HINTSHOWPAUSE = CM_BASE + 65;
constexpr uint32_t CM_MOUSEWHEEL = CM_BASE + 67;
constexpr uint32_t CM_ISSHORTCUT = CM_BASE + 68;
constexpr uint32_t CM_DOUBLEBUFFEREDCHANGED = CM_BASE + 78;
constexpr uint32_t CM_PARENTDOUBLEBUFFEREDCHANGED = CM_BASE + 79;
constexpr uint32_t CM_STYLECHANGED = CM_BASE + 81;
constexpr uint32_t CM_GESTURE = CM_BASE + 83;

// --- messages reflected to the owning control --------------------------------------------------------------
constexpr uint32_t CN_BASE = 0xBC00;
constexpr uint32_t CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr uint32_t CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr uint32_t CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr uint32_t CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr uint32_t CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr uint32_t CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr uint32_t CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr uint32_t CN_CHAR = CN_BASE + WM_CHAR;
constexpr uint32_t CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr uint32_t CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr uint32_t CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr uint32_t CN_VSCROLL = CN_BASE + WM_VSCROLL;

// --- parameters --------------------------------------------------------------------------------------------
// Hit-test codes (WM_NCHITTEST).
constexpr int HTERROR = -2;
constexpr int HTTRANSPARENT = -1;
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTCAPTION = 2;
constexpr int HTSYSMENU = 3;
constexpr int HTGROWBOX = 4;
constexpr int HTSIZE = HTGROWBOX;
constexpr int HTMENU = 5;
constexpr int HTHSCROLL = 6;
constexpr int HTVSCROLL = 7;
constexpr int HTMINBUTTON = 8;
constexpr int HTMAXBUTTON = 9;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;
constexpr int HTBORDER = 18;
constexpr int HTCLOSE = 20;
constexpr int HTHELP = 21;

// Key and button state in mouse messages.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;
constexpr unsigned MK_MBUTTON = 0x0010;
// Not a platform bit: the Alt key held during a mouse message.
constexpr unsigned MK_ALT = 0x2000;

// Dialog codes (WM_GETDLGCODE).
constexpr unsigned DLGC_WANTARROWS = 0x0001;
constexpr unsigned DLGC_WANTTAB = 0x0002;
constexpr unsigned DLGC_WANTALLKEYS = 0x0004;
constexpr unsigned DLGC_WANTMESSAGE = 0x0004;
constexpr unsigned DLGC_HASSETSEL = 0x0008;
constexpr unsigned DLGC_DEFPUSHBUTTON = 0x0010;
constexpr unsigned DLGC_UNDEFPUSHBUTTON = 0x0020;
constexpr unsigned DLGC_RADIOBUTTON = 0x0040;
constexpr unsigned DLGC_WANTCHARS = 0x0080;
constexpr unsigned DLGC_STATIC = 0x0100;
constexpr unsigned DLGC_BUTTON = 0x2000;

// WM_SIZE kinds.
constexpr unsigned SIZE_RESTORED = 0;
constexpr unsigned SIZE_MINIMIZED = 1;
constexpr unsigned SIZE_MAXIMIZED = 2;

// WM_ACTIVATE states.
constexpr unsigned WA_INACTIVE = 0;
constexpr unsigned WA_ACTIVE = 1;
constexpr unsigned WA_CLICKACTIVE = 2;

// WM_MOUSEACTIVATE answers.
constexpr int MA_ACTIVATE = 1;
constexpr int MA_ACTIVATEANDEAT = 2;
constexpr int MA_NOACTIVATE = 3;
constexpr int MA_NOACTIVATEANDEAT = 4;

// WM_PRINT flags.
constexpr unsigned PRF_CHECKVISIBLE = 0x01;
constexpr unsigned PRF_NONCLIENT = 0x02;
constexpr unsigned PRF_CLIENT = 0x04;
constexpr unsigned PRF_ERASEBKGND = 0x08;
constexpr unsigned PRF_CHILDREN = 0x10;
constexpr unsigned PRF_OWNED = 0x20;

// WM_SYSCOMMAND commands.
constexpr unsigned SC_SIZE = 0xF000;
constexpr unsigned SC_MOVE = 0xF010;
constexpr unsigned SC_MINIMIZE = 0xF020;
constexpr unsigned SC_MAXIMIZE = 0xF030;
constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned SC_KEYMENU = 0xF100;
constexpr unsigned SC_RESTORE = 0xF120;

// --- window styles -----------------------------------------------------------------------------------------
constexpr uint32_t WS_OVERLAPPED = 0x00000000;
constexpr uint32_t WS_POPUP = 0x80000000;
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_MINIMIZE = 0x20000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_DISABLED = 0x08000000;
constexpr uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr uint32_t WS_MAXIMIZE = 0x01000000;
constexpr uint32_t WS_CAPTION = 0x00C00000;
constexpr uint32_t WS_BORDER = 0x00800000;
constexpr uint32_t WS_DLGFRAME = 0x00400000;
constexpr uint32_t WS_VSCROLL = 0x00200000;
constexpr uint32_t WS_HSCROLL = 0x00100000;
constexpr uint32_t WS_SYSMENU = 0x00080000;
constexpr uint32_t WS_THICKFRAME = 0x00040000;
constexpr uint32_t WS_SIZEBOX = WS_THICKFRAME;
constexpr uint32_t WS_GROUP = 0x00020000;
constexpr uint32_t WS_TABSTOP = 0x00010000;
constexpr uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000;

constexpr uint32_t WS_EX_DLGMODALFRAME = 0x00000001;
constexpr uint32_t WS_EX_TOPMOST = 0x00000008;
constexpr uint32_t WS_EX_TRANSPARENT = 0x00000020;
constexpr uint32_t WS_EX_TOOLWINDOW = 0x00000080;
constexpr uint32_t WS_EX_WINDOWEDGE = 0x00000100;
constexpr uint32_t WS_EX_CLIENTEDGE = 0x00000200;
constexpr uint32_t WS_EX_CONTROLPARENT = 0x00010000;
constexpr uint32_t WS_EX_STATICEDGE = 0x00020000;
constexpr uint32_t WS_EX_APPWINDOW = 0x00040000;
constexpr uint32_t WS_EX_LAYERED = 0x00080000;
constexpr uint32_t WS_EX_NOACTIVATE = 0x08000000;

constexpr uint32_t CS_VREDRAW = 0x0001;
constexpr uint32_t CS_HREDRAW = 0x0002;
constexpr uint32_t CS_DBLCLKS = 0x0008;
constexpr uint32_t CS_SAVEBITS = 0x0800;
constexpr uint32_t CS_DROPSHADOW = 0x00020000;

// --- parameter records
// ---------------------------------------------------------------------------------------
// WM_WINDOWPOSCHANGING/CHANGED point at one through LParam; a handler of CHANGING may change it.
struct TWindowPos
{
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    unsigned flags = 0;
};

// WM_NCCALCSIZE points at one through LParam: rgrc[0] comes in as the window rectangle in the parent's
// client coordinates and goes out as the client rectangle in the same coordinates.
struct TNCCalcSizeParams
{
    TRect rgrc[3];
    TWindowPos* lppos = nullptr;
};

// WM_GETMINMAXINFO.
struct TMinMaxInfo
{
    TPoint ptReserved;
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

constexpr unsigned SWP_NOSIZE = 0x0001;
constexpr unsigned SWP_NOMOVE = 0x0002;
constexpr unsigned SWP_NOZORDER = 0x0004;
constexpr unsigned SWP_NOREDRAW = 0x0008;
constexpr unsigned SWP_NOACTIVATE = 0x0010;
constexpr unsigned SWP_FRAMECHANGED = 0x0020;
constexpr unsigned SWP_SHOWWINDOW = 0x0040;
constexpr unsigned SWP_HIDEWINDOW = 0x0080;
constexpr unsigned SWP_NOCOPYBITS = 0x0100;
constexpr unsigned SWP_NOOWNERZORDER = 0x0200;
constexpr unsigned SWP_NOSENDCHANGING = 0x0400;

inline HWND const HWND_TOP = nullptr;
inline HWND const HWND_BOTTOM = reinterpret_cast<HWND>(1);
inline HWND const HWND_TOPMOST = reinterpret_cast<HWND>(-1);
inline HWND const HWND_NOTOPMOST = reinterpret_cast<HWND>(-2);
