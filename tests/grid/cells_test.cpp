#include "cells_fixture.h"
#include "controls/grid/virtual_column.h"
#include "platform/gui/core/exceptions.h"

#include <functional>

TEST_F(CellStore, TheCellClassFollowsTheColumnTypeAndHowTheCellCameToBe)
{
    const struct
    {
        TColumnType type;
        const char* added;     // AddRow, AddColumn
        const char* inserted;  // InsertRow
        const char* child;     // AddChildRow
        const char* newColumn; // InsertColumn
    } cases[] = {
        {ctAutoInc, "TIncrementCell", "TIntegerCell", "TIncrementCell", "TIntegerCell"},
        {ctBoolean, "TBooleanCell", "TBooleanCell", "TBooleanCell", "TBooleanCell"},
        {ctDate, "TDateTimeCell", "TDateTimeCell", "TDateTimeCell", "TDateTimeCell"},
        {ctFloat, "TFloatCell", "TFloatCell", "TFloatCell", "TFloatCell"},
        {ctGuid, "TGuidCell", "TStringCell", "TStringCell", "TGuidCell"},
        {ctInteger, "TIntegerCell", "TIntegerCell", "TIntegerCell", "TIntegerCell"},
        {ctVirtual, "TVirtualCell", "TVirtualCell", "TVirtualCell", "TVirtualCell"},
        {ctNone, "TStringCell", "TStringCell", "TStringCell", "TStringCell"},
        {ctGraphic, "TStringCell", "TStringCell", "TStringCell", "TStringCell"},
        {ctString, "TStringCell", "TStringCell", "TStringCell", "TStringCell"},
        {ctLookup, "TStringCell", "TStringCell", "TStringCell", "TStringCell"},
        {ctMemo, "TStringCell", "TStringCell", "TStringCell", "TStringCell"},
    };
    AddColumn(ctString); // keeps the rows when the others go
    for (const auto& c : cases) {
        store.ClearRows();
        TGxCustomColumn* column = AddColumn(c.type);
        const int index = column->Index();
        store.AddRow(2);         // rows 0 and 1
        store.InsertRow(1, 1);   // row 1
        store.AddChildRow(0, 1); // row 1 again
        EXPECT_EQ(store.GetCell(index, 3)->ClassName(), c.added) << c.type;
        EXPECT_EQ(store.GetCell(index, 2)->ClassName(), c.inserted) << c.type;
        EXPECT_EQ(store.GetCell(index, 1)->ClassName(), c.child) << c.type;
        store.InsertColumn(index);
        EXPECT_EQ(store.GetCell(index, 0)->ClassName(), c.newColumn) << c.type;
        store.DeleteColumn(index);
        column->Free();
        // A column added while there are rows gets cells for them as AddRow makes them.
        TGxCustomColumn* later = AddColumn(c.type);
        EXPECT_EQ(store.GetCell(later->Index(), 2)->ClassName(), c.added) << c.type;
        later->Free();
    }
}

TEST_F(CellStore, VisibleRowsCountRowsThatAreVisibleAndShown)
{
    AddColumn(ctString);
    store.AddRow(3);
    store.SetRowHeight(21);
    store.AddChildRow(0, 1); // shown: the parent is expanded
    EXPECT_EQ(store.VisibleRowCount(), 4);
    EXPECT_EQ(store.GetRow(1)->RowHeight(), 21);
    EXPECT_EQ(store.GetRow(1)->Level(), 1);
    EXPECT_EQ(store.GetRow(1)->ParentRow(), store.GetRow(0));
    EXPECT_EQ(store.GetRow(0)->ChildCount(), 1);

    store.ExpandRow(1, false); // collapsed under its parent
    EXPECT_EQ(store.VisibleRowCount(), 3);
    store.ShowRow(1, false); // hidden as well: no change
    EXPECT_EQ(store.VisibleRowCount(), 3);
    store.ShowRow(2, false);
    store.ShowRow(2, false);
    EXPECT_EQ(store.VisibleRowCount(), 2);
    store.DeleteRow(2); // hidden: no change
    EXPECT_EQ(store.VisibleRowCount(), 2);

    store.GetRow(0)->SetExpanded(false);
    store.AddChildRow(0, 1); // under a collapsed parent
    EXPECT_FALSE(store.GetRow(1)->Shown());
    EXPECT_EQ(store.RowCount(), 4);
    EXPECT_EQ(store.VisibleRowCount(), 2);
}

TEST_F(CellStore, ChildCountsOfATree)
{
    AddColumn(ctString);
    store.AddRow(2);         // a, sibling
    store.AddChildRow(0, 1); // a > child
    store.AddChildRow(1, 2); // a > child > grandchild
    EXPECT_EQ(store.GetChildCount(0), 2);
    EXPECT_EQ(store.GetChildsCount(0), 1);
    EXPECT_EQ(store.GetChildCount(3), 0);

    // A deleted parent leaves no dangling parent behind.
    store.DeleteRow(1);
    EXPECT_EQ(store.GetRow(1)->ParentRow(), nullptr);
}

TEST_F(CellStore, RowOperationsKeepEveryColumnInStep)
{
    AddColumn(ctString);
    AddColumn(ctInteger);
    FillTexts(0, {"a", "b", "c", "d"});
    for (int row = 0; row < 4; ++row)
        store.GetCell(1, row)->SetAsInteger(row + 1);

    store.MoveRow(0, 2);
    EXPECT_EQ(Texts(0), std::vector<std::string>({"b", "c", "a", "d"}));
    EXPECT_EQ(Texts(1), std::vector<std::string>({"2", "3", "1", "4"}));
    EXPECT_EQ(DataOf(store.GetRow(2)), 1);

    store.SwapRows(0, 3);
    EXPECT_EQ(Texts(0), std::vector<std::string>({"d", "c", "a", "b"}));
    EXPECT_EQ(Texts(1), std::vector<std::string>({"4", "3", "1", "2"}));
    EXPECT_EQ(store.GetRowIndex(store.GetRow(3)), 3);

    store.DeleteRow(1);
    EXPECT_EQ(Texts(1), std::vector<std::string>({"4", "1", "2"}));

    // The column order follows the collection's index order.
    grid->Columns()->Move(1, 0);
    EXPECT_EQ(Texts(0), std::vector<std::string>({"4", "1", "2"}));

    for (const std::function<void()>& outside : std::initializer_list<std::function<void()>>{
             [&] { store.GetCell(0, 3); }, [&] { store.GetCell(2, 0); }, [&] { store.DeleteRow(3); },
             [&] { store.MoveRow(0, 3); }, [&] { store.InsertRow(4, 1); }, [&] { store.GetRow(-1); },
             [&] { store.SortColumn(5, stAlphabetic, skAscending, false); }})
        EXPECT_THROW(outside(), EListError);
    EXPECT_EQ(store.RowCount(), 3);
}

TEST_F(CellStore, DeletingTheLastColumnLeavesNoRows)
{
    TGxCustomColumn* a = AddColumn(ctString);
    TGxCustomColumn* b = AddColumn(ctString);
    store.AddRow(3);
    a->Free();
    EXPECT_EQ(store.ColCount(), 1);
    EXPECT_EQ(store.RowCount(), 3);
    b->Free();
    EXPECT_EQ(store.RowCount(), 0);
    EXPECT_EQ(store.VisibleRowCount(), 0);
}

TEST_F(CellStore, AnyNumberOfColumns)
{
    for (int i = 0; i < 1100; ++i)
        AddColumn(i == 1050 ? ctInteger : ctString);
    store.AddRow(3);
    for (int row = 0; row < 3; ++row)
        store.GetCell(1050, row)->SetAsInteger(3 - row);
    store.SortColumn(1050, stNumeric, skAscending, false);
    EXPECT_EQ(store.GetCell(1050, 0)->AsInteger(), 1);
    EXPECT_EQ(store.ColCount(), 1100);
}

TEST_F(CellStore, WhatMakesTheRowsUnsorted)
{
    AddColumn(ctString);
    AddColumn(ctString);
    const struct
    {
        const char* what;
        std::function<void()> change;
        bool staysSorted;
    } cases[] = {
        {"AddRow", [&] { store.AddRow(1); }, false},
        {"InsertRow", [&] { store.InsertRow(0, 1); }, false},
        {"AddChildRow", [&] { store.AddChildRow(0, 1); }, false},
        {"MoveRow", [&] { store.MoveRow(0, 1); }, false},
        {"SwapRows", [&] { store.SwapRows(0, 1); }, false},
        {"ClearRows", [&] { store.ClearRows(); }, false},
        {"InsertColumn", [&] { store.InsertColumn(2); }, false},
        {"a value", [&] { store.GetCell(1, 0)->SetAsString("x"); }, false},
        {"a colour", [&] { store.GetCell(1, 0)->SetColor(clRed); }, false},
        {"a hint", [&] { store.GetCell(1, 0)->SetHint("x"); }, false},
        {"DeleteRow", [&] { store.DeleteRow(0); }, true},
        {"ShowRow", [&] { store.ShowRow(0, false); }, true},
        {"ExpandRow", [&] { store.ExpandRow(0, false); }, true},
        {"MoveColumn", [&] { store.MoveColumn(1, 0); }, true},
        {"DeleteColumn of another column", [&] { store.DeleteColumn(store.ColCount() - 1); }, true},
        {"DeleteColumn of the sorted column", [&] { store.DeleteColumn(store.SortIndex()); }, false},
    };
    for (const auto& c : cases) {
        while (store.ColCount() < 3)
            store.AddColumn();
        store.ClearRows();
        FillTexts(0, {"b", "a", "c"});
        store.SortColumn(0, stAlphabetic, skAscending, false);
        ASSERT_TRUE(store.Sorted());
        c.change();
        EXPECT_EQ(store.Sorted(), c.staysSorted) << c.what;
    }
}
