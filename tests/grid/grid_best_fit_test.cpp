#include "controls/grid/text_column.h"
#include "grid_fixture.h"

namespace {

// Text columns measured with the grid's font.
class GridBestFit : public GridFixture
{
protected:
    TGxTextColumn* AddTextColumn(const std::string& caption)
    {
        auto* column = new TGxTextColumn(form);
        column->Header()->SetCaption(caption);
        grid->Columns()->AddColumn(column);
        return column;
    }
    int TextWidth(const std::string& text) const
    {
        TBitmap measure(1, 1);
        measure.Canvas()->SetFont(grid->Font());
        return measure.Canvas()->TextWidth(text);
    }
    void AddRowOf(std::initializer_list<const char*> texts)
    {
        const int row = grid->AddRow(1);
        int col = 0;
        for (const char* text : texts)
            grid->Cell(col++, row)->SetAsString(text);
    }
};

} // namespace

TEST_F(GridBestFit, ColumnsTakeTheWidthOfTheirHeaderOrCellsWithPaddingAnd5PixelsToSpare)
{
    TGxTextColumn* column = AddTextColumn("Caption");
    column->SetPadding(3);
    grid->BestFitColumn(0, bfCells, true);
    EXPECT_EQ(column->Width(), 8 + 2 * 3 + 5); // no rows
    AddRowOf({"short"});
    AddRowOf({"the longest text"});
    AddRowOf({"a hidden text much longer than the others"});
    grid->SetRowVisible(2, false);
    grid->BestFitColumn(0, bfCells, true);
    EXPECT_EQ(column->Width(), TextWidth("the longest text") + 6 + 5);
    grid->BestFitColumn(0, bfCells, false);
    EXPECT_EQ(column->Width(), TextWidth("a hidden text much longer than the others") + 6 + 5);
    grid->BestFitColumn(0, bfHeader, true);
    const int header = column->Width();
    EXPECT_LT(header, TextWidth("the longest text") + 11);
    EXPECT_GT(header, TextWidth("Caption"));
    grid->BestFitColumn(0, bfBoth, true);
    EXPECT_EQ(column->Width(), TextWidth("the longest text") + 6 + 5);
}

TEST_F(GridBestFit, RowsGrowForTheirTallestCellButNeverBelowRowSize)
{
    AddTextColumn("One");
    TGxTextColumn* notes = AddTextColumn("Notes");
    notes->SetMultiLine(true);
    AddRowOf({"one line", "one line"});
    AddRowOf({"one line", "first\r\nsecond\r\nthird"});
    std::vector<int> heights;
    grid->OnChangeRowHeight = [&](TObject*, int, int height) { heights.push_back(height); };
    grid->SetRowSize(30);
    grid->BestFitRow(0);
    EXPECT_EQ(grid->GetRowHeight(0), 30);
    grid->BestFitRow(1);
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(grid->Font());
    EXPECT_EQ(grid->GetRowHeight(1), 3 * measure.Canvas()->TextHeight("first"));
    EXPECT_EQ(heights.back(), grid->GetRowHeight(1));
}

TEST_F(GridBestFit, TheGridsTextHasASeparatorBeforeEveryCellAndMarksLineBreaks)
{
    EXPECT_EQ(grid->GetGridText(U';'), ";");
    grid->AddRow(2); // rows without columns: still the separator alone
    EXPECT_EQ(grid->GetGridText(U';'), ";");
    grid->ClearRows();
    AddTextColumn("A");
    AddTextColumn("B");
    EXPECT_EQ(grid->GetGridText(U';'), ";");
    AddRowOf({"a", "b"});
    AddRowOf({"c", "d"});
    EXPECT_EQ(grid->GetGridText(U';'), ";a;b;\r\nc;d");
    AddRowOf({"two\r\nlines", "lf\nonly"});
    EXPECT_EQ(grid->GetGridText(U'\t'), "\ta\tb\t\r\nc\td\t\r\ntwo%\r\nlines\tlf%\nonly");
    EXPECT_EQ(grid->GetGridText(U'·'), "·a·b·\r\nc·d·\r\ntwo%\r\nlines·lf%\nonly");
}
