#include "controls/edits/markup_renderer.h"
#include "gui_driver.h"
#include "picture_bytes.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/gdi.h"
#include "support/markup_escape.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A white picture to lay markup out on, in DejaVu Sans 9 points, black.
class MarkupLayout : public testing::Test
{
protected:
    void SetUp() override
    {
        bitmap.SetSize(300, 120);
        Clear();
    }
    void Clear()
    {
        canvas().Brush()->SetStyle(bsSolid);
        canvas().Brush()->SetColor(clWhite);
        canvas().FillRect({0, 0, bitmap.Width(), bitmap.Height()});
        canvas().Font()->SetName("DejaVu Sans");
        canvas().Font()->SetSize(9);
        canvas().Font()->SetStyle({});
        canvas().Font()->SetColor(clBlack);
    }
    TCanvas& canvas() { return *bitmap.Canvas(); }
    TMarkupRenderResult Render(const std::string& markup, TRect area = {0, 0, 300, 120}, bool hitTest = false,
                               TPoint mouse = {-1, -1}, bool wrap = true)
    {
        TMarkupRenderInput input;
        input.Text = markup;
        input.Area = area;
        input.HitTestOnly = hitTest;
        input.Mouse = mouse;
        input.WordWrap = wrap;
        input.Cache = &cache;
        return RenderMarkup(canvas(), input);
    }
    int LineHeight()
    {
        canvas().Font()->SetStyle({});
        return canvas().TextHeight("gh");
    }
    int Width(const std::string& text, TFontStyles style = {})
    {
        canvas().Font()->SetStyle(style);
        const int width = canvas().TextWidth(text);
        canvas().Font()->SetStyle({});
        return width;
    }
    // Pixels of (antialiased) black text.
    bool IsDark(int x, int y)
    {
        return (canvas().Pixels(x, y) & 0xFF) < 0x80 && canvas().Pixels(x, y) != clRed;
    }
    // The first and last columns of the rows top..bottom holding a pixel of the colour (-1 for none); clNone
    // for dark text pixels.
    std::pair<int, int> Columns(TColor color, int top, int bottom)
    {
        int first = -1, last = -1;
        for (int x = 0; x < bitmap.Width(); ++x)
            for (int y = top; y < bottom; ++y)
                if (color == clNone ? IsDark(x, y) : canvas().Pixels(x, y) == color) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
        return {first, last};
    }
    // The pixels of the picture's ink (all that is not white), cut to the rectangle around them.
    std::vector<TColor> Ink()
    {
        TRect box{bitmap.Width(), bitmap.Height(), 0, 0};
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (canvas().Pixels(x, y) != clWhite)
                    box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                           std::max(box.Bottom, y + 1)};
        std::vector<TColor> ink;
        for (int y = box.Top; y < box.Bottom; ++y)
            for (int x = box.Left; x < box.Right; ++x)
                ink.push_back(canvas().Pixels(x, y));
        return ink;
    }
    int Dark(const TRect& rect)
    {
        int dark = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x)
                dark += IsDark(x, y) ? 1 : 0;
        return dark;
    }

    TBitmap bitmap;
    THTMLPictureCache cache;
};

TEST_F(MarkupLayout, WrapsAtSpacesAndTakesAWordWiderThanTheLineAsItIs)
{
    const int line = LineHeight();
    // A word fits while the line with it and its space stays narrower than the room.
    const int twoWords = Width("alpha beta ");
    EXPECT_EQ(Render("alpha beta gamma", {0, 0, twoWords + 1, 400}, true).Height, 2 * line);
    EXPECT_EQ(Render("alpha beta gamma", {0, 0, twoWords, 400}, true).Height, 3 * line);
    EXPECT_EQ(Render("alpha beta gamma", {0, 0, 1000, 400}, true).Height, line);
    // A word wider than the line is taken all the same; the next word starts a new line.
    const TMarkupRenderResult longWord =
        Render("extraordinarilylongword b", {0, 0, Width("extraordinarily"), 400}, true);
    EXPECT_EQ(longWord.Height, 2 * line);
    EXPECT_GE(longWord.Width, Width("extraordinarilylongword"));
    // A line break on an empty line still takes a line.
    EXPECT_EQ(Render("a<br><br>b", {0, 0, 300, 400}, true).Height, 3 * line);
    EXPECT_EQ(Render("", {0, 0, 300, 400}, true).Height, line);
    EXPECT_EQ(Render("", {0, 0, 300, 400}, true).Width, 0);
    // Lines that would pass the bottom are not laid out.
    EXPECT_EQ(Render("a<br>b<br>c", {0, 0, 300, line + 2}, true).Height, line);
}

TEST_F(MarkupLayout, WithoutWrapOneLineCutWithAnEllipsis)
{
    const std::string text = "a long line of words that cannot fit into the narrow box";
    const TMarkupRenderResult result = Render(text, {0, 0, 120, 100}, false, {-1, -1}, false);
    EXPECT_EQ(result.Height, LineHeight());
    const auto [first, last] = Columns(clNone, 0, 100);
    EXPECT_GE(first, 0);
    EXPECT_LT(last, 120);
    // The ellipsis's three dots end the line.
    EXPECT_GT(last, 120 - Width("...") - 4);
}

TEST_F(MarkupLayout, BoldChangesOnlyTheWeightOfItsRun)
{
    Render("<b>Bold</b> Bold");
    const int boldWidth = Width("Bold", {fsBold});
    const int line = LineHeight();
    const int bold = Dark({0, 0, boldWidth, line});
    const int regularStart = boldWidth + Width(" ");
    const int regular = Dark({regularStart, 0, regularStart + Width("Bold"), line});
    EXPECT_GT(bold, regular + regular / 5);
    // The state after the closing tag carries on to the next line.
    Clear();
    Render("<b>one</b><br>two");
    EXPECT_LE(Columns(clNone, line, 2 * line).second, Width("two"));
}

TEST_F(MarkupLayout, RunBackgroundsLieUnderTheirRunsOnly)
{
    Render("plain <font bgcolor=\"#FF0000\">red band</font> after");
    const int line = LineHeight();
    const auto [first, last] = Columns(clRed, 0, line + 2);
    EXPECT_EQ(first, Width("plain "));
    EXPECT_EQ(last + 1, Width("plain red band"));
    // Only within the line's text cell.
    EXPECT_EQ(CountPixels(bitmap, {0, line, 300, 120}, clRed), 0);
}

TEST_F(MarkupLayout, BulletsSitTwelvePixelsLeftOfTheirTextAndASecondItemStartsALine)
{
    const int line = LineHeight();
    EXPECT_EQ(Render("<ul><li>one<li>two</ul>", {0, 0, 300, 200}, true).Height, 2 * line);
    Clear();
    Render("<ul><li>one<li type=\"square\" color=\"#FF0000\">two</ul>");
    // The character bullet stands left of 12, the text from 12 on.
    const auto [bulletFirst, bulletLast] = Columns(clNone, 0, line);
    EXPECT_GE(bulletFirst, 0);
    EXPECT_LT(bulletFirst, 12);
    EXPECT_EQ(Dark({0, 0, 12, line}) > 0 && Dark({12, 0, 12 + Width("one"), line}) > 0, true);
    EXPECT_EQ(Columns(clRed, line, 2 * line).first, 0);
    EXPECT_EQ(Columns(clRed, line, 2 * line).second, 7);
}

TEST_F(MarkupLayout, ALinkIsFoundOnlyInItsLinesTextBand)
{
    const int line = LineHeight();
    const std::string markup = "go <a href=\"https://example.org\" title=\"Example\">there</a> now";
    const int left = Width("go ");
    const TMarkupRenderResult inside = Render(markup, {0, 0, 300, 100}, true, {left + 3, line / 2});
    EXPECT_TRUE(inside.OverLink);
    EXPECT_EQ(inside.Anchor, "https://example.org");
    EXPECT_EQ(inside.Title, "Example");
    EXPECT_EQ(inside.HoverLink, 1);
    EXPECT_EQ(inside.LinkRect, Rect(left, 0, left + Width("there"), line));
    for (const TPoint outside :
         {TPoint{left - 3, line / 2}, TPoint{left + 3, 0}, TPoint{left + 3, line + 2}}) {
        const TMarkupRenderResult result = Render(markup, {0, 0, 300, 100}, true, outside);
        EXPECT_FALSE(result.OverLink) << outside.X << "," << outside.Y;
        EXPECT_EQ(result.Anchor, "");
        EXPECT_EQ(result.HoverLink, -1);
    }
    EXPECT_EQ(Render(markup, {0, 0, 300, 100}, true).LinkCount, 1);

    // A link across two lines: its rectangle is its part on the line where it ends.
    const std::string wrapped = "go <a href=\"https://example.org\">one two</a> end";
    const TRect narrow{0, 0, Width("go one ") + 1, 100};
    const TMarkupRenderResult first = Render(wrapped, narrow, true, {left + 3, line / 2});
    EXPECT_TRUE(first.OverLink);
    EXPECT_EQ(first.HoverLink, 1);
    EXPECT_EQ(first.LinkRect, Rect(0, line, Width("two"), 2 * line));
    EXPECT_TRUE(Render(wrapped, narrow, true, {3, line + line / 2}).OverLink);
    EXPECT_FALSE(Render(wrapped, narrow, true, {Width("two ") + 3, line + line / 2}).OverLink);
}

TEST_F(MarkupLayout, ImagesFromTheImageListTheContainerAndAddresses)
{
    TImageList images(nullptr);
    images.SetSize(10, 10);
    TBitmap red(10, 10, pf24bit);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect({0, 0, 10, 10});
    images.Add(&red, nullptr);
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("Logo");
    TMemoryStream bytes;
    const std::string png = PngFileBytes(4, 2, clBlue);
    bytes.WriteBuffer(png.data(), static_cast<int64_t>(png.size()));
    bytes.SetPosition(0);
    item->Picture()->LoadFromStream(bytes);

    TMarkupRenderInput input;
    input.Area = {0, 0, 300, 120};
    input.Images = &images;
    input.Container = &container;
    input.Cache = &cache;
    const auto render = [&](const std::string& markup) {
        Clear();
        input.Text = markup;
        return RenderMarkup(canvas(), input);
    };
    // A list image stands on the text's bottom; the line is as high as the text.
    const int line = LineHeight();
    render("<img src=\"IDX:0\">a");
    EXPECT_EQ(CountPixels(bitmap, Bounds(0, line - 10, 10, 10), clRed), 100);
    // A container picture by name in any case, stretched to the width asked for, the height in proportion.
    const TMarkupRenderResult stretched = render("<img src=\"LOGO\" width=\"40\">");
    EXPECT_EQ(CountPixels(bitmap, Bounds(0, 0, 40, 20), clBlue), 800);
    EXPECT_EQ(stretched.Height, line > 20 ? line : 20);
    // Addresses load once into the cache; a missing resource or index draws nothing and takes no room.
    const TMarkupRenderResult missing = render("<img src=\"RES://NOSUCH\"><img src=\"IDX:5\">x");
    EXPECT_EQ(missing.Width, Width("x") + 2);
    EXPECT_EQ(cache.Count(), 1);
    render("<img src=\"RES://BLUEDOT\">");
    EXPECT_EQ(cache.Count(), 2);
    EXPECT_EQ(canvas().Pixels(1, line - 1), clBlue);
    render("<img src=\"RES://BLUEDOT\">");
    EXPECT_EQ(cache.Count(), 2);
    // A small system icon by a file kind takes the shell's small icon size; an index number draws nothing.
    EXPECT_EQ(render("<img src=\"SSYS:.mkv\">").Width, 16 + 2 + 2);
    EXPECT_EQ(render("<img src=\"SSYS:12\">x").Width, 2 + Width("x") + 2);
}

// Indents, offsets and image sizes beyond any canvas are laid out at the largest distance a canvas draws,
// and the widths of a line add up without leaving the range of an int.
TEST_F(MarkupLayout, DistancesBeyondAnyCanvasAreKeptToTheLargestOne)
{
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items()->Add();
    item->SetName("Logo");
    TMemoryStream bytes;
    const std::string png = PngFileBytes(4, 2, clBlue);
    bytes.WriteBuffer(png.data(), static_cast<int64_t>(png.size()));
    bytes.SetPosition(0);
    item->Picture()->LoadFromStream(bytes);
    const int most = 32767;
    const struct
    {
        std::string markup;
        int width, height;
    } cases[] = {
        {"a<in x=\"99999999999\">b", most + Width("b") + 2, LineHeight()},
        {"<of x=\"99999999999\">a", most + Width("a") + 2, LineHeight()},
        {"<img src=\"LOGO\" width=\"99999999999\"><img src=\"LOGO\" width=\"99999999999\">",
         2 * (most + 2) + 2, (most + 1) / 2},
    };
    for (const auto& c : cases) {
        TMarkupRenderInput input;
        input.Text = c.markup;
        input.Area = {2, 2, 302, 118};
        input.HitTestOnly = true;
        input.WordWrap = false;
        input.Container = &container;
        input.Cache = &cache;
        const TMarkupRenderResult result = RenderMarkup(canvas(), input);
        EXPECT_EQ(result.Width, c.width) << c.markup;
        EXPECT_EQ(result.Height, c.height) << c.markup;
    }
}

// A name escaped into a line draws the same pixels as the name drawn as plain text, whatever the line holds
// besides: a lone " & " there turns the handling of "&" marks off, which an escaped "&" must not feel.
TEST_F(MarkupLayout, EscapedNamesShowAsTheyAreWritten)
{
    const std::string names[] = {"/home/user/Tom&Jerry.avi",
                                 "&",
                                 "&amp;",
                                 "<b>bold</b>",
                                 "&&",
                                 "a & b",
                                 "&lt;x&gt;",
                                 "100% &copy;",
                                 "\"quoted\" 'single'",
                                 "Gr\u00FC\u00DFe \u20AC\u00E9",
                                 "<#tag>",
                                 "&nbsp;x&"};
    const struct
    {
        std::string before, after;
    } lines[] = {{"File: ", ""}, {"Tom & ", ""}, {"[", "] & more"}};
    for (const auto& line : lines) {
        for (const std::string& name : names) {
            const std::string shown = line.before + name + line.after;
            Clear();
            Render(line.before + EscapeMarkup(name) + line.after, {0, 0, 300, 120}, false, {-1, -1}, false);
            const std::vector<TColor> label = Ink();
            Clear();
            SetBkMode(canvas(), TRANSPARENT);
            TRect rect{0, 0, 300, 120};
            DrawText(canvas(), shown, rect, DT_SINGLELINE | DT_NOPREFIX);
            EXPECT_TRUE(label == Ink()) << shown;
        }
    }
}

TEST_F(MarkupLayout, EveryKindOfTagDrawn)
{
    bitmap.SetSize(420, 260);
    Clear();
    Render("<b>Bold</b>, <i>italic</i>, <u>underlined</u>, <s>struck</s>, <font color=\"#C00000\">red</font> "
           "and "
           "<font bgcolor=\"#FFE080\">on yellow</font>; <shad>shadow</shad>, <e>misspelt</e>, "
           "<hi>highlight</hi>, H<sub>2</sub>O and x<sup>2</sup>.<br>"
           "<p align=\"center\">A centred paragraph with a <a href=\"https://example.org\">link</a>.</p>"
           "<ul><li>first bullet<li type=\"square\" color=\"#008000\">green square<li type=\"circle\">circle"
           "</ul><ol><li>one<li>two</ol><p align=\"left\"><hr color=\"#808080\">"
           "<font face=\"DejaVu Sans Mono\" size=\"3\">Mono, larger</font> &amp; &lt;escaped&gt; &copy; "
           "<span style=\"background-color:#C0E0FF\">span</span><z>hidden</z>",
           {4, 4, 416, 256});
    SaveScreenshot(bitmap, "markup_every_tag", 2);
    const struct
    {
        TColor color;
        const char* what;
    } colours[] = {
        {0x0000C0, "the red word"},
        {0x80E0FF, "the yellow run background"},
        {ColorToRGB(clHighlight), "the highlight"},
        {clRed, "the misspelling's zigzag"},
        {clBlue, "the link"},
        {0x008000, "the green square"},
        {0xFFE0C0, "the span's background"},
    };
    // Text is smoothed: its pixels are counted within a step of the colour.
    const auto near = [&](TColor color) {
        int count = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) {
                const TColor pixel = canvas().Pixels(x, y);
                count += std::abs(GetRValue(pixel) - GetRValue(color)) <= 0x30 &&
                                 std::abs(GetGValue(pixel) - GetGValue(color)) <= 0x30 &&
                                 std::abs(GetBValue(pixel) - GetBValue(color)) <= 0x30
                             ? 1
                             : 0;
            }
        return count;
    };
    for (const auto& c : colours)
        EXPECT_GT(near(c.color), 4) << c.what;
    // The rule crosses the whole area; below it, nothing after the span: the hidden text takes no room.
    int rule = -1;
    for (int y = 0; y < 260 && rule < 0; ++y)
        if (CountPixels(bitmap, {4, y, 416, y + 1}, 0x808080) == 412)
            rule = y;
    ASSERT_GE(rule, 0);
    const int spanEnd = Columns(0xFFE0C0, rule + 1, 256).second;
    EXPECT_GT(spanEnd, 0);
    EXPECT_LE(Columns(clNone, rule + 1, 256).second, spanEnd);
}

} // namespace
