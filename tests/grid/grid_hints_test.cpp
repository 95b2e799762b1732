#include "controls/grid/text_column.h"
#include "input_grid.h"

#include "platform/gui/forms/application.h"
#include "platform/gui/forms/hints.h"

namespace {

struct ShownHint
{
    TRect rect;
    std::string text;
};

// A hint window class that writes down what the grid shows and hides.
class TRecordingHint : public THintWindow
{
public:
    using THintWindow::THintWindow;
    void ActivateHint(TRect rect, const std::string& text) override
    {
        shown.push_back({rect, text});
        THintWindow::ActivateHint(rect, text);
    }
    static inline std::vector<ShownHint> shown;
    static inline int hidden = 0;

protected:
    void DestroyWnd() override
    {
        ++hidden;
        THintWindow::DestroyWnd();
    }
};

// The application's hint window class is the recording one while a test runs; a grid of its own unless the
// test takes another.
class GridHints : public testing::Test
{
protected:
    void SetUp() override
    {
        HintWindowClass = THintWindowClass::Of<TRecordingHint>();
        TRecordingHint::shown.clear();
        TRecordingHint::hidden = 0;
        form = ShowTestForm(420, 240);
    }
    void MakeGrid()
    {
        grid = new TRecordingGrid(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 400, 220);
    }
    void TearDown() override
    {
        form->Free();
        HintWindowClass = THintWindowClass::Of<THintWindow>();
    }
    const std::vector<ShownHint>& Shown() const { return TRecordingHint::shown; }
    TRect ScreenCell(int col, int row) const
    {
        const TRect cell = grid->GetCellRect(col, row);
        const TPoint topLeft = grid->ClientToScreen(cell.TopLeft());
        return {topLeft.X, topLeft.Y, topLeft.X + cell.Width(), topLeft.Y + cell.Height()};
    }

    TForm* form = nullptr;
    TRecordingGrid* grid = nullptr;
};

class MediaListHints : public GridHints
{
protected:
    void SetUp() override
    {
        GridHints::SetUp();
        grid =
            ShowMediaList(form, {10, 10, 410, 230},
                          {{"Format", "AVI"},
                           {"Writing library", "a writing library whose name is far too long for its cell"},
                           {"Duration", "12 s"}});
    }
    TPoint Over(int col, int row) const { return CenterOf(grid->GetCellRect(col, row)); }
};

} // namespace

// A text that does not fit shows whole over its cell; moving on to a cell that fits takes it away, and
// moving within the same cell shows it only once.
TEST_F(MediaListHints, ACutTextShowsWholeOverItsCell)
{
    MouseMove(grid, Over(1, 0));
    EXPECT_TRUE(Shown().empty());
    MouseMove(grid, Over(1, 1));
    MouseMove(grid, {Over(1, 1).X + 5, Over(1, 1).Y});
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text, "a writing library whose name is far too long for its cell");
    EXPECT_EQ(Shown()[0].rect.TopLeft(), ScreenCell(1, 1).TopLeft());
    EXPECT_GT(Shown()[0].rect.Width(), grid->Columns()->GetItem(1)->Width());
    EXPECT_EQ(grid->HintPosition(), hpTextFit);

    // The picture a user sees: the window, and the hint over the cut text reaching out beyond it.
    const auto window = Render(form);
    TBitmap picture(window->Width() + 200, window->Height(), pf24bit);
    picture.Canvas()->Brush()->SetColor(clGray);
    picture.Canvas()->FillRect({0, 0, picture.Width(), picture.Height()});
    picture.Canvas()->Draw(0, 0, window.get());
    PasteWindow(picture, WindowOrigin(*form), *grid->HintWindow());
    SaveScreenshot(picture, "grid_text_fit_hint", 2);
    // Beyond the window's right edge the hint goes on: its background and its text.
    const int hintTop = Shown()[0].rect.Top - WindowOrigin(*form).Y;
    const TRect beyond{window->Width(), hintTop, picture.Width(), hintTop + Shown()[0].rect.Height()};
    EXPECT_GT(CountPixels(picture, beyond, ColorToRGB(clInfoBk)), 0);
    EXPECT_GT(CountPixels(picture, beyond, ColorToRGB(clInfoText)), 0);

    MouseMove(grid, Over(1, 2));
    EXPECT_EQ(TRecordingHint::hidden, 1);
    EXPECT_EQ(grid->HintPosition(), hpNone);
    EXPECT_EQ(Shown().size(), 1u);
}

TEST_F(MediaListHints, NoHintWhileTheApplicationShowsNoneOrTheFormIsNotActive)
{
    Application->SetShowHint(false);
    MouseMove(grid, Over(1, 1));
    Application->SetShowHint(true);
    EXPECT_TRUE(Shown().empty());
    TForm* other = ShowTestForm(100, 100);
    MouseMove(grid, Over(1, 0));
    MouseMove(grid, Over(1, 1));
    EXPECT_TRUE(Shown().empty());
    other->Free();
}

// The column is exactly as wide as the text needs with 5 pixels to spare: it fits; one pixel less does not.
TEST_F(GridHints, TextFitsWithFivePixelsToSpare)
{
    MakeGrid();
    grid->Font()->SetName("DejaVu Sans");
    grid->Font()->SetSize(8);
    auto* column = new TGxTextColumn(form);
    grid->Columns()->AddColumn(column);
    grid->Cell(0, grid->AddRow(1))->SetAsString("Bitrate mode");
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(column->Font());
    const int needed = measure.Canvas()->TextWidth("Bitrate mode") + 5;
    column->SetWidth(needed);
    EXPECT_TRUE(grid->IsTextFit(0, 0));
    column->SetWidth(needed - 1);
    EXPECT_FALSE(grid->IsTextFit(0, 0));
    // What the grid paints counts: a handler's text and a bold selection.
    column->SetWidth(needed);
    grid->OnApplyCell = [](TObject*, int, int, std::string& text) { text += "!"; };
    EXPECT_FALSE(grid->IsTextFit(0, 0));
}

// Header and footer hints show once per column, under the header and under the grid; a cell's hint rises
// beside the cell.
TEST_F(GridHints, HeaderFooterAndCellHints)
{
    MakeGrid();
    for (const char* caption : {"Name", "Size"}) {
        auto* column = new TGxTextColumn(form);
        column->Header()->SetCaption(caption);
        column->SetWidth(100);
        grid->Columns()->AddColumn(column);
    }
    grid->SetOptions(grid->Options() + goFooter);
    grid->Columns()->GetItem(1)->Header()->SetHint("Size in bytes");
    grid->Columns()->GetItem(1)->Footer()->SetHint("Total size");
    grid->OnCellHint = [](TObject*, int col, int row, std::string& hint) {
        if (col == 0 && row == 1)
            hint = "The second file";
    };
    grid->AddRow(3);
    Pump();
    MouseMove(grid, {150, 8});
    MouseMove(grid, {160, 8});
    MouseMove(grid, {50, 8}); // a header without a hint hides it
    const int footerY = grid->GetFooterRect().Top + 8;
    MouseMove(grid, {150, footerY});
    const TPoint cell = CenterOf(grid->GetCellRect(0, 1));
    MouseMove(grid, cell);
    ASSERT_EQ(Shown().size(), 3u);
    EXPECT_EQ(Shown()[0].text, "Size in bytes");
    EXPECT_EQ(Shown()[0].rect.TopLeft(), grid->ClientToScreen({100, grid->HeaderSize() + 2}));
    EXPECT_EQ(Shown()[1].text, "Total size");
    EXPECT_EQ(Shown()[1].rect.TopLeft(), grid->ClientToScreen({100, grid->ClientHeight() + 2}));
    EXPECT_EQ(Shown()[2].text, "The second file");
    const TRect cellRect = grid->GetCellRect(0, 1);
    EXPECT_EQ(Shown()[2].rect.TopLeft(), grid->ClientToScreen({cellRect.Left + 100, cellRect.Top - 20}));
    EXPECT_EQ(grid->HintPosition(), hpCellHint);
    MouseMove(grid, CenterOf(grid->GetCellRect(1, 1)));
    EXPECT_EQ(grid->HintPosition(), hpNone);
}
