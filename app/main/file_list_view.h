#pragma once

#include "app/main/file_list_columns.h"
#include "app/model/file_list_footer.h"
#include "app/model/file_row_values.h"
#include "app/model/listed_files.h"
#include "engine/file_list.h"
#include "engine/shared_records.h"
#include "platform/gui/windows/timers.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

class TComponent;
class TDataGrid;
class TWinControl;
struct TPoint;

// A file as it enters the list.
struct TNewFileRow
{
    std::string FileName; // absolute
    std::string Identity; // ListedFileIdentity of the file
    bool Checked = true;
    std::string Status;
    int64_t Size = 0;
    std::optional<TFileRowValues> Media; // the analysis's cells; none when no analysis ran
};

// The main window's file list: the grid ng with its 29 columns, one row per input file, as the conversion
// run (IFileList), the other windows and the commands see it. The main window makes one, forwards its file
// list commands to it and wires the callbacks below.
//
// Rows live in the grid: the user sorts them and moves them there. Each row carries an id (its TRow's data)
// under which the list of listed files knows it, so a row is found again after a sort, a move or a removal.
class TFileListView : public IFileList
{
public:
    // Builds ng into parent (aligned to fill it), its components owned by owner.
    TFileListView(TWinControl* parent, TComponent* owner);
    ~TFileListView() override;
    TFileListView(const TFileListView&) = delete;
    TFileListView& operator=(const TFileListView&) = delete;

    TDataGrid* Grid() const { return ng; }
    const TFileListColumns& Columns() const { return FColumns; }

    // --- IFileList ---
    int32_t RowCount() const override;
    bool IsChecked(int32_t row) const override;
    std::string FullFileName(int32_t row) const override { return GetNgFullFileName(row); }
    void SetStatus(int32_t row, const std::string& text) override;

    // --- accessors: empty text for a row index that is not valid ---
    bool IsValidRowIndex(int32_t row) const;
    std::string GetNgDirectory(int32_t row) const;
    std::string GetNgShortFileName(int32_t row) const;
    std::string GetNgFullFileName(int32_t row) const;
    int32_t GetNgCheckedCount() const;
    // Whether the file (any name of it: relative, through a link) is listed already.
    bool IsFileOnList(const std::string& fileName) const;
    // The same for an identity made already (ListedFileIdentity).
    bool IsIdentityListed(const std::string& identity) const { return FListed.Contains(identity); }
    TGridInfo GetGridInfo() const;
    // The row of the current selection; -1 when none.
    int32_t SelectedRow() const;

    // --- rows ---
    // Appends a row for a file not yet listed, numbered after the last row; answers its index, or -1 when
    // the file is listed already. The footer's sums follow without walking the list.
    int32_t AppendFileRow(const TNewFileRow& file);

    // --- commands; each changes the list inside one batch and then calls OnListChanged ---
    void CheckAll();
    void UncheckAll();
    void CheckSelected();
    void UncheckSelected();
    void InvertSelection();
    void RemoveChecked();
    void ClearFileList();
    // Refuses the commands above while set (an add loop is letting messages through).
    void SetChangesLocked(bool locked) { FChangesLocked = locked; }
    bool ChangesLocked() const { return FChangesLocked; }

    // --- footer and numbering ---
    void ClearFooter();
    // Walks every row and sets the footers.
    void CalcFooter();
    // Sets the footers from the sums kept since the last CalcFooter (rows appended since are in them).
    void ShowFooterSoFar();
    void RenumNg();
    void ScrollToLastRow();
    void BeginUpdate();
    void EndUpdate();

    // The column headers from the string table (the check box and icon columns show none).
    void SetLang();

    // --- layout for the settings file ---
    FileListColumns ReadColumnLayout() const { return ReadFileListColumnLayout(FColumns); }
    void ApplyColumnLayout(const FileListColumns& layout) { ApplyFileListColumnLayout(FColumns, layout); }

    // --- the row that follows the selection ---
    // The selected row 200 ms after the last selection, found by its identity: its current index, or -1
    // when the row went meanwhile. The main window follows it (caption, audio tracks, media window).
    std::function<void(int32_t row)> OnSelectedRowSettled;
    // After a change of the list or of a check box by the user: the main window's InitControls.
    std::function<void()> OnListChanged;
    // A right click in the header, at a screen position: the column menu.
    std::function<void(TPoint screenPos)> OnHeaderContextMenu;
    // Whether a click on the icon opens the file (AppParams.OpenFileAfterIconClick by default).
    std::function<bool()> IconClickOpens;

private:
    void SetUpGrid();
    void WireGridEvents();
    void ChangeChecks(bool selectedOnly, const std::function<bool(bool)>& newValue);
    void RowSelected(int32_t row);
    void SelectionTimerDue();
    void IconClicked(int col, int row);
    void HeaderMouseDown(int x, int y);
    void ColorCell(int row, TColor& cellColor, TColor& gridColor, bool selected);
    void ListChanged();
    uint64_t RowId(int32_t row) const;
    int32_t RowIndexOf(uint64_t rowId) const;
    TFooterRowNumbers FooterNumbers(int32_t row) const;
    int CellIndex(const TGxCustomColumn* column) const;
    void SetFooterTexts(const TFileListFooterTexts& texts);
    void WriteMediaCells(int32_t row, const TFileRowValues& values);
    int IconIndexOf(const std::string& fileName);

    TDataGrid* ng = nullptr; // owned by the owner
    TFileListColumns FColumns;
    TListedFiles FListed;                             // identity -> row id of every row
    TFooterSums FFooterSums;                          // over the checked rows, since the last CalcFooter
    int32_t FFooterCheckedCount = 0;                  // checked rows in FFooterSums
    std::unordered_map<std::string, int> FIconOfType; // file extension -> index in the shell's small icons
    bool FChangesLocked = false;
    uint64_t FLastSelectedRowId = 0; // the row the selection timer follows; 0 for none
    TOneShotTimer tmUpdateLastSelectedRow;
};
