#include "app/model/media_report.h"

#include "app/kit/program_constants.h"
#include "app/model/media_info_texts.h"
#include "engine/prepare_lang_str.h"
#include "engine/run_host.h"
#include "support/crc32.h"
#include "support/streams.h"
#include "support/text_routines.h"

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// The lines of the report, each ended in CR LF when joined.
class TReportLines
{
public:
    void Add(const std::string& line) { FText += line + "\r\n"; }
    // A description and its value, as a label pair of the window reads.
    void Pair(const std::string& description, const std::string& value) { Add(description + " " + value); }
    void Pairs(std::initializer_list<std::pair<const std::string*, const std::string*>> pairs)
    {
        for (const auto& [description, value] : pairs)
            Pair(*description, *value);
    }
    // An empty line and a rule above a block.
    void Separator()
    {
        Add("");
        Add(std::string(71, '-'));
    }
    const std::string& Text() const { return FText; }

private:
    std::string FText;
};

std::string Crc32Line(uint32_t crc)
{
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", crc);
    return std::string("CRC32: $") + digits;
}

void AddGeneralInfo(TReportLines& report, const TVideoFileInfo& info, std::optional<uint32_t> crc32,
                    const TFileInfoModuleStrings& texts)
{
    const TGeneralInfoTexts general = GeneralInfoTexts(info);
    report.Separator();
    report.Add(texts.Report_GeneralInfo);
    report.Add("");
    report.Add(texts.lblFileSize + " " + GroupedNumber(info.FileSize) + " bytes (" +
               FileSizeToStr(info.FileSize, " bytes") + ")");
    if (crc32 && MediaReportHasCrc32(info.FileSize))
        report.Add(Crc32Line(*crc32));
    report.Pairs({{&texts.lblDuration, &general.Duration},
                  {&texts.lblOverallBitrate, &general.OverallBitrate},
                  {&texts.lblFormat, &general.Format},
                  {&texts.lblEncodedApplication, &general.EncodedApplication},
                  {&texts.lblNumberOfDataStreams, &general.NumberOfDataStreams},
                  {&texts.lblNumberOfVideoStreams, &general.NumberOfVideoStreams},
                  {&texts.lblNumberOfAudioStreams, &general.NumberOfAudioStreams}});
}

void AddVideoStream(TReportLines& report, const TVideoFileInfo& info, size_t index,
                    const TFileInfoModuleStrings& texts)
{
    const TVideoStreamInfo& stream = info.VideoStreams[index];
    const TVideoStreamTexts shown = VideoStreamTexts(stream, texts);
    report.Separator();
    report.Add(info.NumberOfVideoStreams > 1 ? texts.Report_VideoStream + " " + std::to_string(index + 1)
                                             : texts.Report_VideoStream);
    report.Add("");
    report.Pairs({{&texts.lblVideoCodec, &stream.Codec},
                  {&texts.lblVideoProfile, &shown.Profile},
                  {&texts.lblVideoBitrate, &shown.Bitrate},
                  {&texts.lblResolution, &shown.Resolution},
                  {&texts.lblDisplayAspectRatio, &shown.DisplayAspectRatio},
                  {&texts.lblFPS, &shown.FPS},
                  {&texts.lblScanType, &shown.ScanType},
                  {&texts.lblPixelFormat, &shown.PixelFormat},
                  {&texts.lblBitsPerPixel, &shown.BitsPerPixel}});
    report.Add(texts.lblVideoFrames + shown.Frames);
    report.Pairs({{&texts.lblVideoStreamSize, &shown.StreamSize},
                  {&texts.lblVideoEncodedLibrary, &shown.EncodedLibrary},
                  {&texts.lblVideoStreamIndex, &shown.StreamIndex}});
}

void AddAudioStream(TReportLines& report, const TVideoFileInfo& info, size_t index,
                    const TFileInfoModuleStrings& texts)
{
    const TAudioStreamTexts shown = AudioStreamTexts(info.AudioStreams[index]);
    report.Separator();
    report.Add(texts.Report_AudioStream + " " + std::to_string(index + 1));
    report.Pairs({{&texts.lblAudioCodec, &info.AudioStreams[index].Codec},
                  {&texts.lblAudioProfile, &shown.Profile},
                  {&texts.lblAudioBitrate, &shown.Bitrate},
                  {&texts.lblChannels, &shown.Channels},
                  {&texts.lblSamplingRate, &shown.SamplingRate},
                  {&texts.lblBitsPerSample, &shown.BitsPerSample}});
    report.Add(texts.lblAudioFrames + shown.Frames);
    report.Pairs({{&texts.lblVideoDelay, &shown.VideoDelay},
                  {&texts.lblAudioLanguage, &shown.Language},
                  {&texts.lblAudioStreamSize, &shown.StreamSize},
                  {&texts.lblAudioEncodedLibrary, &shown.EncodedLibrary},
                  {&texts.lblAudioStreamIndex, &shown.StreamIndex}});
}

void AddDataStreams(TReportLines& report, const TVideoFileInfo& info, const TFileInfoModuleStrings& texts)
{
    const std::vector<TDataStreamRow> rows = DataStreamRows(info);
    if (rows.empty())
        return;
    report.Separator();
    report.Add(texts.Report_DataStreams + "   (FFmpeg)");
    for (size_t i = 0; i < rows.size(); ++i)
        report.Add("  " + PadLeft(std::to_string(i + 1), 2, U' ') + ": " + rows[i].Stream + " - " +
                   rows[i].Details);
}

// The library's report with its own line ends made CR LF.
void AddMediaInfoFull(TReportLines& report, const std::string& full)
{
    if (full.empty())
        return;
    report.Separator();
    report.Add("MediaInfo");
    report.Add("");
    std::string line;
    for (const char c : full) {
        if (c == '\n') {
            report.Add(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty())
        report.Add(line);
}

} // namespace

bool MediaReportHasCrc32(int64_t fileSize)
{
    return fileSize <= MediaReportCrc32SizeLimit;
}

std::optional<uint32_t> MediaReportCrc32(const std::string& fileName)
{
    std::error_code error;
    if (fileName.empty() || !std::filesystem::is_regular_file(fileName, error))
        return std::nullopt;
    const auto size = std::filesystem::file_size(fileName, error);
    if (error || !MediaReportHasCrc32(static_cast<int64_t>(size)))
        return std::nullopt;
    try {
        return FileCrc32(fileName);
    } catch (const EFOpenError&) {
        return std::nullopt; // unreadable, or gone since the test above
    }
}

std::string MediaInfoReport(const TVideoFileInfo& info, const std::string& fileName,
                            std::optional<uint32_t> crc32, const TFileInfoModuleStrings& texts)
{
    TReportLines report;
    report.Add(PrepareLangStr(texts.Report_Info, AppTitle));
    if (!WebAddresses().HomePage.empty())
        report.Add(std::string(WebAddresses().HomePage));
    report.Add("");
    report.Add(texts.Report_File + " " + fileName);
    AddGeneralInfo(report, info, crc32, texts);
    for (size_t i = 0; i < VideoStreamSlotCount(info); ++i)
        AddVideoStream(report, info, i, texts);
    for (size_t i = 0; i < AudioStreamSlotCount(info); ++i)
        AddAudioStream(report, info, i, texts);
    AddDataStreams(report, info, texts);
    AddMediaInfoFull(report, info.MediaInfoFull);
    return report.Text();
}
