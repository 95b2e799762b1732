#include "dock_test_support.h"
#include "platform/gui/core/exceptions.h"

#include <string>
#include <vector>

// The rows of a dock: where each window lies and how long it is, how thick rows and docks are, and what
// stays the same when the arrangement fails.

namespace {

class DockArrangement : public DockFixture
{
protected:
    void SetUp() override
    {
        DockFixture::SetUp();
        form->SetClientSize({304, 200});
        // Without drag handles a window's frame is 2 pixels on every side.
        top->SetAllowDrag(false);
    }
};

struct TBarShape
{
    int row;
    int pos;
    int width;
    int height = 20;
    bool fullSize = false;
    bool stretch = false;
    TBarShrinkMode shrink = tbsmNone;
    int minShrink = 0;
};

struct TBarPlace
{
    int row;
    int left;
    int length;
    int thickness = 24;
};

TEST_F(DockArrangement, RowsOfATopDock)
{
    const struct
    {
        const char* name;
        bool limitToOneRow;
        std::vector<TBarShape> bars;
        std::vector<TBarPlace> places;
        int dockHeight;
    } table[] = {
        {"side by side", false, {{0, 0, 100}, {0, 150, 100}}, {{0, 0, 104}, {0, 150, 104}}, 24},
        {"too long: the second wraps", false, {{0, 0, 200}, {0, 0, 200}}, {{0, 0, 204}, {1, 0, 204}}, 48},
        {"one row: a chevron window gives way to its minimum",
         true,
         {{0, 0, 200, 20, false, false, tbsmChevron, 50}, {0, 0, 200, 20, false, false, tbsmChevron, 50}},
         {{0, 0, 100}, {0, 100, 204}},
         24},
        {"one row: wrapping windows shrink only alone",
         true,
         {{0, 0, 200, 20, false, false, tbsmWrap, 50}, {0, 0, 200, 20, false, false, tbsmWrap, 50}},
         {{0, 0, 204}, {0, 204, 204}},
         24},
        {"a full-size window has a row of its own, even in one row",
         true,
         {{0, 0, 100}, {0, 50, 50, 20, true}},
         {{1, 0, 104}, {0, 0, 304}},
         48},
        {"a stretching window reaches the next",
         false,
         {{0, 0, 50}, {0, 60, 50, 20, false, true}, {0, 250, 50}},
         {{0, 0, 54}, {0, 54, 196}, {0, 250, 54}},
         24},
        {"the last stretching window reaches the row's end",
         false,
         {{0, 0, 50}, {0, 100, 50, 20, false, true}},
         {{0, 0, 54}, {0, 54, 250}},
         24},
        {"a row is as thick as its thickest window",
         false,
         {{0, 0, 50, 20}, {0, 100, 50, 30}, {1, 0, 50, 10}},
         {{0, 0, 54, 34}, {0, 100, 54, 34}, {1, 0, 54, 14}},
         48},
    };
    for (const auto& row : table) {
        std::vector<TFakeBar*> bars;
        top->SetLimitToOneRow(row.limitToOneRow);
        top->BeginUpdate();
        for (const TBarShape& shape : row.bars) {
            TFakeBar* bar = AddBar(top, shape.row, shape.pos, {shape.width, shape.height});
            bar->SetFullSize(shape.fullSize);
            bar->SetStretch(shape.stretch);
            bar->Shrink = shape.shrink;
            bar->MinShrink = shape.minShrink;
            bars.push_back(bar);
        }
        top->EndUpdate();
        for (size_t i = 0; i < bars.size(); ++i) {
            const TBarPlace& place = row.places[i];
            EXPECT_EQ(bars[i]->EffectiveDockRow(), place.row) << row.name << ", window " << i;
            EXPECT_EQ(bars[i]->Left(), place.left) << row.name << ", window " << i;
            EXPECT_EQ(bars[i]->Width(), place.length) << row.name << ", window " << i;
            EXPECT_EQ(bars[i]->Height(), place.thickness) << row.name << ", window " << i;
        }
        EXPECT_EQ(top->Height(), row.dockHeight) << row.name;
        for (TFakeBar* bar : bars)
            bar->Free();
    }
}

TEST_F(DockArrangement, EmptyDocksAndTheEdgeTheyKeep)
{
    EXPECT_EQ(top->Height(), 0);
    top->SetFixAlign(true);
    EXPECT_EQ(top->Height(), 1);
    TBarDock* bottom = AddDock(dpBottom, "BottomDock");
    TFakeBar* bar = AddBar(bottom, 0, 0, {50, 30});
    bottom->SetBoundLines({blTop, blBottom});
    EXPECT_EQ(bottom->Height(), 34 + 2) << "a row and the two bound lines";
    const int bottomEdge = bottom->Top() + bottom->Height();
    bar->Hide();
    EXPECT_EQ(bottom->Height(), 0);
    EXPECT_EQ(bottom->Top() + bottom->Height(), bottomEdge)
        << "a bottom dock shrinks towards its bottom edge";
}

TEST_F(DockArrangement, RowsEmptiedByHidingCloseUpAndTheHiddenKeepTheirRow)
{
    TFakeBar* a = AddBar(top, 0, 0);
    TFakeBar* b = AddBar(top, 1, 0);
    TFakeBar* c = AddBar(top, 2, 0);
    EXPECT_EQ(top->Height(), 72);
    b->Hide();
    EXPECT_EQ(c->Top(), 24);
    EXPECT_EQ(top->Height(), 48);
    EXPECT_EQ(b->DockRow(), 1);
    b->Show();
    EXPECT_EQ(c->Top(), 48);
    EXPECT_EQ(a->Top(), 0);
}

TEST_F(DockArrangement, CommittedPositionsAreTheArrangedOnes)
{
    TFakeBar* a = AddBar(top, 3, 40);
    TFakeBar* b = AddBar(top, 3, 10, {200, 20});
    EXPECT_EQ(a->DockRow(), 3) << "without a commit the wanted place stays";
    top->SetCommitNewPositions(true);
    top->ArrangeToolbars();
    EXPECT_FALSE(top->CommitNewPositions());
    EXPECT_EQ(b->DockRow(), 0);
    EXPECT_EQ(b->DockPos(), 10);
    EXPECT_EQ(a->DockRow(), 0);
    EXPECT_EQ(a->DockPos(), 214) << "a place already taken moves the window after the one before it";
    EXPECT_EQ(top->DockList, (std::vector<TBarCustomDockableWindow*>{b, a}));
}

TEST_F(DockArrangement, ADockRefusesToMoveEdgesWithWindowsOrToLieInsideAWindow)
{
    AddBar(top, 0, 0);
    top->SetPosition(dpTop); // the same edge is fine
    try {
        top->SetPosition(dpBottom);
        ADD_FAILURE() << "a dock holding windows keeps its edge";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "Cannot change Position of a TBarDock if it already contains controls");
    }
    EXPECT_EQ(top->Position(), dpTop);
    auto* inner = new TBarDock(form);
    for (TWinControl* parent : std::vector<TWinControl*>{top, top->GetToolbars(0)})
        EXPECT_THROW(inner->SetParent(parent), EInvalidOperation);
    EXPECT_EQ(inner->Parent(), nullptr);
    int closed = 0;
    form->OnCloseQuery = [&closed](TObject*, bool& canClose) {
        ++closed;
        canClose = false;
    };
    EXPECT_EQ(top->Perform(WM_SYSCOMMAND, SC_CLOSE, 0), 0);
    EXPECT_EQ(closed, 0) << "a dock swallows the system commands other than the menu key";
}

TEST_F(DockArrangement, AFailureLeavesTheDockReadyForTheNextArrangement)
{
    TFakeBar* bar = AddBar(top, 0, 0);
    bar->ThrowOnQuery = true;
    top->SetCommitNewPositions(true);
    EXPECT_THROW(top->ArrangeToolbars(), std::runtime_error);
    EXPECT_FALSE(top->CommitNewPositions());
    bar->ThrowOnQuery = false;
    bar->Content = {50, 40};
    top->ArrangeToolbars();
    EXPECT_EQ(top->Height(), 44) << "the dock arranges again";
}

} // namespace
