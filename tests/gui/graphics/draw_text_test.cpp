#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/qt/canvas_impl.h"
#include "platform/gui/qt/qt_bridge.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class DrawTextTest : public testing::Test
{
protected:
    DrawTextTest() : bitmap(200, 100, pf24bit)
    {
        canvas = bitmap.Canvas();
        canvas->Font()->SetName("DejaVu Sans");
        canvas->Font()->SetHeight(-13);
        canvas->Font()->SetColor(clBlack);
        canvas->Brush()->SetColor(clWhite);
        canvas->FillRect({0, 0, 200, 100});
        lineHeight = canvas->TextHeight("Ag");
    }

    // The rectangle DT_CALCRECT gives for text laid out in a rectangle width pixels wide.
    TRect Calc(const std::string& text, int width, unsigned format)
    {
        TRect r{0, 0, width, 100};
        DrawText(*canvas, text, r, format | DT_CALCRECT);
        return r;
    }
    int W(const std::string& text) const { return canvas->TextWidth(text); }
    bool InkInRow(int y, int from, int to) const
    {
        for (int x = from; x < to; ++x)
            if (canvas->Pixels(x, y) != clWhite)
                return true;
        return false;
    }
    bool InkIn(const TRect& r) const
    {
        for (int y = r.Top; y < r.Bottom; ++y)
            if (InkInRow(y, r.Left, r.Right))
                return true;
        return false;
    }

    TBitmap bitmap;
    TCanvas* canvas;
    int lineHeight = 0;
};

} // namespace

TEST_F(DrawTextTest, CalcRectMeasuresLinesAndWrapping)
{
    EXPECT_EQ(Calc("Video file", 500, DT_SINGLELINE), (TRect{0, 0, W("Video file"), lineHeight}));
    EXPECT_EQ(Calc("a\r\nbb\nccc", 500, 0), (TRect{0, 0, W("ccc"), 3 * lineHeight}));
    EXPECT_EQ(Calc("a\r\nbb", 500, DT_SINGLELINE).Bottom, lineHeight);

    const int width = W("convert the") + 2;
    const TRect wrapped = Calc("convert the selected files now", width, DT_WORDBREAK);
    EXPECT_EQ(wrapped.Bottom, 3 * lineHeight); // "convert the" / "selected files" / "now"
    EXPECT_LE(wrapped.Right, width);

    // A word wider than the line overflows, unless laid out as an edit control does.
    EXPECT_GT(Calc("Supercalifragilistic", 40, DT_WORDBREAK).Right, 40);
    const TRect broken = Calc("Supercalifragilistic", 40, DT_WORDBREAK | DT_EDITCONTROL);
    EXPECT_LE(broken.Right, 40);
    EXPECT_GT(broken.Bottom, lineHeight);

    EXPECT_EQ(Calc("a\tb", 500, DT_SINGLELINE | DT_EXPANDTABS).Right,
              8 * canvas->TextMetrics().tmAveCharWidth + W("b"));
}

TEST_F(DrawTextTest, EllipsesShortenWhatDoesNotFit)
{
    const struct
    {
        std::string text;
        unsigned flag;
        std::string fits;  // the rectangle is exactly this wide
        std::string shown; // what is laid out
    } cases[] = {
        {"abcdefghijklmnop", DT_END_ELLIPSIS, "abcdef...", "abcdef..."},
        {"Hello wonderful world", DT_WORD_ELLIPSIS, "Hello wonder...", "Hello..."},
        {"/home/user/videos/movie.mkv", DT_PATH_ELLIPSIS, "/home/u.../movie.mkv", "/home/u.../movie.mkv"},
        {"short", DT_END_ELLIPSIS, "short", "short"},
    };
    for (const auto& c : cases) {
        const TRect r = Calc(c.text, W(c.fits), DT_SINGLELINE | c.flag);
        EXPECT_EQ(r.Right, W(c.shown)) << c.text;
    }
}

TEST_F(DrawTextTest, PrefixesUnderlineOrHide)
{
    EXPECT_EQ(Calc("&File", 500, DT_SINGLELINE).Right, W("File"));
    EXPECT_EQ(Calc("&File", 500, DT_SINGLELINE | DT_NOPREFIX).Right, W("&File"));
    EXPECT_EQ(Calc("Save && exit", 500, DT_SINGLELINE).Right, W("Save & exit"));

    const int ascent = canvas->TextMetrics().tmAscent;
    TRect r{0, 0, 200, 30};
    DrawText(*canvas, "W&WW", r, DT_SINGLELINE);
    // The underline sits below the base line under the second letter only.
    const int w = W("W");
    bool underlined = false;
    for (int y = ascent + 1; y < lineHeight && !underlined; ++y)
        underlined = InkInRow(y, w + 1, 2 * w - 1) && !InkInRow(y, 0, w - 1);
    EXPECT_TRUE(underlined);

    TRect hidden{0, 40, 200, 70};
    DrawText(*canvas, "W&WW", hidden, DT_SINGLELINE | DT_HIDEPREFIX);
    EXPECT_FALSE(InkIn({0, 40 + ascent + 1, 200, 40 + lineHeight}));
}

TEST_F(DrawTextTest, AlignmentPlacesTheLineBox)
{
    // An opaque background paints the box of each line, which shows where it was placed.
    canvas->Brush()->SetColor(clYellow);
    TRect r{10, 10, 110, 60};
    DrawText(*canvas, "x", r, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    EXPECT_EQ(canvas->Pixels(109, 59), clYellow);
    EXPECT_EQ(canvas->Pixels(109, 59 - lineHeight), clWhite);
    EXPECT_EQ(canvas->Pixels(110 - W("x") - 1, 59), clWhite);

    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect({0, 0, 200, 100});
    canvas->Brush()->SetColor(clAqua);
    const int offset = DrawText(*canvas, "x", r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const int top = 10 + (50 - lineHeight) / 2;
    EXPECT_EQ(offset, top - 10 + lineHeight);
    const int left = 10 + (100 - W("x")) / 2;
    EXPECT_EQ(canvas->Pixels(left, top), clAqua);
    EXPECT_EQ(canvas->Pixels(left - 1, top), clWhite);
    EXPECT_EQ(canvas->Pixels(left, top - 1), clWhite);

    // Aligned left, the box is still as wide as the line.
    canvas->Brush()->SetColor(clLime);
    TRect leftAligned{10, 70, 110, 90};
    DrawText(*canvas, "xx", leftAligned, DT_SINGLELINE);
    EXPECT_EQ(canvas->Pixels(10 + W("xx") - 1, 70), clLime);
    EXPECT_EQ(canvas->Pixels(10 + W("xx"), 70), clWhite);
}

TEST_F(DrawTextTest, ClippingAndPartialLines)
{
    TRect r{0, 0, 30, 2 * lineHeight + lineHeight / 2};
    DrawText(*canvas, "MMMMMMMM\nMM\nMM", r, DT_EDITCONTROL);
    EXPECT_FALSE(InkIn({30, 0, 200, 100})); // clipped at the right
    EXPECT_TRUE(InkIn({0, lineHeight, 30, 2 * lineHeight}));
    EXPECT_FALSE(InkIn({0, 2 * lineHeight, 30, r.Bottom})); // no partly visible third line

    TRect loose{0, 60, 10, 70};
    DrawText(*canvas, "MMMM", loose, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_TRUE(InkIn({12, 60, 60, 60 + lineHeight}));
}

TEST_F(DrawTextTest, RightToLeftReadingMovesTrailingNeutralsToTheLeft)
{
    // In a right-to-left paragraph a trailing "!" after Latin letters stands before them, so the line
    // looks like "!abc" drawn left to right.
    const auto render = [&](const std::string& text, unsigned format) {
        TBitmap out(100, 30, pf24bit);
        TCanvas* c = out.Canvas();
        c->Font()->Assign(canvas->Font());
        SetBkMode(*c, TRANSPARENT);
        TRect r{0, 0, 100, 30};
        DrawText(*c, text, r, format | DT_SINGLELINE);
        std::string ink;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 100; ++x)
                ink += c->Pixels(x, y) == clWhite ? '.' : '#';
        return ink;
    };
    EXPECT_EQ(render("abc!", DT_RTLREADING), render("!abc", 0));
    EXPECT_NE(render("abc!", DT_RTLREADING), render("abc!", 0));
}

TEST_F(DrawTextTest, ExtTextOutPlacesEachCharacterByItsAdvance)
{
    // Four characters, two of them longer than a byte, at advances unlike their own widths.
    const std::vector<std::string> characters = {"a", "\xC3\xA9", "\xE2\x82\xAC", "W"};
    const std::string text = "a\xC3\xA9\xE2\x82\xACW";
    const std::vector<int> advances = {14, 9, 20, 12};
    const int width = 55, left = 10, top = 20;
    // What the text must look like: each character drawn on its own where the advances put it.
    TBitmap expected(200, 100, pf24bit);
    TCanvas* reference = expected.Canvas();
    reference->Font()->Assign(canvas->Font());
    reference->Brush()->SetColor(clWhite);
    reference->FillRect({0, 0, 200, 100});
    SetBkMode(*reference, TRANSPARENT);
    for (size_t i = 0, x = left; i < characters.size(); x += advances[i++])
        reference->TextOut(static_cast<int>(x), top, characters[i]);
    const auto same = [&] {
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                if (canvas->Pixels(x, y) != reference->Pixels(x, y))
                    return false;
        return true;
    };

    // The advances' sum is the text's width for the alignment.
    const struct
    {
        unsigned align;
        int x;
    } cases[] = {{TA_LEFT, left}, {TA_RIGHT, left + width}, {TA_CENTER, left + width / 2}};
    SetBkMode(*canvas, TRANSPARENT);
    for (const auto& c : cases) {
        canvas->FillRect({0, 0, 200, 100});
        SetTextAlign(*canvas, c.align);
        EXPECT_TRUE(ExtTextOut(*canvas, c.x, top, 0, nullptr, text, advances));
        EXPECT_TRUE(InkIn({left, top, left + width, top + lineHeight}));
        EXPECT_TRUE(same()) << "alignment " << c.align;
    }

    // An opaque background covers the advances' sum; too few advances draw nothing.
    SetTextAlign(*canvas, TA_LEFT);
    canvas->FillRect({0, 0, 200, 100});
    SetBkMode(*canvas, OPAQUE);
    SetBkColor(*canvas, clYellow);
    ExtTextOut(*canvas, left, top, 0, nullptr, text, advances);
    EXPECT_EQ(canvas->Pixels(left + width - 1, top), clYellow);
    EXPECT_EQ(canvas->Pixels(left + width, top), clWhite);
    canvas->FillRect({0, 0, 200, 100});
    EXPECT_FALSE(ExtTextOut(*canvas, left, top, 0, nullptr, text, std::vector<int>{14, 9, 20}));
    EXPECT_FALSE(InkIn({0, 0, 200, 100}));
}

TEST(DrawTextPicture, TextLooksAsTheToolkitDrawsItWhetherDrawnFirstOrAgain)
{
    // Plain and styled fonts, accents, a script from a fallback font and one written right to left.
    const struct
    {
        const char* family;
        int height;
        TFontStyles style;
        std::string text;
    } cases[] = {
        {"DejaVu Sans", -13, {}, "Video file"},
        {"DejaVu Sans", -12, {fsBold}, "Audio codec: AAC"},
        {"DejaVu Serif", -15, {fsItalic}, "fl\xC3\xBCgel \xC3\xA9t\xC3\xA9 WAVE"},
        {"DejaVu Sans", -13, {fsUnderline}, "Underlined"},
        {"DejaVu Sans Mono", -12, {}, "-c:v libx264"},
        {"DejaVu Sans", -14, {}, "\xE6\x96\x87\xE4\xBB\xB6 name"},
        {"DejaVu Sans", -13, {}, "abc \xD7\xA7\xD7\x95\xD7\x91\xD7\xA5 123"},
        {"DejaVu Sans", -13, {}, "\xD7\xA7\xD7\x95\xD7\x91\xD7\xA5 abc"},
    };
    const QSize size(220, 40);
    const int left = 7, top = 9;
    for (int pass = 1; pass <= 2; ++pass) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text + ", pass " + std::to_string(pass));
            TFont font;
            font.SetName(c.family);
            font.SetHeight(c.height);
            font.SetStyle(c.style);
            const QFont qfont = ToQFont(font);
            const int baseline = top + QFontMetrics(qfont).ascent();

            // Text out leaves the direction to the text; DrawText reads left to right unless told otherwise.
            const auto expected = [&](Qt::LayoutDirection direction) {
                QImage image(size, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter reference(&image);
                reference.setLayoutDirection(direction);
                reference.setFont(qfont);
                reference.setPen(Qt::black);
                reference.drawText(left, baseline, QString::fromStdString(c.text));
                reference.end();
                return image;
            };

            const auto drawn = [&](const std::function<void(TCanvas&)>& draw) {
                QImage image(size, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                TCanvas canvas;
                canvas.Internal().Attach(&painter);
                canvas.Font()->Assign(&font);
                canvas.Font()->SetColor(clBlack);
                SetBkMode(canvas, TRANSPARENT);
                draw(canvas);
                canvas.Internal().Detach();
                painter.end();
                return image;
            };
            EXPECT_TRUE(drawn([&](TCanvas& canvas) { canvas.TextOut(left, top, c.text); }) ==
                        expected(Qt::LayoutDirectionAuto));
            EXPECT_TRUE(drawn([&](TCanvas& canvas) {
                            TRect r{left, top, size.width(), size.height()};
                            DrawText(canvas, c.text, r, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
                        }) == expected(Qt::LeftToRight));
        }
    }
}
