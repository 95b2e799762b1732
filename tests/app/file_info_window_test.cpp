// The media information window on a file with one video, three audio tracks and a subtitle, analysed by the
// real encoder and MediaInfo library: its values, stream choosers, stream list and colours, the report and
// its checksum, Copy and Save; and the main window's command that shows it.

#include "app/file_info/form_file_info.h"
#include "app/main/file_adding.h"
#include "app/main/file_list_view.h"
#include "app/main/settings_panels.h"
#include "bitwise_crc32.h"
#include "combo_items.h"
#include "controls/edits/combo_box.h"
#include "controls/grid/data_grid.h"
#include "controls/pack/link_label.h"
#include "engine/app_params.h"
#include "engine/ffmpeg_report_analysis.h"
#include "engine/test_media.h"
#include "errors_window_fixture.h"
#include "main_window_fixture.h"
#include "manual_clock.h"
#include "platform/gui/services/clipboard.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"
#include "scripted_file_dialogs.h"
#include "support/text_routines.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

using S = TFileInfoModuleStrings;

// 1 s of 64x48 mpeg4 video, mono mp2 tracks at 22 050, 44 100 and 32 000 Hz tagged eng, ger and fre, and
// an English subtitle, in Matroska, under a name with "&" and ",". Made once per test program.
std::string MultiStreamFile()
{
    const std::string path = test_media::Folder() + "/rock & roll, 5 streams.mkv";
    if (fs::exists(path))
        return path;
    const std::string subtitles = test_media::Folder() + "/five_streams.srt";
    std::ofstream(subtitles) << "1\n00:00:00,000 --> 00:00:00,900\nHello\n";
    std::string command = test_media::Quote(test_media::FFmpegPath()) +
                          " -nostdin -hide_banner -loglevel error -y"
                          " -f lavfi -i testsrc=size=64x48:rate=25:duration=1";
    for (const char* rate : {"22050", "44100", "32000"})
        command += std::string(" -f lavfi -i sine=frequency=440:duration=1:sample_rate=") + rate;
    command += " -i " + test_media::Quote(subtitles) +
               " -map 0:v -map 1:a -map 2:a -map 3:a -map 4:s -c:v mpeg4 -c:a mp2 -ac 1 -c:s srt"
               " -metadata:s:a:0 language=eng -metadata:s:a:1 language=ger -metadata:s:a:2 language=fre"
               " -metadata:s:s:0 language=eng " +
               test_media::Quote(path);
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return path;
}

std::string HexCrc(uint32_t crc)
{
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", crc);
    return digits;
}

class FileInfoWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Dir = test_media::SetUpProgramFolder("qm_file_info");
        ASSERT_FALSE(Dir.empty());
        Form = new TFormFileInfo(Templates.Owner, Templates.Looks);
    }
    void TearDown() override
    {
        Form->Free();
        fs::remove_all(Dir);
    }

    // The window showing the file with its first streams, as the main window shows it.
    void ShowMultiStreamFile()
    {
        File = MultiStreamFile();
        Form->UpdateList(GetFFmpegFileInfo(File, AppParams.ffmpeg), 1, 1);
        Form->Show();
        Pump();
    }
    std::string Cell(int col, int row) const { return Form->StreamGrid()->Cell(col, row)->AsString(); }

    TTemplateLooks Templates;
    TScriptedFileDialogs Dialogs;
    TFormFileInfo* Form = nullptr;
    std::string Dir;
    std::string File;
};

} // namespace

TEST_F(FileInfoWindow, ShowsTheFileWithItsStreams)
{
    ShowMultiStreamFile();
    EXPECT_EQ(Form->FileNameLink()->Caption(), "rock & roll, 5 streams.mkv");
    EXPECT_EQ(Form->FileNameLink()->URL(), File);
    EXPECT_EQ(Form->DirectoryLink()->Caption(), test_media::Folder());
    EXPECT_EQ(Form->DirectoryLink()->URL(), test_media::Folder());
    EXPECT_EQ(Form->ShownFileName(), File);

    EXPECT_EQ(Form->ShownValue(&S::lblNumberOfDataStreams), "5");
    EXPECT_EQ(Form->ShownValue(&S::lblNumberOfVideoStreams), "1");
    EXPECT_EQ(Form->ShownValue(&S::lblNumberOfAudioStreams), "3");
    EXPECT_EQ(Form->ShownValue(&S::lblFileSize), FileSizeToStr(fs::file_size(File), " bytes") + " (" +
                                                     Int64ToStrSep(fs::file_size(File), U' ') + " bytes)");
    EXPECT_EQ(Form->ShownValue(&S::lblFormat), "Matroska");
    EXPECT_EQ(Form->ShownValue(&S::lblResolution), "64 x 48");
    EXPECT_EQ(Form->ShownValue(&S::lblFPS), "25.00");
    EXPECT_EQ(Form->ShownValue(&S::lblVideoStreamIndex), "0");
    EXPECT_EQ(Form->ShownValue(&S::lblSamplingRate), "22 050 Hz");
    EXPECT_EQ(Form->ShownValue(&S::lblChannels), "1");
    EXPECT_EQ(Form->ShownValue(&S::lblAudioLanguage), "English");
    EXPECT_EQ(Form->ShownValue(&S::lblAudioStreamIndex), "1");

    EXPECT_EQ(ComboItems(*Form->VideoStreamChooser()), std::vector<std::string>{"1"});
    EXPECT_FALSE(Form->VideoStreamChooser()->Enabled()) << "one video stream leaves nothing to choose";
    EXPECT_EQ(ComboItems(*Form->AudioStreamChooser()), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_TRUE(Form->AudioStreamChooser()->Enabled());
    EXPECT_EQ(Form->AudioStreamChooser()->ItemIndex(), 0);

    ASSERT_EQ(Form->StreamGrid()->RowCount(), 5);
    const char* const streams[] = {"Stream #0:0", "Stream #0:1(eng)", "Stream #0:2(ger)", "Stream #0:3(fre)",
                                   "Stream #0:4(eng)"};
    const char* const kinds[] = {"Video: mpeg4", "Audio: mp2", "Audio: mp2", "Audio: mp2",
                                 "Subtitle: subrip"};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(Cell(0, row), streams[row]);
        EXPECT_EQ(Cell(1, row).rfind(kinds[row], 0), 0u) << Cell(1, row);
    }
    EXPECT_TRUE(Form->CopyAction()->Enabled());
    EXPECT_TRUE(Form->SaveAction()->Enabled());
}

// The user picks the second audio track: the file is read again and the track shown, the video stays.
TEST_F(FileInfoWindow, ChoosingAnAudioTrackKeepsTheVideoChoice)
{
    ShowMultiStreamFile();
    const std::string resolution = Form->ShownValue(&S::lblResolution);
    Press(Form->AudioStreamChooser(), "Down");
    EXPECT_EQ(Form->AudioStreamChooser()->ItemIndex(), 1);
    EXPECT_EQ(Form->ShownValue(&S::lblSamplingRate), "44 100 Hz");
    EXPECT_EQ(Form->ShownValue(&S::lblAudioLanguage), "German");
    EXPECT_EQ(Form->ShownValue(&S::lblAudioStreamIndex), "2");
    EXPECT_EQ(Form->ShownValue(&S::lblResolution), resolution);
    EXPECT_EQ(Form->VideoStreamChooser()->ItemIndex(), 0);
    EXPECT_EQ(Form->StreamGrid()->RowCount(), 5);
}

TEST_F(FileInfoWindow, ReportCopiedAndSavedWithTheFilesChecksum)
{
    ShowMultiStreamFile();
    const std::string report = Form->GetInfoAsText();
    EXPECT_NE(report.find("\r\nFile: " + File + "\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nCRC32: $" + HexCrc(BitwiseCrc32(test_media::ReadAll(File))) + "\r\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("\r\nVIDEO STREAM\r\n\r\nVideo codec: "), std::string::npos);
    EXPECT_NE(report.find("\r\nAUDIO STREAM 3\r\nAudio codec: "), std::string::npos);
    EXPECT_NE(report.find("\r\nSampling rate: 32 000 Hz\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nDATA STREAMS:   (FFmpeg)\r\n   1: Stream #0:0 - Video: mpeg4"),
              std::string::npos);
    EXPECT_NE(report.find("\r\n   5: Stream #0:4(eng) - Subtitle: subrip"), std::string::npos);
    EXPECT_NE(report.find("\r\nMediaInfo\r\n\r\n"), std::string::npos);

    Form->CopyAction()->Execute();
    EXPECT_EQ(Clipboard()->AsText(), report);

    const std::string saved = Dir + "/chosen_info.txt";
    Dialogs.fileAnswers.push_back(TFileDialogAnswer{{saved}, 1});
    Form->SaveAction()->Execute();
    ASSERT_EQ(Dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(Dialogs.fileRequests[0].FileName, File + "_info.txt");
    EXPECT_EQ(Dialogs.fileRequests[0].Filter, "Text files (*.TXT)|*.txt");
    EXPECT_EQ(test_media::ReadAll(saved), "\xEF\xBB\xBF" + report);
}

// Nothing shown: the name the labels give is "/", which is no file to copy, save or check.
TEST_F(FileInfoWindow, EmptyWindowOffersNoCopyOrSave)
{
    EXPECT_FALSE(Form->CopyAction()->Enabled());
    EXPECT_FALSE(Form->SaveAction()->Enabled());
    EXPECT_EQ(Form->ShownFileName(), "/");
    const std::string report = Form->GetInfoAsText();
    EXPECT_NE(report.find("\r\nFile: /\r\n"), std::string::npos);
    EXPECT_EQ(report.find("CRC32"), std::string::npos) << report;

    ShowMultiStreamFile();
    Form->ClearAll();
    EXPECT_FALSE(Form->CopyAction()->Enabled());
    EXPECT_FALSE(Form->SaveAction()->Enabled());
    EXPECT_EQ(Form->StreamGrid()->RowCount(), 0);
    EXPECT_EQ(Form->ShownValue(&S::lblResolution), "");
}

// A file can count more streams than the record describes: the choosers offer the described ones only,
// and a number beyond them shows nothing.
TEST_F(FileInfoWindow, StreamChoosersOfferOnlyDescribedStreams)
{
    TVideoFileInfo info;
    info.FileName = "/media/many.ts";
    info.NumberOfVideoStreams = 12;
    info.NumberOfAudioStreams = 60;
    for (size_t i = 0; i < MaxVideoStreams; ++i)
        info.VideoStreams[i].Codec = "V" + std::to_string(i + 1);
    for (size_t i = 0; i < MaxAudioStreams; ++i)
        info.AudioStreams[i].Codec = "A" + std::to_string(i + 1);

    Form->UpdateList(info, 60, 12);
    EXPECT_EQ(Form->VideoStreamChooser()->Items()->Count(), 10);
    EXPECT_EQ(Form->AudioStreamChooser()->Items()->Count(), 48);
    EXPECT_EQ(Form->VideoStreamChooser()->ItemIndex(), -1);
    EXPECT_EQ(Form->AudioStreamChooser()->ItemIndex(), -1);
    EXPECT_EQ(Form->ShownValue(&S::lblVideoCodec), "");
    EXPECT_EQ(Form->ShownValue(&S::lblAudioCodec), "");
    EXPECT_EQ(Form->ShownValue(&S::lblNumberOfAudioStreams), "60");

    Form->UpdateList(info, 48, 10);
    EXPECT_EQ(Form->ShownValue(&S::lblVideoCodec), "V10");
    EXPECT_EQ(Form->ShownValue(&S::lblAudioCodec), "A48");
    EXPECT_EQ(Form->AudioStreamChooser()->ItemIndex(), 47);
}

// The stream list paints video rows reddish and audio rows greenish in the Details column; the subtitle
// row is painted as the grid paints it. The codec labels carry their colours.
TEST_F(FileInfoWindow, PictureOfTheWindow)
{
    ShowMultiStreamFile();
    Form->SetClientHeight(720); // the window grows downwards: every stream row in view
    Pump();
    EXPECT_EQ(Form->CopyAction()->Caption(), "Copy");
    EXPECT_EQ(Form->CopyAction()->Hint(), "Copy to the Clipboard");
    const auto picture = Render(Form);
    SaveScreenshot(*picture, "file_info_window");

    TDataGrid& grid = *Form->StreamGrid();
    const auto gridPicture = Render(&grid);
    const int x = grid.ClientWidth() - 8;
    const auto pixelOfRow = [&](int row) { return gridPicture->Canvas()->Pixels(x, 20 + row * 18 + 9); };
    const auto red = [](TColor c) { return int(c & 0xFF); };
    const auto green = [](TColor c) { return int(c >> 8 & 0xFF); };
    const auto blue = [](TColor c) { return int(c >> 16 & 0xFF); };
    const TColor video = pixelOfRow(0);
    EXPECT_GT(red(video), green(video) + 5) << std::hex << video;
    EXPECT_GT(red(video), blue(video) + 5) << std::hex << video;
    for (int row = 1; row <= 3; ++row) {
        const TColor audio = pixelOfRow(row);
        EXPECT_GT(green(audio), red(audio) + 5) << row << " " << std::hex << audio;
        EXPECT_GT(green(audio), blue(audio)) << row << " " << std::hex << audio;
    }
    EXPECT_EQ(pixelOfRow(4), TColor(0xFFFFFF)) << std::hex << pixelOfRow(4);

    // The codec values stand in their own colours.
    const auto countTinted = [&](TLabel* label, auto strong) {
        const TPoint origin = label->ClientToParent({0, 0}, Form);
        int count = 0;
        for (int y = origin.Y; y < origin.Y + label->Height(); ++y)
            for (int px = origin.X; px < origin.X + label->Width(); ++px)
                count += strong(picture->Canvas()->Pixels(px, y)) ? 1 : 0;
        return count;
    };
    EXPECT_GT(countTinted(Form->VideoCodecLabel(),
                          [&](TColor c) { return red(c) > 180 && green(c) < 120 && blue(c) < 120; }),
              10);
    EXPECT_GT(countTinted(Form->AudioCodecLabel(),
                          [&](TColor c) {
                              return green(c) > 90 && green(c) > red(c) + 30 && green(c) > blue(c) + 20;
                          }),
              10);
}

namespace {

class MainWindowFileInfo : public MainWindow
{
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        Start();
        AppParams.ffmpeg = test_media::FFmpegPath();
        Window = new TFormFileInfo(Form, Form->WindowLooks());
        Form->LinkFileInfoWindow(*Window);
    }

    TFormFileInfo* Window = nullptr;
};

} // namespace

// F10 shows the window with the selected file (the first when none is selected); while it is shown it
// follows the selection; F10 again hides it.
TEST_F(MainWindowFileInfo, ShowsAndFollowsTheSelectedFile)
{
    TManualClock clock;
    const std::string first = MultiStreamFile();
    const std::string second = test_media::TwoSecondClip();
    ASSERT_TRUE(Form->FileAdding().AddToList(first, true));
    ASSERT_TRUE(Form->FileAdding().AddToList(second, true));
    Form->FileListView().Grid()->SetSelectedRow(-1);
    Form->InitControls(); // as the add commands end
    ASSERT_TRUE(Form->Actions.actShowHideFileInfo->Enabled());

    Form->Actions.actShowHideFileInfo->Execute();
    EXPECT_TRUE(Window->Visible());
    EXPECT_EQ(Window->ShownFileName(), first);
    EXPECT_EQ(Window->Caption(), "Video file properties   ::   rock & roll, 5 streams.mkv   ::   " +
                                     FileSizeToStr(fs::file_size(first), " bytes"));
    EXPECT_EQ(Window->StreamGrid()->RowCount(), 5);

    Form->FileListView().Grid()->SetSelectedRow(1);
    clock.Advance(200);
    EXPECT_EQ(Window->ShownFileName(), second);
    EXPECT_EQ(Window->ShownValue(&S::lblResolution), "160 x 120");

    Form->Actions.actShowHideFileInfo->Execute();
    EXPECT_FALSE(Window->Visible());
    Form->FileListView().Grid()->SetSelectedRow(0);
    clock.Advance(200);
    EXPECT_EQ(Window->ShownFileName(), second) << "a hidden window does not follow";
}

// Once the selection settles, the main window follows the selected file even with the media window hidden:
// its caption names the file, the audio track list offers the file's tracks and the explore command names
// its folder.
TEST_F(MainWindowFileInfo, MainWindowFollowsTheSettledSelection)
{
    TManualClock clock;
    const std::string file = MultiStreamFile();
    ASSERT_TRUE(Form->FileAdding().AddToList(file, true));
    ASSERT_TRUE(Form->FileAdding().AddToList(test_media::TwoSecondClip(), true));

    Form->FileListView().Grid()->SetSelectedRow(0);
    clock.Advance(200);
    EXPECT_EQ(Form->Caption(), std::string(AppTitle) + " - " + file);
    EXPECT_EQ(Form->Panels().cbAudioTrackNo->Items()->Count(), 4) << "Auto and the three tracks";
    EXPECT_NE(Form->Actions.actExploreDirectory->Caption().find(fs::path(file).parent_path().string()),
              std::string::npos);
    EXPECT_FALSE(Window->Visible());

    Form->FileListView().Grid()->SetSelectedRow(1);
    clock.Advance(200);
    EXPECT_EQ(Form->Panels().cbAudioTrackNo->Items()->Count(), 2) << "Auto and the clip's one track";
}
