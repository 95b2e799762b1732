#include "app/main/file_list_view.h"
#include "app/main/settings_binder.h"
#include "engine/test_media.h"
#include "gui_driver.h"
#include "main_window_fixture.h"
#include "platform/gui/windows/actions.h"

#include <cstdlib>
#include <filesystem>

// Settings away from the defaults, set in the window and carried out by the real encoder: each shows in
// the output as ffprobe reads it.

namespace {

namespace fs = std::filesystem;
using test_media::Capture;
using test_media::Quote;

// The last value of a frame tag of a filter graph that ffprobe runs over the file.
double ProbeLastFrameTag(const std::string& graph, const std::string& tag)
{
    const std::string values = Capture("ffprobe -v error -f lavfi -i " + Quote(graph) +
                                       " -show_entries frame_tags=" + tag + " -of csv=p=0");
    const size_t end = values.find_last_not_of("\n");
    if (end == std::string::npos)
        return -1000;
    const size_t begin = values.find_last_of('\n', end);
    return std::stod(values.substr(begin == std::string::npos ? 0 : begin + 1));
}

std::string ProbeVideoStream(const std::string& file, const std::string& entries)
{
    return Capture("ffprobe -v error -select_streams v:0 -show_entries stream=" + entries + " -of csv=p=0 " +
                   Quote(file));
}

class MainWindowSettingsEndToEnd : public MainWindow
{
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        const char* tmp = std::getenv("TMPDIR");
        savedTmpDir = tmp ? std::optional<std::string>(tmp) : std::nullopt;
        runTemp = Temp.MakeDir("run_temp");
        setenv("TMPDIR", runTemp.c_str(), 1);
    }
    void TearDown() override
    {
        if (savedTmpDir)
            setenv("TMPDIR", savedTmpDir->c_str(), 1);
        else
            unsetenv("TMPDIR");
        MainWindow::TearDown();
    }

    // Converts the checked files with the settings; the outputs are overwritten.
    void Convert(const EncoderSettings& settings)
    {
        Form->SetCurrentEncoderSettings(settings);
        RunOptions options = ReadRunOptions(Form->Panels());
        options.OutputExists = oeOverwrite;
        WriteRunOptions(Form->Panels(), options);
        ASSERT_TRUE(Form->Actions.actConvert->Enabled());
        Form->Actions.actConvert->Execute();
        Pump();
    }

    std::optional<std::string> savedTmpDir;
    std::string runTemp;
};

TEST_F(MainWindowSettingsEndToEnd, NonDefaultSettingsReachTheOutput)
{
    // 64x96 interlaced: pairs of frames of a moving picture woven into the two fields, a 440 Hz tone.
    const std::string inputs = Temp.MakeDir("in");
    const std::string clip = inputs + "/woven.ts";
    const std::string make = "ffmpeg -v error -y -f lavfi -i testsrc2=size=64x96:rate=50:duration=1 "
                             "-f lavfi -i sine=frequency=440:duration=1 "
                             "-vf tinterlace=mode=interleave_top,setfield=tff -c:v mpeg2video "
                             "-flags +ilme+ildct -top 1 -b:v 2M -c:a mp2 " +
                             Quote(clip);
    ASSERT_EQ(std::system(make.c_str()), 0) << make;
    Start({clip});
    ASSERT_EQ(Form->FileListView().RowCount(), 1);
    const std::string avi = inputs + "/woven.avi";

    // Two passes, deinterlaced, twice as loud.
    EncoderSettings twoPass = DefaultEncoderSettings(0);
    twoPass.Avi.TwoPass = true;
    twoPass.Avi.Bitrate = ComboText::Typed("2000");
    twoPass.Advanced.Interlacing = ItemIndex::InterlacingDeinterlace;
    twoPass.Audio.Volume = 200;
    Convert(twoPass);
    ASSERT_TRUE(fs::exists(avi));
    EXPECT_EQ(ProbeVideoStream(avi, "codec_name,width,height"), "mpeg4,64,96\n");
    EXPECT_TRUE(fs::is_empty(runTemp)) << "the pass logs and their folder are gone";
    for (const auto& entry : fs::directory_iterator(inputs))
        EXPECT_NE(entry.path().extension(), ".log") << entry.path();
    // Few frames still look woven (without deinterlacing, every one does).
    EXPECT_LT(ProbeLastFrameTag("movie=" + avi + ",idet", "lavfi.idet.single.tff"), 12);
    // The tone's level is -21.1 dBFS; 200 % adds 6 dB.
    EXPECT_NEAR(
        ProbeLastFrameTag("amovie=" + avi + ",astats=metadata=1:reset=0", "lavfi.astats.Overall.RMS_level"),
        -21.1 + 6.0, 1.5);

    // Cropped to 64x64, scaled to 128x96 and turned a quarter: the turned picture leaves the sides black.
    EncoderSettings picture = DefaultEncoderSettings(0);
    picture.Advanced.CropTop = 16;
    picture.Advanced.CropBottom = 16;
    picture.Advanced.Resolution = ItemIndex::ResolutionCustom;
    picture.Advanced.ResWidth = 128;
    picture.Advanced.ResHeight = 96;
    picture.Advanced.Rotate = true;
    picture.Advanced.RotateText = "90";
    Convert(picture);
    EXPECT_EQ(ProbeVideoStream(avi, "width,height"), "128,96\n");
    EXPECT_LT(ProbeLastFrameTag("movie=" + avi + ",crop=8:ih:0:0,signalstats", "lavfi.signalstats.YAVG"), 20);
    EXPECT_GT(
        ProbeLastFrameTag("movie=" + avi + ",crop=8:8:iw/2-4:ih/2-4,signalstats", "lavfi.signalstats.YAVG"),
        20)
        << "the middle still shows the picture";

    EncoderSettings dvd = DefaultEncoderSettings(0);
    dvd.OutputFormat = ofMpg;
    dvd.Mpg.Preset = ItemIndex::MpgPresetPalDvd;
    Convert(dvd);
    const std::string mpg = inputs + "/woven.mpg";
    ASSERT_TRUE(fs::exists(mpg));
    EXPECT_TRUE(
        ProbeVideoStream(mpg, "codec_name,width,height,r_frame_rate").starts_with("mpeg2video,720,576,25/1"))
        << ProbeVideoStream(mpg, "codec_name,width,height,r_frame_rate");
    EXPECT_TRUE(Capture("ffprobe -v error -show_entries format=format_name -of csv=p=0 " + Quote(mpg))
                    .starts_with("mpeg"));
}

} // namespace
