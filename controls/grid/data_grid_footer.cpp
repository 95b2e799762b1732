// Footer values: every formula walks the rows that take part (visible ones when asked, and those that
// OnCalculateRow accepts) in the same way.

#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "platform/gui/core/locale_compare.h"
#include "platform/system/float_text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

int CountDistinctTexts(std::vector<std::string> texts)
{
    std::sort(texts.begin(), texts.end(),
              [](const std::string& a, const std::string& b) { return LocaleCompareText(a, b) < 0; });
    const auto last = std::unique(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return LocaleCompareText(a, b) == 0;
    });
    return static_cast<int>(last - texts.begin());
}

} // namespace

bool TDataGrid::TakesPart(int row, bool visibleOnly)
{
    return (!visibleOnly || GetRowVisible(row)) && DoCalculateRow(row);
}

double TDataGrid::FooterValue(TGxCustomColumn* column, bool visibleOnly)
{
    const int col = column->Index();
    const TFormulaKind kind = column->Footer()->FormulaKind();
    double value = 0;
    if (kind == fkCustom) {
        Raise(OnColumnFooterValue, col, value);
        return value;
    }
    std::vector<std::string> texts;
    int count = 0;
    for (int row = 0; row < RowCount(); ++row) {
        if (!TakesPart(row, visibleOnly))
            continue;
        if (kind == fkDistinct) {
            texts.push_back(GetCells(col, row));
        } else if (kind != fkCount) {
            const double cell = GetCell(col, row)->AsFloat();
            if (count == 0 && (kind == fkMaximum || kind == fkMinimum))
                value = cell;
            else if (kind == fkSum || kind == fkAverage)
                value += cell;
            else if (kind == fkMaximum)
                value = std::max(value, cell);
            else if (kind == fkMinimum)
                value = std::min(value, cell);
        }
        ++count;
    }
    if (kind == fkDistinct)
        return CountDistinctTexts(std::move(texts));
    if (kind == fkCount)
        return count;
    if (kind == fkAverage)
        return count > 0 ? value / count : 0;
    return value;
}

void TDataGrid::CalculateFooter(bool visibleOnly)
{
    const int rows = visibleOnly ? VisibleRows() : RowCount();
    for (int index = 0; index < Columns()->Count(); ++index) {
        TGxCustomColumn* column = Columns()->GetItem(index);
        TColumnFooter* footer = column->Footer();
        if (footer->FormulaKind() == fkNone)
            continue;
        if (rows == 0) {
            footer->SetCaption("0");
            footer->SetFormulaValue(0);
            continue;
        }
        double value = FooterValue(column, visibleOnly);
        Raise(OnFooterCalculate, index, value);
        footer->SetCaption(FloatToStr(value));
        footer->SetFormulaValue(value);
    }
}
