// Real clips added with the MediaInfo library and the encoder's report, and the list as the user sees it.

#include "controls/grid/check_box_column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/number_column.h"
#include "controls/grid/text_column.h"
#include "engine/app_params.h"
#include "engine/test_media.h"
#include "file_list_fixture.h"
#include "scripted_file_dialogs.h"
#include "support/system_colors.h"

namespace {

class FileListMedia : public FileListFixture
{
protected:
    void SetUp() override
    {
        FileListFixture::SetUp();
        saved = AppParams;
        AppParams.MediaInfoDll = test_media::MediaInfoLibrary();
        AppParams.ffmpeg = test_media::FFmpegPath();
    }
    void TearDown() override
    {
        AppParams = saved;
        FileListFixture::TearDown();
    }
    TAppParams saved;
    TScriptedFileDialogs dialogs;
};

TEST_F(FileListMedia, AnalysedCellsByMode)
{
    const TFileListColumns& c = view->Columns();
    mode = faQuick;
    ASSERT_TRUE(adding->AddToList(test_media::VideoWithThreeAudio(), true));
    EXPECT_EQ(CellText(c.colDuration, 0), "00:00:01");
    EXPECT_EQ(CellText(c.colVideoResolution, 0), "64 x 48");
    EXPECT_EQ(CellText(c.colVideoWidth, 0), "64");
    EXPECT_NE(CellText(c.colVideo, 0).find("64 x 48"), std::string::npos) << CellText(c.colVideo, 0);
    EXPECT_NE(CellText(c.colAudio, 0).find("Channels: 1"), std::string::npos) << CellText(c.colAudio, 0);
    EXPECT_EQ(CellText(c.colAudioChannels, 0), "1");

    ASSERT_TRUE(adding->AddToList(test_media::AudioOnly(), true));
    EXPECT_EQ(CellText(c.colVideo, 1), "");
    EXPECT_NE(CellText(c.colAudioCodec, 1), "");

    mode = faFull;
    ASSERT_TRUE(adding->AddToList(test_media::Interlaced(), true));
    EXPECT_EQ(CellText(c.colVideoFPS, 2), "25.00");
    EXPECT_EQ(CellText(c.colVideoScanType, 2), "interlaced");

    mode = faNone;
    ASSERT_TRUE(adding->AddToList(test_media::OddDimensions(), true));
    EXPECT_EQ(CellText(c.colDuration, 3), "");
    EXPECT_EQ(CellText(c.colVideoResolution, 3), "");
}

// The list with real clips: checked rows on white, the unchecked one greyed, the selected one in the
// selection colour of an unfocused grid, the footer counting the rows.
TEST_F(FileListMedia, Picture)
{
    mode = faFull;
    dialogs.fileAnswers.push_back(
        TFileDialogAnswer{{test_media::VideoWithThreeAudio(), test_media::AudioOnly(),
                           test_media::Interlaced(), test_media::OddDimensions(), test_media::AwkwardName()},
                          2});
    adding->AddFiles();
    ASSERT_EQ(view->RowCount(), 5);
    view->Columns().colDirectory->SetVisible(false);
    Grid().Cell(view->Columns().colActive->Index(), 1)->SetAsBoolean(false);
    view->CalcFooter();
    Grid().SetSelectedRow(3);
    form->SetFocus();
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(form);
    SaveScreenshot(*picture, "file_list_real_clips");
    const TRect body{0, 22, picture->Width(), 22 + 5 * 20};
    EXPECT_GT(CountPixels(*picture, body, ColorToRGB(clBtnFace)), 1000) << "the unchecked row";
    EXPECT_GT(CountPixels(*picture, body, Grid().InactiveSelectionColor()), 1000) << "the selected row";
    EXPECT_EQ(view->Columns().colNo->Footer()->Caption(), "5");
    EXPECT_EQ(view->Columns().colActive->Footer()->Caption(), "4");
}

} // namespace
