#include "errors_window_fixture.h"
#include "main_window_fixture.h"

#include "app/main/file_list_view.h"
#include "app/options/form_options.h"
#include "controls/edits/combo_box.h"
#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/font_combo_box6.h"
#include "controls/grid/number_column.h"
#include "controls/grid/spin_edit6.h"
#include "controls/pack/png_button.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "engine/encoder_settings.h"
#include "engine/language_files.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::string ReadText(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The user steps a spin edit with the arrow keys until it shows the value.
void SpinTo(TGxSpinEdit6* spin, int value)
{
    spin->SetFocus();
    for (int step = 0; step < 100 && spin->AsInteger() != value; ++step)
        Press(spin, spin->AsInteger() < value ? "Up" : "Down");
    ASSERT_EQ(spin->AsInteger(), value);
}

// The user picks a list's entry with the keyboard.
void Choose(TVezComboBox* combo, const std::string& item)
{
    const int index = combo->Items()->IndexOf(item);
    ASSERT_GE(index, 0) << item;
    combo->SetFocus();
    Press(combo, "Home");
    for (int i = 0; i < index; ++i)
        Press(combo, "Down");
    ASSERT_EQ(combo->ItemIndex(), index);
}

// The program-wide values the window changes, put back after each test.
class TSavedProgramValues
{
public:
    TSavedProgramValues() : params_(AppParams), codec_(DefaultVideoCodecIndex), shortcut_(ShortcutFileName)
    {
        ShortcutFileName = "quillmark.desktop"; // as the main window names it
    }
    ~TSavedProgramValues()
    {
        AppParams = params_;
        DefaultVideoCodecIndex = codec_;
        ShortcutFileName = shortcut_;
        LangIniList.reset();
    }
    TSavedProgramValues(const TSavedProgramValues&) = delete;
    TSavedProgramValues& operator=(const TSavedProgramValues&) = delete;

private:
    TAppParams params_;
    int32_t codec_;
    std::string shortcut_;
};

// The window over a file list on a window of its own, as the main window hands its file list over.
class OptionsWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        View = std::make_unique<TFileListView>(Templates.Owner, Templates.Owner);
        for (const char* name : {"a.mkv", "b.mkv"})
            View->AppendFileRow({Temp / name, Temp / name, true, "", 0, std::nullopt});
        Form = new TFormOptions(Templates.Owner, Templates.Looks,
                                {*View, ShortCut(VK_F12, {}), ProgramFile, [this] { ++LangSwitches; }});
        Form->Show();
        Pump();
    }
    void TearDown() override
    {
        Form->Free();
        View.reset();
    }
    TDataGrid& Grid() const { return *View->Grid(); }

    TSavedProgramValues Saved;
    ScratchFolder Temp;
    const std::string ProgramFile = Temp / "program/quillmark";
    TTemplateLooks Templates;
    std::unique_ptr<TFileListView> View;
    TFormOptions* Form = nullptr;
    int LangSwitches = 0;
};

TEST_F(OptionsWindow, CheckBoxesSwitchTheFileListAtOnce)
{
    struct Case
    {
        TCheckBox* TFormOptions::*Check;
        TGridOption Option;
        bool OptionMeansChecked;
    };
    const Case cases[] = {{&TFormOptions::chFileListGridLines, goGrid, true},
                          {&TFormOptions::chFileListFooter, goFooter, true},
                          {&TFormOptions::chFileListRowIndicator, goIndicator, true},
                          {&TFormOptions::chFileListAllowRowMoving, goRowMoving, true},
                          {&TFormOptions::chFileListAllowColumnMoving, goDisableColumnMoving, false}};
    for (const Case& c : cases) {
        TCheckBox* check = Form->*c.Check;
        const auto shown = [&] { return Grid().Options().Contains(c.Option) == c.OptionMeansChecked; };
        EXPECT_EQ(check->Checked(), shown()) << check->Caption();
        const bool before = check->Checked();
        for (bool expected : {!before, before}) {
            Click(check, {6, check->Height() / 2});
            EXPECT_EQ(check->Checked(), expected) << check->Caption();
            EXPECT_EQ(shown(), expected) << check->Caption();
        }
    }
    const bool opens = AppParams.OpenFileAfterIconClick;
    Click(Form->chFileListIconClickOpen, {6, 8});
    EXPECT_EQ(AppParams.OpenFileAfterIconClick, !opens);
}

// The header grows with large fonts; the rows already listed and the rows added later take the height.
TEST_F(OptionsWindow, FontAndRowHeightReachTheHeaderAndTheRows)
{
    const std::pair<int, int> headerOfFontSize[] = {{13, 22}, {14, 34}, {20, 34}, {6, 22}};
    for (const auto& [size, header] : headerOfFontSize) {
        SpinTo(Form->edFileListFontSize, size);
        EXPECT_EQ(Grid().GetHeaderRect().Height(), header) << size;
        EXPECT_EQ(Grid().Font()->Size(), size);
        TGxCustomColumn& column = *Grid().Columns()->Items(2);
        EXPECT_EQ(column.Font()->Size(), size);
        EXPECT_EQ(column.Header()->Font()->Size(), size);
    }

    // A row's rectangle holds its grid line below the row height.
    const int gridLine = Grid().GetRowRect(0).Height() - Grid().RowSize();
    SpinTo(Form->edFileListRowHeight, 31);
    View->AppendFileRow({Temp / "c.mkv", Temp / "c.mkv", true, "", 0, std::nullopt});
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Grid().GetRowRect(row).Height(), 31 + gridLine) << row;

    const std::string headerFont = Grid().Columns()->Items(2)->Header()->Font()->Name();
    TGxFontComboBox6& fonts = *Form->cbFileListFont;
    const int mono = fonts.Items()->IndexOf("DejaVu Sans Mono");
    ASSERT_GE(mono, 0);
    fonts.SelectItem(mono, true);
    EXPECT_EQ(Grid().Font()->Name(), "DejaVu Sans Mono");
    EXPECT_EQ(Grid().Columns()->Items(2)->Font()->Name(), "DejaVu Sans Mono");
    EXPECT_EQ(Grid().Columns()->Items(2)->Header()->Font()->Name(), headerFont);
}

TEST_F(OptionsWindow, ListsSetTheEncoderAndTheAnalysis)
{
    const std::pair<const char*, int32_t> codecs[] = {{"Xvid", ItemIndex::AviCodecXvid},
                                                      {"H.264", ItemIndex::AviCodecH264}};
    for (const auto& [item, codec] : codecs) {
        Choose(Form->cbDefaultVideoCodec, item);
        EXPECT_EQ(DefaultVideoCodecIndex, codec) << item;
    }
    const std::pair<const char*, TFileAnalysis> modes[] = {
        {"None", faNone}, {"Quick", faQuick}, {"Full", faFull}};
    for (const auto& [item, mode] : modes) {
        Choose(Form->cbFileListFileAnalysis, item);
        EXPECT_EQ(AppParams.FileAnalysis, mode) << item;
    }
}

// The controls show the values afresh each time the window becomes active (the user comes back from the
// main window, or shows the window again), and showing them changes nothing; Esc and the main window's
// Options key close the window.
TEST_F(OptionsWindow, ShowsTheCurrentValuesWhenActivatedAndClosesByKey)
{
    struct Values
    {
        bool Footer, ColumnMoving;
        int RowHeight;
        TFileAnalysis Analysis;
        int32_t Codec;
    };
    const auto setValues = [this](const Values& v) {
        Templates.Owner->SetFocus();
        Pump();
        TGridOptions options = Grid().Options() - goFooter - goDisableColumnMoving;
        Grid().SetOptions(options + (v.Footer ? TGridOptions{goFooter} : TGridOptions{}) +
                          (v.ColumnMoving ? TGridOptions{} : TGridOptions{goDisableColumnMoving}));
        Grid().SetRowSize(v.RowHeight);
        AppParams.FileAnalysis = v.Analysis;
        DefaultVideoCodecIndex = v.Codec;
    };
    const auto expectShown = [this](const Values& v, const std::string& when) {
        ASSERT_TRUE(Form->Active()) << when;
        EXPECT_EQ(Form->chFileListFooter->Checked(), v.Footer) << when;
        EXPECT_EQ(Form->chFileListAllowColumnMoving->Checked(), v.ColumnMoving) << when;
        EXPECT_EQ(Form->edFileListRowHeight->AsInteger(), v.RowHeight) << when;
        EXPECT_EQ(Form->cbFileListFileAnalysis->ItemIndex(), v.Analysis == faQuick ? 1 : 2) << when;
        EXPECT_EQ(Form->cbDefaultVideoCodec->Text(), v.Codec == ItemIndex::AviCodecXvid ? "Xvid" : "H.264")
            << when;
        EXPECT_EQ(AppParams.FileAnalysis, v.Analysis) << when;
        EXPECT_EQ(Grid().RowSize(), v.RowHeight) << when;
    };
    const Values first{false, false, 27, faQuick, ItemIndex::AviCodecXvid};
    const Values second{true, true, 33, faNone, ItemIndex::AviCodecH264};
    for (const char* key : {"Esc", "F12"}) {
        setValues(first);
        const TGridOptions options = Grid().Options();
        Form->SetFocus();
        Pump();
        expectShown(first, "back from the main window");
        EXPECT_EQ(Grid().Options(), options);

        Press(Form->chFileListFooter, key);
        EXPECT_FALSE(Form->Visible()) << key;
        setValues(second);
        Form->Show();
        Pump();
        expectShown(second, "shown again");
    }
}

TEST_F(OptionsWindow, PictureShowsEveryControlWithItsText)
{
    Pump();
    const std::unique_ptr<TBitmap> picture = Render(Form);
    SaveScreenshot(*picture, "options_window");
    ASSERT_EQ(picture->Width(), 518);
    ASSERT_EQ(picture->Height(), 371);
    EXPECT_EQ(Form->cbLanguage->Text(), "English") << "no language files: the built-in language";
    // Each caption is written in dark text where its control stands.
    const TControl* captioned[] = {Form->chFileListGridLines,         Form->chFileListFooter,
                                   Form->chFileListRowIndicator,      Form->chFileListAllowRowMoving,
                                   Form->chFileListAllowColumnMoving, Form->chFileListIconClickOpen,
                                   Form->lblFileListFontName,         Form->lblFileListFontSize,
                                   Form->lblFileListRowHeight,        Form->lblFileListAnalysis,
                                   Form->lblDefaultVideoCodec};
    for (const TControl* control : captioned) {
        const TRect r = control->BoundsRect();
        int dark = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                const TColor c = picture->Canvas()->Pixels(x, y);
                dark += (c & 0xFF) < 100 && ((c >> 8) & 0xFF) < 100 && ((c >> 16) & 0xFF) < 100;
            }
        EXPECT_GT(dark, 20) << "control " << (&control - captioned);
    }
}

// --- the desktop launcher, in a home folder of the test's own ---

class OptionsLauncher : public OptionsWindow
{
protected:
    void UseDesktop(const std::string& userDirsLine)
    {
        Home.Write("cfg/user-dirs.dirs", userDirsLine + "\n");
    }
    void PressButton() { Click(Form->btnCreateShortcutOnDesktop, {20, 10}); }
    void SetUp() override
    {
        OptionsWindow::SetUp();
        SetWindowServices(&Boxes);
    }
    void TearDown() override
    {
        SetWindowServices(nullptr);
        OptionsWindow::TearDown();
    }

    ScratchFolder Home;
    ScopedEnvironment HomeVariable{"HOME", Home.Path()};
    ScopedEnvironment ConfigVariable{"XDG_CONFIG_HOME", Home / "cfg"};
    TRecordingWindowServices Boxes;
};

TEST_F(OptionsLauncher, IsMadeOnceNeverReplacedAndReported)
{
    UseDesktop("XDG_DESKTOP_DIR=\"$HOME/Arbeitsfläche\"");
    const std::string launcher = Home / "Arbeitsfläche/quillmark.desktop";
    PressButton();
    ASSERT_TRUE(fs::is_regular_file(launcher));
    struct stat status
    {
    };
    ASSERT_EQ(stat(launcher.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0755u);
    const std::string text = ReadText(launcher);
    for (const std::string& line :
         std::vector<std::string>{"[Desktop Entry]\n", "Type=Application\n", "Exec=\"" + ProgramFile + "\"\n",
                                  "Path=" + Temp / "program" + "\n", "Comment=Quillmark 1.10  [64-bit]\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "in\n" << text;
    ASSERT_EQ(Boxes.Boxes.size(), 1u);
    EXPECT_EQ(Boxes.Boxes[0], "The shortcut was created:\n" + launcher);

    std::ofstream(launcher, std::ios::trunc) << "the user's own launcher";
    PressButton();
    EXPECT_EQ(ReadText(launcher), "the user's own launcher");
    ASSERT_EQ(Boxes.Boxes.size(), 2u);
    EXPECT_EQ(Boxes.Boxes[1], "The shortcut is there already:\n" + launcher);
}

TEST_F(OptionsLauncher, FolderThatCannotBeMadeIsReportedAsAFailure)
{
    Home.Write("blocker", "a file where the desktop folder should go");
    UseDesktop("XDG_DESKTOP_DIR=\"$HOME/blocker/Desktop\"");
    PressButton();
    EXPECT_FALSE(fs::exists(Home / "blocker/Desktop"));
    ASSERT_EQ(Boxes.Boxes.size(), 1u);
    EXPECT_EQ(Boxes.Boxes[0],
              "The shortcut could not be created:\n" + Home / "blocker/Desktop/quillmark.desktop");
}

// --- the language switch, with the main window ---

class OptionsWithMainWindow : public MainWindow
{
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        const std::string lang = ProgramFile("lang");
        fs::create_directories(lang);
        std::ofstream(lang + "/English.ini")
            << "[INFO]\nLangName_InEnglish=English\nLangName_Native=English\n";
        std::ofstream(lang + "/German.ini")
            << "[INFO]\nLangName_InEnglish=German\nLangName_Native=Deutsch\n"
               "[Options]\nCaption=Optionen\nchFileListFooter=Tabellenfuß zeigen\n"
               "FileAnalysis_Quick=Schnell\n"
               "[MAIN]\ncolSize=Größe\nClose=Schließen\n";
        // A language that leaves keys out: they show in English, not in the language chosen before.
        std::ofstream(lang + "/Second.ini") << "[INFO]\nLangName_InEnglish=Second\nLangName_Native=Zweite\n"
                                               "[Options]\nCaption=Einstellungen\n";
        Start();
        LangIniList = std::make_unique<TLangIniList>();
        LangIniList->SetSectionWithDisplayName("INFO");
        LangIniList->SetDisplayNameID("LangName_InEnglish");
        LangIniList->AddIniFilesFromDir(AppParams.LangDir, "ini");
        AppParams.LanguageIni = "English.ini";
        AppParams.FileAnalysis = faQuick;
        Options = new TFormOptions(Form, Form->WindowLooks(), Form->OptionsWindowHost());
        Options->SetOwnerForm(Form);
        TSecondaryWindows windows;
        windows.Options = Options;
        Form->SetSecondaryWindows(windows);
        Options->Show();
        Pump();
    }
    std::string SizeHeader() const { return Form->FileListView().Columns().colSize->Header()->Caption(); }

    TSavedProgramValues Saved;
    TFormOptions* Options = nullptr;
};

TEST_F(OptionsWithMainWindow, SwitchRenamesTheWindowsAndStartsFromEnglish)
{
    ASSERT_EQ(AppParams.LangDir, ProgramFile("lang"));
    EXPECT_EQ(Options->cbLanguage->Text(), "English");
    EXPECT_EQ(SizeHeader(), "Size");

    Choose(Options->cbLanguage, "Deutsch");
    EXPECT_EQ(AppParams.LanguageIni, "German.ini");
    EXPECT_EQ(Options->Caption(), "Optionen");
    EXPECT_EQ(Options->chFileListFooter->Caption(), "Tabellenfuß zeigen");
    EXPECT_EQ(Options->chFileListGridLines->Caption(), "Show grid lines");
    EXPECT_EQ(Options->btnOK->Caption(), "Schließen");
    EXPECT_EQ(Options->cbFileListFileAnalysis->Text(), "Schnell");
    EXPECT_EQ(SizeHeader(), "Größe");

    Choose(Options->cbLanguage, "Zweite");
    EXPECT_EQ(AppParams.LanguageIni, "Second.ini");
    EXPECT_EQ(Options->Caption(), "Einstellungen");
    EXPECT_EQ(Options->chFileListFooter->Caption(), "Show table footer");
    EXPECT_EQ(Options->cbFileListFileAnalysis->Text(), "Quick");
    EXPECT_EQ(SizeHeader(), "Size");
    EXPECT_EQ(AppParams.FileAnalysis, faQuick);
}

// The main window's Options key shows the window, whose same key closes it again.
TEST_F(OptionsWithMainWindow, OptionsKeyShowsAndClosesTheWindow)
{
    Options->Hide();
    Form->SetFocus();
    Pump();
    Press(Form, "F12");
    Pump();
    EXPECT_TRUE(Options->Visible());
    Press(Options->chFileListFooter, "F12");
    EXPECT_FALSE(Options->Visible());
}

// What the window changed is kept in the settings file when the main window closes, and the next start shows
// it again.
TEST_F(OptionsWithMainWindow, ChangesOutliveARestart)
{
    SpinTo(Options->edFileListFontSize, 14);
    SpinTo(Options->edFileListRowHeight, 30);
    Click(Options->chFileListGridLines, {6, 8});
    Choose(Options->cbDefaultVideoCodec, "H.264");
    ASSERT_FALSE(Form->FileListView().Grid()->Options().Contains(goGrid));
    CloseAndFree();

    DefaultVideoCodecIndex = ItemIndex::AviCodecXvid;
    Start();
    const TDataGrid& grid = *Form->FileListView().Grid();
    EXPECT_EQ(grid.Font()->Size(), 14);
    EXPECT_EQ(grid.GetHeaderRect().Height(), 34);
    EXPECT_EQ(grid.RowSize(), 30);
    EXPECT_FALSE(grid.Options().Contains(goGrid));
    EXPECT_TRUE(grid.Options().Contains(goFooter));
    EXPECT_EQ(DefaultVideoCodecIndex, ItemIndex::AviCodecH264);
}

} // namespace
