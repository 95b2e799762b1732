#include "engine/window_layout.h"

namespace {

struct InitialColumn
{
    std::string_view Name;
    int32_t Position;
    int32_t Width;
    bool Visible;
};

constexpr int32_t DefaultColumnWidth = 80;

// In the order of the settings keys; the positions are the columns' order on screen.
constexpr std::array<InitialColumn, FileListColumnCount> InitialColumns = {{
    {"colNo", 0, 40, true},
    {"colActive", 1, 34, true},
    {"colIcon", 2, 24, true},
    {"colFileName", 3, 220, true},
    {"colDirectory", 4, 180, true},
    {"colSize", 5, 70, true},
    {"colDuration", 6, 70, true},
    {"colStatus", 28, 90, true},
    {"colVideo", 7, 120, true},
    {"colVideoCodec", 8, DefaultColumnWidth, false},
    {"colVideoCodecID", 9, DefaultColumnWidth, false},
    {"colVideoProfile", 10, DefaultColumnWidth, false},
    {"colVideoBitrate", 11, DefaultColumnWidth, false},
    {"colVideoWidth", 12, DefaultColumnWidth, false},
    {"colVideoHeight", 13, DefaultColumnWidth, false},
    {"colVideoResolution", 14, DefaultColumnWidth, false},
    {"colVideoDisplayAspect", 15, DefaultColumnWidth, false},
    {"colVideoFPS", 16, DefaultColumnWidth, false},
    {"colVideoScanType", 18, DefaultColumnWidth, false},
    {"colVideoBpp", 17, DefaultColumnWidth, false},
    {"colVideoStreamSize", 19, DefaultColumnWidth, false},
    {"colAudio", 20, 120, true},
    {"colAudioCodec", 21, DefaultColumnWidth, false},
    {"colAudioCodecID", 22, DefaultColumnWidth, false},
    {"colAudioProfile", 23, DefaultColumnWidth, false},
    {"colAudioBitrate", 24, DefaultColumnWidth, false},
    {"colAudioChannels", 25, DefaultColumnWidth, false},
    {"colAudioSampling", 26, DefaultColumnWidth, false},
    {"colAudioStreamSize", 27, DefaultColumnWidth, false},
}};

} // namespace

FileListColumns DefaultFileListColumns()
{
    FileListColumns columns;
    for (size_t i = 0; i < columns.size(); ++i) {
        const InitialColumn& initial = InitialColumns[i];
        columns[i] = {initial.Name, initial.Width, initial.Position, initial.Visible};
    }
    return columns;
}

bool IsAlwaysVisibleColumn(std::string_view name)
{
    return name == "colActive" || name == "colFileName";
}
