#include "app/file_info/form_file_info.h"

#include "app/kit/updating_controls.h"
#include "app/model/media_info_texts.h"
#include "controls/edits/combo_box.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/gradients.h"
#include "controls/grid/text_column.h"
#include "controls/pack/link_label.h"
#include "engine/app_params.h"
#include "engine/ffmpeg_report_analysis.h"
#include "engine/tool_discovery.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"
#include "support/color_routines.h"
#include "support/text_routines.h"

#include <filesystem>

// What the media information window shows: the values of a record, the stream choosers, the encoder's
// stream list and its colours.

namespace {

constexpr TColor VideoRowColor = 0xEDEDFC;        // RGB 252, 237, 237
constexpr TColor AudioRowColor = 0xECF4E8;        // RGB 232, 244, 236
constexpr TColor OtherStreamTextColor = 0x333333; // RGB 51, 51, 51

enum class TStreamKind
{
    Video,
    Audio,
    Other
};

// The kind of stream a Details text describes, by its first word.
TStreamKind StreamKindOf(const std::string& details)
{
    const std::string head = UpperTrim(details.substr(0, 5));
    if (head == "VIDEO")
        return TStreamKind::Video;
    if (head == "AUDIO")
        return TStreamKind::Audio;
    return TStreamKind::Other;
}

} // namespace

void TFormFileInfo::ClearAll()
{
    lblFileName->SetCaption("");
    lblFileName->SetURL("");
    lblDirectory->SetCaption("");
    lblDirectory->SetURL("");
    for (const auto* rows : {&FGeneralRows, &FVideoRows, &FAudioRows})
        for (const TInfoRow& row : *rows)
            row.ValueLabel->SetCaption("");
    ng->ClearRows();
    actCopyToClipboard->SetEnabled(false);
    actSave->SetEnabled(false);
    Repaint();
}

void TFormFileInfo::UpdateList(const TVideoFileInfo& vfi, int AudioStreamNo, int VideoStreamNo)
{
    ClearAll();
    if (AudioStreamNo < 0)
        AudioStreamNo = 1;
    if (VideoStreamNo < 0)
        VideoStreamNo = 1;
    {
        TUpdatingControlsScope updating;
        FillStreamChooser(*cbAudioStreamNo, AudioStreamSlotCount(vfi), AudioStreamNo);
        FillStreamChooser(*cbVideoStreamNo, VideoStreamSlotCount(vfi), VideoStreamNo);
    }
    ShowFileName(vfi.FileName);
    ShowGeneralInfo(vfi);
    ShowVideoStream(vfi, VideoStreamNo);
    ShowAudioStream(vfi, AudioStreamNo);
    ShowDataStreams(vfi);
    const bool shown = !vfi.FileName.empty();
    actCopyToClipboard->SetEnabled(shown);
    actSave->SetEnabled(shown);
}

// "1" to the number of streams the record describes: a stream counted beyond its slots has no values
// to show and is not offered.
void TFormFileInfo::FillStreamChooser(TVezComboBox& chooser, size_t streamCount, int streamNo)
{
    TStrings& items = *chooser.Items();
    items.BeginUpdate();
    items.Clear();
    for (size_t i = 1; i <= streamCount; ++i)
        items.Add(std::to_string(i));
    items.EndUpdate();
    chooser.SetItemIndex(streamNo >= 1 && static_cast<size_t>(streamNo) <= streamCount ? streamNo - 1 : -1);
    chooser.SetEnabled(streamCount > 1);
}

void TFormFileInfo::ShowFileName(const std::string& fileName)
{
    const std::filesystem::path path(fileName);
    lblFileName->SetCaption(path.filename().string());
    lblFileName->SetURL(fileName);
    lblDirectory->SetCaption(path.parent_path().string());
    lblDirectory->SetURL(path.parent_path().string());
}

void TFormFileInfo::ShowValues(const std::vector<TInfoRow>& rows,
                               std::initializer_list<const std::string*> values)
{
    const std::string* const* value = values.begin();
    for (size_t i = 0; i < rows.size() && i < values.size(); ++i)
        rows[i].ValueLabel->SetCaption(*value[i]);
}

void TFormFileInfo::ShowGeneralInfo(const TVideoFileInfo& vfi)
{
    const TGeneralInfoTexts t = GeneralInfoTexts(vfi);
    ShowValues(FGeneralRows, {&t.FileSize, &t.Duration, &t.OverallBitrate, &t.Format, &t.EncodedApplication,
                              &t.NumberOfDataStreams, &t.NumberOfVideoStreams, &t.NumberOfAudioStreams});
}

void TFormFileInfo::ShowVideoStream(const TVideoFileInfo& vfi, int VideoStreamNo)
{
    if (VideoStreamNo < 1 || static_cast<size_t>(VideoStreamNo) > VideoStreamSlotCount(vfi))
        return;
    const TVideoStreamTexts t = VideoStreamTexts(vfi.VideoStreams[VideoStreamNo - 1], AppStrings->FileInfo);
    ShowValues(FVideoRows, {&t.Codec, &t.Profile, &t.Bitrate, &t.Resolution, &t.DisplayAspectRatio, &t.FPS,
                            &t.ScanType, &t.PixelFormat, &t.BitsPerPixel, &t.Frames, &t.StreamSize,
                            &t.EncodedLibrary, &t.StreamIndex});
}

void TFormFileInfo::ShowAudioStream(const TVideoFileInfo& vfi, int AudioStreamNo)
{
    if (AudioStreamNo < 1 || static_cast<size_t>(AudioStreamNo) > AudioStreamSlotCount(vfi))
        return;
    const TAudioStreamTexts t = AudioStreamTexts(vfi.AudioStreams[AudioStreamNo - 1]);
    ShowValues(FAudioRows,
               {&t.Codec, &t.Profile, &t.Bitrate, &t.Channels, &t.SamplingRate, &t.BitsPerSample, &t.Frames,
                &t.VideoDelay, &t.Language, &t.StreamSize, &t.EncodedLibrary, &t.StreamIndex});
}

void TFormFileInfo::ShowDataStreams(const TVideoFileInfo& vfi)
{
    const std::vector<TDataStreamRow> rows = DataStreamRows(vfi);
    ng->BeginUpdate();
    for (const TDataStreamRow& line : rows) {
        const int row = ng->AddRow(1);
        ng->Cell(colStreamNo->Index(), row)->SetAsString(line.Stream);
        ng->Cell(colStreamInfo->Index(), row)->SetAsString(line.Details);
    }
    ng->EndUpdate(true);
}

std::string TFormFileInfo::ShownValue(std::string TFileInfoModuleStrings::*description) const
{
    for (const auto* rows : {&FGeneralRows, &FVideoRows, &FAudioRows})
        for (const TInfoRow& row : *rows)
            if (row.Description == description)
                return row.ValueLabel->Caption();
    return {};
}

std::string TFormFileInfo::ShownFileName() const
{
    return ExcludeTrailingDotAndDelimiter(lblDirectory->Caption()) + "/" + lblFileName->Caption();
}

TVideoFileInfo TFormFileInfo::AnalyseShownFile() const
{
    return GetFFmpegFileInfo(ShownFileName(), GetFFmpegExePath(AppParams));
}

void TFormFileInfo::cbAudioStreamNoChange(TObject*)
{
    StreamChosen();
}

void TFormFileInfo::cbVideoStreamNoChange(TObject*)
{
    StreamChosen();
}

// The file analysed again, shown with the streams the two choosers hold now.
void TFormFileInfo::StreamChosen()
{
    if (UpdatingControls)
        return;
    UpdateList(AnalyseShownFile(), cbAudioStreamNo->ItemIndex() + 1, cbVideoStreamNo->ItemIndex() + 1);
}

std::string TFormFileInfo::DetailsText(int ACol, int ARow) const
{
    if (ACol != colStreamInfo->Index() || ARow < 0 || ARow >= ng->RowCount())
        return {};
    return ng->Cell(ACol, ARow)->AsString();
}

void TFormFileInfo::ngCellFormating(int ACol, int ARow, TColor& TextColor)
{
    if (ACol != colStreamInfo->Index() || ARow < 0 || ARow >= ng->RowCount())
        return;
    switch (StreamKindOf(DetailsText(ACol, ARow))) {
    case TStreamKind::Video:
        TextColor = LightenDarkenColor(lblVideoCodec->Font()->Color(), 28, false);
        break;
    case TStreamKind::Audio:
        TextColor = LightenDarkenColor(lblAudioCodec->Font()->Color(), 28, false);
        break;
    case TStreamKind::Other:
        TextColor = OtherStreamTextColor;
        break;
    }
}

// Video and audio rows of the Details column get a light vertical gradient in their stream's colour with
// a darker outline; other rows are drawn as the grid draws them.
void TFormFileInfo::ngDrawCellBackground(int ACol, int ARow, const TRect& CellRect, bool& DefaultDrawing)
{
    const TStreamKind kind = StreamKindOf(DetailsText(ACol, ARow));
    if (kind == TStreamKind::Other)
        return;
    const TColor start =
        LightenDarkenColor(kind == TStreamKind::Video ? VideoRowColor : AudioRowColor, 3, true);
    TRect rect = CellRect;
    InflateRect(rect, 1, 1);
    TCanvas& canvas = *ng->Canvas();
    DrawGradient(canvas, rect, start, LightenDarkenColor(start, 5, false));
    canvas.Pen()->SetColor(LightenDarkenColor(start, 14, false));
    canvas.Brush()->SetStyle(bsClear);
    canvas.Rectangle(rect);
    DefaultDrawing = false;
}
