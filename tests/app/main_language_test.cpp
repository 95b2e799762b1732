// The main window's language: the first language file of a first start, and every text of the window from
// the string table, with the settings lists keeping their selection and the numbers the user typed.

#include "app/about/form_about.h"
#include "app/check_update/form_check_update.h"
#include "app/errors/form_errors.h"
#include "app/file_info/form_file_info.h"
#include "app/main/file_list_view.h"
#include "app/main/secondary_windows.h"
#include "app/main/settings_panels.h"
#include "app/model/first_language.h"
#include "app/options/form_options.h"
#include "app/text_windows/form_cmd_line.h"
#include "app/text_windows/form_tools_info.h"
#include "controls/edits/combo_box.h"
#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/number_column.h"
#include "controls/grid/text_column.h"
#include "controls/toolbars/item.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "engine/forms/form_progress.h"
#include "engine/language_files.h"
#include "engine/run_options.h"
#include "gui_driver.h"
#include "main_window_fixture.h"
#include "platform/gui/services/dialogs.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/windows/actions.h"
#include "platform/system/ini_file.h"
#include "support/files.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

std::string EnglishIniPath()
{
    return std::string(QM_SOURCE_DIR) + "/resources/lang/English.ini";
}

// A language file like English.ini whose every text is its own key in «»: whatever the window shows of
// it names the key it came from.
void WriteKeysLanguage(const std::string& fileName)
{
    ASSERT_TRUE(FileExists(EnglishIniPath())) << EnglishIniPath();
    const TIniFile english(EnglishIniPath());
    std::ofstream out(fileName, std::ios::binary);
    for (const std::string& section : english.ReadSections()) {
        out << "[" << section << "]\r\n";
        for (const std::string& key : english.ReadSection(section))
            out << key << "=" << (section == LangInfoSection ? "Keys" : "«" + key + "»") << "\r\n";
    }
}

TEST(FirstLanguage, FileFollowsTheSystemLanguage)
{
    const struct
    {
        const char* language;
        const char* file;
    } cases[] = {
        {"de", "German.ini"},
        {"DE_at", "German.ini"},
        {"pt", "Portuguese_BR.ini"},
        {"pt_PT", "Portuguese_BR.ini"},
        {"sr@latin", "Croatian.ini"},
        {"hr", "Croatian.ini"},
        {"zh_TW", "Chinese_Simplified.ini"},
        {"nb_NO", "Norwegian.ini"},
        {"en_GB", "English.ini"},
        {"eo", "English.ini"},
        {"", "English.ini"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstLanguageFileName(c.language), c.file) << c.language;
}

class MainWindowLanguage : public MainWindow
{
protected:
    std::string LangFile(const std::string& name) const { return ProgramFile("lang/" + name); }

    // What the options window does when the user picks a language.
    void SwitchLanguage(const std::string& name)
    {
        AppParams.LanguageIni = name;
        AppStrings->SetEN();
        AppStrings->LoadFromFile(LangFile(name));
        Form->SetLang();
        Pump();
    }
};

TEST_F(MainWindowLanguage, FirstStartTakesTheSystemLanguageWhenItsFileExists)
{
    const ScopedEnvironment german("LC_ALL", "de_DE.UTF-8");
    for (const bool present : {true, false}) {
        SCOPED_TRACE(present ? "German.ini present" : "German.ini absent");
        std::filesystem::remove_all(ProgramFile("lang"));
        if (present) {
            std::filesystem::create_directories(ProgramFile("lang"));
            std::ofstream(LangFile("German.ini")) << "[INFO]\nLangName_InEnglish=German\n"
                                                     "[MAIN]\nactConvert=Konvertieren\nmnuFile=Datei\n";
        }
        AppParams.LanguageIni.clear();
        Start();

        EXPECT_EQ(AppParams.LanguageIni, present ? "German.ini" : "");
        EXPECT_EQ(Form->Actions.actConvert->Caption(), present ? "Konvertieren" : "Convert checked files");
        auto* fileMenu = dynamic_cast<TBarCustomItem*>(Form->FindComponent("mnuFile"));
        ASSERT_NE(fileMenu, nullptr);
        EXPECT_EQ(fileMenu->Caption(), present ? "Datei" : "&File");
        EXPECT_EQ(LangIniList->Count(), present ? 1 : 0);
        Form->Free();
        Form = nullptr;
        Pump();
    }
}

// The English texts of the string table that the main window may show.
std::set<std::string> EnglishWindowTexts()
{
    std::set<std::string> texts;
    for (const TAppStringField& field : AppStringFields())
        if (field.Section == "MAIN" || (field.Section == "About" && field.Key == "Donation"))
            texts.insert(std::string(field.English));
    return texts;
}

// Every English text of the string table.
std::set<std::string> EnglishTexts()
{
    std::set<std::string> texts;
    for (const TAppStringField& field : AppStringFields())
        texts.insert(std::string(field.English));
    return texts;
}

// The descriptions of a dialog filter ("Text|*.txt|Other|*.x"): its pieces at even places.
std::vector<std::string> FilterDescriptions(const std::string& filter)
{
    std::vector<std::string> descriptions;
    size_t start = 0;
    for (bool description = true; start <= filter.size(); description = !description) {
        const size_t end = std::min(filter.find('|', start), filter.size());
        if (description)
            descriptions.push_back(filter.substr(start, end - start));
        start = end + 1;
    }
    return descriptions;
}

// A shown text stripped of what the window adds to a string-table text: the accelerator mark, the blank
// before the name columns' headers and the units after the rate columns'.
std::string Undecorated(std::string text)
{
    std::erase(text, '&');
    for (const std::string unit : {" [kbit/s]", " [Hz]"})
        if (text.size() > unit.size() && text.ends_with(unit))
            text.resize(text.size() - unit.size());
    while (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    return text;
}

// Calls check(component, what, text) for every text of the components that owner owns, and of theirs in
// turn; a window is a walk of its own.
void ForEachText(TComponent& owner,
                 const std::function<void(TComponent*, const std::string&, const std::string&)>& check)
{
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        TComponent* component = owner.Components(i);
        if (dynamic_cast<TForm*>(component))
            continue;
        if (auto* action = dynamic_cast<TCustomAction*>(component)) {
            check(component, "caption", action->Caption());
            check(component, "hint", action->Hint());
        } else if (auto* item = dynamic_cast<TBarCustomItem*>(component)) {
            check(component, "caption", item->Caption());
            check(component, "hint", item->Hint());
        } else if (auto* column = dynamic_cast<TGxCustomColumn*>(component)) {
            check(component, "header", column->Header()->Caption());
        } else if (auto* dialog = dynamic_cast<TOpenDialog*>(component)) {
            for (const std::string& description : FilterDescriptions(dialog->Filter()))
                check(component, "filter", description);
        } else if (auto* combo = dynamic_cast<TCustomComboBox*>(component)) {
            for (int index = 0; index < combo->Items()->Count(); ++index)
                check(component, "item", combo->Items()->Strings(index));
            check(component, "text", combo->Text());
        } else if (auto* control = dynamic_cast<TControl*>(component)) {
            check(component, "caption", control->Caption());
            check(component, "hint", control->Hint());
        }
        ForEachText(*component, check);
    }
}

// "what: text" for every text of the form and its components that is still one of the English texts.
std::vector<std::string> TextsLeftInEnglish(TForm& form,
                                            const std::set<std::string>& english = EnglishWindowTexts())
{
    std::vector<std::string> left;
    const auto check = [&](const TComponent* component, const std::string& what, const std::string& text) {
        if (!text.empty() && english.contains(Undecorated(text)))
            left.push_back(component->ClassName() + " " + component->Name() + " " + what + ": " + text);
    };
    check(&form, "caption", form.Caption());
    ForEachText(form, check);
    return left;
}

TEST_F(MainWindowLanguage, EveryTextTakesItsKey)
{
    std::filesystem::create_directories(ProgramFile("lang"));
    ASSERT_NO_FATAL_FAILURE(WriteKeysLanguage(LangFile("Keys.ini")));
    Start();
    SaveScreenshot(*Render(Form), "main_window_language_english");
    EXPECT_FALSE(TextsLeftInEnglish(*Form).empty()) << "the walk sees the English texts";

    SwitchLanguage("Keys.ini");
    SaveScreenshot(*Render(Form), "main_window_language_keys");
    for (const std::string& left : TextsLeftInEnglish(*Form))
        ADD_FAILURE() << "left in English: " << left;

    // The texts a rule builds from a key.
    const TFileListColumns& columns = Form->FileListView().Columns();
    const TSettingsPanels& panels = Form->Panels();
    const TMainActions& actions = Form->Actions;
    auto* stayOnTop = dynamic_cast<TBarCustomItem*>(Form->FindComponent("btnStayOnTop"));
    auto* addButton = dynamic_cast<TBarCustomItem*>(Form->FindComponent("btnAdd"));
    ASSERT_TRUE(stayOnTop && addButton);
    const std::pair<std::string, std::string> shown[] = {
        {columns.colFileName->Header()->Caption(), " «colFile»"},
        {columns.colDirectory->Header()->Caption(), " «colDirectory»"},
        {columns.colVideoBitrate->Header()->Caption(), "«colVideoBitrate» [kbit/s]"},
        {columns.colAudioSampling->Header()->Caption(), "«colAudioSampling» [Hz]"},
        {actions.actColIconVisible->Caption(), "«colIcon»"},
        {actions.actSaveBat->Hint(), "«actSaveBAT»"},
        {actions.actHelp->Caption(), "«mnuHelp»"},
        {actions.actGoToDonation->Hint(), "«Donation»"},
        {actions.actCopyAudioSettings->Caption(), "«CopyAudioSettings»"},
        {addButton->Caption() + "/" + addButton->Hint(), "«btnAdd»/«actAddFiles»"},
        {stayOnTop->Caption() + "/" + stayOnTop->Hint(), "/«actStayOnTop»"},
        {panels.chKeepDates->Hint(), "«KeepFileDates»"},
        {panels.cbAudioTrackNo->Items()->Strings(0), "«Auto» «FirstAudioTrack»"},
        {Form->dlgOpenProfile->Filter(), "«dlgOpenProfile_Filter»|*.ini"},
        {Form->Caption(), "Quillmark 1.10  [64-bit]"},
    };
    for (const auto& [actual, expected] : shown)
        EXPECT_EQ(actual, expected);
}

TEST_F(MainWindowLanguage, TheOptionsWindowsSwitchRenamesEveryWindow)
{
    std::filesystem::create_directories(ProgramFile("lang"));
    std::filesystem::copy_file(EnglishIniPath(), LangFile("English.ini"));
    ASSERT_NO_FATAL_FAILURE(WriteKeysLanguage(LangFile("Keys.ini")));
    Start();
    const TSecondaryWindows windows = CreateSecondaryWindows(*Form);
    const std::vector<TForm*> forms = {
        Form,           windows.About,   windows.Progress,  windows.Options,    windows.FileInfo,
        windows.Errors, windows.CmdLine, windows.ToolsInfo, windows.CheckUpdate};
    const std::set<std::string> english = EnglishTexts();
    for (TForm* form : forms)
        EXPECT_FALSE(TextsLeftInEnglish(*form, english).empty()) << form->Name() << ": the walk sees English";

    windows.Options->Show();
    TVezComboBox* languages = windows.Options->cbLanguage;
    const int keys = languages->Items()->IndexOf("Keys");
    ASSERT_GE(keys, 0);
    languages->SetFocus();
    Press(languages, "Home");
    for (int i = 0; i < keys; ++i)
        Press(languages, "Down");
    Pump();
    ASSERT_EQ(AppParams.LanguageIni, "Keys.ini");

    for (TForm* form : forms) {
        for (const std::string& left : TextsLeftInEnglish(*form, english))
            ADD_FAILURE() << form->Name() << " left in English: " << left;
    }
    SaveScreenshot(*Render(windows.Options), "options_window_language_keys");
}

TEST_F(MainWindowLanguage, ListsKeepTheirSelectionAndTypedNumbers)
{
    std::filesystem::create_directories(ProgramFile("lang"));
    ASSERT_NO_FATAL_FAILURE(WriteKeysLanguage(LangFile("Keys.ini")));
    Start();
    TSettingsPanels& p = Form->Panels();
    ASSERT_EQ(p.cbAfterConversion->Items()->Count(), 3);
    EXPECT_EQ(p.cbAfterConversion->ItemIndex(), acDoNothing);

    p.cbAfterConversion->SetItemIndex(acCloseProgram);
    p.cbOutputExists->SetItemIndex(oeSkip);
    p.cbInterlacing->SetItemIndex(ItemIndex::InterlacingKeep);
    p.cbAviVideoBitrate->SetText("");
    PressAll(p.cbAviVideoBitrate->EditControl(), {"1", "2", "3", "4"});
    p.cbMpgVideoFPS->SetText("29.97");
    p.cbAviVideoFPS->SetText("fast"); // not a number: the list shows "Auto" again
    p.cbAviVideoAspect->SetText("16:10");
    ASSERT_EQ(p.cbAviVideoBitrate->Text(), "1234");
    ASSERT_EQ(p.cbAudioBitrate->Text(), "Auto");
    ASSERT_EQ(p.cbAviVideoThreads->Text(), "Auto");

    SwitchLanguage("Keys.ini");

    const struct
    {
        TVezComboBox* combo;
        int index;
        std::string text;
    } expected[] = {
        {p.cbAfterConversion, acCloseProgram, "«cbAfterConversion_CloseApplication»"},
        {p.cbOutputExists, oeSkip, "«cbOutputExists_Skip»"},
        {p.cbInterlacing, ItemIndex::InterlacingKeep, "«cbInterlacing_KeepOriginal»"},
        {p.cbAviVideoBitrate, -1, "1234"},
        {p.cbMpgVideoFPS, -1, "29.97"},
        {p.cbAviVideoFPS, -1, "«Auto»"},
        {p.cbAviVideoAspect, -1, "16:10"},
        {p.cbAudioBitrate, 0, "«Auto»"},
        {p.cbAviVideoThreads, 0, "«Auto»"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(e.combo->Text(), e.text);
        if (e.index >= 0) {
            EXPECT_EQ(e.combo->ItemIndex(), e.index) << e.text;
        }
    }
    EXPECT_EQ(p.cbAfterConversion->Items()->Count(), 3);

    SwitchLanguage("English.ini"); // absent: the English texts
    EXPECT_EQ(p.cbAviVideoBitrate->Text(), "1234");
    EXPECT_EQ(p.cbAudioBitrate->Text(), "Auto");
    EXPECT_EQ(p.cbAfterConversion->Text(), "Close application");
}

} // namespace
