// Sizing columns and rows to their content, measured by the same display that paints each cell, and the
// grid's text for the clipboard.

#include "controls/grid/column.h"
#include "controls/grid/column_display.h"
#include "controls/grid/columns.h"
#include "controls/grid/grid_control.h"
#include "platform/gui/graphics/canvas.h"
#include "support/utf8.h"

#include <algorithm>

TColumnDisplay* TGxCustomGridControl::PrepareMeasuring(int ACol, int ARow, const TRect& clientRect)
{
    TGxCustomColumn* column = FColumns->GetItem(ACol);
    TColumnDisplay* display = column->Display();
    if (!display)
        return nullptr;
    display->SetCanvas(Canvas());
    display->SetClientRect(clientRect);
    Canvas()->SetFont(column->Font());
    const TCellState state = GetCellState(ACol, ARow);
    std::string text = GetDrawText(ACol, ARow);
    Raise(OnApplyCell, ACol, ARow, text);
    display->SetAsString(text);
    FormatCell(ACol, ARow, GetCellInfo(ACol, ARow), state);
    return display;
}

int TGxCustomGridControl::GetCellHeight(int ACol, int ARow)
{
    TGxCustomColumn* column = FColumns->GetItem(ACol);
    TColumnDisplay* display = column->Display();
    if (!display)
        return FRowSize;
    display->SetLevel(GetRowLevel(ARow));
    const TRect rect{0, 0, FGridSpace[lpLeft] + column->Width() - FGridSpace[lpRight], FRowSize};
    PrepareMeasuring(ACol, ARow, rect);
    return display->GetTextSize().cy;
}

void TGxCustomGridControl::BestFitRow(int index)
{
    int height = FRowSize;
    for (int col = 0; col < FColumns->Count(); ++col)
        if (FColumns->GetItem(col)->Visible())
            height = std::max(height, GetCellHeight(col, index));
    SetRowHeight(index, height);
}

// The header's width counts unless only the cells are asked for; then every row's cell (the visible rows
// only when asked) may widen it.
void TGxCustomGridControl::BestFitColumn(int index, TBestFitMode mode, bool onlyVisible)
{
    TGxCustomColumn* column = FColumns->GetItem(index);
    int width = 8;
    if (mode != bfCells) {
        FCurrentStyleDisplay->Canvas()->SetFont(Font());
        width = FCurrentStyleDisplay->GetHeaderContentWidth(column);
    }
    if (mode != bfHeader) {
        for (int row = 0; row < RowCount(); ++row) {
            if (onlyVisible && !GetRowVisible(row))
                continue;
            if (TColumnDisplay* display =
                    PrepareMeasuring(index, row, {0, 0, column->Width(), GetRowHeight(row)}))
                width = std::max(width, display->GetContentWidth());
        }
    }
    column->SetWidth(width + 2 * column->Padding() + 5);
}

// --- the grid's text ---------------------------------------------------------------------------------------

namespace {

// Where the grid's text goes: a counter of its bytes, or the text itself.
class TTextSink
{
public:
    explicit TTextSink(std::string* text) : text_(text) {}
    void Add(std::string_view part)
    {
        size_ += part.size();
        if (text_)
            text_->append(part);
    }
    size_t Size() const { return size_; }

private:
    std::string* text_; // nullptr while only counting
    size_t size_ = 0;
};

// A cell's text with "%" before each line break (a CR LF pair or a lone LF).
void AddCellText(TTextSink& sink, std::string_view text)
{
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n')
            continue;
        const size_t lineBreak = i > start && text[i - 1] == '\r' ? i - 1 : i;
        sink.Add(text.substr(start, lineBreak - start));
        sink.Add("%");
        start = lineBreak;
    }
    sink.Add(text.substr(start));
}

} // namespace

// One walk over the cells serves both the length and the copy: the text is counted, reserved once, then
// written.
std::string TGxCustomGridControl::GetGridText(char32_t separator)
{
    const std::string sep = CodePointToUtf8(separator);
    auto walk = [&](TTextSink& sink) {
        sink.Add(sep);
        if (FColumns->Count() == 0)
            return;
        for (int row = 0; row < RowCount(); ++row) {
            if (row > 0)
                sink.Add("\r\n");
            for (int col = 0; col < FColumns->Count(); ++col) {
                AddCellText(sink, GetCells(col, row));
                if (col + 1 < FColumns->Count() || row + 1 < RowCount())
                    sink.Add(sep);
            }
        }
    };
    TTextSink counter(nullptr);
    walk(counter);
    std::string text;
    text.reserve(counter.Size());
    TTextSink writer(&text);
    walk(writer);
    return text;
}
