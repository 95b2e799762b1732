#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/qt/canvas_impl.h"
#include "platform/gui/qt/qt_bridge.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

// A white bitmap to draw on; pixels are probed through the canvas.
struct Surface
{
    explicit Surface(int width = 40, int height = 40, TPixelFormat format = pf24bit)
        : bitmap(width, height, format)
    {
        canvas = bitmap.Canvas();
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect({0, 0, width, height});
    }
    TColor At(int x, int y) const { return canvas->Pixels(x, y); }
    // The pixels of one row (or column) from..to-1 that are not white, as a string of '#' and '.'.
    std::string Row(int y, int from, int to) const
    {
        std::string s;
        for (int x = from; x < to; ++x)
            s += At(x, y) == clWhite ? '.' : '#';
        return s;
    }
    std::string Column(int x, int from, int to) const
    {
        std::string s;
        for (int y = from; y < to; ++y)
            s += At(x, y) == clWhite ? '.' : '#';
        return s;
    }
    int Count(TColor color) const
    {
        int n = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                n += At(x, y) == color;
        return n;
    }
    TBitmap bitmap;
    TCanvas* canvas;
};

} // namespace

TEST(Canvas, LinesLeaveOutTheirEndPoint)
{
    const struct
    {
        TPoint from, to;
        TPoint lastDrawn, end;
        int pixels;
    } cases[] = {
        {{2, 5}, {10, 5}, {9, 5}, {10, 5}, 8}, {{10, 5}, {2, 5}, {3, 5}, {2, 5}, 8},
        {{4, 2}, {4, 9}, {4, 8}, {4, 9}, 7},   {{1, 1}, {6, 6}, {5, 5}, {6, 6}, 5},
        {{6, 6}, {1, 1}, {2, 2}, {1, 1}, 5},   {{1, 6}, {6, 1}, {5, 2}, {6, 1}, 5},
        {{6, 1}, {1, 6}, {2, 5}, {1, 6}, 5},   {{4, 9}, {4, 2}, {4, 3}, {4, 2}, 7},
        {{2, 9}, {5, 1}, {5, 2}, {5, 1}, 8},   {{3, 3}, {3, 3}, {3, 3}, {3, 3}, 0},
    };
    for (const auto& c : cases) {
        Surface s;
        s.canvas->MoveTo(c.from.X, c.from.Y);
        s.canvas->LineTo(c.to.X, c.to.Y);
        EXPECT_EQ(s.Count(clBlack), c.pixels) << c.to.X << "," << c.to.Y;
        if (c.pixels > 0) {
            EXPECT_EQ(s.At(c.lastDrawn.X, c.lastDrawn.Y), clBlack) << c.from.X << "," << c.from.Y;
            EXPECT_EQ(s.At(c.from.X, c.from.Y), clBlack);
            EXPECT_EQ(s.At(c.end.X, c.end.Y), clWhite);
        }
        EXPECT_EQ(s.canvas->PenPos(), c.to);
    }
}

TEST(Canvas, ShapesStayInsideTheirRectangle)
{
    Surface s;
    s.canvas->Brush()->SetColor(clRed);
    s.canvas->Rectangle(2, 2, 8, 6);
    EXPECT_EQ(s.Row(2, 0, 10), "..######..");
    EXPECT_EQ(s.Column(2, 0, 8), "..####..");
    EXPECT_EQ(s.At(3, 3), clRed);
    EXPECT_EQ(s.At(7, 5), clBlack);
    EXPECT_EQ(s.At(8, 5), clWhite);

    // A frame in the fill's colour (as gradients draw their bands): the same pixels, all of them filled.
    s.canvas->Pen()->SetColor(clRed);
    s.canvas->Rectangle(2, 10, 8, 14);
    EXPECT_EQ(s.Row(10, 0, 10), "..######..");
    EXPECT_EQ(s.Row(13, 0, 10), "..######..");
    EXPECT_EQ(s.Column(7, 9, 15), ".####.");
    EXPECT_EQ(s.Count(clRed), 4 * 2 + 6 * 4);
    s.canvas->Pen()->SetColor(clBlack);

    // Without a pen the fill loses the right column and the bottom row.
    s.canvas->Pen()->SetStyle(psClear);
    s.canvas->Rectangle(20, 20, 24, 23);
    EXPECT_EQ(s.Row(20, 19, 25), ".###..");
    EXPECT_EQ(s.Column(20, 19, 24), ".##..");

    Surface f;
    f.canvas->Brush()->SetColor(clBlue);
    f.canvas->FrameRect({1, 1, 6, 5});
    EXPECT_EQ(f.Row(1, 0, 7), ".#####.");
    EXPECT_EQ(f.Row(2, 0, 7), ".#...#.");
    EXPECT_EQ(f.Row(4, 0, 7), ".#####.");
    EXPECT_EQ(f.Row(5, 0, 7), ".......");
    f.canvas->FillRect({10, 10, 13, 12});
    EXPECT_EQ(f.Count(clBlue), 14 + 6);

    Surface e;
    e.canvas->Brush()->SetStyle(bsClear);
    e.canvas->Ellipse(0, 0, 11, 11);
    EXPECT_EQ(e.Row(5, 0, 12), "#.........#.");
    EXPECT_EQ(e.Column(5, 0, 12), "#.........#.");
    EXPECT_EQ(e.At(5, 5), clWhite); // clear brush: the inside stays

    Surface r;
    r.canvas->RoundRect(0, 0, 12, 10, 6, 6);
    EXPECT_EQ(r.At(0, 0), clWhite); // rounded corner
    EXPECT_EQ(r.At(6, 0), clBlack);
    EXPECT_EQ(r.At(11, 5), clBlack);
    EXPECT_EQ(r.At(12, 5), clWhite);
}

TEST(Canvas, PolygonsAndPolylines)
{
    Surface s;
    s.canvas->Brush()->SetColor(clLime);
    s.canvas->Polygon({{2, 2}, {12, 2}, {12, 12}, {2, 12}});
    EXPECT_EQ(s.At(7, 7), clLime);
    EXPECT_EQ(s.At(2, 2), clBlack);
    EXPECT_EQ(s.At(14, 7), clWhite);

    Surface l;
    l.canvas->MoveTo(30, 30);
    l.canvas->Polyline({{1, 1}, {5, 1}, {5, 5}});
    EXPECT_EQ(l.Row(1, 0, 7), ".#####."); // the corner pixel starts the second segment
    EXPECT_EQ(l.Column(5, 0, 7), ".####..");
    EXPECT_EQ(l.canvas->PenPos(), (TPoint{30, 30}));
}

TEST(Canvas, PenModesAndFocusRectangleInvert)
{
    Surface s;
    s.canvas->Brush()->SetColor(RGBToColor(0x10, 0x20, 0x30));
    s.canvas->FillRect({0, 0, 40, 40});
    s.canvas->Pen()->SetMode(pmNot);
    s.canvas->MoveTo(0, 3);
    s.canvas->LineTo(10, 3);
    EXPECT_EQ(s.At(4, 3), RGBToColor(0xEF, 0xDF, 0xCF));
    s.canvas->MoveTo(0, 3);
    s.canvas->LineTo(10, 3);
    EXPECT_EQ(s.At(4, 3), RGBToColor(0x10, 0x20, 0x30));

    s.canvas->Pen()->SetMode(pmXor);
    s.canvas->Pen()->SetColor(RGBToColor(0xFF, 0, 0));
    s.canvas->MoveTo(0, 5);
    s.canvas->LineTo(10, 5);
    EXPECT_EQ(s.At(2, 5), RGBToColor(0xEF, 0x20, 0x30));

    Surface f;
    f.canvas->DrawFocusRect({2, 2, 12, 8});
    EXPECT_EQ(f.Row(2, 2, 12), "#.#.#.#.#.");
    EXPECT_EQ(f.At(5, 5), clWhite);
    f.canvas->DrawFocusRect({2, 2, 12, 8});
    EXPECT_EQ(f.Count(clWhite), 40 * 40);
}

TEST(Canvas, StyledPensAndHatchedBrushes)
{
    Surface s;
    s.canvas->Pen()->SetStyle(psDot);
    s.canvas->Brush()->SetStyle(bsClear); // gaps stay transparent
    s.canvas->MoveTo(0, 1);
    s.canvas->LineTo(12, 1);
    EXPECT_EQ(s.Row(1, 0, 12), "###...###...");

    s.canvas->Brush()->SetColor(clYellow); // opaque background fills the gaps
    s.canvas->MoveTo(0, 3);
    s.canvas->LineTo(12, 3);
    EXPECT_EQ(s.At(4, 3), clYellow);

    Surface h;
    h.canvas->Brush()->SetStyle(bsHorizontal);
    h.canvas->Brush()->SetColor(clBlue);
    h.canvas->Pen()->SetStyle(psClear);
    h.canvas->Rectangle(0, 0, 20, 20);
    int blueRows = 0;
    for (int y = 0; y < 19; ++y)
        blueRows += h.At(5, y) == clBlue;
    EXPECT_GT(blueRows, 0);
    EXPECT_LT(blueRows, 19);
}

TEST(Canvas, PixelsReadAndWrite)
{
    Surface s(10, 10, pf32bit);
    s.canvas->SetPixels(3, 4, RGBToColor(1, 2, 3));
    EXPECT_EQ(s.At(3, 4), RGBToColor(1, 2, 3));
    EXPECT_EQ(s.At(10, 0), clNone);
    EXPECT_EQ(s.bitmap.ScanLine(4)[3 * 4 + 2], 1); // B, G, R, A bytes
    EXPECT_EQ(s.bitmap.ScanLine(4)[3 * 4 + 3], 255);
}

TEST(Canvas, TextOutMovesThePenByTheWidthInTheFontItWasDrawnWith)
{
    Surface s(120, 40);
    s.canvas->Brush()->SetStyle(bsClear);
    s.canvas->Font()->SetName("DejaVu Sans");
    s.canvas->Font()->SetHeight(-13);
    const int narrow = s.canvas->TextWidth("Wide");
    s.canvas->TextOut(2, 2, "Wide");
    s.canvas->Font()->SetHeight(-26);
    EXPECT_EQ(s.canvas->PenPos(), (TPoint{2 + narrow, 2}));

    const int wide = s.canvas->TextWidth("Wide");
    s.canvas->TextOut(0, 5, "Wide");
    s.canvas->LineTo(wide, 38); // straight down from where the text ended
    EXPECT_EQ(s.canvas->PenPos(), (TPoint{wide, 38}));
    EXPECT_EQ(s.At(wide, 36), clBlack);
}

TEST(Canvas, TextBackgroundFollowsBrushAndBkMode)
{
    Surface s(120, 40);
    s.canvas->Font()->SetName("DejaVu Sans");
    s.canvas->Font()->SetHeight(-13);
    s.canvas->Brush()->SetColor(clAqua);
    s.canvas->TextOut(2, 2, "Hi");
    const int width = s.canvas->TextWidth("Hi");
    EXPECT_EQ(s.canvas->PenPos(), (TPoint{2 + width, 2}));
    EXPECT_EQ(s.At(2, 2), clAqua); // opaque cell background
    EXPECT_EQ(s.At(2 + width, 2), clWhite);

    s.canvas->Brush()->SetStyle(bsClear);
    s.canvas->TextOut(2, 20, "Hi");
    EXPECT_EQ(s.At(2, 20), clWhite);

    SetBkMode(*s.canvas, OPAQUE);
    SetBkColor(*s.canvas, clRed);
    s.canvas->TextOut(60, 2, "Hi");
    EXPECT_EQ(s.At(60, 2), clRed);

    // TextRect fills its rectangle and clips the text to it.
    s.canvas->Brush()->SetColor(clYellow);
    s.canvas->TextRect({60, 20, 64, 30}, 60, 20, "WWWW");
    EXPECT_EQ(s.At(61, 20), clYellow);
    EXPECT_EQ(s.Row(25, 64, 90), std::string(26, '.'));
}

TEST(Canvas, ClipRegionsAndWindowOrigin)
{
    Surface s;
    s.canvas->Brush()->SetColor(clRed);
    IntersectClipRect(*s.canvas, 5, 5, 15, 15);
    ExcludeClipRect(*s.canvas, 8, 8, 10, 10);
    EXPECT_EQ(s.canvas->ClipRect(), (TRect{5, 5, 15, 15}));
    const int saved = SaveDC(*s.canvas);
    TRegion ellipse = CreateEllipticRgn(20, 20, 30, 30);
    SelectClipRgn(*s.canvas, &ellipse);
    s.canvas->FillRect({0, 0, 40, 40});
    EXPECT_EQ(s.At(25, 25), clRed);
    EXPECT_EQ(s.At(20, 20), clWhite);
    EXPECT_EQ(s.At(6, 6), clWhite);

    RestoreDC(*s.canvas, saved);
    s.canvas->FillRect({0, 0, 40, 40});
    EXPECT_EQ(s.At(6, 6), clRed);
    EXPECT_EQ(s.At(8, 8), clWhite);
    EXPECT_EQ(s.At(15, 15), clWhite);
    EXPECT_TRUE(RectVisible(*s.canvas, {0, 0, 6, 6}));
    EXPECT_FALSE(RectVisible(*s.canvas, {0, 0, 5, 5}));

    // Logical (10, 10) lands on device (0, 0); clip rectangles follow the origin, regions do not.
    Surface o;
    SetWindowOrgEx(*o.canvas, 10, 10);
    o.canvas->Brush()->SetColor(clBlue);
    IntersectClipRect(*o.canvas, 10, 10, 14, 14);
    o.canvas->FillRect({0, 0, 100, 100});
    EXPECT_EQ(o.Count(clBlue), 16);
    EXPECT_EQ(o.At(12, 12), clBlue); // Pixels reads logical coordinates
    EXPECT_EQ(o.canvas->ClipRect(), (TRect{10, 10, 14, 14}));
    SelectClipRgn(*o.canvas, nullptr);
    EXPECT_EQ(o.canvas->ClipRect(), (TRect{10, 10, 50, 50}));
}

TEST(Canvas, RegionsOfManyRectanglesClipAfterTheClipWasRemoved)
{
    // A clip taken off again leaves the painter unclipped; a frame-shaped clip (the square less its
    // middle) and a triangle must still hold after that.
    Surface s;
    IntersectClipRect(*s.canvas, 0, 0, 20, 20);
    SelectClipRgn(*s.canvas, nullptr);
    ExcludeClipRect(*s.canvas, 5, 5, 35, 35);
    s.canvas->Brush()->SetColor(clRed);
    s.canvas->FillRect({0, 0, 40, 40});
    EXPECT_EQ(s.Count(clRed), 1600 - 900);

    SelectClipRgn(*s.canvas, nullptr);
    const TRegion triangle = CreatePolygonRgn({{0, 0}, {10, 0}, {0, 10}}, ALTERNATE);
    SelectClipRgn(*s.canvas, &triangle);
    s.canvas->Brush()->SetColor(clBlue);
    s.canvas->FillRect({0, 0, 40, 40});
    EXPECT_EQ(s.At(2, 2), clBlue);
    EXPECT_EQ(s.At(20, 2), clRed);
    EXPECT_EQ(s.At(9, 9), clWhite);
}

TEST(Regions, CombineTestAndMeasure)
{
    const TRegion a = CreateRectRgn(0, 0, 10, 10);
    const TRegion b = CreateRectRgn(5, 5, 15, 15);
    const struct
    {
        TCombineMode mode;
        TRegionKind kind;
        TRect box;
        bool at2, at7, at12;
    } cases[] = {
        {RGN_AND, SIMPLEREGION, {5, 5, 10, 10}, false, true, false},
        {RGN_OR, COMPLEXREGION, {0, 0, 15, 15}, true, true, true},
        {RGN_XOR, COMPLEXREGION, {0, 0, 15, 15}, true, false, true},
        {RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}, true, false, false},
        {RGN_COPY, SIMPLEREGION, {0, 0, 10, 10}, true, true, false},
    };
    for (const auto& c : cases) {
        TRegion dest;
        EXPECT_EQ(CombineRgn(dest, a, b, c.mode), c.kind) << c.mode;
        TRect box;
        GetRgnBox(dest, box);
        EXPECT_EQ(box, c.box) << c.mode;
        EXPECT_EQ(PtInRegion(dest, 2, 2), c.at2) << c.mode;
        EXPECT_EQ(PtInRegion(dest, 7, 7), c.at7) << c.mode;
        EXPECT_EQ(PtInRegion(dest, 12, 12), c.at12) << c.mode;
    }
    TRegion empty;
    EXPECT_EQ(CombineRgn(empty, a, CreateRectRgn(20, 20, 30, 30), RGN_AND), NULLREGION);

    TRegion moved = a;
    OffsetRgn(moved, 3, -2);
    TRect box;
    GetRgnBox(moved, box);
    EXPECT_EQ(box, (TRect{3, -2, 13, 8}));
    EXPECT_FALSE(PtInRegion(a, 10, 5)); // right edge exclusive

    const TRegion triangle = CreatePolygonRgn({{0, 0}, {20, 0}, {0, 20}}, WINDING);
    EXPECT_TRUE(PtInRegion(triangle, 2, 2));
    EXPECT_FALSE(PtInRegion(triangle, 15, 15));
    const TRegion round = CreateRoundRectRgn(0, 0, 20, 20, 10, 10);
    EXPECT_FALSE(PtInRegion(round, 0, 0));
    EXPECT_TRUE(PtInRegion(round, 10, 0));
    EXPECT_TRUE(RectInRegion(round, {8, 8, 9, 9}));
}

TEST(Canvas, GradientFillHitsBothEndColoursAndTheMiddle)
{
    Surface s(11, 11);
    GradientFill(*s.canvas, {0, 0, 11, 5}, RGBToColor(0, 100, 200), RGBToColor(200, 0, 100),
                 GRADIENT_FILL_RECT_H);
    EXPECT_EQ(s.At(0, 2), RGBToColor(0, 100, 200));
    EXPECT_EQ(s.At(5, 2), RGBToColor(100, 50, 150));
    EXPECT_EQ(s.At(10, 4), RGBToColor(200, 0, 100));
    GradientFill(*s.canvas, {0, 5, 3, 10}, clBlack, clWhite, GRADIENT_FILL_RECT_V);
    EXPECT_EQ(s.At(1, 5), clBlack);
    EXPECT_EQ(s.At(1, 7), RGBToColor(128, 128, 128));
    EXPECT_EQ(s.At(1, 9), clWhite);
    EXPECT_EQ(s.At(1, 10), clWhite); // untouched below
}

TEST(Canvas, AlphaBlendArithmetic)
{
    const auto near = [](TColor a, TColor b) {
        return std::abs(GetRValue(a) - GetRValue(b)) <= 1 && std::abs(GetGValue(a) - GetGValue(b)) <= 1 &&
               std::abs(GetBValue(a) - GetBValue(b)) <= 1;
    };
    Surface dest(4, 4);
    dest.canvas->Brush()->SetColor(RGBToColor(200, 100, 0));
    dest.canvas->FillRect({0, 0, 4, 4});

    Surface source(2, 1, pf32bit);
    // Pixel 0: opaque blue; pixel 1: premultiplied red at half alpha.
    uint8_t* px = source.bitmap.ScanLine(0);
    const uint8_t bytes[] = {255, 0, 0, 255, 0, 0, 128, 128};
    std::copy(std::begin(bytes), std::end(bytes), px);

    AlphaBlend(*dest.canvas, 0, 0, 2, 1, *source.canvas, 0, 0, 2, 1, {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    EXPECT_TRUE(near(dest.At(0, 0), RGBToColor(0, 0, 255)));
    // 128 + 200 * (1 - 128/255) = 228, 100 * 127/255 = 50
    EXPECT_TRUE(near(dest.At(1, 0), RGBToColor(228, 50, 0))) << std::hex << dest.At(1, 0);

    // A constant alpha of 64 without per-pixel alpha: dest + (src - dest) * 64/255.
    AlphaBlend(*dest.canvas, 0, 1, 2, 1, *source.canvas, 0, 0, 2, 1, {AC_SRC_OVER, 0, 64, 0});
    EXPECT_TRUE(near(dest.At(0, 1), RGBToColor(150, 75, 64))) << std::hex << dest.At(0, 1);
}

TEST(Canvas, BlitsApplyRasterOperations)
{
    Surface source(4, 1);
    source.canvas->SetPixels(0, 0, RGBToColor(0xF0, 0x0F, 0xFF));
    source.canvas->SetPixels(1, 0, clBlack);
    const struct
    {
        uint32_t rop;
        TColor expected;
    } cases[] = {
        {SRCCOPY, RGBToColor(0xF0, 0x0F, 0xFF)},
        {SRCAND, RGBToColor(0x30, 0x0C, 0x33)},
        {SRCPAINT, RGBToColor(0xF3, 0x3F, 0xFF)},
        {SRCINVERT, RGBToColor(0xC3, 0x33, 0xCC)},
        {NOTSRCCOPY, RGBToColor(0x0F, 0xF0, 0x00)},
        {DSTINVERT, RGBToColor(0xCC, 0xC3, 0xCC)},
        {PATCOPY, clGreen},
    };
    for (const auto& c : cases) {
        Surface dest(4, 1);
        dest.canvas->Brush()->SetColor(RGBToColor(0x33, 0x3C, 0x33));
        dest.canvas->FillRect({0, 0, 4, 1});
        dest.canvas->Brush()->SetColor(clGreen);
        EXPECT_TRUE(BitBlt(*dest.canvas, 0, 0, 1, 1, *source.canvas, 0, 0, c.rop));
        EXPECT_EQ(dest.At(0, 0), c.expected) << std::hex << c.rop;
    }
    // The glyph operation paints the brush where the source is black only.
    Surface dest(4, 1);
    dest.canvas->Brush()->SetColor(clRed);
    EXPECT_TRUE(BitBlt(*dest.canvas, 0, 0, 2, 1, *source.canvas, 0, 0, ROP_DSPDXAX));
    EXPECT_EQ(dest.At(0, 0), clWhite);
    EXPECT_EQ(dest.At(1, 0), clRed);

    Surface wide(8, 2);
    wide.canvas->CopyRect({0, 0, 8, 2}, *source.canvas, {0, 0, 4, 1});
    EXPECT_EQ(wide.At(1, 1), RGBToColor(0xF0, 0x0F, 0xFF));
    EXPECT_EQ(wide.At(3, 0), clBlack);
}

TEST(Canvas, EdgesUseTheThreeDimensionalSystemColours)
{
    const TColor light = ColorToRGB(cl3DLight), dark = ColorToRGB(cl3DDkShadow),
                 highlight = ColorToRGB(clBtnHighlight), shadow = ColorToRGB(clBtnShadow),
                 face = ColorToRGB(clBtnFace);
    const struct
    {
        unsigned edge;
        TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
    } cases[] = {
        {EDGE_RAISED, light, dark, highlight, shadow},
        {EDGE_SUNKEN, shadow, highlight, dark, light},
        {EDGE_ETCHED, shadow, highlight, highlight, shadow},
        {EDGE_BUMP, light, dark, dark, light},
    };
    for (const auto& c : cases) {
        Surface s(10, 10);
        TRect r{0, 0, 10, 10};
        DrawEdge(*s.canvas, r, c.edge, BF_RECT | BF_ADJUST | BF_MIDDLE);
        EXPECT_EQ(r, (TRect{2, 2, 8, 8}));
        EXPECT_EQ(s.At(0, 5), c.outerTopLeft) << c.edge;
        EXPECT_EQ(s.At(9, 5), c.outerBottomRight) << c.edge;
        EXPECT_EQ(s.At(9, 0), c.outerBottomRight) << c.edge; // corner belongs to the bottom-right side
        EXPECT_EQ(s.At(5, 1), c.innerTopLeft) << c.edge;
        EXPECT_EQ(s.At(5, 8), c.innerBottomRight) << c.edge;
        EXPECT_EQ(s.At(5, 5), face) << c.edge;
    }
    Surface s(10, 10);
    TRect r{0, 0, 10, 10};
    DrawEdge(*s.canvas, r, BDR_SUNKENOUTER, BF_LEFT | BF_TOP | BF_ADJUST);
    EXPECT_EQ(r, (TRect{1, 1, 10, 10}));
    EXPECT_EQ(s.At(9, 9), clWhite);
}

TEST(Canvas, FrameControlsDrawTheirGlyphs)
{
    const TColor face = ColorToRGB(clBtnFace), text = ColorToRGB(clBtnText);
    Surface s(17, 17);
    TRect r{0, 0, 17, 17};
    DrawFrameControl(*s.canvas, r, DFC_SCROLL, DFCS_SCROLLDOWN);
    EXPECT_EQ(s.At(8, 8), text); // the arrow sits in the middle
    EXPECT_EQ(s.At(3, 3), face);

    Surface push(20, 20);
    TRect button{0, 0, 20, 20};
    DrawFrameControl(*push.canvas, button, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT);
    EXPECT_EQ(button, (TRect{2, 2, 18, 18}));
    EXPECT_EQ(push.At(10, 10), face);

    Surface check(13, 13);
    TRect box{0, 0, 13, 13};
    DrawFrameControl(*check.canvas, box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    const TColor window = ColorToRGB(clWindow), windowText = ColorToRGB(clWindowText);
    EXPECT_EQ(check.At(3, 3), window);
    EXPECT_GT(check.Count(windowText), 15);

    // A small caption's close button still shows its cross.
    Surface close(14, 12);
    TRect caption{0, 0, 14, 12};
    DrawFrameControl(*close.canvas, caption, DFC_CAPTION, DFCS_CAPTIONCLOSE);
    EXPECT_GE(close.Count(text), 12);
}

TEST(Canvas, SystemColoursComeFromThePaletteOnceInstalled)
{
    InstallPaletteSystemColors();
    EXPECT_EQ(ColorToRGB(clHighlight), PaletteSystemColor(13));
    Surface s(2, 2);
    s.canvas->Brush()->SetColor(clBtnFace);
    s.canvas->FillRect({0, 0, 2, 2});
    EXPECT_EQ(s.At(1, 1), PaletteSystemColor(15));
    SetSystemColorResolver({});
    EXPECT_EQ(ColorToRGB(clBtnFace), ClassicSystemColor(15));
}

TEST(Fonts, SizeAndHeightAtNinetySixDotsPerInch)
{
    const struct
    {
        int size, height;
    } cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {-12, 16}};
    for (const auto& c : cases) {
        TFont font;
        font.SetSize(c.size);
        EXPECT_EQ(font.Height(), c.height) << c.size;
        EXPECT_EQ(font.Size(), c.size);
    }
    TFont font;
    font.SetHeight(-11);
    EXPECT_EQ(font.Size(), 8);
}

TEST(Fonts, FontsThatDrawAlikeShareOneFace)
{
    TFont base;
    base.SetName("DejaVu Sans");
    base.SetHeight(-12);
    const struct
    {
        const char* change;
        std::function<void(TFont&)> apply;
        bool sameFace;
    } cases[] = {
        {"nothing", [](TFont&) {}, true},
        {"colour", [](TFont& f) { f.SetColor(clRed); }, true},
        {"orientation", [](TFont& f) { f.SetOrientation(900); }, true},
        {"name", [](TFont& f) { f.SetName("DejaVu Serif"); }, false},
        {"height", [](TFont& f) { f.SetHeight(-13); }, false},
        {"cell height", [](TFont& f) { f.SetHeight(12); }, false},
        {"style", [](TFont& f) { f.SetStyle({fsItalic}); }, false},
        {"pitch", [](TFont& f) { f.SetPitch(fpFixed); }, false},
    };
    const auto face = FontFace(base);
    for (const auto& c : cases) {
        TFont font;
        font.Assign(&base);
        c.apply(font);
        EXPECT_EQ(FontFace(font) == face, c.sameFace) << c.change;
    }
    EXPECT_EQ(face->metrics.height(), QFontMetrics(face->font).height());
}

TEST(Fonts, ToolsReportChangesAndCopy)
{
    int changes = 0;
    TFont font;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetStyle({fsBold, fsItalic});
    font.SetStyle({fsBold, fsItalic}); // unchanged: no event
    font.SetColor(clRed);
    EXPECT_EQ(changes, 2);
    TFont copy;
    copy.Assign(&font);
    EXPECT_TRUE(copy.Style().Contains(fsItalic));
    EXPECT_TRUE(copy.SameAs(font));

    TBrush brush;
    brush.SetStyle(bsClear);
    brush.SetColor(clBlue); // a colour makes the brush solid again
    EXPECT_EQ(brush.Style(), bsSolid);

    TPen pen;
    int penChanges = 0;
    pen.OnChange = [&](TObject*) { ++penChanges; };
    pen.SetWidth(2);
    pen.SetMode(pmXor);
    EXPECT_EQ(penChanges, 2);
}

TEST(Canvas, WrapsAPainterHandedToIt)
{
    // A window's paint pass hands over a painter that is already moved and clipped.
    QImage device(20, 20, QImage::Format_RGB32);
    device.fill(Qt::white);
    QPainter painter(&device);
    painter.translate(5, 5);
    painter.setClipRect(0, 0, 10, 10);
    TCanvas canvas;
    canvas.Internal().Attach(&painter);
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect({0, 0, 20, 20});
    IntersectClipRect(canvas, 0, 0, 4, 4);
    canvas.Brush()->SetColor(clBlue);
    canvas.FillRect({0, 0, 20, 20});
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 4, 4}));
    canvas.Internal().Detach();
    EXPECT_TRUE(painter.hasClipping()); // the painter's own clip is back
    painter.end();
    EXPECT_EQ(device.pixelColor(4, 4), QColor(Qt::white));
    EXPECT_EQ(device.pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_EQ(device.pixelColor(9, 9), QColor(Qt::red));
    EXPECT_EQ(device.pixelColor(14, 14), QColor(Qt::red));
    EXPECT_EQ(device.pixelColor(15, 15), QColor(Qt::white));
}

TEST(Canvas, WidePensCoverWholePixelsAroundThePath)
{
    // A pen w wide covers, across the path through pixel p, the pixels p - w/2 .. p - w/2 + w - 1.
    const struct
    {
        int width;
        TPenStyle style;
        std::string lineColumn, frameRow;
    } cases[] = {
        {2, psSolid, "..##..", ".##.......##."},
        {3, psSolid, "..###.", ".###......###"},
        {3, psInsideFrame, "..###.", "..###....###."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        Surface s(20, 20);
        s.canvas->Pen()->SetWidth(c.width);
        s.canvas->Pen()->SetStyle(c.style);
        s.canvas->MoveTo(2, 5);
        s.canvas->LineTo(12, 5);
        EXPECT_EQ(s.Column(7, 2, 8), c.lineColumn); // a horizontal line at y = 5, probed from y = 2
        s.canvas->FillRect({0, 0, 20, 20});
        s.canvas->Brush()->SetStyle(bsClear);
        s.canvas->Rectangle(2, 2, 12, 16);
        EXPECT_EQ(s.Row(9, 0, 13), c.frameRow); // the frame's path runs through x = 2 and x = 11
    }
}

TEST(Canvas, RestoreDCBringsBackTheDrawingTools)
{
    Surface s;
    s.canvas->Pen()->SetColor(clRed);
    s.canvas->Brush()->SetColor(clLime);
    s.canvas->Font()->SetHeight(-20);
    // Background and text colours set apart from the tools come back as they were set.
    SetBkMode(*s.canvas, TRANSPARENT);
    SetTextColor(*s.canvas, clNavy);
    const int saved = SaveDC(*s.canvas);
    s.canvas->Pen()->SetColor(clBlue);
    s.canvas->Pen()->SetWidth(3);
    s.canvas->Brush()->SetStyle(bsClear);
    s.canvas->Brush()->SetColor(clYellow);
    s.canvas->Font()->SetHeight(-8);
    s.canvas->Font()->SetColor(clMaroon);
    ASSERT_TRUE(RestoreDC(*s.canvas, saved));
    EXPECT_EQ(s.canvas->Pen()->Color(), clRed);
    EXPECT_EQ(s.canvas->Pen()->Width(), 1);
    EXPECT_EQ(s.canvas->Font()->Height(), -20);
    EXPECT_EQ(GetBkMode(*s.canvas), TRANSPARENT);
    EXPECT_EQ(GetTextColor(*s.canvas), clNavy);
    s.canvas->Rectangle(0, 0, 10, 10);
    EXPECT_EQ(s.At(0, 0), clRed);  // the restored pen draws
    EXPECT_EQ(s.At(5, 5), clLime); // and the restored brush fills
}

TEST(Canvas, ClipsChosenAfterRestoreDCClipAsOnAFreshCanvas)
{
    // What the saved state held, and what changed while it was saved.
    const struct
    {
        const char* name;
        std::function<void(TCanvas&)> beforeSave, whileSaved;
    } cases[] = {
        {"nothing", [](TCanvas&) {}, [](TCanvas&) {}},
        {"a clip rectangle", [](TCanvas& c) { IntersectClipRect(c, 0, 0, 20, 20); },
         [](TCanvas& c) { IntersectClipRect(c, 0, 0, 3, 3); }},
        {"a region chosen while saved", [](TCanvas&) {},
         [](TCanvas& c) {
             TRegion corner = CreateRectRgn(30, 30, 40, 40);
             SelectClipRgn(c, &corner);
         }},
        {"a moved origin", [](TCanvas&) {}, [](TCanvas& c) { SetWindowOrgEx(c, 4, 4, nullptr); }},
    };
    for (bool handedOver : {false, true})
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (handedOver ? ", painter handed over" : ", bitmap"));
            // A window's paint hands over a painter clipped to what it paints.
            QImage device(40, 40, QImage::Format_RGB32);
            device.fill(Qt::white);
            QPainter painter(&device);
            painter.setClipRect(0, 0, 36, 36);
            Surface bitmap;
            TCanvas handed;
            handed.Internal().Attach(&painter);
            TCanvas& canvas = handedOver ? handed : *bitmap.canvas;
            auto at = [&](int x, int y) {
                return handedOver ? FromQColor(device.pixelColor(x, y)) : bitmap.At(x, y);
            };

            c.beforeSave(canvas);
            const int saved = SaveDC(canvas);
            c.whileSaved(canvas);
            ASSERT_TRUE(RestoreDC(canvas, saved));
            TRegion square = CreateRectRgn(5, 5, 10, 10);
            SelectClipRgn(canvas, &square);
            canvas.Brush()->SetColor(clRed);
            canvas.FillRect({0, 0, 40, 40});
            ExcludeClipRect(canvas, 5, 5, 10, 6);
            canvas.Brush()->SetColor(clBlue);
            canvas.FillRect({0, 0, 40, 40});
            handed.Internal().Detach();
            painter.end();

            int red = 0, blue = 0, elsewhere = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) {
                    const TColor pixel = at(x, y);
                    red += pixel == clRed;
                    blue += pixel == clBlue;
                    elsewhere += pixel != clWhite && (x < 5 || x >= 10 || y < 5 || y >= 10);
                }
            EXPECT_EQ(red, 5) << "the row the second clip left out";
            EXPECT_EQ(blue, 20);
            EXPECT_EQ(elsewhere, 0);
        }
}

TEST(Canvas, ParallelogramBlitTurnsAndBrushOriginShiftsPatterns)
{
    // A 4 x 2 picture, red on the left and blue on the right, turned a quarter clockwise: its top edge
    // runs down the column x = 2 and its left edge along the top.
    Surface picture(4, 2);
    picture.canvas->Brush()->SetColor(clRed);
    picture.canvas->FillRect({0, 0, 2, 2});
    picture.canvas->Brush()->SetColor(clBlue);
    picture.canvas->FillRect({2, 0, 4, 2});
    Surface s(6, 6);
    const TPoint corners[3] = {{2, 0}, {2, 4}, {0, 0}};
    ASSERT_TRUE(PlgBlt(*s.canvas, corners, *picture.canvas, 0, 0, 4, 2));
    EXPECT_EQ((std::vector<TColor>{s.At(0, 0), s.At(1, 1), s.At(0, 2), s.At(1, 3), s.At(2, 0), s.At(0, 4)}),
              (std::vector<TColor>{clRed, clRed, clBlue, clBlue, clWhite, clWhite}));

    // A two-pixel pattern starts at the brush origin.
    Surface pattern(2, 1);
    pattern.canvas->SetPixels(0, 0, clBlack);
    s.canvas->Brush()->SetBitmap(&pattern.bitmap);
    s.canvas->FillRect({0, 5, 4, 6});
    EXPECT_EQ(s.Row(5, 0, 4), "#.#.");
    SetBrushOrgEx(*s.canvas, 1, 0);
    s.canvas->FillRect({0, 5, 4, 6});
    EXPECT_EQ(s.Row(5, 0, 4), ".#.#");
}

TEST(Canvas, StretchDrawScalesSmoothlyOnlyOnAnAntialiasedCanvas)
{
    TBitmap picture(2, 1, pf24bit);
    picture.Canvas()->SetPixels(0, 0, clBlack);
    picture.Canvas()->SetPixels(1, 0, clWhite);
    for (bool smooth : {false, true}) {
        Surface s(20, 1);
        s.canvas->SetAntialiased(smooth);
        s.canvas->StretchDraw({0, 0, 20, 1}, &picture);
        std::set<TColor> colours;
        for (int x = 0; x < 20; ++x)
            colours.insert(s.At(x, 0));
        EXPECT_EQ(colours.size() > 2, smooth) << "antialiased " << smooth;
        EXPECT_EQ(s.At(0, 0), clBlack);
        EXPECT_EQ(s.At(19, 0), clWhite);
    }
}
