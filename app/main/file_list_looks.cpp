#include "app/main/file_list_looks.h"

#include "controls/grid/column.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "engine/forms/window_routines.h"
#include "platform/gui/graphics/font_families.h"

namespace {

constexpr int LargeGridFontSize = 14;
constexpr int HeaderHeightSmallFont = 22;
constexpr int HeaderHeightLargeFont = 34;

} // namespace

void SetFileListFontName(TDataGrid& grid, const std::string& fontName)
{
    grid.Font()->SetName(fontName);
    TGxColumns& columns = *grid.Columns();
    for (int i = 0; i < columns.Count(); ++i)
        columns.Items(i)->Font()->SetName(fontName);
}

void SetFileListFontSize(TDataGrid& grid, int fontSize)
{
    SetGridFont(grid, grid.Font()->Name(), fontSize);
    grid.SetHeaderSize(grid.Font()->Size() < LargeGridFontSize ? HeaderHeightSmallFont
                                                               : HeaderHeightLargeFont);
}

void SetFileListRowHeight(TDataGrid& grid, int rowHeight)
{
    grid.SetRowSize(rowHeight);
    grid.BeginUpdate();
    for (int row = 0; row < grid.RowCount(); ++row)
        grid.SetRowHeight(row, rowHeight);
    grid.EndUpdate(true);
}

void SetFileListOption(TDataGrid& grid, TGridOption option, bool present)
{
    TGridOptions options = grid.Options();
    if (present)
        options += option;
    else
        options -= option;
    grid.SetOptions(options);
}

GridLayout ReadFileListLooks(const TDataGrid& grid, GridLayout layout)
{
    layout.FontName = grid.Font()->Name();
    layout.FontSize = grid.Font()->Size();
    layout.RowHeight = grid.RowSize();
    const TGridOptions options = grid.Options();
    layout.GridLines = options.Contains(goGrid);
    layout.RowIndicator = options.Contains(goIndicator);
    layout.Footer = options.Contains(goFooter);
    layout.RowMoving = options.Contains(goRowMoving);
    layout.ColumnMoving = !options.Contains(goDisableColumnMoving);
    return layout;
}

void ApplyFileListLooks(TDataGrid& grid, const GridLayout& layout)
{
    SetGridFont(grid, ResolveFontFamily(layout.FontName), layout.FontSize);
    SetFileListFontSize(grid, layout.FontSize);
    SetFileListRowHeight(grid, layout.RowHeight);
    SetFileListOption(grid, goGrid, layout.GridLines);
    SetFileListOption(grid, goIndicator, layout.RowIndicator);
    SetFileListOption(grid, goFooter, layout.Footer);
    SetFileListOption(grid, goRowMoving, layout.RowMoving);
    SetFileListOption(grid, goDisableColumnMoving, !layout.ColumnMoving);
}
