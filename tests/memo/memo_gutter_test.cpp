#include "memo_test_support.h"

#include "platform/gui/graphics/colors.h"

namespace {

// The gutter of a memo with a flat white background, its rows recorded as the memo draws them.
class MemoGutter : public MemoFixture
{
protected:
    struct TRow
    {
        int LineNo;
        TRect Rect; // in the memo's client area
    };

    void SetUp() override
    {
        MemoFixture::SetUp();
        memo->SetBounds(10, 10, 300, 380);
        gutter = memo->Gutter();
        gutter->SetGutterColor(clWhite);
        gutter->SetGutterColorTo(clNone);
        const TGutterDrawEvent draw = memo->OnGutterDraw;
        memo->OnGutterDraw = [this, draw](TObject* sender, TCanvas* canvas, int lineNo, TRect rect) {
            // The rows are drawn into a picture that goes onto the memo at the gutter's corner.
            const TRect shown = Rect(rect.Left + gutter->Left, rect.Top + gutter->Top,
                                     rect.Right + gutter->Left, rect.Bottom + gutter->Top);
            rows.push_back({lineNo, shown});
            draw(sender, canvas, lineNo, rect);
        };
    }

    // Paints the memo and keeps the rows it drew.
    std::unique_ptr<TBitmap> Paint()
    {
        rows.clear();
        return Render(memo);
    }
    std::vector<int> LineNumbersDrawn() const
    {
        std::vector<int> lineNos;
        for (const TRow& row : rows)
            lineNos.push_back(row.LineNo);
        return lineNos;
    }
    const TRect& RowOf(int lineNo) const
    {
        for (const TRow& row : rows)
            if (row.LineNo == lineNo)
                return row.Rect;
        throw std::runtime_error("no gutter row for line " + std::to_string(lineNo));
    }
    // The columns of rect that hold a pixel other than white, as (leftmost, rightmost); (-1, -1) for none.
    static std::pair<int, int> InkColumns(TBitmap& picture, const TRect& rect)
    {
        std::pair<int, int> ink{-1, -1};
        for (int x = rect.Left; x < rect.Right; ++x)
            for (int y = rect.Top; y < rect.Bottom; ++y)
                if (picture.Canvas()->Pixels(x, y) != clWhite) {
                    if (ink.first < 0)
                        ink.first = x;
                    ink.second = x;
                    break;
                }
        return ink;
    }
    static int Ink(TBitmap& picture, const TRect& rect)
    {
        return rect.Width() * rect.Height() - CountPixels(picture, rect, clWhite);
    }
    // The part of a row left of the border, where the numbers and marks go.
    TRect Inside(const TRect& row) const
    {
        return Rect(gutter->Left, row.Top, gutter->Left + gutter->Width, row.Bottom);
    }
    void SetLineProp(int line, const std::function<void(TLineProp&)>& set)
    {
        set(*memo->Lines()->LineProp(line));
    }

    // The markers' image: a square of one colour.
    void GiveMarkersAnImage(TColor color)
    {
        markerImages.SetSize(16, 16);
        TBitmap image;
        image.SetSize(16, 16);
        image.Canvas()->Brush()->SetColor(color);
        image.Canvas()->FillRect(Rect(0, 0, 16, 16));
        markerImages.AddMasked(&image, clWhite);
        memo->MarkerList()->SetMarkerImageList(&markerImages);
    }

    TVezGutter* gutter = nullptr;
    std::vector<TRow> rows;
    TImageList markerImages{nullptr};
};

} // namespace

TEST_F(MemoGutter, NumbersOfUpToFourDigitsEndInOneColumnAndLongerOnesStartThere)
{
    SetLines({"a"});
    gutter->SetGutterWidth(80);
    // Numbers that end and start in the same digit, so that their ink ends and starts alike.
    std::map<int, std::pair<int, int>> inkOf;
    for (const int number : {8, 88, 888, 8888, 88888}) {
        gutter->SetLineNumberStart(number);
        std::unique_ptr<TBitmap> picture = Paint();
        inkOf[number] = InkColumns(*picture, Inside(RowOf(0)));
        ASSERT_GE(inkOf[number].first, 0) << number;
    }
    for (const int number : {8, 88, 888})
        EXPECT_EQ(inkOf[number].second, inkOf[8888].second) << number;
    EXPECT_GT(inkOf[8].first, inkOf[88].first + 4);
    EXPECT_EQ(inkOf[88888].first, inkOf[8888].first);
    EXPECT_GT(inkOf[88888].second, inkOf[8888].second + 4);
    // Four digits start at the gutter's width less its margin (in the gutter's own picture).
    EXPECT_GE(inkOf[8888].first, gutter->Left + 80 - 45);
    EXPECT_LE(inkOf[8888].first, gutter->Left + 80 - 45 + 2);
}

TEST_F(MemoGutter, NumberTextsWithLeadingZeros)
{
    const struct
    {
        int Number;
        bool Zeros;
        int Digits;
        const char* Text;
    } cases[] = {
        {1, true, 4, "0001"},    {12345, true, 4, "12345"}, {7, false, 4, "7"},
        {42, true, 6, "000042"}, {0, true, 1, "0"},
    };
    for (const auto& c : cases) {
        gutter->SetShowLeadingZeros(c.Zeros);
        gutter->SetDigitCount(c.Digits);
        int x = -1;
        EXPECT_EQ(gutter->GetLineNumberText(c.Number, x), c.Text) << c.Number;
        EXPECT_GE(x, 0);
    }
}

// Every fifth number is written, and the caret's line; the other rows get a short dash.
TEST_F(MemoGutter, LineNumberAtFiveWritesEveryFifthAndTheCaretLine)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 12; ++i)
        lines.push_back("line " + std::to_string(i));
    SetLines(lines);
    gutter->SetLineNumberAt(5);
    gutter->SetNumberSuffix(":");
    memo->SetCursor(0, 7);
    std::unique_ptr<TBitmap> picture = Paint();
    SaveScreenshot(*picture, "memo_gutter_number_at_5", 2);
    for (int line = 0; line < 12; ++line) {
        const TRect row = RowOf(line);
        const bool numbered = line == 4 || line == 9 || line == 7;
        if (numbered) {
            EXPECT_GT(Ink(*picture, Inside(row)), 20) << line;
            continue;
        }
        const TRect dash = Rect(row.Right - 18, row.Top + 4, row.Right - 16, row.Top + 5);
        EXPECT_EQ(CountPixels(*picture, dash, clBlack), 2) << line;
        EXPECT_EQ(Ink(*picture, Inside(row)), 2) << line;
    }
}

TEST_F(MemoGutter, WrappedLinesAreNumberedOnTheirFirstRowAndAnEmptyTextHasRowZero)
{
    SetLines({"short", std::string(90, 'x'), "after"});
    memo->SetWordWrap(wwClientWidth);
    Pump();
    ASSERT_GE(memo->Lines()->Count(), 5);
    std::unique_ptr<TBitmap> picture = Paint();
    EXPECT_EQ(LineNumbersDrawn(), (std::vector<int>{0, 1, 2}));
    // The next line's row lies below the continuation rows.
    EXPECT_EQ(RowOf(2).Top - RowOf(1).Top, (memo->Lines()->Count() - 2) * memo->CellSize().H);
    // The continuation rows stay empty.
    const TRect continuation = Inside(Rect(0, RowOf(1).Bottom, 0, RowOf(2).Top));
    EXPECT_EQ(Ink(*picture, continuation), 0);

    memo->SetWordWrap(wwNone);
    memo->Lines()->Clear();
    picture = Paint();
    EXPECT_EQ(LineNumbersDrawn(), std::vector<int>{0});
    EXPECT_GT(Ink(*picture, Inside(RowOf(0))), 20);
}

TEST_F(MemoGutter, TheModifiedStripShowsTheLinesState)
{
    SetLines({"a", "b", "c"});
    gutter->SetShowModified(true);
    memo->SetModifiedStateInt(0, lmModified);
    memo->SetModifiedStateInt(1, lmSaved);
    memo->SetModifiedStateInt(2, lmUnmodified);
    std::unique_ptr<TBitmap> picture = Paint();
    const auto strip = [&](int line) {
        const TRect row = RowOf(line);
        return Rect(row.Right - 5, row.Top, row.Right - 1, row.Bottom);
    };
    const int area = strip(0).Width() * strip(0).Height();
    EXPECT_EQ(CountPixels(*picture, strip(0), clYellow), area);
    EXPECT_EQ(CountPixels(*picture, strip(1), clLime), area);
    EXPECT_EQ(CountPixels(*picture, strip(2), clWhite), area);
    gutter->SetShowModified(false);
    picture = Paint();
    EXPECT_EQ(CountPixels(*picture, strip(0), clWhite), area);
}

// A marker takes the first 16 pixels of its row: the bookmark, the breakpoint and the arrow of the same row
// are drawn 16 pixels further right.
TEST_F(MemoGutter, AMarkerMovesTheOtherMarksSixteenPixelsRight)
{
    SetLines({"0", "1", "2", "3", "4"});
    gutter->SetShowLineNumbers(false);
    GiveMarkersAnImage(clFuchsia);
    memo->MarkerList()->Markers()->Add()->LineNumber = 1;
    memo->MarkerList()->Markers()->GetItem(0)->ImageIndex = 0;
    for (const int line : {1, 3})
        SetLineProp(line, [](TLineProp& p) {
            p.Bookmark = true;
            p.BookmarkIndex = 3;
            p.BreakPoint = true;
        });
    memo->ActiveLineSettings()->SetShowActiveLineIndicator(true);
    memo->SetActiveLine(1);
    std::unique_ptr<TBitmap> withMarker = Paint();
    const TRect marked = RowOf(1);
    memo->SetActiveLine(3);
    std::unique_ptr<TBitmap> withoutMarker = Paint();
    const TRect plain = RowOf(3);
    SaveScreenshot(*withMarker, "memo_gutter_marker_shift", 2);

    // The marker's image where the marker goes.
    EXPECT_EQ(withMarker->Canvas()->Pixels(marked.Left + 1, marked.Top + 2), clFuchsia);
    EXPECT_EQ(withMarker->Canvas()->Pixels(marked.Left + 16, marked.Top + 10), clFuchsia);
    // Everything after it, pixel for pixel, as in a row without a marker.
    int different = 0;
    for (int y = 0; y < plain.Height(); ++y)
        for (int x = 1; x < 24; ++x) // the marker's image ends in the first column
            different += withMarker->Canvas()->Pixels(marked.Left + 16 + x, marked.Top + y) !=
                         withoutMarker->Canvas()->Pixels(plain.Left + x, plain.Top + y);
    EXPECT_EQ(different, 0);
    EXPECT_EQ(withoutMarker->Canvas()->Pixels(plain.Left + 7, plain.Top + 9), clRed);   // the breakpoint
    EXPECT_EQ(withoutMarker->Canvas()->Pixels(plain.Left + 17, plain.Top + 9), clLime); // the arrow
}

TEST_F(MemoGutter, BookmarksBreakpointsExecutableLinesAndTheArrowGoOnTheirOwnRows)
{
    SetLines({"0", "1", "2", "3", "4", "5"});
    gutter->SetShowLineNumbers(false);
    SetLineProp(1, [](TLineProp& p) {
        p.Bookmark = true;
        p.BookmarkIndex = 7;
    });
    SetLineProp(2, [](TLineProp& p) {
        p.Bookmark = true;
        p.BookmarkIndex = -1;
    });
    SetLineProp(3, [](TLineProp& p) { p.BreakPoint = true; });
    SetLineProp(4, [](TLineProp& p) { p.Executable = true; });
    memo->ActiveLineSettings()->SetShowActiveLineIndicator(true);
    memo->SetActiveLine(5);
    std::unique_ptr<TBitmap> picture = Paint();
    SaveScreenshot(*picture, "memo_gutter_marks", 3);
    const auto pixel = [&](int line, int dx, int dy) {
        return picture->Canvas()->Pixels(RowOf(line).Left + dx, RowOf(line).Top + dy);
    };
    EXPECT_EQ(Ink(*picture, Inside(RowOf(0))), 0);
    // A numbered bookmark shows its number in a light colour on the glyph's dark ribbon.
    int lighter = 0;
    for (int y = 3; y < 12; ++y)
        for (int x = 3; x < 10; ++x) {
            const TColor numbered = pixel(1, x, y), plain = pixel(2, x, y);
            lighter += GetRValue(numbered) > GetRValue(plain) + 60;
        }
    EXPECT_GT(lighter, 5);
    EXPECT_GT(Ink(*picture, Inside(RowOf(2))), 100);
    EXPECT_EQ(pixel(3, 7, 9), clRed);
    EXPECT_EQ(pixel(3, 2, 9), clBlack); // the breakpoint's outline
    EXPECT_EQ(pixel(4, 7, 10), clBlue);
    EXPECT_EQ(pixel(4, 5, 9), clAqua);
    EXPECT_EQ(pixel(5, 17, 9), clLime);
    EXPECT_EQ(pixel(5, 16, 4), clGray);
    EXPECT_EQ(Ink(*picture, Rect(RowOf(4).Left + 10, RowOf(4).Top, RowOf(4).Right - 1, RowOf(4).Bottom)), 0);
    memo->ActiveLineSettings()->SetShowActiveLineIndicator(false);
    picture = Paint();
    EXPECT_EQ(Ink(*picture, Inside(RowOf(5))), 0);
}

// The background runs from GutterColor at the left to nearly GutterColorTo at the right in 48 bands.
TEST_F(MemoGutter, TheGradientRunsFromTheGutterColourToItsEndColour)
{
    SetLines({"a"});
    gutter->SetShowLineNumbers(false);
    gutter->SetGutterColor(RGBToColor(0, 0, 0));
    gutter->SetGutterColorTo(RGBToColor(240, 96, 0));
    std::unique_ptr<TBitmap> picture = Paint();
    SaveScreenshot(*picture, "memo_gutter_gradient", 2);
    const int y = memo->Height() / 2;
    // The picture is two pixels wider than the gutter: its last band lies right of the border.
    const int left = gutter->Left, last = gutter->Left + gutter->Width + 1;
    EXPECT_EQ(picture->Canvas()->Pixels(left, y), RGBToColor(0, 0, 0));
    EXPECT_EQ(picture->Canvas()->Pixels(last, y), RGBToColor(240 * 47 / 48, 96 * 47 / 48, 0));
    int previous = -1, bands = 0;
    for (int x = left; x <= last; ++x) {
        if (x == gutter->Left + gutter->Width)
            continue; // the border
        const int red = GetRValue(picture->Canvas()->Pixels(x, y));
        EXPECT_GE(red, previous) << x;
        bands += red != previous;
        previous = red;
    }
    EXPECT_GT(bands, 40);
    // The border at the gutter's right edge.
    EXPECT_EQ(picture->Canvas()->Pixels(gutter->Left + gutter->Width, y), clGray);
}

TEST_F(MemoGutter, MarkersFollowJoinedAndDeletedLines)
{
    SetLines({"0", "1", "2", "3", "4", "5", "6", "7", "8"});
    TVezMarkers& markers = *memo->MarkerList()->Markers();
    for (const int line : {2, 7})
        markers.Add()->LineNumber = line;
    // Joining line 4 to line 3 moves the markers below up by one.
    memo->SetCursor(0, 4);
    memo->DeleteCharLeft();
    EXPECT_EQ(markers.GetItem(0)->LineNumber, 2);
    EXPECT_EQ(markers.GetItem(1)->LineNumber, 6);
    // Deleting line 2 takes its marker away; the markers below move up with their lines.
    memo->SetCursor(0, 2);
    memo->DeleteLine();
    ASSERT_EQ(memo->MarkerCount(), 1);
    EXPECT_EQ(Lines()[5], "7");
    EXPECT_TRUE(memo->MarkerAtLine(5));
    EXPECT_FALSE(memo->MarkerAtLine(6));
}

TEST_F(MemoGutter, AMarkerBelowFollowsItsLineWhateverJoinsTheLinesAboveIt)
{
    const struct
    {
        const char* how;
        std::function<void(TVezCustomMemo&)> join;
        int linesGone;
    } cases[] = {
        {"Backspace at a line's start", [](TVezCustomMemo& m) { m.SetCursor(0, 2), m.DeleteCharLeft(); }, 1},
        {"Delete at a line's end", [](TVezCustomMemo& m) { m.SetCursor(1, 1), m.DeleteChar(-1, -1); }, 1},
        {"a selection over three lines",
         [](TVezCustomMemo& m) { m.SetSelectionEnds(0, 1, 1, 3), m.DeleteSelectedText(true); }, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        SetLines({"0", "1", "2", "3", "4", "5"});
        TVezMarkers& markers = *memo->MarkerList()->Markers();
        markers.Clear();
        markers.Add()->LineNumber = 4;
        c.join(*memo);
        EXPECT_TRUE(memo->MarkerAtLine(4 - c.linesGone));
        EXPECT_EQ(Lines()[static_cast<size_t>(4 - c.linesGone)], "4") << "the marked text";
    }
}

TEST_F(MemoGutter, TheMarksOfALineAnswerFromItsProperties)
{
    SetLines({"a", "b", "c"});
    SetLineProp(0, [](TLineProp& p) {
        p.Bookmark = true;
        p.BookmarkIndex = 4;
        p.BreakPoint = true;
    });
    SetLineProp(2, [](TLineProp& p) {
        p.Bookmark = true;
        p.Executable = true;
    });
    int index = 99;
    EXPECT_TRUE(memo->GetBookmarkInfo(0, index));
    EXPECT_EQ(index, 4);
    EXPECT_FALSE(memo->GetBookmarkInfo(1, index));
    EXPECT_EQ(index, -1);
    EXPECT_FALSE(memo->GetBookmarkInfo(50, index));
    EXPECT_EQ(memo->BookmarkCount(), 2);
    EXPECT_TRUE(memo->GetBreakPoint(0));
    EXPECT_FALSE(memo->GetBreakPoint(2));
    EXPECT_TRUE(memo->GetExecutable(2));
    EXPECT_FALSE(memo->GetExecutable(-1));
    EXPECT_FALSE(memo->GetBreakPoint(3));
    EXPECT_FALSE(memo->HasMarkers());
}

// The cursor's line, not its row, is numbered when the text is wrapped, and the marks stay with the line.
TEST_F(MemoGutter, WithWordWrapTheMarksAndTheCaretNumberFollowTheLines)
{
    SetLines({std::string(90, 'x'), "b", "c", "d", "e", "f", "g"});
    memo->SetWordWrap(wwClientWidth);
    Pump();
    const int rowOfB = memo->Lines()->Count() - 6;
    ASSERT_GT(rowOfB, 1);
    gutter->SetLineNumberAt(100);
    SetLineProp(rowOfB, [](TLineProp& p) { p.BreakPoint = true; });
    memo->SetCursor(0, rowOfB + 4); // line "f", the sixth line
    std::unique_ptr<TBitmap> picture = Paint();
    SaveScreenshot(*picture, "memo_gutter_wrapped", 2);
    EXPECT_EQ(picture->Canvas()->Pixels(RowOf(1).Left + 7, RowOf(1).Top + 9), clRed);
    EXPECT_NE(picture->Canvas()->Pixels(RowOf(2).Left + 7, RowOf(2).Top + 9), clRed);
    EXPECT_GT(Ink(*picture, Inside(RowOf(5))), 20);
    EXPECT_EQ(Ink(*picture, Inside(RowOf(4))), 2); // a dash
}

TEST_F(MemoGutter, PictureOfAGutterWithEverything)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 12; ++i)
        lines.push_back("procedure Line" + std::to_string(i) + ";");
    SetLines(lines);
    gutter->SetGutterColor(clBtnFace);
    gutter->SetGutterColorTo(clWhite);
    gutter->SetGutterWidth(70);
    gutter->SetShowModified(true);
    GiveMarkersAnImage(clTeal);
    memo->MarkerList()->Markers()->Add()->LineNumber = 2;
    SetLineProp(2, [](TLineProp& p) {
        p.Bookmark = true;
        p.BookmarkIndex = 1;
    });
    SetLineProp(4, [](TLineProp& p) {
        p.Bookmark = true;
        p.BookmarkIndex = 5;
    });
    SetLineProp(6, [](TLineProp& p) { p.BreakPoint = true; });
    SetLineProp(7, [](TLineProp& p) { p.Executable = true; });
    memo->SetModifiedStateInt(1, lmModified);
    memo->SetModifiedStateInt(3, lmSaved);
    memo->ActiveLineSettings()->SetShowActiveLineIndicator(true);
    memo->SetActiveLine(8);
    std::unique_ptr<TBitmap> picture = Paint();
    EXPECT_EQ(rows.size(), 12u);
    SaveScreenshot(*picture, "memo_gutter_everything", 2);
    // Every mark on its own row, over the gradient.
    const auto pixel = [&](int line, int dx, int dy) {
        return picture->Canvas()->Pixels(RowOf(line).Left + dx, RowOf(line).Top + dy);
    };
    const int strip = RowOf(0).Width() - 3;
    EXPECT_EQ(pixel(1, strip, 8), clYellow); // modified
    EXPECT_EQ(pixel(2, 1, 2), clTeal);       // the marker's image
    EXPECT_EQ(pixel(3, strip, 8), clLime);   // saved
    EXPECT_EQ(pixel(6, 7, 9), clRed);        // the breakpoint
    EXPECT_EQ(pixel(7, 7, 10), clBlue);      // the executable line
    EXPECT_EQ(pixel(8, 17, 9), clLime);      // the active line's arrow
}
