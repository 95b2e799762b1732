#pragma once

#include "platform/gui/graphics/canvas.h"

#include <span>
#include <string>

// The device-context routines of the classic platform, working on a TCanvas where the platform takes a
// device context.

// --- Device-context state ---
constexpr int TRANSPARENT = 1; // background modes
constexpr int OPAQUE = 2;
int SetBkMode(TCanvas& canvas, int mode); // returns the previous mode
int GetBkMode(TCanvas& canvas);
TColor SetBkColor(TCanvas& canvas, TColor color);
TColor GetBkColor(TCanvas& canvas);
TColor SetTextColor(TCanvas& canvas, TColor color);
TColor GetTextColor(TCanvas& canvas);

constexpr unsigned TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6;
constexpr unsigned TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24;
unsigned SetTextAlign(TCanvas& canvas, unsigned align);
unsigned GetTextAlign(TCanvas& canvas);

// Saves clip region, window and brush origins, background and text settings and the font, pen and brush;
// RestoreDC(-1) restores the last one.
int SaveDC(TCanvas& canvas);
bool RestoreDC(TCanvas& canvas, int savedState);

// Pattern and hatch brushes are tiled from the brush origin, a point in device pixels.
bool SetBrushOrgEx(TCanvas& canvas, int x, int y, TPoint* previous = nullptr);

// The window origin is the logical point drawn at device (0, 0).
bool SetWindowOrgEx(TCanvas& canvas, int x, int y, TPoint* previous = nullptr);
bool GetWindowOrgEx(TCanvas& canvas, TPoint& origin);
void MoveWindowOrg(TCanvas& canvas, int dx, int dy);

// --- Clipping --- (rectangles in logical coordinates, regions in device pixels)
TRegionKind IntersectClipRect(TCanvas& canvas, int left, int top, int right, int bottom);
TRegionKind ExcludeClipRect(TCanvas& canvas, int left, int top, int right, int bottom);
TRegionKind SelectClipRgn(TCanvas& canvas, const TRegion* region); // nullptr removes the clip
TRegionKind ExtSelectClipRgn(TCanvas& canvas, const TRegion* region, TCombineMode mode);
TRegionKind GetClipBox(TCanvas& canvas, TRect& box); // logical coordinates
// 1 and the clip region in region, or 0 when the canvas has none.
int GetClipRgn(TCanvas& canvas, TRegion& region);
bool RectVisible(TCanvas& canvas, const TRect& rect);
void FillRgn(TCanvas& canvas, const TRegion& region, TColor color);
void FrameRgn(TCanvas& canvas, const TRegion& region, TColor color, int width, int height);

// --- Text ---
// Rectangles: a point on the right or bottom edge lies outside.
inline bool PtInRect(const TRect& rect, TPoint p)
{
    return p.X >= rect.Left && p.X < rect.Right && p.Y >= rect.Top && p.Y < rect.Bottom;
}

inline void OffsetRect(TRect& rect, int dx, int dy)
{
    rect = {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
}

inline void InflateRect(TRect& rect, int dx, int dy)
{
    rect = {rect.Left - dx, rect.Top - dy, rect.Right + dx, rect.Bottom + dy};
}

constexpr unsigned DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4,
                   DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40,
                   DT_TABSTOP = 0x80, DT_NOCLIP = 0x100, DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400,
                   DT_NOPREFIX = 0x800, DT_INTERNAL = 0x1000, DT_EDITCONTROL = 0x2000,
                   DT_PATH_ELLIPSIS = 0x4000, DT_END_ELLIPSIS = 0x8000, DT_MODIFYSTRING = 0x10000,
                   DT_RTLREADING = 0x20000, DT_WORD_ELLIPSIS = 0x40000, DT_NOFULLWIDTHCHARBREAK = 0x80000,
                   DT_HIDEPREFIX = 0x100000, DT_PREFIXONLY = 0x200000;

// Lays out and draws text in rect. With DT_CALCRECT nothing is drawn and rect grows or shrinks to the
// text (its width for one line, its height for wrapped text). Returns the height of the text; with
// DT_VCENTER or DT_BOTTOM the offset from rect's top to the text's bottom. "&" marks the next character
// as underlined and "&&" is a literal "&" unless DT_NOPREFIX; DT_HIDEPREFIX removes the marks without
// underlining. The ellipsis flags shorten lines that do not fit: at the end, at a word end, or inside a
// path so that its last part stays. DT_RTLREADING lays each line out in right-to-left reading order.
int DrawText(TCanvas& canvas, const std::string& text, TRect& rect, unsigned format);

constexpr unsigned ETO_OPAQUE = 0x2, ETO_CLIPPED = 0x4;
// Text at (x, y) per the text alignment; ETO_OPAQUE fills rect with the background colour first and
// ETO_CLIPPED clips the text to rect. advances, when given, holds for each character (code point) the
// distance from its start to the next one's, in place of its own width; the text is then as wide as their
// sum. Fewer advances than characters draw nothing and answer false.
bool ExtTextOut(TCanvas& canvas, int x, int y, unsigned options, const TRect* rect, const std::string& text,
                std::span<const int> advances = {});

// --- Edges and frame controls ---
constexpr unsigned BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4, BDR_SUNKENINNER = 0x8;
constexpr unsigned BDR_OUTER = 0x3, BDR_INNER = 0xC;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT, BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x800, BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000,
                   BF_MONO = 0x8000;

// Draws up to two rings of 3D edges inside rect; BF_ADJUST shrinks rect past what was drawn.
bool DrawEdge(TCanvas& canvas, TRect& rect, unsigned edge, unsigned flags);

constexpr unsigned DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4;
constexpr unsigned DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIO = 0x4, DFCS_BUTTONPUSH = 0x10;
constexpr unsigned DFCS_SCROLLUP = 0x0, DFCS_SCROLLDOWN = 0x1, DFCS_SCROLLLEFT = 0x2, DFCS_SCROLLRIGHT = 0x3,
                   DFCS_SCROLLCOMBOBOX = 0x5, DFCS_SCROLLSIZEGRIP = 0x8;
constexpr unsigned DFCS_CAPTIONCLOSE = 0x0, DFCS_MENUARROW = 0x0;
constexpr unsigned DFCS_ADJUSTRECT = 0x2000, DFCS_FLAT = 0x4000, DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200,
                   DFCS_CHECKED = 0x400, DFCS_HOT = 0x1000;

// The classic looks of push buttons, check and radio boxes, scroll arrows, the size grip, the combo
// box button, the menu arrow and the caption close button.
bool DrawFrameControl(TCanvas& canvas, TRect& rect, unsigned type, unsigned state);

void DrawFocusRect(TCanvas& canvas, const TRect& rect);

// --- Fills and blits ---
constexpr unsigned GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1;
// Colours change along x (H) or y (V): the first column or row has from, the last has to.
void GradientFill(TCanvas& canvas, const TRect& rect, TColor from, TColor to, unsigned mode);

// Raster operations beyond TCopyMode's names.
constexpr uint32_t SRCCOPY = cmSrcCopy, SRCPAINT = cmSrcPaint, SRCAND = cmSrcAnd, SRCINVERT = cmSrcInvert,
                   SRCERASE = cmSrcErase, NOTSRCCOPY = cmNotSrcCopy, NOTSRCERASE = cmNotSrcErase,
                   MERGECOPY = cmMergeCopy, MERGEPAINT = cmMergePaint, PATCOPY = cmPatCopy,
                   PATPAINT = cmPatPaint, PATINVERT = cmPatInvert, DSTINVERT = cmDstInvert,
                   BLACKNESS = cmBlackness, WHITENESS = cmWhiteness;
// Where the source is black the brush is painted, elsewhere the destination stays (mono glyphs).
constexpr uint32_t ROP_DSPDXAX = 0x00E20746;

bool BitBlt(TCanvas& dest, int x, int y, int width, int height, TCanvas& source, int sourceX, int sourceY,
            uint32_t rop);
// Scales by taking the nearest source pixel.
bool StretchBlt(TCanvas& dest, int x, int y, int width, int height, TCanvas& source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, uint32_t rop);
// Copies the source rectangle onto the parallelogram whose corners points[0], points[1] and points[2] take
// the source's top-left, top-right and bottom-left corners (a turn, a slant or a mirror). Source and dest may
// be the same canvas; dest keeps its pixels outside the parallelogram.
bool PlgBlt(TCanvas& dest, const TPoint points[3], TCanvas& source, int sourceX, int sourceY, int width,
            int height);
// Operations that need no source: PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS.
bool PatBlt(TCanvas& dest, int x, int y, int width, int height, uint32_t rop);

constexpr uint8_t AC_SRC_OVER = 0, AC_SRC_ALPHA = 1;
struct TBlendFunction
{
    uint8_t BlendOp = AC_SRC_OVER;
    uint8_t BlendFlags = 0;
    uint8_t SourceConstantAlpha = 255;
    uint8_t AlphaFormat = 0; // AC_SRC_ALPHA: the source has per-pixel alpha (premultiplied)
};
// dest = source * SCA/255 + dest * (1 - alpha * SCA/255/255), alpha being the source pixel's alpha with
// AC_SRC_ALPHA and 255 otherwise. The source's colours must be premultiplied with AC_SRC_ALPHA.
bool AlphaBlend(TCanvas& dest, int x, int y, int width, int height, TCanvas& source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, TBlendFunction blend);
