#include "app/main/file_list_columns.h"

#include "app/model/file_list_number_texts.h"
#include "controls/grid/check_box_column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/image_column.h"
#include "controls/grid/number_column.h"
#include "controls/grid/text_column.h"

#include <algorithm>
#include <numeric>

namespace {

template <typename Column>
Column* MakeFileListColumn(TDataGrid* grid, TComponent* owner, const char* name, const char* caption)
{
    auto* column = new Column(owner);
    column->SetName(name);
    column->Header()->SetCaption(caption);
    column->SetOptions(column->Options() + coCanSort);
    grid->Columns()->AddColumn(column);
    return column;
}

TGxTextColumn* MakeTextColumn(TDataGrid* grid, TComponent* owner, const char* name, const char* caption)
{
    auto* column = MakeFileListColumn<TGxTextColumn>(grid, owner, name, caption);
    column->SetSortType(stAlphabetic);
    return column;
}

// A number column: centred, "0" in new rows, shown through one of the number cell formats.
TGxNumberColumn* MakeNumberColumn(TDataGrid* grid, TComponent* owner, const char* name, const char* caption,
                                  TNumberCellFormat format)
{
    auto* column = MakeFileListColumn<TGxNumberColumn>(grid, owner, name, caption);
    column->SetAlignment(taCenter);
    column->SetDefaultValue("0");
    column->SetSortType(stNumeric);
    column->OnGetDrawText = [format](TObject*, std::string& text) { text = NumberCellText(format, text); };
    return column;
}

} // namespace

std::array<TGxCustomColumn*, FileListColumnCount> TFileListColumns::All() const
{
    return {colNo,
            colActive,
            colIcon,
            colFileName,
            colDirectory,
            colSize,
            colDuration,
            colVideo,
            colVideoCodec,
            colVideoCodecID,
            colVideoProfile,
            colVideoBitrate,
            colVideoWidth,
            colVideoHeight,
            colVideoResolution,
            colVideoDisplayAspect,
            colVideoFPS,
            colVideoBpp,
            colVideoScanType,
            colVideoStreamSize,
            colAudio,
            colAudioCodec,
            colAudioCodecID,
            colAudioProfile,
            colAudioBitrate,
            colAudioChannels,
            colAudioSampling,
            colAudioStreamSize,
            colStatus};
}

std::array<TGxCustomColumn*, 10> TFileListColumns::Footed() const
{
    return {colNo,       colActive,          colSize,         colDuration,       colVideoBitrate, colVideoFPS,
            colVideoBpp, colVideoStreamSize, colAudioBitrate, colAudioStreamSize};
}

TGxCustomColumn* TFileListColumns::ByName(std::string_view name) const
{
    for (TGxCustomColumn* column : All())
        if (column->Name() == name)
            return column;
    return nullptr;
}

TFileListColumns CreateFileListColumns(TDataGrid* grid, TComponent* owner)
{
    using F = TNumberCellFormat;
    TFileListColumns c;
    c.colNo = MakeNumberColumn(grid, owner, "colNo", "No", F::GroupedInteger);
    c.colActive = MakeFileListColumn<TGxCheckBoxColumn>(grid, owner, "colActive", "");
    c.colActive->SetAlignment(taCenter);
    c.colIcon = MakeFileListColumn<TGxImageColumn>(grid, owner, "colIcon", "");
    c.colIcon->SetSortType(stNumeric);
    c.colFileName = MakeTextColumn(grid, owner, "colFileName", "File");
    c.colDirectory = MakeTextColumn(grid, owner, "colDirectory", "Directory");
    c.colSize = MakeNumberColumn(grid, owner, "colSize", "Size", F::FileSize);
    c.colDuration = MakeNumberColumn(grid, owner, "colDuration", "Duration", F::Duration);
    c.colVideo = MakeTextColumn(grid, owner, "colVideo", "Video");
    c.colVideoCodec = MakeTextColumn(grid, owner, "colVideoCodec", "Video codec");
    c.colVideoCodecID = MakeTextColumn(grid, owner, "colVideoCodecID", "Video codec ID");
    c.colVideoProfile = MakeTextColumn(grid, owner, "colVideoProfile", "Video profile");
    c.colVideoBitrate =
        MakeNumberColumn(grid, owner, "colVideoBitrate", "Video bitrate [kbit/s]", F::PositiveInteger);
    c.colVideoWidth = MakeNumberColumn(grid, owner, "colVideoWidth", "Width", F::PositiveInteger);
    c.colVideoHeight = MakeNumberColumn(grid, owner, "colVideoHeight", "Height", F::PositiveInteger);
    c.colVideoResolution = MakeTextColumn(grid, owner, "colVideoResolution", "Resolution");
    c.colVideoDisplayAspect = MakeTextColumn(grid, owner, "colVideoDisplayAspect", "Display aspect");
    c.colVideoFPS = MakeNumberColumn(grid, owner, "colVideoFPS", "Frames/sec", F::FramesPerSecond);
    c.colVideoBpp = MakeNumberColumn(grid, owner, "colVideoBpp", "Bits/pixel", F::BitsPerPixel);
    c.colVideoScanType = MakeTextColumn(grid, owner, "colVideoScanType", "Scan type");
    c.colVideoStreamSize =
        MakeNumberColumn(grid, owner, "colVideoStreamSize", "Video stream size", F::PositiveFileSize);
    c.colAudio = MakeTextColumn(grid, owner, "colAudio", "Audio");
    c.colAudioCodec = MakeTextColumn(grid, owner, "colAudioCodec", "Audio codec");
    c.colAudioCodecID = MakeTextColumn(grid, owner, "colAudioCodecID", "Audio codec ID");
    c.colAudioProfile = MakeTextColumn(grid, owner, "colAudioProfile", "Audio profile");
    c.colAudioBitrate =
        MakeNumberColumn(grid, owner, "colAudioBitrate", "Audio bitrate [kbit/s]", F::PositiveInteger);
    c.colAudioChannels = MakeNumberColumn(grid, owner, "colAudioChannels", "Channels", F::PositiveInteger);
    c.colAudioSampling =
        MakeNumberColumn(grid, owner, "colAudioSampling", "Sampling [Hz]", F::PositiveInteger);
    c.colAudioStreamSize =
        MakeNumberColumn(grid, owner, "colAudioStreamSize", "Audio stream size", F::PositiveFileSize);
    c.colStatus = MakeTextColumn(grid, owner, "colStatus", "Status");
    for (TGxCustomColumn* footed : c.Footed())
        footed->Footer()->SetAlignment(taCenter);
    ApplyFileListColumnLayout(c, DefaultFileListColumns());
    return c;
}

FileListColumns ReadFileListColumnLayout(const TFileListColumns& columns)
{
    FileListColumns layout = DefaultFileListColumns();
    for (ColumnLayout& entry : layout) {
        const TGxCustomColumn* column = columns.ByName(entry.Name);
        entry.Width = column->Width();
        entry.Position = column->Position();
        entry.Visible = column->Visible();
    }
    return layout;
}

void ApplyFileListColumnLayout(const TFileListColumns& columns, const FileListColumns& layout)
{
    std::array<size_t, FileListColumnCount> order;
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&layout](size_t a, size_t b) { return layout[a].Position < layout[b].Position; });
    for (size_t place = 0; place < order.size(); ++place) {
        const ColumnLayout& entry = layout[order[place]];
        TGxCustomColumn* column = columns.ByName(entry.Name);
        if (column == nullptr)
            continue;
        column->SetPosition(static_cast<int>(place));
        column->SetWidth(entry.Width);
        column->SetVisible(entry.Visible || IsAlwaysVisibleColumn(entry.Name));
    }
}
