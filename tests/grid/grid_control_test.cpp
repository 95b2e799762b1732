#include "controls/grid/color_schemes.h"
#include "grid_fixture.h"
#include "support/system_colors.h"
#include "theme_switch.h"

#include <functional>

namespace {

using GridControl = GridFixture;

} // namespace

TEST_F(GridControl, DefaultsAreTheGridsOwn)
{
    EXPECT_EQ(grid->Options(), TGridOptions{goHeader});
    EXPECT_EQ(grid->AppearanceOptions(), (TAppearanceOptions{aoHideSelection, aoHighlightSlideCells}));
    EXPECT_EQ(grid->HeaderSize(), 18);
    EXPECT_EQ(grid->FooterSize(), 18);
    EXPECT_EQ(grid->RowSize(), 16);
    EXPECT_EQ(grid->InputSize(), 16);
    EXPECT_EQ(grid->SlideSize(), 80);
    EXPECT_EQ(grid->SelectedRow(), -1);
    EXPECT_EQ(grid->SelectedColumn(), 0);
    EXPECT_EQ(grid->GridLinesColor(), clBtnFace);
    EXPECT_EQ(grid->SelectionColor(), clHighlight);
    EXPECT_EQ(grid->InactiveSelectionColor(), clBtnFace);
    EXPECT_EQ(grid->HighlightedTextColor(), clHighlightText);
    EXPECT_EQ(grid->Color(), clWindow);
    EXPECT_EQ(grid->KV_IndicatorHotBackground(), 0x333333u);
    EXPECT_EQ(grid->KV_BorderColor(), 0x808080u);
    EXPECT_EQ(grid->KV_LastRowHorizontalGridColor(), clNone);
    EXPECT_TRUE(grid->KV_CustomizationEnabled());
    EXPECT_TRUE(grid->TabStop());
    EXPECT_TRUE(grid->TabLeaveControl());
    EXPECT_EQ(grid->CurrentStyleDisplay()->Owner(), grid);

    grid->SetVersion("1.0");
    EXPECT_EQ(grid->Version(), "5.9.85");
    grid->SetRowSize(0);
    grid->SetRowSize(-3);
    EXPECT_EQ(grid->RowSize(), 16);
}

TEST_F(GridControl, SettersRepaintOnlyWhatTheyChange)
{
    AddColumn("A");
    Pump();
    const struct
    {
        const char* what;
        std::function<void()> change;
        bool repaints;
    } cases[] = {
        {"SelectionColor", [&] { grid->SetSelectionColor(clRed); }, false},
        {"HeaderStyle unchanged", [&] { grid->SetHeaderStyle(hsAuto); }, false},
        {"KV_BorderColor unchanged", [&] { grid->SetKV_BorderColor(0x808080); }, false},
        {"KV_LastColVerticalGridColor unchanged", [&] { grid->SetKV_LastColVerticalGridColor(clNone); },
         false},
        {"AutoScroll", [&] { grid->SetAutoScroll(true); }, false},
        {"HeaderStyle", [&] { grid->SetHeaderStyle(hsFlatBorders); }, true},
        {"GridLinesColor", [&] { grid->SetGridLinesColor(clRed); }, true},
        {"KV_HeaderGrid", [&] { grid->SetKV_HeaderGrid(clRed); }, true},
        {"Options",
         [&] {
             grid->SetOptions({goHeader, goGrid});
         },
         true},
    };
    for (const auto& c : cases) {
        Pump();
        grid->PaintCount = 0;
        c.change();
        grid->Update();
        EXPECT_EQ(grid->PaintCount > 0, c.repaints) << c.what;
    }
}

TEST_F(GridControl, TogglingTheIndicatorTellsTheColumnsOnce)
{
    TGxCustomColumn* a = AddColumn("A");
    int told = 0;
    TNotifyEvent columnsHandler = grid->OnUpdateColumns;
    grid->OnUpdateColumns = [&](TObject* sender) {
        ++told;
        columnsHandler(sender);
    };
    grid->SetOptions({goHeader, goGrid, goFooter});
    EXPECT_EQ(told, 0);
    grid->SetOptions({goHeader, goGrid, goFooter, goIndicator});
    EXPECT_EQ(told, 1);
    EXPECT_EQ(a->Left(), 12); // the collection laid the columns out again
    grid->SetOptions({goHeader});
    EXPECT_EQ(told, 2);
    EXPECT_EQ(a->Left(), 0);
}

TEST_F(GridControl, NestedUpdatesPaintNothingAndRecomputeTheBarsOnceAtTheEnd)
{
    AddColumn("A", 600);
    Pump();
    grid->BeginUpdate();
    grid->BeginUpdate();
    for (int i = 0; i < 100; ++i)
        grid->AddRow(1);
    EXPECT_EQ(grid->VertScrollBar()->Max(), 0);
    grid->EndUpdate(true);
    EXPECT_EQ(grid->VertScrollBar()->Max(), 0); // still inside the outer bracket
    grid->EndUpdate(true);
    EXPECT_EQ(grid->VertScrollBar()->Max(), 100);
    EXPECT_TRUE(grid->HorzScrollBar()->Visible());
    grid->EndUpdate(true); // below zero: nothing
    EXPECT_EQ(grid->UpdateCount(), 0);
}

TEST_F(GridControl, TheBorderIsOneOfFourOutcomes)
{
    AddColumn("A");
    const TColor classicEdge = ColorToRGB(clBtnShadow);
    const struct
    {
        const char* what;
        THeaderStyle style;
        TColor kvBorder;
        bool themes;
        TColor expected;
    } cases[] = {
        {"office scheme frame", hsOffice2007, 0x808080, true, GetSchemeColor(2, csDefault)},
        {"flat KV_ frame", hsFlatBorders, 0x0000FF, true, 0x0000FF},
        {"flat without colour, classic", hsFlatBorders, clNone, false, classicEdge},
        {"automatic, classic", hsAuto, 0x0000FF, false, classicEdge},
    };
    for (const auto& c : cases) {
        TThemeSwitch themes(c.themes);
        grid->SetHeaderStyle(c.style);
        grid->SetKV_BorderColor(c.kvBorder);
        Pump();
        auto picture = Render(grid);
        EXPECT_EQ(ColorToRGB(picture->Canvas()->Pixels(0, 10)), c.expected) << c.what;
    }
    TThemeSwitch themes(true);
    grid->SetHeaderStyle(hsFlatBorders);
    grid->SetKV_BorderColor(clNone);
    Pump();
    auto themed = Render(grid);
    EXPECT_NE(themed->Canvas()->Pixels(0, 10), classicEdge); // the list-view border of the theme
    grid->SetBorderStyle(bsNone);
    Pump();
    EXPECT_EQ(grid->ClientWidth(), grid->Width()); // no border at all
}
