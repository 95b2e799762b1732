#include "controls/grid/column_drag_box.h"
#include "controls/grid/drag_arrow.h"
#include "controls/grid/text_column.h"
#include "grid_fixture.h"
#include "theme_switch.h"

#include "platform/gui/graphics/region.h"
#include "platform/gui/windows/window_functions.h"

namespace {

// A header floating over a grid, holding the mouse while it is dragged.
class ColumnDragBox : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(300, 120);
        grid = new TDataGrid(form);
        grid->SetParent(form);
        grid->SetBounds(10, 10, 280, 100);
        column = new TGxTextColumn(form);
        column->Header()->SetCaption("Directory");
        grid->Columns()->AddColumn(column);
        box = new TColumnDragBox(grid);
        box->OnDragBoxMove = [this](TObject*, int x, int y) { log.push_back({"move", {x, y}}); };
        box->OnDragBoxDrop = [this](TObject*, int x, int y) { log.push_back({"drop", {x, y}}); };
        box->SetBounds(100, 100, 90, 22);
    }
    void TearDown() override { form->Free(); }
    TRect ScreenRect() const
    {
        TRect rect;
        GetWindowRect(box->Handle(), rect);
        return rect;
    }

    struct Report
    {
        std::string what;
        TPoint screen;
        friend bool operator==(const Report&, const Report&) = default;
    };
    TForm* form = nullptr;
    TDataGrid* grid = nullptr;
    TGxTextColumn* column = nullptr;
    TColumnDragBox* box = nullptr;
    std::vector<Report> log;
};

} // namespace

// The box hangs centred above the pointer, its lower edge 4 pixels below it, keeping its size; only the
// left button's release ends the drag.
TEST_F(ColumnDragBox, FollowsThePointerAndReportsInScreenCoordinates)
{
    box->Show(130, 110, column, false);
    EXPECT_EQ(box->Column(), column);
    EXPECT_TRUE(IsWindowVisible(box->Handle()));
    ASSERT_EQ(GetCapture(), box->Handle());

    const TPoint first = box->ClientToScreen({10, 5});
    MouseMove(box, {10, 5}, {ssLeft});
    EXPECT_EQ(ScreenRect(), (TRect{first.X - 45, first.Y - 18, first.X + 45, first.Y + 4}));
    const TPoint second = box->ClientToScreen({70, 30});
    MouseMove(box, {70, 30}, {ssLeft});
    EXPECT_EQ(ScreenRect().TopLeft(), (TPoint{second.X - 45, second.Y - 18}));

    MouseDown(box, {45, 18}, mbRight, {ssLeft});
    MouseUp(box, {45, 18}, mbRight, {ssLeft});
    EXPECT_EQ(GetCapture(), box->Handle());
    EXPECT_TRUE(IsWindowVisible(box->Handle()));
    const TPoint release = box->ClientToScreen({45, 18});
    MouseUp(box, {45, 18});
    EXPECT_FALSE(IsWindowVisible(box->Handle()));
    EXPECT_NE(GetCapture(), box->Handle());
    EXPECT_EQ(log, (std::vector<Report>{{"move", first}, {"move", second}, {"drop", release}}));
}

// The header as the column has it, without the sort arrow, with a dark right and bottom edge.
TEST_F(ColumnDragBox, PaintsTheHeaderWithoutSortArrowAndWithADarkEdge)
{
    TThemeSwitch themes(false);
    column->SetSorted(true);
    box->Show(130, 110, column, false);
    const auto image = Render(box);
    EXPECT_EQ(image->Canvas()->Pixels(89, 5), clBlack);
    EXPECT_EQ(image->Canvas()->Pixels(10, 21), clBlack);
    // A sort arrow would stand right of the caption; the box shows the plain face there.
    EXPECT_EQ(CountPixels(*image, {70, 2, 86, 19}, ColorToRGB(clBtnFace)), 16 * 17);
    EXPECT_GT(CountPixels(*image, {2, 2, 60, 19}, ColorToRGB(clBtnText)), 20); // the caption
    MouseUp(box, {10, 5});
}

TEST(DragArrow, NineByNineWithItsTipCentredOnTheGap)
{
    TForm* form = ShowTestForm(100, 60);
    auto* arrow = new TDragArrow(form);
    EXPECT_EQ(arrow->ArrowKind(), akNone);
    EXPECT_EQ(arrow->BoundsRect(), (TRect{0, 0, 9, 9}));
    const struct
    {
        TArrowKind kind;
        TPoint inside[3];
        TPoint outside[3];
    } cases[] = {
        {akDown, {{4, 0}, {4, 7}, {1, 4}}, {{1, 1}, {8, 1}, {0, 8}}},
        {akUp, {{4, 1}, {4, 8}, {1, 4}}, {{1, 8}, {8, 8}, {0, 0}}},
    };
    for (const auto& c : cases) {
        arrow->SetArrowKind(c.kind);
        TRegion shape;
        ASSERT_NE(GetWindowRgn(arrow->Handle(), shape), RGN_ERROR);
        for (TPoint p : c.inside)
            EXPECT_TRUE(PtInRegion(shape, p.X, p.Y)) << c.kind << ": " << p.X << "," << p.Y;
        for (TPoint p : c.outside)
            EXPECT_FALSE(PtInRegion(shape, p.X, p.Y)) << c.kind << ": " << p.X << "," << p.Y;
    }
    EXPECT_EQ(Render(arrow)->Canvas()->Pixels(4, 4), clRed);
    form->Free();
}
