#include "app/main/file_list_view.h"

#include "controls/grid/check_box_column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/image_column.h"
#include "controls/grid/number_column.h"
#include "controls/grid/text_column.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "platform/gui/services/shell.h"
#include "platform/gui/services/shell_icons.h"
#include "support/color_routines.h"
#include "support/files.h"
#include "support/system_colors.h"
#include "support/text_routines.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr int SelectionSettleMs = 200;

// A colour from its red, green and blue parts (0x00BBGGRR).
constexpr TColor FileListColor(uint32_t red, uint32_t green, uint32_t blue)
{
    return static_cast<TColor>(red | green << 8 | blue << 16);
}

std::string FileListAverageWord()
{
    return AppStrings ? AppStrings->Main.AverageShort : std::string("AVG");
}

} // namespace

TFileListView::TFileListView(TWinControl* parent, TComponent* owner)
    : tmUpdateLastSelectedRow([this] { SelectionTimerDue(); })
{
    ng = new TDataGrid(owner);
    ng->SetName("ng");
    ng->SetParent(parent);
    ng->SetAlign(alClient);
    SetUpGrid();
    FColumns = CreateFileListColumns(ng, owner);
    FColumns.colIcon->SetImages(&ShellImageList(true));
    WireGridEvents();
}

TFileListView::~TFileListView()
{
    tmUpdateLastSelectedRow.Stop();
}

void TFileListView::SetUpGrid()
{
    ng->SetOptions({goFooter, goGrid, goHeader, goIndicator, goMultiSelect, goRowMoving, goSelectFullRow});
    ng->SetRowSize(20);
    ng->SetHeaderSize(22);
    ng->SetBorderStyle(bsNone);
    // Without aoHideSelection the selection stays painted, in the inactive colour, while the grid is not
    // focused; the focus rectangle is never drawn.
    ng->SetAppearanceOptions({aoHideFocus});
    ng->SetKV_DoNotDrawFocusRect(true);
    ng->SetHeaderStyle(hsFlatBorders);
    ng->SetSelectionColor(FileListColor(248, 234, 152));
    ng->SetInactiveSelectionColor(FileListColor(229, 229, 229));
    ng->SetGridLinesColor(FileListColor(234, 234, 234));
    ng->SetHighlightedTextColor(clBlack);
    ng->SetSortedStyle(soDarker);
}

void TFileListView::WireGridEvents()
{
    ng->OnSelectCell = [this](TObject*, int, int row) { RowSelected(row); };
    ng->OnCellClick = [this](TObject*, int col, int row) { IconClicked(col, row); };
    ng->OnCellColoring = [this](TObject*, int, int row, TColor& cellColor, TColor& gridColor,
                                TCellState state) {
        ColorCell(row, cellColor, gridColor, state.Contains(csSelected));
    };
    ng->OnCellFormating = [this](TObject*, int, int row, TColor& textColor, TFontStyles&, TCellState state) {
        if (!state.Contains(csSelected) && IsValidRowIndex(row) && !IsChecked(row))
            textColor = clInactiveCaptionText;
    };
    ng->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int x, int y) {
        if (button == mbRight)
            HeaderMouseDown(x, y);
    };
    const auto changed = [this](auto&&...) { ListChanged(); };
    ng->OnAfterEdit = changed;
    ng->OnAfterSort = changed;
    ng->OnKeyUp = changed;
    ng->OnClick = changed;
    ng->KV_OnAfterSetFocus = [this](TObject*) { ng->Repaint(); };
    ng->KV_OnAfterKillFocus = [this](TObject*) { ng->Repaint(); };
}

// --- IFileList and accessors ---

int32_t TFileListView::RowCount() const
{
    return ng->RowCount();
}

int TFileListView::CellIndex(const TGxCustomColumn* column) const
{
    return column->Index();
}

bool TFileListView::IsChecked(int32_t row) const
{
    return IsValidRowIndex(row) && ng->Cell(CellIndex(FColumns.colActive), row)->AsBoolean();
}

void TFileListView::SetStatus(int32_t row, const std::string& text)
{
    if (IsValidRowIndex(row))
        ng->Cell(CellIndex(FColumns.colStatus), row)->SetAsString(text);
}

bool TFileListView::IsValidRowIndex(int32_t row) const
{
    return row >= 0 && row < ng->RowCount();
}

std::string TFileListView::GetNgDirectory(int32_t row) const
{
    return IsValidRowIndex(row) ? ng->Cell(CellIndex(FColumns.colDirectory), row)->AsString() : std::string();
}

std::string TFileListView::GetNgShortFileName(int32_t row) const
{
    return IsValidRowIndex(row) ? ng->Cell(CellIndex(FColumns.colFileName), row)->AsString() : std::string();
}

std::string TFileListView::GetNgFullFileName(int32_t row) const
{
    if (!IsValidRowIndex(row))
        return {};
    const std::string directory = GetNgDirectory(row);
    const std::string separator = directory.ends_with('/') ? "" : "/";
    return directory + separator + GetNgShortFileName(row);
}

int32_t TFileListView::GetNgCheckedCount() const
{
    return GetCheckedCount(*this);
}

bool TFileListView::IsFileOnList(const std::string& fileName) const
{
    return FListed.Contains(ListedFileIdentity(fileName));
}

TGridInfo TFileListView::GetGridInfo() const
{
    TGridInfo info;
    info.RowCount = ng->RowCount();
    info.SelectedCount = ng->SelectedCount();
    for (int32_t row = 0; row < info.RowCount; ++row) {
        const bool checked = IsChecked(row);
        ++(checked ? info.CheckedCount : info.UncheckedCount);
        if (ng->GetSelected(row))
            ++(checked ? info.SelectedCheckedCount : info.SelectedUncheckedCount);
    }
    return info;
}

int32_t TFileListView::SelectedRow() const
{
    return ng->SelectedRow();
}

// --- rows ---

uint64_t TFileListView::RowId(int32_t row) const
{
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(ng->Row(row)->Data()));
}

int32_t TFileListView::RowIndexOf(uint64_t rowId) const
{
    if (rowId == 0)
        return -1;
    for (int32_t row = 0; row < ng->RowCount(); ++row)
        if (RowId(row) == rowId)
            return row;
    return -1;
}

int32_t TFileListView::AppendFileRow(const TNewFileRow& file)
{
    const uint64_t rowId = FListed.Add(file.Identity);
    if (rowId == 0)
        return -1;
    const int32_t row = ng->AddRow(1);
    ng->Row(row)->SetData(reinterpret_cast<void*>(static_cast<uintptr_t>(rowId)));
    const fs::path path(file.FileName);
    ng->Cell(CellIndex(FColumns.colNo), row)->SetAsInteger(ng->RowCount());
    ng->Cell(CellIndex(FColumns.colFileName), row)->SetAsString(path.filename().string());
    ng->Cell(CellIndex(FColumns.colDirectory), row)->SetAsString(path.parent_path().string());
    ng->Cell(CellIndex(FColumns.colActive), row)->SetAsBoolean(file.Checked);
    if (file.Media)
        WriteMediaCells(row, *file.Media);
    ng->Cell(CellIndex(FColumns.colSize), row)->SetAsFloat(static_cast<double>(file.Size));
    ng->Cell(CellIndex(FColumns.colStatus), row)->SetAsString(file.Status);
    ng->Cell(CellIndex(FColumns.colIcon), row)->SetAsInteger(IconIndexOf(file.FileName));
    if (file.Checked) {
        ++FFooterCheckedCount;
        FFooterSums.Add(FooterNumbers(row));
    }
    return row;
}

void TFileListView::WriteMediaCells(int32_t row, const TFileRowValues& values)
{
    const auto text = [this, row](TGxCustomColumn* column, const std::string& value) {
        ng->Cell(CellIndex(column), row)->SetAsString(value);
    };
    const auto number = [this, row](TGxCustomColumn* column, double value) {
        ng->Cell(CellIndex(column), row)->SetAsFloat(value);
    };
    const TFileListColumns& c = FColumns;
    number(c.colDuration, values.DurationMs);
    if (values.HasVideo) {
        const TVideoRowValues& v = values.Video;
        text(c.colVideoCodec, v.Codec);
        text(c.colVideoCodecID, v.CodecID);
        text(c.colVideoProfile, v.Profile);
        number(c.colVideoBitrate, v.Bitrate);
        number(c.colVideoWidth, v.Width);
        number(c.colVideoHeight, v.Height);
        text(c.colVideoResolution, v.Resolution);
        text(c.colVideoDisplayAspect, v.DisplayAspect);
        number(c.colVideoFPS, v.FPS);
        number(c.colVideoBpp, v.BitsPerPixel);
        text(c.colVideoScanType, v.ScanType);
        number(c.colVideoStreamSize, v.StreamSize);
        text(c.colVideo, v.Summary);
    }
    if (values.HasAudio) {
        const TAudioRowValues& a = values.Audio;
        text(c.colAudioCodecID, a.CodecID);
        text(c.colAudioProfile, a.Profile);
        if (!a.Codec.empty())
            text(c.colAudioCodec, a.Codec);
        text(c.colAudio, a.Summary);
        number(c.colAudioBitrate, a.Bitrate);
        number(c.colAudioChannels, a.Channels);
        number(c.colAudioSampling, a.Sampling);
        number(c.colAudioStreamSize, a.StreamSize);
    }
}

int TFileListView::IconIndexOf(const std::string& fileName)
{
    // Icons go by the file's type; asking the desktop once per type keeps adding a large folder fast.
    const std::string extension = GetFileExtension(fileName, false);
    const auto known = FIconOfType.find(extension);
    if (known != FIconOfType.end())
        return known->second;
    TSHFileInfo info;
    const bool found = SHGetFileInfo(extension.empty() ? fileName : extension, FILE_ATTRIBUTE_NORMAL, info,
                                     SHGFI_USEFILEATTRIBUTES | SHGFI_SMALLICON | SHGFI_SYSICONINDEX);
    const int index = found ? info.iIcon : -1;
    FIconOfType.emplace(extension, index);
    return index;
}

// --- commands ---

void TFileListView::ListChanged()
{
    if (OnListChanged)
        OnListChanged();
}

void TFileListView::ChangeChecks(bool selectedOnly, const std::function<bool(bool)>& newValue)
{
    if (FChangesLocked)
        return;
    const int active = CellIndex(FColumns.colActive);
    ng->BeginUpdate();
    for (int32_t row = 0; row < ng->RowCount(); ++row) {
        if (selectedOnly && !ng->GetSelected(row))
            continue;
        TCell* cell = ng->Cell(active, row);
        cell->SetAsBoolean(newValue(cell->AsBoolean()));
    }
    ng->EndUpdate(true);
    ListChanged();
}

void TFileListView::CheckAll()
{
    ChangeChecks(false, [](bool) { return true; });
}

void TFileListView::UncheckAll()
{
    ChangeChecks(false, [](bool) { return false; });
}

void TFileListView::CheckSelected()
{
    ChangeChecks(true, [](bool) { return true; });
}

void TFileListView::UncheckSelected()
{
    ChangeChecks(true, [](bool) { return false; });
}

void TFileListView::InvertSelection()
{
    ChangeChecks(false, [](bool checked) { return !checked; });
}

void TFileListView::RemoveChecked()
{
    if (FChangesLocked)
        return;
    ng->BeginUpdate();
    if (GetNgCheckedCount() == ng->RowCount()) {
        ng->ClearRows();
        FListed.Clear();
    } else {
        for (int32_t row = ng->RowCount() - 1; row >= 0; --row) {
            if (IsChecked(row)) {
                FListed.Remove(RowId(row));
                ng->DeleteRow(row);
            }
        }
    }
    ng->EndUpdate(true);
    ListChanged();
    RenumNg();
}

void TFileListView::ClearFileList()
{
    if (FChangesLocked)
        return;
    ng->ClearRows();
    FListed.Clear();
    ListChanged();
}

// --- footer and numbering ---

TFooterRowNumbers TFileListView::FooterNumbers(int32_t row) const
{
    const auto value = [this, row](const TGxCustomColumn* column) {
        return ng->Cell(CellIndex(column), row)->AsFloat();
    };
    const TFileListColumns& c = FColumns;
    return {value(c.colSize),
            value(c.colDuration),
            value(c.colVideoStreamSize),
            value(c.colAudioStreamSize),
            value(c.colVideoBitrate),
            value(c.colVideoFPS),
            value(c.colVideoBpp),
            value(c.colAudioBitrate)};
}

void TFileListView::SetFooterTexts(const TFileListFooterTexts& texts)
{
    const TFileListColumns& c = FColumns;
    c.colNo->Footer()->SetCaption(texts.No);
    c.colActive->Footer()->SetCaption(texts.Active);
    c.colSize->Footer()->SetCaption(texts.Size);
    c.colDuration->Footer()->SetCaption(texts.Duration);
    c.colVideoBitrate->Footer()->SetCaption(texts.VideoBitrate);
    c.colVideoFPS->Footer()->SetCaption(texts.VideoFPS);
    c.colVideoBpp->Footer()->SetCaption(texts.VideoBpp);
    c.colVideoStreamSize->Footer()->SetCaption(texts.VideoStreamSize);
    c.colAudioBitrate->Footer()->SetCaption(texts.AudioBitrate);
    c.colAudioStreamSize->Footer()->SetCaption(texts.AudioStreamSize);
}

void TFileListView::ClearFooter()
{
    SetFooterTexts({});
}

void TFileListView::CalcFooter()
{
    FFooterSums = {};
    FFooterCheckedCount = 0;
    for (int32_t row = 0; row < ng->RowCount(); ++row) {
        if (IsChecked(row)) {
            ++FFooterCheckedCount;
            FFooterSums.Add(FooterNumbers(row));
        }
    }
    ShowFooterSoFar();
}

void TFileListView::ShowFooterSoFar()
{
    SetFooterTexts(
        MakeFileListFooterTexts(ng->RowCount(), FFooterCheckedCount, FFooterSums, FileListAverageWord()));
}

void TFileListView::RenumNg()
{
    const int number = CellIndex(FColumns.colNo);
    ng->BeginUpdate();
    for (int32_t row = 0; row < ng->RowCount(); ++row)
        ng->Cell(number, row)->SetAsInteger(row + 1);
    ng->EndUpdate(true);
}

void TFileListView::ScrollToLastRow()
{
    if (ng->RowCount() > 0)
        ng->ScrollToRow(ng->RowCount() - 1);
}

void TFileListView::BeginUpdate()
{
    ng->BeginUpdate();
}

void TFileListView::EndUpdate()
{
    ng->EndUpdate(true);
}

void TFileListView::SetLang()
{
    if (!AppStrings)
        return;
    const TMainModuleStrings& m = AppStrings->Main;
    const TFileListColumns& c = FColumns;
    const std::pair<TGxCustomColumn*, const std::string*> headers[] = {
        {c.colNo, &m.colNo},
        {c.colSize, &m.colSize},
        {c.colStatus, &m.colStatus},
        {c.colDuration, &m.colDuration},
        {c.colVideo, &m.colVideo},
        {c.colVideoCodec, &m.colVideoCodec},
        {c.colVideoCodecID, &m.colVideoCodecID},
        {c.colVideoProfile, &m.colVideoProfile},
        {c.colVideoWidth, &m.colVideoWidth},
        {c.colVideoHeight, &m.colVideoHeight},
        {c.colVideoResolution, &m.colVideoResolution},
        {c.colVideoDisplayAspect, &m.colVideoDisplayAspect},
        {c.colVideoFPS, &m.colVideoFPS},
        {c.colVideoScanType, &m.colVideoScanType},
        {c.colVideoBpp, &m.colVideoBpp},
        {c.colVideoStreamSize, &m.colVideoStreamSize},
        {c.colAudio, &m.colAudio},
        {c.colAudioCodec, &m.colAudioCodec},
        {c.colAudioCodecID, &m.colAudioCodecID},
        {c.colAudioProfile, &m.colAudioProfile},
        {c.colAudioChannels, &m.colAudioChannels},
        {c.colAudioStreamSize, &m.colAudioStreamSize},
    };
    for (const auto& [column, text] : headers)
        column->Header()->SetCaption(*text);
    // The name columns stand off their left edge by a blank; the rate columns say their unit.
    c.colFileName->Header()->SetCaption(" " + m.colFile);
    c.colDirectory->Header()->SetCaption(" " + m.colDirectory);
    c.colVideoBitrate->Header()->SetCaption(m.colVideoBitrate + " [kbit/s]");
    c.colAudioBitrate->Header()->SetCaption(m.colAudioBitrate + " [kbit/s]");
    c.colAudioSampling->Header()->SetCaption(m.colAudioSampling + " [Hz]");
}

// --- grid events ---

void TFileListView::RowSelected(int32_t row)
{
    FLastSelectedRowId = IsValidRowIndex(row) ? RowId(row) : 0;
    tmUpdateLastSelectedRow.Start(SelectionSettleMs);
}

void TFileListView::SelectionTimerDue()
{
    if (OnSelectedRowSettled)
        OnSelectedRowSettled(RowIndexOf(FLastSelectedRowId));
}

void TFileListView::IconClicked(int col, int row)
{
    const bool opens = IconClickOpens ? IconClickOpens() : AppParams.OpenFileAfterIconClick;
    if (col != CellIndex(FColumns.colIcon) || !opens || !IsValidRowIndex(row))
        return;
    const std::string fileName = GetNgFullFileName(row);
    if (FileExists(fileName))
        Shell().Open(fileName);
}

void TFileListView::HeaderMouseDown(int x, int y)
{
    const TRect header = ng->GetHeaderRect();
    if (OnHeaderContextMenu && x > header.Left && x < header.Right && y > header.Top && y < header.Bottom)
        OnHeaderContextMenu(ng->ClientToScreen({x, y}));
}

void TFileListView::ColorCell(int row, TColor& cellColor, TColor& gridColor, bool selected)
{
    if (selected) {
        if (ng->Focused())
            gridColor = ng->SelectedCount() <= 1 ? ng->SelectionColor()
                                                 : LightenDarkenColor(ng->SelectionColor(), 10, false);
        else
            gridColor = LightenDarkenColor(ng->InactiveSelectionColor(), 10, false);
    } else if (IsValidRowIndex(row) && !IsChecked(row)) {
        cellColor = clBtnFace;
    }
}
