#pragma once

#include "platform/gui/windows/messages.h"

// The scroll bars of a window (WS_HSCROLL, WS_VSCROLL): part of its frame, drawn with the frame and sending
// WM_HSCROLL/WM_VSCROLL to the window while the user works them. Each bar keeps a range (Min..Max), a page
// size and a position; the position stays within [Min, Max - max(Page - 1, 0)]. A bar whose page holds the
// whole range hides itself, or shows disabled when SIF_DISABLENOSCROLL is asked for. Showing or hiding a
// bar changes the client area at once, so the window gets WM_SIZE before SetScrollInfo returns.

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
// The bar of a scroll bar control: a window of the class "SCROLLBAR" that is a bar as a whole, horizontal or
// vertical as its style says.
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

constexpr uint32_t SBS_HORZ = 0x0000;
constexpr uint32_t SBS_VERT = 0x0001;

constexpr unsigned SB_LINEUP = 0;
constexpr unsigned SB_LINELEFT = 0;
constexpr unsigned SB_LINEDOWN = 1;
constexpr unsigned SB_LINERIGHT = 1;
constexpr unsigned SB_PAGEUP = 2;
constexpr unsigned SB_PAGELEFT = 2;
constexpr unsigned SB_PAGEDOWN = 3;
constexpr unsigned SB_PAGERIGHT = 3;
constexpr unsigned SB_THUMBPOSITION = 4;
constexpr unsigned SB_THUMBTRACK = 5;
constexpr unsigned SB_TOP = 6;
constexpr unsigned SB_LEFT = 6;
constexpr unsigned SB_BOTTOM = 7;
constexpr unsigned SB_RIGHT = 7;
constexpr unsigned SB_ENDSCROLL = 8;

constexpr unsigned SIF_RANGE = 0x0001;
constexpr unsigned SIF_PAGE = 0x0002;
constexpr unsigned SIF_POS = 0x0004;
constexpr unsigned SIF_DISABLENOSCROLL = 0x0008;
constexpr unsigned SIF_TRACKPOS = 0x0010;
constexpr unsigned SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

constexpr unsigned ESB_ENABLE_BOTH = 0x0000;
constexpr unsigned ESB_DISABLE_LTUP = 0x0001;
constexpr unsigned ESB_DISABLE_LEFT = 0x0001;
constexpr unsigned ESB_DISABLE_UP = 0x0001;
constexpr unsigned ESB_DISABLE_RTDN = 0x0002;
constexpr unsigned ESB_DISABLE_RIGHT = 0x0002;
constexpr unsigned ESB_DISABLE_DOWN = 0x0002;
constexpr unsigned ESB_DISABLE_BOTH = 0x0003;

struct TScrollInfo
{
    unsigned cbSize = sizeof(TScrollInfo);
    unsigned fMask = 0;
    int nMin = 0;
    int nMax = 0;
    unsigned nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// Answers the new position.
int SetScrollInfo(HWND window, int bar, const TScrollInfo& info, bool redraw);
bool GetScrollInfo(HWND window, int bar, TScrollInfo& info);
// Answers the previous position.
int SetScrollPos(HWND window, int bar, int pos, bool redraw);
int GetScrollPos(HWND window, int bar);
bool SetScrollRange(HWND window, int bar, int minPos, int maxPos, bool redraw);
bool GetScrollRange(HWND window, int bar, int& minPos, int& maxPos);
bool ShowScrollBar(HWND window, int bar, bool show);
// False when the arrows already were in that state.
bool EnableScrollBar(HWND window, int bar, unsigned arrows);

// The position a scroll code (WM_HSCROLL/WM_VSCROLL) asks for: steps of line and page from now, the first
// position, last, or the bar's track position while the thumb is dragged; now for the others.
int ScrollCodePosition(HWND window, int bar, unsigned code, int now, int line, int page, int last);

// Where a point of the window (window coordinates) falls on a bar: the arrow, page or thumb parts.
enum TScrollBarPart
{
    sbpNone,
    sbpLineUp,
    sbpPageUp,
    sbpThumb,
    sbpPageDown,
    sbpLineDown
};
TScrollBarPart ScrollBarPartAt(HWND window, int bar, TPoint windowPos);
