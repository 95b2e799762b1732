#pragma once

// The two grids of the program's windows set up as the windows set them up: the file list (29 typed
// columns, flat headers with the KV_ colours, full-row multi-selection, sorting, footer) and the media
// information list (two read-only auto-size text columns). Shared by the grid's tests and its benchmark.

#include "controls/grid/check_box_column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/image_column.h"
#include "controls/grid/number_column.h"
#include "controls/grid/text_column.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/image_list.h"
#include "support/system_colors.h"

#include <random>
#include <string>
#include <vector>

namespace program_grids {

inline const char* const kTextColumns[] = {"File name",   "Directory",  "Status", "Format",     "Video codec",
                                           "Audio codec", "Resolution", "Aspect", "Frame rate", "Duration",
                                           "Channels",    "Sampling",   "Title",  "Comment"};
inline const char* const kNumberColumns[] = {
    "Size",         "Video bitrate", "Audio bitrate", "Width", "Height",   "Frames", "Streams",
    "Audio tracks", "Subtitles",     "Bit depth",     "Index", "Rotation", "Year"};
constexpr int kCheckColumn = 0;
constexpr int kIconColumn = 1;
constexpr int kFirstTextColumn = 2;
constexpr int kFirstNumberColumn = kFirstTextColumn + 14;
constexpr int kColumnCount = kFirstNumberColumn + 13;

// A 16-pixel film icon.
inline TCustomImageList* MakeFileIcons(TComponent* owner)
{
    auto* icons = new TCustomImageList(owner);
    icons->SetWidth(16);
    icons->SetHeight(16);
    TBitmap icon(16, 16, pf24bit);
    TCanvas& c = *icon.Canvas();
    c.Brush()->SetColor(0x3F7FBF);
    c.FillRect({0, 0, 16, 16});
    c.Brush()->SetColor(0xFFFFFF);
    for (int y = 2; y < 16; y += 4) {
        c.FillRect({1, y, 3, y + 2});
        c.FillRect({13, y, 15, y + 2});
    }
    icons->Add(&icon, nullptr);
    return icons;
}

template <typename Column>
Column* AddColumn(TDataGrid* grid, TComponent* owner, const std::string& caption, int width)
{
    auto* column = new Column(owner);
    column->Header()->SetCaption(caption);
    column->SetWidth(width);
    grid->Columns()->AddColumn(column);
    return column;
}

// The main window's file list.
inline void SetUpFileList(TDataGrid* grid, TComponent* owner)
{
    grid->Font()->SetName("DejaVu Sans");
    grid->Font()->SetSize(8);
    grid->SetOptions({goFooter, goGrid, goHeader, goIndicator, goMultiSelect, goRowMoving, goSelectFullRow});
    grid->SetHeaderStyle(hsFlatBorders);
    grid->SetRowSize(20);
    grid->SetHeaderSize(22);
    grid->SetAppearanceOptions({aoHideFocus});
    grid->SetSortedStyle(soDarker);
    grid->SetSelectionColor(10021624);
    grid->SetInactiveSelectionColor(15066597);
    grid->SetHighlightedTextColor(clBlack);
    grid->SetKV_IndicatorHotBackground(4741224);
    grid->SetKV_IndicatorHotTriangle(377314);
    grid->SetKV_IndicatorColumnGridSelected(6914443);
    auto* active = AddColumn<TGxCheckBoxColumn>(grid, owner, "", 22);
    active->SetAlignment(taCenter);
    auto* icon = AddColumn<TGxImageColumn>(grid, owner, "", 22);
    icon->SetImages(MakeFileIcons(owner));
    for (const char* caption : kTextColumns)
        AddColumn<TGxTextColumn>(grid, owner, caption, caption == std::string("File name") ? 180 : 90);
    for (const char* caption : kNumberColumns) {
        auto* number = AddColumn<TGxNumberColumn>(grid, owner, caption, 70);
        number->SetAlignment(taRightJustify);
        number->Header()->SetAlignment(taRightJustify);
    }
    for (int index = 0; index < kColumnCount; ++index)
        grid->Columns()->GetItem(index)->SetOptions(grid->Columns()->GetItem(index)->Options() + coCanSort);
    TColumnFooter* files = grid->Columns()->GetItem(kFirstTextColumn)->Footer();
    files->SetFormulaKind(fkCount);
    files->SetTextBefore("Files: ");
    TColumnFooter* size = grid->Columns()->GetItem(kFirstNumberColumn)->Footer();
    size->SetFormulaKind(fkSum);
    size->SetAlignment(taRightJustify);
}

// A record of the file list as the window prepares it before filling the grid.
struct TFileRecord
{
    bool active = true;
    std::vector<std::string> texts;
    std::vector<int> numbers;
};

// Seeded records with texts of 8 to 60 characters.
inline std::vector<TFileRecord> MakeFileRecords(int count, uint32_t seed = 7)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> length(8, 60);
    std::uniform_int_distribution<int> letter(0, 25);
    std::uniform_int_distribution<int> number(0, 2000000);
    std::vector<TFileRecord> records(static_cast<size_t>(count));
    for (TFileRecord& record : records) {
        record.active = number(random) % 3 != 0;
        for (int i = 0; i < 14; ++i) {
            std::string text(static_cast<size_t>(length(random)), ' ');
            for (char& ch : text)
                ch = static_cast<char>((ch == ' ' && letter(random) < 3) ? ' ' : 'a' + letter(random));
            record.texts.push_back(std::move(text));
        }
        for (int i = 0; i < 13; ++i)
            record.numbers.push_back(number(random));
    }
    return records;
}

// One row per record, as the window fills the list: inside one update bracket.
inline void FillFileList(TDataGrid* grid, const std::vector<TFileRecord>& records)
{
    grid->BeginUpdate();
    for (const TFileRecord& record : records) {
        const int row = grid->AddRow(1);
        grid->Cell(kCheckColumn, row)->SetAsBoolean(record.active);
        grid->Cell(kIconColumn, row)->SetAsInteger(0);
        for (int i = 0; i < 14; ++i)
            grid->Cell(kFirstTextColumn + i, row)->SetAsString(record.texts[static_cast<size_t>(i)]);
        for (int i = 0; i < 13; ++i)
            grid->Cell(kFirstNumberColumn + i, row)->SetAsInteger(record.numbers[static_cast<size_t>(i)]);
    }
    grid->EndUpdate(true);
}

// The media information window's list: two read-only text columns that share the width and show a text
// that does not fit whole over its cell.
inline void SetUpMediaList(TDataGrid* grid, TComponent* owner)
{
    grid->Font()->SetName("DejaVu Sans");
    grid->Font()->SetSize(8);
    grid->SetOptions({goDisableColumnMoving, goGrid, goHeader, goSelectFullRow});
    grid->SetHeaderStyle(hsFlatBorders);
    grid->SetRowSize(18);
    grid->SetHeaderSize(20);
    grid->SetKV_HeaderGrid(10066329);
    grid->SetReadOnly(true);
    for (const char* caption : {"Property", "Value"}) {
        auto* column = AddColumn<TGxTextColumn>(grid, owner, caption, 150);
        column->SetOptions(column->Options() + coAutoSize + coShowTextFitHint);
    }
}

} // namespace program_grids
