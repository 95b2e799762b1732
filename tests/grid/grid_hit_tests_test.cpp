#include "controls/grid/custom_grid.h"
#include "grid_fixture.h"

namespace {

// Three 60-pixel columns under an 18-pixel header and rows of 16 pixels, without grid lines or indicator:
// column c spans 60c .. 60c + 60, row r 18 + 16r .. 34 + 16r.
class GridHitTests : public GridFixture
{
protected:
    void SetUp() override
    {
        GridFixture::SetUp();
        for (const char* name : {"A", "B", "C"})
            AddColumn(name);
        AddRows(4);
        Pump();
    }
    int ColumnAt(int x) const
    {
        const TGxCustomColumn* column = grid->GetColumnAtPos({x, 5});
        return column ? column->Index() : -1;
    }
    int GripAt(int x) const
    {
        const TGxCustomColumn* column = grid->GetColumnSizeGripAtPos(x, 5);
        return column ? column->Index() : -1;
    }
};

} // namespace

TEST_F(GridHitTests, ColumnsAndTheirSizeGrips)
{
    const struct
    {
        int x, column, grip;
    } cases[] = {
        {0, 0, -1},  {56, 0, -1}, // 4 pixels left of the edge: no grip
        {57, 0, 0},  {60, 0, 0},  // both edges belong to the left column
        {61, 1, 0},  {62, 1, 0},  // 2 pixels right of the edge: still the left column's grip
        {63, 1, -1}, {117, 1, 1}, {180, 2, 2}, {182, -1, 2}, {183, -1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColumnAt(c.x), c.column) << "x " << c.x;
        EXPECT_EQ(GripAt(c.x), c.grip) << "x " << c.x;
    }
    // A column of fixed size has no grip; a hidden one is not there at all.
    grid->Columns()->GetItem(0)->SetOptions(grid->Columns()->GetItem(0)->Options() + coFixedSize);
    EXPECT_EQ(GripAt(58), -1);
    grid->Columns()->GetItem(1)->SetVisible(false);
    EXPECT_EQ(ColumnAt(90), 2);
    EXPECT_EQ(GripAt(119), 2);
}

TEST_F(GridHitTests, RowsCellsGripsAndDropRows)
{
    const struct
    {
        int y, row, grip, nearest;
    } cases[] = {
        {10, -1, -1, -1},                                 // the header
        {19, 0, -1, 0},   {26, 0, -1, 0}, {27, 0, -1, 1}, // the lower half of a row drops after it
        {31, 0, -1, 1},   {32, 0, 0, 1},  {34, 0, 0, 1},
        {35, 1, -1, 1},   {82, 3, 3, 4},  {83, -1, -1, -1}, // below the last row
    };
    for (const auto& c : cases) {
        EXPECT_EQ(grid->GetRowAtPos(5, c.y), c.row) << "y " << c.y;
        EXPECT_EQ(grid->GetRowSizeGripAtPos(5, c.y), c.grip) << "y " << c.y;
        EXPECT_EQ(grid->GetNearestRow(5, c.y), c.nearest) << "y " << c.y;
    }
    EXPECT_EQ(grid->GetRowSizeGripAtPos(13, 33), -1); // right of the indicator column
    EXPECT_EQ(grid->GetCellAtPos({70, 40}), (TPoint{1, 1}));
    EXPECT_EQ(grid->GetCellAtPos({200, 40}), (TPoint{-1, -1})); // right of the columns is not the body
}

// Left of a column's middle the dragged column goes before it, right of it after it; over itself or a
// outside the columns it stays.
TEST_F(GridHitTests, NearestPositionForADraggedColumn)
{
    TGxCustomColumn* first = grid->Columns()->GetItem(0);
    TGxCustomColumn* last = grid->Columns()->GetItem(2);
    const struct
    {
        TGxCustomColumn* dragged;
        int x, position;
    } cases[] = {
        {first, 10, 0},  {first, 80, 0}, // the left half of the next column: where it is
        {first, 100, 1}, {first, 130, 1}, {first, 170, 2}, {first, 400, 0},
        {last, 10, 0},   {last, 40, 1},   {last, 80, 1},   {last, 100, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(grid->GetNearestPosition(c.dragged, c.x), c.position) << c.dragged->Name() << " x " << c.x;
}
