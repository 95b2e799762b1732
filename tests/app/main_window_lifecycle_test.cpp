#include "app/main/file_list_view.h"
#include "app/main/settings_binder.h"
#include "controls/pack/browse_dialog.h"
#include "controls/pack/flip_panel.h"
#include "engine/app_strings.h"
#include "engine/enabling_rules.h"
#include "engine/profile_files.h"
#include "gui_driver.h"
#include "main_window_fixture.h"
#include "platform/gui/standard/panels.h"
#include "platform/gui/windows/actions.h"
#include "scripted_file_dialogs.h"
#include "support/files.h"

#include <filesystem>

namespace {

TEST_F(MainWindow, FirstStartMakesTheProfilesFolderAndShowsTheDefaults)
{
    Start();

    EXPECT_TRUE(DirExists(ProgramFile("profiles")));
    EXPECT_EQ(Form->Width(), 998);
    EXPECT_EQ(Form->Height(), 712);
    EXPECT_EQ(Form->Caption(), "Quillmark 1.10  [64-bit]");
    EXPECT_TRUE(ChooseLangBySystem);
    EXPECT_EQ(Form->CurrentEncoderSettings(), DefaultEncoderSettings(0));
    EXPECT_FALSE(Form->Actions.actConvert->Enabled()) << "no file to convert";
    EXPECT_TRUE(Services.Boxes.empty());
    SaveScreenshot(*Render(Form), "main_window_empty");
}

TEST_F(MainWindow, ClosingSavesWhatTheNextStartShows)
{
    Start();
    Form->SetBounds(30, 40, 800, 600);
    EncoderSettings changed = Form->CurrentEncoderSettings();
    changed.Avi.Codec = ItemIndex::AviCodecMotionJpeg;
    changed.Audio.Volume = 150;
    Form->SetCurrentEncoderSettings(changed);
    RunOptions options = ReadRunOptions(Form->Panels());
    options.OutputExists = oeSkip;
    WriteRunOptions(Form->Panels(), options);
    Form->fpConversionSettings->SetExpanded(false);
    const EncoderSettings closedWith = Form->CurrentEncoderSettings();
    CloseAndFree();

    EXPECT_TRUE(FileExists(ProgramFile("quillconv.ini")));
    EXPECT_TRUE(FileExists(ProgramFile("profiles/__Last.ini")));
    EXPECT_TRUE(Services.Boxes.empty()) << Services.Boxes.front();

    Start();
    EXPECT_EQ(Form->Width(), 800);
    EXPECT_EQ(Form->Height(), 600);
    EXPECT_EQ(Form->CurrentEncoderSettings(), closedWith);
    EXPECT_EQ(ReadRunOptions(Form->Panels()).OutputExists, oeSkip);
    EXPECT_FALSE(Form->fpConversionSettings->Expanded());
}

TEST_F(MainWindow, SettingsThatCannotBeWrittenAreReported)
{
    // Names taken by folders: neither file can be written.
    std::filesystem::create_directories(ProgramFile("quillconv.ini"));
    std::filesystem::create_directories(ProgramFile("profiles/__Last.ini"));
    Start();
    CloseAndFree();

    ASSERT_EQ(Services.Boxes.size(), 2u);
    EXPECT_NE(Services.Boxes[0].find("quillconv.ini"), std::string::npos) << Services.Boxes[0];
    EXPECT_NE(Services.Boxes[1].find("__Last.ini"), std::string::npos) << Services.Boxes[1];
}

TEST_F(MainWindow, DisableAllGreysEveryCommandUntilEnableAll)
{
    Start();
    Form->DisableAll();
    int enabled = 0;
    ForEachMainAction(Form->Actions,
                      [&](TAction* action, const TMainActionSpec&) { enabled += action->Enabled(); });
    EXPECT_EQ(enabled, 0);
    EXPECT_FALSE(Form->pnMid->Enabled());

    Form->EnableAll();
    EXPECT_TRUE(Form->Actions.actExit->Enabled());
    EXPECT_TRUE(Form->pnMid->Enabled());
    EXPECT_FALSE(Form->Actions.actConvert->Enabled()) << "the enabling rules run again: no file";
    EXPECT_FALSE(Form->Actions.actSaveBat->Enabled());
    EXPECT_FALSE(Form->Actions.actRemoveChecked->Enabled());
}

} // namespace

namespace {

TEST_F(MainWindow, ArgumentFilesAndADroppedFileJoinTheList)
{
    const std::string first = Temp.Write("in/first.mp4");
    const std::string second = Temp.Write("in/second.mkv");
    const std::string dropped = Temp.Write("in/dropped.avi");
    Start({first, "", Temp.Path() + "/in/missing.mp4", "--fullscreen", Temp.MakeDir("in/folder"), second});
    ASSERT_EQ(Form->FileListView().RowCount(), 2) << "only the arguments that name existing files";

    EXPECT_EQ(DropData(Form, TPoint{200, 300}, {{"text/uri-list", "file://" + dropped + "\r\n"}}), 1u);

    const TFileListView& files = Form->FileListView();
    ASSERT_EQ(files.RowCount(), 3);
    EXPECT_EQ(files.GetNgFullFileName(0), first);
    EXPECT_EQ(files.GetNgFullFileName(1), second);
    EXPECT_EQ(files.GetNgFullFileName(2), dropped);
    for (int32_t row = 0; row < 3; ++row)
        EXPECT_TRUE(files.IsChecked(row)) << row;
    EXPECT_TRUE(Services.Boxes.empty()) << "arguments that name nothing are ignored silently";
}

TEST_F(MainWindow, AddFolderAsksTheFolderDialogThatBrowseUses)
{
    const std::string folder = Temp.MakeDir("clips");
    Temp.Write("clips/one.mp4");
    Temp.Write("clips/deeper/two.mkv");
    Temp.Write("clips/notes.txt");
    Start();
    TScriptedFileDialogs dialogs;
    using Step = TScriptedFileDialogs::TBrowseStep;
    dialogs.browseScripts.push_back({{Step::Type, folder}, {Step::Ok, ""}});
    Form->Actions.actAddFolder->Execute();

    ASSERT_EQ(dialogs.browseRequests.size(), 1u);
    EXPECT_EQ(dialogs.browseRequests[0].Headline, "Output directory:");
    EXPECT_TRUE(dialogs.browseRequests[0].EditBox);
    EXPECT_EQ(Form->FileListView().RowCount(), 2) << "the folder's video files, also below it";
    EXPECT_EQ(Form->dlgFolder->FolderName(), folder) << "the next dialog starts there";
}

TEST_F(MainWindow, EscClosesOnlyWhenTheOptionSaysSo)
{
    for (const bool escExit : {false, true}) {
        SCOPED_TRACE(escExit ? "Esc closes" : "Esc does nothing");
        Start();
        AppParams.EscExit = escExit;
        Form->Actions.actEsc->Execute();
        EXPECT_EQ(Form->Visible(), !escExit);
        EXPECT_EQ(FileExists(ProgramFile("quillconv.ini")), escExit) << "closing saves the settings";
        Form->Free();
        Form = nullptr;
        std::filesystem::remove(ProgramFile("quillconv.ini"));
    }
}

} // namespace
