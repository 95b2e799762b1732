#pragma once

#include "controls/grid/cells.h"
#include "controls/grid/cells_grid.h"
#include "fake_columns_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// The grid as its cells see it: every question is answered from the position it is asked for.
class FakeCellsGrid : public ICellsGrid
{
public:
    TColor GetActualCellColor(int ACol, int ARow) override { return Ask(ACol, ARow, clYellow); }
    TColor GetActualCellFontColor(int ACol, int ARow) override { return Ask(ACol, ARow, clNavy); }
    std::string GetDrawText(int ACol, int ARow) override
    {
        return "cell " + std::to_string(ACol) + "," + std::to_string(ARow);
    }
    bool IsCellHighlighted(int ACol, int ARow) override { return ACol == 1 && ARow == 2; }

    std::pair<int, int> Asked{-1, -1};

private:
    TColor Ask(int ACol, int ARow, TColor colour)
    {
        Asked = {ACol, ARow};
        return colour;
    }
};

// A cell store kept in step with a column collection, as the grid keeps them, with a log of cell reports.
class CellStore : public testing::Test
{
protected:
    CellStore() : grid(new FakeColumnsGrid(&form)), store(&cellsGrid, grid->Columns())
    {
        grid->Columns()->OnChange = [this](TObject*, TColumnsOperation operation, int value1, int value2) {
            store.ColumnsChange(operation, value1, value2);
        };
        store.OnCellChange = [this](TObject*, int ACol, int ARow) { reports.push_back({ACol, ARow}); };
    }
    ~CellStore() override { grid->Columns()->OnChange = nullptr; }

    TGxCustomColumn* AddColumn(TColumnType type, const std::string& name = "")
    {
        auto* column = new TGxCustomColumn(&form);
        column->SetName(name);
        column->SetColumnType(type);
        grid->Columns()->AddColumn(column);
        return column;
    }
    // Rows of one text column with these texts, each row's Data its first number (1, 2, ...).
    void FillTexts(int column, const std::vector<std::string>& texts)
    {
        const int first = store.RowCount();
        store.AddRow(static_cast<int>(texts.size()));
        for (size_t i = 0; i < texts.size(); ++i) {
            const int row = first + static_cast<int>(i);
            store.GetCell(column, row)->SetAsString(texts[i]);
            store.GetRow(row)->SetData(reinterpret_cast<void*>(static_cast<intptr_t>(row + 1)));
        }
        reports.clear();
    }
    std::vector<std::string> Texts(int column)
    {
        std::vector<std::string> texts;
        for (int row = 0; row < store.RowCount(); ++row)
            texts.push_back(store.GetCell(column, row)->AsString());
        return texts;
    }
    static intptr_t DataOf(TRow* row) { return reinterpret_cast<intptr_t>(row->Data()); }

    TComponent form{nullptr};
    FakeColumnsGrid* grid;
    FakeCellsGrid cellsGrid;
    TCells store;
    std::vector<std::pair<int, int>> reports;
};
