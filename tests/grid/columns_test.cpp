#include "fake_columns_grid.h"
#include "platform/gui/core/exceptions.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

class ColumnCollection : public testing::Test
{
protected:
    ColumnCollection() : grid(new FakeColumnsGrid(&form)) {}

    TGxColumns& Columns() { return *grid->Columns(); }

    // Applies a layout as a window builder does: columns made first, then placed on the grid and given
    // their stored values while the form is loading.
    struct TStoredColumn
    {
        std::string name;
        int position;
        int width;
        TColumnOptions extra;
    };
    void ApplyLayout(const std::vector<TStoredColumn>& stored)
    {
        std::vector<TGxCustomColumn*> made;
        for (const TStoredColumn& each : stored) {
            made.push_back(new TGxCustomColumn(&form));
            made.back()->SetName(each.name);
        }
        form.BeginLoading();
        for (size_t i = 0; i < stored.size(); ++i) {
            made[i]->SetParentComponent(grid);
            made[i]->SetPosition(stored[i].position);
            made[i]->SetWidth(stored[i].width);
            made[i]->SetOptions(made[i]->Options() + stored[i].extra);
        }
        form.EndLoading();
    }
    std::vector<int> Widths()
    {
        std::vector<int> widths;
        for (int place = 0; place < Columns().Count(); ++place)
            widths.push_back(Columns().GetPositionItem(place)->Width());
        return widths;
    }
    std::vector<int> Lefts()
    {
        std::vector<int> lefts;
        for (int place = 0; place < Columns().Count(); ++place)
            lefts.push_back(Columns().GetPositionItem(place)->Left());
        return lefts;
    }

    TComponent form{nullptr};
    FakeColumnsGrid* grid;
};

} // namespace

TEST_F(ColumnCollection, AddedColumnsLineUpInBothOrders)
{
    TGxCustomColumn* a = grid->Add("A");
    grid->Add("B", 50);
    TGxCustomColumn* c = grid->Add("C", 30);
    EXPECT_EQ(grid->TakeLog(), Log({"change opAdd -1 -1", "repaint opAdd -1 -1", "change opAdd -1 -1",
                                    "repaint opAdd -1 -1", "change opAdd -1 -1", "repaint opAdd -1 -1"}));
    EXPECT_EQ(grid->IndexOrder(), "ABC");
    EXPECT_EQ(grid->ScreenOrder(), "ABC");
    EXPECT_EQ(Lefts(), std::vector<int>({0, 80, 130}));
    EXPECT_EQ(c->Position(), 2);
    EXPECT_EQ(c->Index(), 2);
    EXPECT_EQ(Columns().LastAdded(), c);
    EXPECT_EQ(Columns().ClientWidth(), 160);
    EXPECT_EQ(a->Columns(), &Columns());
    EXPECT_EQ(a->GridComponent(), grid);

    // The grid's indicator moves every column right.
    grid->WithIndicator = true;
    grid->OnUpdateColumns(grid);
    EXPECT_EQ(Lefts(), std::vector<int>({12, 92, 142}));
}

TEST_F(ColumnCollection, AWidthBelowTheMinimumReportsTheRealDifference)
{
    TGxCustomColumn* a = grid->Add("A");
    grid->Add("B");
    grid->TakeLog();
    a->SetWidth(3);
    EXPECT_EQ(a->Width(), 8);
    EXPECT_EQ(grid->TakeLog(), Log({"A ccWidth -72"}));
    EXPECT_EQ(Lefts(), std::vector<int>({0, 8}));
}

TEST_F(ColumnCollection, AutoSizeColumnsShareTheFreeWidthCarryingFractions)
{
    grid->ClientWidth = 410;
    ApplyLayout({{"A", 0, 80, coAutoSize},
                 {"B", 1, 80, coAutoSize},
                 {"C", 2, 80, coAutoSize},
                 {"D", 3, 80, coAutoSize}});
    Columns().ResizeColumns(nullptr, false);
    EXPECT_EQ(Widths(), std::vector<int>({102, 103, 102, 103}));
    EXPECT_EQ(Lefts(), std::vector<int>({0, 102, 205, 307}));
}

TEST_F(ColumnCollection, AWidthSetSharesWhatIsLeftAmongTheAutoSizeColumnsAfterIt)
{
    grid->ClientWidth = 412;
    grid->WithIndicator = true;
    ApplyLayout({{"A", 0, 100, {}}, {"B", 1, 100, coAutoSize}, {"C", 2, 100, coAutoSize}});
    Columns().ResizeColumns(nullptr, false);
    EXPECT_EQ(Widths(), std::vector<int>({100, 150, 150}));

    Columns().GetItem(0)->SetWidth(50);
    EXPECT_EQ(Widths(), std::vector<int>({50, 175, 175}));
    EXPECT_EQ(Lefts(), std::vector<int>({12, 62, 237}));

    // Hiding a column gives its width to the others.
    Columns().GetItem(0)->SetVisible(false);
    EXPECT_EQ(Widths(), std::vector<int>({50, 200, 200}));
    EXPECT_EQ(Columns().GetItem(0)->VisibleIndex(), -1);
}

TEST_F(ColumnCollection, ALayoutTakesTheScreenOrderFromTheStoredPositions)
{
    ApplyLayout({{"A", 2, 10, {}}, {"B", 0, 20, {}}, {"C", 3, 30, {}}, {"D", 1, 40, {}}});
    EXPECT_EQ(grid->IndexOrder(), "ABCD");
    EXPECT_EQ(grid->ScreenOrder(), "BDAC");
    EXPECT_EQ(Lefts(), std::vector<int>({0, 20, 60, 70}));
    // While the layout is read only the registrations and the widths are reported; nothing is laid out.
    EXPECT_EQ(grid->TakeLog(),
              Log({"change opAdd -1 -1", "A ccWidth -70", "change opAdd -1 -1", "B ccWidth -60",
                   "change opAdd -1 -1", "C ccWidth -50", "change opAdd -1 -1", "D ccWidth -40"}));
}

TEST_F(ColumnCollection, PositionChangesMoveTheScreenOrderOnly)
{
    TGxCustomColumn* a = grid->Add("A");
    grid->Add("B");
    grid->Add("C");
    TGxCustomColumn* d = grid->Add("D");
    grid->TakeLog();

    Columns().ChangePosition(2, 2);
    EXPECT_EQ(grid->TakeLog(), Log());

    Columns().ChangePosition(0, 3);
    EXPECT_EQ(grid->TakeLog(), Log({"A ccPosition 0"}));
    EXPECT_EQ(grid->ScreenOrder(), "BCDA");
    EXPECT_EQ(grid->IndexOrder(), "ABCD");
    EXPECT_EQ(a->Position(), 3);
    EXPECT_EQ(d->Position(), 2);

    // Through the column: one report with the old position; the same position reports nothing.
    d->SetPosition(0);
    EXPECT_EQ(grid->TakeLog(), Log({"D ccPosition 2"}));
    d->SetPosition(0);
    EXPECT_EQ(grid->TakeLog(), Log());
    EXPECT_EQ(grid->ScreenOrder(), "DBCA");
    EXPECT_THROW(d->SetPosition(4), EListError);
    EXPECT_EQ(d->Position(), 0);
}

TEST_F(ColumnCollection, MovesChangeTheIndexOrderOnly)
{
    TGxCustomColumn* a = grid->Add("A");
    grid->Add("B");
    grid->Add("C");
    grid->TakeLog();

    Columns().Move(0, 5);
    Columns().Move(-1, 0);
    EXPECT_EQ(grid->TakeLog(), Log());

    a->SetIndex(2);
    EXPECT_EQ(grid->TakeLog(), Log({"change opMove 0 2", "repaint opMove 0 2"}));
    EXPECT_EQ(grid->IndexOrder(), "BCA");
    EXPECT_EQ(grid->ScreenOrder(), "ABC");
    EXPECT_EQ(a->Index(), 2);
}

TEST_F(ColumnCollection, RemovingAndDestroyingColumns)
{
    grid->Add("A");
    TGxCustomColumn* b = grid->Add("B");
    TGxCustomColumn* c = grid->Add("C");
    grid->TakeLog();

    b->Free();
    EXPECT_EQ(grid->TakeLog(), Log({"change opDelete 1 -1", "repaint opDelete 1 -1"}));
    EXPECT_EQ(grid->ScreenOrder(), "AC");
    EXPECT_EQ(c->Position(), 1);
    EXPECT_EQ(c->Left(), 80);

    auto* stranger = new TGxCustomColumn(&form);
    Columns().Remove(stranger);
    EXPECT_EQ(grid->TakeLog(), Log({"repaint opDelete -1 -1"}));
    stranger->Free();

    // The collection goes with its grid and takes its columns along.
    const int formComponents = form.ComponentCount();
    grid->Free();
    EXPECT_EQ(form.ComponentCount(), formComponents - 3);
}

TEST_F(ColumnCollection, NeighboursAndLocation)
{
    TGxCustomColumn* a = grid->Add("A");
    TGxCustomColumn* b = grid->Add("B");
    TGxCustomColumn* c = grid->Add("C");
    TGxCustomColumn* d = grid->Add("D");
    EXPECT_EQ(a->Location(), clLeftSide);
    EXPECT_EQ(b->Location(), clMiddle);
    EXPECT_EQ(d->Location(), clRightSide);

    c->SetEnabled(false);
    EXPECT_EQ(b->NextColumn(), d);
    EXPECT_EQ(d->PrevColumn(), b);
    EXPECT_EQ(d->NextColumn(), d);
    EXPECT_EQ(a->PrevColumn(), a);
    EXPECT_TRUE(a->First());
    EXPECT_TRUE(d->Last());
    EXPECT_EQ(Columns().LastEnabled(), d);

    d->SetEnabled(false);
    EXPECT_EQ(Columns().Last(), d);
    EXPECT_EQ(Columns().LastEnabled(), b);

    for (TGxCustomColumn* column : {a, b, c})
        column->SetVisible(false);
    EXPECT_EQ(d->Location(), clAlone);
    EXPECT_TRUE(d->IsAlone());
    EXPECT_EQ(a->VisibleIndex(), -1);
    EXPECT_EQ(Columns().VisibleCount(), 1);
    d->SetVisible(false);
    EXPECT_EQ(Columns().First(), nullptr);
    EXPECT_EQ(Columns().FirstEnabled(), nullptr);
}

TEST_F(ColumnCollection, FixedColumnsStayWhileTheOthersScroll)
{
    TGxCustomColumn* a = grid->Add("A", 60);
    TGxCustomColumn* b = grid->Add("B", 70);
    Columns().SetFixedCols(1);
    grid->HorzPosition = 25;
    EXPECT_EQ(Columns().FixedWidth(), 60);
    EXPECT_EQ(a->AbsoluteLeft(), 0);
    EXPECT_EQ(b->AbsoluteLeft(), 35);
    EXPECT_EQ(b->GetMemberRect(ckHeader), (TRect{35, 0, 105, 22}));
    EXPECT_EQ(b->GetMemberRect(ckFooter), (TRect{35, 184, 105, 200}));
    EXPECT_EQ(b->GetMemberRect(ckInput), (TRect{35, 22, 105, 44}));

    grid->Selected = 1;
    grid->Hover = a;
    EXPECT_TRUE(b->Selected());
    EXPECT_FALSE(a->Selected());
    EXPECT_TRUE(a->Hover());
    EXPECT_FALSE(a->Focused());
}
