#pragma once

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/columns_grid.h"
#include "platform/gui/graphics/graphics.h"

#include <string>
#include <utility>
#include <vector>

// A grid as its column collection sees it: fixed rectangles, a width to share, and a log of what the
// collection reports and repaints. The columns belong to the form, as on a window.
class FakeColumnsGrid : public TComponent, public IColumnsGrid
{
public:
    explicit FakeColumnsGrid(TComponent* form) : TComponent(form), columns_(new TGxColumns(this))
    {
        columns_->OnColumnChange = [this](TObject*, TGxCustomColumn* column, TColumnChangeKind kind,
                                          int param) {
            Log.push_back(column->Name() + " " + KindName(kind) + " " + std::to_string(param));
        };
        columns_->OnChange = [this](TObject*, TColumnsOperation operation, int value1, int value2) {
            Log.push_back("change " + OperationName(operation) + " " + std::to_string(value1) + " " +
                          std::to_string(value2));
        };
        columns_->OnRepaint = [this](TObject*, TColumnsOperation operation, int value1, int value2) {
            Log.push_back("repaint " + OperationName(operation) + " " + std::to_string(value1) + " " +
                          std::to_string(value2));
        };
    }

    TGxColumns* Columns() const override { return columns_; }
    TRect GetBodyRect() const override { return {Indicator(), 22, ClientWidth, 180}; }
    TRect GetHeaderRect() const override { return {Indicator(), 0, ClientWidth, 22}; }
    TRect GetFooterRect() const override { return {Indicator(), 180, ClientWidth, 200}; }
    TRect GetInputRect() const override { return {Indicator(), 22, ClientWidth, 50}; }
    int InnerWidth() const override { return ClientWidth - Indicator(); }
    bool ShowsIndicator() const override { return WithIndicator; }
    int HorzScrollPosition() const override { return HorzPosition; }
    int SelectedColumn() const override { return Selected; }
    TGxCustomColumn* FocusedColumn() const override { return Focused; }
    TGxCustomColumn* HoverColumn() const override { return Hover; }
    TFont* GridFont() const override { return const_cast<TFont*>(&Font); }
    void RefreshColumn(TGxCustomColumn* column, TGridArea area) override
    {
        Log.push_back(column->Name() + " refresh " + AreaName(area));
    }
    void SetOnUpdateColumns(TNotifyEvent handler) override { OnUpdateColumns = handler; }

    // Adds a column made in code, named for the log.
    TGxCustomColumn* Add(const std::string& name, int width = 80, TColumnOptions extra = {})
    {
        auto* column = new TGxCustomColumn(Owner());
        column->SetName(name);
        column->SetWidth(width);
        column->SetOptions(column->Options() + extra);
        columns_->AddColumn(column);
        return column;
    }
    // Names in position order, the hidden ones too.
    std::string ScreenOrder() const
    {
        std::string order;
        for (int place = 0; place < columns_->Count(); ++place)
            order += columns_->GetPositionItem(place)->Name();
        return order;
    }
    std::string IndexOrder() const
    {
        std::string order;
        for (int index = 0; index < columns_->Count(); ++index)
            order += columns_->GetItem(index)->Name();
        return order;
    }
    std::vector<std::string> TakeLog() { return std::exchange(Log, {}); }

    static std::string KindName(TColumnChangeKind kind)
    {
        static const char* names[] = {"ccFieldName",    "ccInputChange", "ccPosition",       "ccRevertStyle",
                                      "ccSlideChanged", "ccSorted",      "ccSortTypeChange", "ccUndefined",
                                      "ccVisible",      "ccUnsorted",    "ccWidth"};
        return names[kind];
    }
    static std::string OperationName(TColumnsOperation operation)
    {
        static const char* names[] = {"opAdd", "opDelete", "opClear", "opInsert", "opMove"};
        return names[static_cast<int>(operation)];
    }
    static std::string AreaName(TGridArea area)
    {
        static const char* names[] = {"gaNone", "gaBody", "gaFooter", "gaHeader", "gaIndicator", "gaInput"};
        return names[area];
    }

    int ClientWidth = 500;
    bool WithIndicator = false;
    int HorzPosition = 0;
    int Selected = -1;
    TGxCustomColumn* Focused = nullptr;
    TGxCustomColumn* Hover = nullptr;
    TFont Font;
    TNotifyEvent OnUpdateColumns;
    std::vector<std::string> Log;

private:
    int Indicator() const { return WithIndicator ? 12 : 0; }

    TGxColumns* columns_;
};
