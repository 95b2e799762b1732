#pragma once

#include "engine/window_layout.h"

#include <array>

class TComponent;
class TDataGrid;
class TGxCustomColumn;
class TGxCheckBoxColumn;
class TGxImageColumn;
class TGxNumberColumn;
class TGxTextColumn;

// The 29 column components of the file list. Code reaches a column through its component and its cells
// through the component's Index, never through a place on screen: the user moves columns.
struct TFileListColumns
{
    TGxNumberColumn* colNo = nullptr;
    TGxCheckBoxColumn* colActive = nullptr;
    TGxImageColumn* colIcon = nullptr;
    TGxTextColumn* colFileName = nullptr;
    TGxTextColumn* colDirectory = nullptr;
    TGxNumberColumn* colSize = nullptr;
    TGxNumberColumn* colDuration = nullptr;
    TGxTextColumn* colVideo = nullptr;
    TGxTextColumn* colVideoCodec = nullptr;
    TGxTextColumn* colVideoCodecID = nullptr;
    TGxTextColumn* colVideoProfile = nullptr;
    TGxNumberColumn* colVideoBitrate = nullptr;
    TGxNumberColumn* colVideoWidth = nullptr;
    TGxNumberColumn* colVideoHeight = nullptr;
    TGxTextColumn* colVideoResolution = nullptr;
    TGxTextColumn* colVideoDisplayAspect = nullptr;
    TGxNumberColumn* colVideoFPS = nullptr;
    TGxNumberColumn* colVideoBpp = nullptr;
    TGxTextColumn* colVideoScanType = nullptr;
    TGxNumberColumn* colVideoStreamSize = nullptr;
    TGxTextColumn* colAudio = nullptr;
    TGxTextColumn* colAudioCodec = nullptr;
    TGxTextColumn* colAudioCodecID = nullptr;
    TGxTextColumn* colAudioProfile = nullptr;
    TGxNumberColumn* colAudioBitrate = nullptr;
    TGxNumberColumn* colAudioChannels = nullptr;
    TGxNumberColumn* colAudioSampling = nullptr;
    TGxNumberColumn* colAudioStreamSize = nullptr;
    TGxTextColumn* colStatus = nullptr;

    // Every column in its initial order.
    std::array<TGxCustomColumn*, FileListColumnCount> All() const;
    // The ten columns with a footer.
    std::array<TGxCustomColumn*, 10> Footed() const;
    // The column whose component is named so; nullptr for another name.
    TGxCustomColumn* ByName(std::string_view name) const;
};

// Makes the columns, owned by owner, in their initial order and layout, with their English captions, sort
// kinds and the display texts of the number columns, and registers them with the grid.
TFileListColumns CreateFileListColumns(TDataGrid* grid, TComponent* owner);

// The columns' widths, positions on screen and visibility as the settings file keeps them, in the order
// of its keys.
FileListColumns ReadFileListColumnLayout(const TFileListColumns& columns);
// Applies a layout read from the settings file. Positions are taken in their order (ties in key order),
// so a layout with repeated or missing positions still places every column; the check box and file name
// columns stay visible.
void ApplyFileListColumnLayout(const TFileListColumns& columns, const FileListColumns& layout);
