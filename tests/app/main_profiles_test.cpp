#include "app/main/settings_panels.h"
#include "controls/edits/combo_box.h"
#include "engine/app_params.h"
#include "gui_driver.h"
#include "main_window_fixture.h"
#include "platform/gui/windows/actions.h"
#include "scripted_file_dialogs.h"

#include <filesystem>

// Saving the encoder settings as a profile and loading profiles, from a file dialog and from the selector.

namespace {

constexpr char NotAText[] = "\x7f"
                            "ELF\x01\x00\xff\xfe[AUDIO]\nAudioBitrate=320\n";

class MainWindowProfiles : public MainWindow
{
protected:
    TVezComboBox& Selector() { return *Form->Panels().cbProfileNew; }
    std::vector<std::string> SelectorItems()
    {
        std::vector<std::string> items;
        for (int i = 0; i < Selector().Items()->Count(); ++i)
            items.push_back(Selector().Items()->Strings(i));
        return items;
    }
    // The user picks an item of the dropped-down selector with the mouse.
    void ChooseInSelector(int index)
    {
        Selector().SetDroppedDown(true);
        Pump();
        TWinControl* list = Selector().ListControl();
        ASSERT_NE(list, nullptr);
        SaveScreenshot(*Render(list), "main_window_profile_selector_list", 2);
        Click(list, {40, index * 26 + 13});
        Pump();
    }
    void AnswerFileDialog(const std::string& fileName)
    {
        dialogs.fileAnswers.push_back(TFileDialogAnswer{{fileName}});
    }

    TScriptedFileDialogs dialogs;
};

TEST_F(MainWindowProfiles, ASavedProfileIsListedAndChoosingItRestoresItsSettings)
{
    Temp.Write("program/profiles/Slow.ini",
               "[MAIN]\nAppName=Quillmark\nAppVer=1.10\nDisplayName=Slow [clb=#FF0000]\nSortIndex=5\n");
    Temp.Write("program/profiles/Foreign.ini", "[MAIN]\nAppName=Another\nAppVer=1.10\n");
    Temp.Write("program/profiles/__Last.ini", "[MAIN]\nAppName=Quillmark\nAppVer=1.10\n");
    Start();
    ASSERT_EQ(AppParams.ProfilesDir, ProgramFile("profiles"));
    EXPECT_EQ(SelectorItems(),
              (std::vector<std::string>{"The last session settings", "Encoder default settings", "Slow "}));

    EncoderSettings chosen = Form->CurrentEncoderSettings();
    chosen.Audio.Bitrate = ComboText::Typed("192");
    chosen.Avi.TwoPass = true;
    chosen.Advanced.Rotate = true;
    chosen.Advanced.RotateText = "90";
    Form->SetCurrentEncoderSettings(chosen);
    const EncoderSettings saved = Form->CurrentEncoderSettings();
    AnswerFileDialog(AppParams.ProfilesDir + "/Fast.ini");
    Form->Actions.actSaveProfile->Execute();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_TRUE(dialogs.fileRequests[0].Saving);
    EXPECT_EQ(dialogs.fileRequests[0].InitialDir, AppParams.ProfilesDir);
    EXPECT_EQ(SelectorItems(), (std::vector<std::string>{"The last session settings",
                                                         "Encoder default settings", "Fast", "Slow "}));
    EXPECT_EQ(Selector().ItemIndex(), 2) << "the saved profile is selected";

    EncoderSettings other = saved;
    other.Audio.Bitrate = ComboText::Automatic();
    other.Avi.TwoPass = false;
    other.Advanced.Rotate = false;
    Form->SetCurrentEncoderSettings(other);
    const EncoderSettings changed = Form->CurrentEncoderSettings();
    ASSERT_NE(changed, saved);
    Selector().SetItemIndex(3);
    Pump();
    EXPECT_EQ(Form->CurrentEncoderSettings(), changed) << "selecting from code loads nothing";

    ChooseInSelector(2);
    EXPECT_EQ(Selector().ItemIndex(), 2);
    EXPECT_EQ(Form->CurrentEncoderSettings(), saved);
    EXPECT_TRUE(Services.Boxes.empty());
}

TEST_F(MainWindowProfiles, SavingOutsideTheProfilesFolderLeavesTheListAlone)
{
    Start();
    const std::string elsewhere = Temp / "elsewhere.ini";
    AnswerFileDialog(elsewhere);
    Form->Actions.actSaveProfile->Execute();
    EXPECT_TRUE(std::filesystem::exists(elsewhere));
    EXPECT_EQ(Selector().Items()->Count(), 2);

    // A file that cannot be written is reported.
    AnswerFileDialog(Temp / "no such folder/profile.ini");
    Form->Actions.actSaveProfile->Execute();
    ASSERT_EQ(Services.Boxes.size(), 1u);
    EXPECT_NE(Services.Boxes[0].find("not saved"), std::string::npos) << Services.Boxes[0];
    Services.Boxes.clear();

    // And it loads back through the open dialog.
    EncoderSettings other = Form->CurrentEncoderSettings();
    const EncoderSettings saved = other;
    other.Audio.Bitrate = ComboText::Typed("64");
    Form->SetCurrentEncoderSettings(other);
    AnswerFileDialog(elsewhere);
    Form->Actions.actLoadProfile->Execute();
    EXPECT_EQ(Form->CurrentEncoderSettings(), saved);
    EXPECT_TRUE(Services.Boxes.empty());
}

TEST_F(MainWindowProfiles, AFileThatIsNotAProfileIsReportedAndChangesNothing)
{
    const struct
    {
        const char* name;
        std::string content;
    } cases[] = {
        {"binary.ini", std::string(NotAText, sizeof NotAText - 1)},
        {"another program.ini", "[MAIN]\nAppName=Another\nAppVer=1.10\n[AUDIO]\nAudioBitrate=320\n"},
        {"another version.ini", "[MAIN]\nAppName=Quillmark\nAppVer=0.9\n[AUDIO]\nAudioBitrate=320\n"},
        {"no main section.ini", "[AUDIO]\nAudioBitrate=320\n[ADVANCED]\nRotate=1\n"},
    };
    Start();
    for (const auto& c : cases) {
        const std::string file = Temp.Write(c.name, c.content);
        const EncoderSettings before = Form->CurrentEncoderSettings();
        Services.Boxes.clear();
        AnswerFileDialog(file);
        Form->Actions.actLoadProfile->Execute();
        EXPECT_EQ(Form->CurrentEncoderSettings(), before) << c.name;
        ASSERT_EQ(Services.Boxes.size(), 1u) << c.name;
        EXPECT_NE(Services.Boxes[0].find("\"" + file + "\" is not an encoder profile"), std::string::npos)
            << Services.Boxes[0];
    }
}

} // namespace
