#pragma once

#include "controls/grid/column.h"
#include "controls/grid/text_converting_cell.h"

#include <functional>
#include <string>

using TGetTextEvent = std::function<void(TObject* sender, int ACol, int ARow, std::string& value)>;
using TSetTextEvent = std::function<void(TObject* sender, int ACol, int ARow, const std::string& value)>;

// A column that keeps no values: each cell asks OnGetText for its text and hands every text written into it
// to OnSetText, so the application shows data it holds elsewhere. Its cells are edited with the text editor
// and painted by the text display.
class TGxVirtualColumn : public TGxCustomColumn
{
public:
    explicit TGxVirtualColumn(TComponent* owner);

    bool AutoExecute() const { return FAutoExecute; } // kept and copied; nothing reads it
    void SetAutoExecute(bool value) { FAutoExecute = value; }
    const std::string& TextAfter() const { return FTextAfter; }
    void SetTextAfter(const std::string& value) { FTextAfter = value; }
    const std::string& TextBefore() const { return FTextBefore; }
    void SetTextBefore(const std::string& value) { FTextBefore = value; }

    TGetTextEvent OnGetText;
    TSetTextEvent OnSetText;

    void SetColumnType(TColumnType value) override;
    TColumnEditorClass GetCellEditorClass() const override;
    TColumnDisplayClass GetDisplayClass() const override;
    TColumnStyle GetColumnStyle() const override { return {csCanEdit, csFitToLargest, csTextFitHint}; }
    // TextBefore, the cell's text and TextAfter; OnGetDrawText is not asked.
    std::string GetDrawText(const TCellInfo& cell) override;
    bool IsKeyValid(char32_t key) const override { return key > U' '; }

    virtual void DoGetText(int ACol, int ARow, std::string& value);
    virtual void DoSetText(int ACol, int ARow, const std::string& value);

    void Assign(const TPersistent* source) override;

private:
    std::string FTextAfter;
    std::string FTextBefore;
    bool FAutoExecute = false;
};

// A cell of a virtual column: its text comes from the column's OnGetText and goes to its OnSetText, for the
// cell's position (the store's last lookup). The store binds it to its column when it makes it.
class TVirtualCell : public TTextConvertingCell
{
public:
    using TTextConvertingCell::TTextConvertingCell;

    TGxVirtualColumn* Column() const { return FColumn; }
    void SetColumn(TGxVirtualColumn* column) { FColumn = column; }

    std::string AsString() const override;
    void SetAsString(const std::string& value) override;

private:
    TGxVirtualColumn* FColumn = nullptr;
};
