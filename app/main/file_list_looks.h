#pragma once

#include "controls/grid/grid_types.h"
#include "engine/window_layout.h"

#include <string>

class TDataGrid;

// The file list's looks that the options window changes and the settings file keeps: the font, the row
// height and the grid options shown as check boxes.

// The cells' font name; the headers keep theirs.
void SetFileListFontName(TDataGrid& grid, const std::string& fontName);
// The font size of the cells and the headers; the header grows with large fonts so that the column
// captions keep room.
void SetFileListFontSize(TDataGrid& grid, int fontSize);
// The height of the rows to come and of every row listed.
void SetFileListRowHeight(TDataGrid& grid, int rowHeight);
void SetFileListOption(TDataGrid& grid, TGridOption option, bool present);

// The looks as the grid shows them, in a copy of layout (its columns untouched).
GridLayout ReadFileListLooks(const TDataGrid& grid, GridLayout layout);
// Shows the looks of layout (not its columns), the font name read as the desktop's family of that name.
void ApplyFileListLooks(TDataGrid& grid, const GridLayout& layout);
