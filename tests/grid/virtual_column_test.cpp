#include "cells_fixture.h"
#include "controls/grid/guid_cell.h"
#include "controls/grid/virtual_column.h"
#include "support/errors.h"

#include <gtest/gtest.h>

namespace {

class VirtualColumn : public CellStore
{
protected:
    VirtualColumn() : column(new TGxVirtualColumn(&form))
    {
        column->SetName("V");
        grid->Columns()->AddColumn(column);
        store.AddRow(3);
        reports.clear();
    }

    TGxVirtualColumn* column;
};

} // namespace

TEST_F(VirtualColumn, WithoutHandlersTheCellsAreEmpty)
{
    TCell* cell = store.GetCell(0, 1);
    EXPECT_EQ(cell->ClassName(), "TVirtualCell");
    EXPECT_EQ(cell->AsString(), "");
    EXPECT_EQ(column->GetDrawText({}), "");
    column->SetTextBefore("[");
    column->SetTextAfter("]");
    TCellInfo info;
    info.AsString = "abc";
    column->OnGetDrawText = [](TObject*, std::string& text) { text = "not asked"; };
    EXPECT_EQ(column->GetDrawText(info), "[abc]");
}

TEST_F(VirtualColumn, TextsComeFromAndGoToTheApplication)
{
    std::vector<std::string> written;
    std::string answer = "41";
    column->OnSetText = [&](TObject* sender, int ACol, int ARow, const std::string& value) {
        EXPECT_EQ(sender, column);
        written.push_back(std::to_string(ACol) + "," + std::to_string(ARow) + "=" + value);
    };
    column->OnGetText = [&](TObject*, int, int ARow, std::string& value) {
        value = answer + std::to_string(ARow);
    };

    store.GetCell(0, 2)->SetAsString("12");
    EXPECT_EQ(written, std::vector<std::string>({"0,2=12"}));
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(store.GetCell(0, 2)->AsInteger(), 412);

    // A typed write goes through the text and reports twice.
    store.GetCell(0, 1)->SetAsBoolean(true);
    EXPECT_EQ(written.back(), "0,1=True");
    EXPECT_EQ(reports.size(), 3u);

    answer = "x";
    EXPECT_THROW(store.GetCell(0, 1)->AsInteger(), EConvertError);
    EXPECT_THROW(store.GetCell(0, 1)->AsFloat(), EConvertError);
}

TEST_F(VirtualColumn, WhatTheClassFixes)
{
    column->SetColumnType(ctString);
    EXPECT_EQ(column->ColumnType(), ctVirtual);
    EXPECT_TRUE(column->Options().Contains(coShowTextFitHint));
    EXPECT_EQ(column->ColumnStyle(), (TColumnStyle{csCanEdit, csFitToLargest, csTextFitHint}));
    EXPECT_FALSE(column->IsKeyValid(U' '));
    EXPECT_TRUE(column->IsKeyValid(U'a'));

    auto* copy = new TGxVirtualColumn(&form);
    column->SetAutoExecute(true);
    column->SetTextBefore("<");
    copy->Assign(column);
    EXPECT_TRUE(copy->AutoExecute());
    EXPECT_EQ(copy->TextBefore(), "<");
}

TEST_F(CellStore, IdentifierCellsHoldTheirOwnIdentifier)
{
    AddColumn(ctGuid);
    store.AddRow(2);
    auto* first = dynamic_cast<TGuidCell*>(store.GetCell(0, 0));
    auto* second = dynamic_cast<TGuidCell*>(store.GetCell(0, 1));
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->AsGuid(), second->AsGuid());
    EXPECT_EQ(first->AsString().size(), 38u);

    const std::string text = "{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}";
    first->SetAsString(text);
    EXPECT_EQ(first->AsString(), text);
    EXPECT_EQ(reports.size(), 1u);

    EXPECT_THROW(first->SetAsString("0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0"), EConvertError);
    EXPECT_THROW(first->SetAsInteger(5), EConvertError);
    EXPECT_THROW(first->AsInteger(), EConvertError);
    EXPECT_EQ(first->AsString(), text);

    first->SetAsGuid(second->AsGuid());
    EXPECT_EQ(first->AsString(), second->AsString());
    EXPECT_EQ(reports.size(), 1u);
}
