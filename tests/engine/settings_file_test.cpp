#include "engine/settings_file.h"

#include "../support/scratch_folder.h"
#include "engine/tool_discovery.h"
#include "file_events.h"
#include "platform/system/ini_file.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

constexpr TSize Screen = {1920, 1080};

// Every value the file holds, away from its default.
ProgramSettings ChangedSettings(const std::string& existingFolder)
{
    ProgramSettings s;
    s.OutputFormat = ofMpg;
    s.DefaultVideoCodecIndex = ItemIndex::AviCodecH264;
    s.Run = {false, "/srv/videos/out", oeSkip, acCloseProgram, true};
    s.Layout.Main = {{10, 20, 800, 600}, false, false, existingFolder};
    GridLayout& grid = s.Layout.Grid;
    grid.FontName = "DejaVu Sans";
    grid.FontSize = 12;
    grid.RowHeight = 30;
    grid.GridLines = grid.RowIndicator = grid.Footer = grid.RowMoving = grid.ColumnMoving = false;
    for (ColumnLayout& column : grid.Columns) {
        column.Width += 7;
        column.Position = FileListColumnCount - 1 - column.Position;
        column.Visible = IsAlwaysVisibleColumn(column.Name) || !column.Visible;
    }
    s.Layout.Progress = ProgressWindowLayout{{5, 6, 700, 500}, true, false};
    return s;
}

TAppParams ChangedParams()
{
    TAppParams params;
    params.LanguageIni = "Deutsch.ini";
    params.FileAnalysis = faQuick;
    params.OpenFileAfterIconClick = false;
    params.DragAcceptDirectories = false;
    params.ScrollProgressToBottom = true;
    return params;
}

TAppParams StartParams()
{
    TAppParams params;
    params.FileAnalysis = faFull;
    params.OpenFileAfterIconClick = true;
    params.DragAcceptDirectories = true;
    return params;
}

std::map<std::string, std::string> ReadSectionValues(const std::string& file, const std::string& section)
{
    const TIniFile ini(file);
    std::map<std::string, std::string> values;
    for (const std::string& key : ini.ReadSection(section))
        values[key] = ini.ReadString(section, key, "");
    return values;
}

class SettingsFile : public testing::Test
{
protected:
    void SetUp() override { ProgramDir = Folder.Path(); }

    ScratchFolder Folder;
    std::string Ini = (Folder / "quillconv.ini");
};

} // namespace

TEST_F(SettingsFile, EveryKeyIsWrittenAndReadBack)
{
    const ProgramSettings saved = ChangedSettings(Folder.Path());
    ASSERT_TRUE(SaveSettingsToIni(Ini, ChangedParams(), saved));

    std::map<std::string, std::string> main = ReadSectionValues(Ini, "MAIN");
    const std::map<std::string, std::string> expectedMain = {
        {"LanguageIni", "Deutsch.ini"},
        {"Maximized", "0"},
        {"Left", "10"},
        {"Top", "20"},
        {"Width", "800"},
        {"Height", "600"},
        {"cbOutputExists", "2"},
        {"cbAfterConversion", "1"},
        {"OutIn", "0"},
        {"OutDir", "/srv/videos/out"},
        {"KeepFileDates", "1"},
        {"GridLines", "0"},
        {"RowIndicator", "0"},
        {"GridFooter", "0"},
        {"RowHeight", "30"},
        {"AllowRowMoving", "0"},
        {"AllowColumnMoving", "0"},
        {"ListFontName", "DejaVu Sans"},
        {"ListFontSize", "12"},
        {"FileAnalysis", "Quick"},
        {"pnConversionSettingsExpanded", "0"},
        {"OpenFileAfterIconClick", "0"},
        {"DefaultVideoCodec", "H.264"},
        {"OutputFormat", "MPG"},
        {"LastDir", Folder.Path()},
        {"DragAcceptDirectories", "0"},
        {"colNo_Width", "47"},
        {"colStatus_Position", "0"},
        {"colVideoBpp_Position", "11"},
        {"colAudio_Visible", "0"},
        {"colVideoCodec_Visible", "1"},
    };
    for (const auto& [key, value] : expectedMain)
        EXPECT_EQ(main[key], value) << key;
    EXPECT_EQ(main.size(), 26u + 29 + 29 + 27);
    EXPECT_EQ(main.count("colActive_Visible") + main.count("colFileName_Visible") + main.count("EscExit"),
              0u);
    EXPECT_EQ(ReadSectionValues(Ini, "PROGRESS"),
              (std::map<std::string, std::string>{{"DontShowEncoderOutput", "1"},
                                                  {"Left", "5"},
                                                  {"Top", "6"},
                                                  {"Width", "700"},
                                                  {"Height", "500"},
                                                  {"CloseAfterConversion", "0"},
                                                  {"AutoScrollMemoToBottom", "1"}}));

    TAppParams params = StartParams();
    ProgramSettings loaded;
    ASSERT_TRUE(LoadSettingsFromIni(Ini, params, loaded, Screen));
    loaded.Layout.Progress = saved.Layout.Progress; // the progress window reads its own section
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(params.LanguageIni, "Deutsch.ini");
    EXPECT_EQ(params.FileAnalysis, faQuick);
    EXPECT_FALSE(params.OpenFileAfterIconClick);
    EXPECT_FALSE(params.DragAcceptDirectories);

    ProgressWindowLayout progress;
    ASSERT_TRUE(LoadProgressSettings(Ini, progress, params));
    EXPECT_EQ(progress, (ProgressWindowLayout{{0, 0, 700, 500}, true, false})); // its position is not read
    EXPECT_TRUE(params.ScrollProgressToBottom);
}

TEST_F(SettingsFile, AMaximisedWindowKeepsItsNormalBounds)
{
    ProgramSettings settings = ChangedSettings(Folder.Path());
    ASSERT_TRUE(SaveSettingsToIni(Ini, StartParams(), settings));
    settings.Layout.Main.Maximized = true;
    settings.Layout.Main.Bounds = {0, 0, 1920, 1080};
    settings.Layout.Progress.reset();
    ASSERT_TRUE(SaveSettingsToIni(Ini, StartParams(), settings));

    TAppParams params = StartParams();
    ProgramSettings loaded;
    ASSERT_TRUE(LoadSettingsFromIni(Ini, params, loaded, Screen));
    EXPECT_TRUE(loaded.Layout.Main.Maximized);
    EXPECT_EQ(loaded.Layout.Main.Bounds, (WindowBounds{10, 20, 800, 600}));
}

TEST_F(SettingsFile, MalformedValuesKeepOrRepairAndLoseNothingElse)
{
    using Check = std::function<void(const TAppParams&, const ProgramSettings&)>;
    const struct
    {
        const char* Keys;
        Check Expect;
    } cases[] = {
        {"Left=5000\nTop=-5\nWidth=99999999999\nHeight=abc\n",
         [](const TAppParams&, const ProgramSettings& s) {
             EXPECT_EQ(s.Layout.Main.Bounds, (WindowBounds{0, 0, 998, 712}));
         }},
        {"Left=-1000\nTop=1080\n",
         [](const TAppParams&, const ProgramSettings& s) {
             EXPECT_EQ(s.Layout.Main.Bounds.Left, -1000);
             EXPECT_EQ(s.Layout.Main.Bounds.Top, 1080);
         }},
        {"Left=-1921\nTop=1081\n",
         [](const TAppParams&, const ProgramSettings& s) {
             EXPECT_EQ(s.Layout.Main.Bounds.Left, 0);
             EXPECT_EQ(s.Layout.Main.Bounds.Top, 0);
         }},
        {"RowHeight=100\nListFontSize=3\n",
         [](const TAppParams&, const ProgramSettings& s) {
             EXPECT_EQ(s.Layout.Grid.RowHeight, 50);
             EXPECT_EQ(s.Layout.Grid.FontSize, 6);
         }},
        {"FileAnalysis=qUiCk\n",
         [](const TAppParams& p, const ProgramSettings&) { EXPECT_EQ(p.FileAnalysis, faQuick); }},
        {"FileAnalysis=none\n",
         [](const TAppParams& p, const ProgramSettings&) { EXPECT_EQ(p.FileAnalysis, faNone); }},
        {"FileAnalysis=slow\n",
         [](const TAppParams& p, const ProgramSettings&) { EXPECT_EQ(p.FileAnalysis, faFull); }},
        {"DefaultVideoCodec=  h.264  \n",
         [](const TAppParams&, const ProgramSettings& s) { EXPECT_EQ(s.DefaultVideoCodecIndex, 2); }},
        {"DefaultVideoCodec=x264\n",
         [](const TAppParams&, const ProgramSettings& s) { EXPECT_EQ(s.DefaultVideoCodecIndex, 0); }},
        {"EscExit=7\n", [](const TAppParams& p, const ProgramSettings&) { EXPECT_TRUE(p.EscExit); }},
        // Keys with fixed defaults: grid lines on, panel expanded, AVI page, Esc does not close.
        {"",
         [](const TAppParams& p, const ProgramSettings& s) {
             EXPECT_TRUE(s.Layout.Grid.GridLines);
             EXPECT_TRUE(s.Layout.Main.ConversionSettingsExpanded);
             EXPECT_EQ(s.OutputFormat, ofAvi);
             EXPECT_FALSE(p.EscExit);
             EXPECT_EQ(p.FileAnalysis, faFull);
             EXPECT_EQ(s.DefaultVideoCodecIndex, 0);
         }},
        // Everything else keeps what it was.
        {"cbOutputExists=9\ncbAfterConversion=-1\nOutIn=maybe\nMaximized=\nRowIndicator=yes\n"
         "colNo_Width=1e3\ncolNo_Visible=x\nLastDir=/no/such/folder\nListFontName=\n",
         [](const TAppParams&, const ProgramSettings& s) {
             EXPECT_EQ(s.Run.OutputExists, oeSkip);
             EXPECT_EQ(s.Run.AfterConversion, acCloseProgram);
             EXPECT_FALSE(s.Run.OutDirIsInDir);
             EXPECT_TRUE(s.Layout.Main.Maximized);
             EXPECT_TRUE(s.Layout.Grid.RowIndicator);
             EXPECT_EQ(s.Layout.Grid.Columns[0].Width, 40);
             EXPECT_TRUE(s.Layout.Grid.Columns[0].Visible);
             EXPECT_EQ(s.Layout.Main.LastDir, "/keep");
             EXPECT_EQ(s.Layout.Grid.FontName, "Keep Sans");
         }},
        {"colNo_Position=99\ncolActive_Position=-3\ncolActive_Visible=0\n",
         [](const TAppParams&, const ProgramSettings& s) {
             EXPECT_EQ(s.Layout.Grid.Columns[0].Position, FileListColumnCount - 1);
             EXPECT_EQ(s.Layout.Grid.Columns[1].Position, 0);
             EXPECT_TRUE(s.Layout.Grid.Columns[1].Visible); // the check box column is always shown
         }},
    };
    for (const auto& c : cases) {
        Folder.Write("quillconv.ini", std::string("junk\x01\n=\n[MAIN]\n") + c.Keys + "[OTHER]\nLeft=77\n");
        TAppParams params = StartParams();
        params.EscExit = true;
        ProgramSettings settings;
        settings.OutputFormat = ofMpg;
        settings.DefaultVideoCodecIndex = 2;
        settings.Run.OutputExists = oeSkip;
        settings.Run.AfterConversion = acCloseProgram;
        settings.Run.OutDirIsInDir = false;
        settings.Layout.Main.Maximized = true;
        settings.Layout.Main.LastDir = "/keep";
        settings.Layout.Main.ConversionSettingsExpanded = false;
        settings.Layout.Grid.GridLines = false;
        settings.Layout.Grid.FontName = "Keep Sans";
        ASSERT_TRUE(LoadSettingsFromIni(Ini, params, settings, Screen)) << c.Keys;
        SCOPED_TRACE(c.Keys);
        c.Expect(params, settings);
    }
}

TEST_F(SettingsFile, ToolPathsAreTakenAgainstTheProgramFolderOrResolvedAgain)
{
    Folder.Write("mytools/readme", "");
    Folder.Write("bin/ffmpeg", "#!/bin/sh\n");
    Folder.Write("lib/libmediainfo.so.0", "");
    Folder.Write("quillconv.ini",
                 "[MAIN]\nToolsDir=mytools/.\nffmpeg=bin/ffmpeg\nMediaInfoDll=lib/libmediainfo.so.0\n");
    TAppParams params = StartParams();
    params.ToolsDir = "/start/tools";
    ProgramSettings settings;
    ASSERT_TRUE(LoadSettingsFromIni(Ini, params, settings, Screen));
    EXPECT_EQ(params.ToolsDir, (Folder / "mytools"));
    EXPECT_EQ(params.ffmpeg, (Folder / "bin/ffmpeg"));
    EXPECT_EQ(params.MediaInfoDll, (Folder / "lib/libmediainfo.so.0"));

    Folder.Write("quillconv.ini", "[MAIN]\nToolsDir=nowhere\nffmpeg=/no/ffmpeg\nMediaInfoDll=/no/lib.so\n");
    TAppParams expected = params;
    expected.ffmpeg = "/no/ffmpeg";
    expected.MediaInfoDll = "/no/lib.so";
    GetFFmpegExePath(expected);
    GetMediaInfoDllPath(expected);
    ASSERT_TRUE(LoadSettingsFromIni(Ini, params, settings, Screen));
    EXPECT_EQ(params.ToolsDir, (Folder / "mytools"));
    EXPECT_EQ(params.ffmpeg, expected.ffmpeg);
    EXPECT_EQ(params.MediaInfoDll, expected.MediaInfoDll);
}

TEST_F(SettingsFile, AMissingFileChangesNothingAndAFailedSaveReportsIt)
{
    TAppParams params = ChangedParams();
    ProgramSettings settings = ChangedSettings("/x");
    EXPECT_FALSE(LoadSettingsFromIni(Ini, params, settings, Screen));
    ProgressWindowLayout progress{{1, 2, 3, 4}, true, false};
    EXPECT_FALSE(LoadProgressSettings(Ini, progress, params));
    EXPECT_EQ(settings, ChangedSettings("/x"));
    EXPECT_EQ(progress, (ProgressWindowLayout{{1, 2, 3, 4}, true, false}));
    EXPECT_EQ(params.LanguageIni, "Deutsch.ini");

    EXPECT_FALSE(SaveSettingsToIni(Folder.Write("plain", "") + "/quillconv.ini", params, settings));
}

// A save reads the file once and replaces it once, with every key or, when a value cannot be stored, with
// none; a load reads it once.
TEST_F(SettingsFile, SavedAndLoadedInOneGo)
{
    const ProgramSettings saved = ChangedSettings(Folder.Path());
    FileEvents events(Folder.Path());
    ASSERT_TRUE(SaveSettingsToIni(Ini, ChangedParams(), saved));
    EXPECT_EQ(events.MovedIn("quillconv.ini"), 1);
    EXPECT_LE(events.Opened("quillconv.ini"), 1);

    events.Reset();
    TAppParams params = StartParams();
    ProgramSettings loaded;
    ASSERT_TRUE(LoadSettingsFromIni(Ini, params, loaded, Screen));
    ProgressWindowLayout progress;
    ASSERT_TRUE(LoadProgressSettings(Ini, progress, params));
    EXPECT_EQ(events.Opened("quillconv.ini"), 2);

    const std::map<std::string, std::string> before = ReadSectionValues(Ini, "MAIN");
    ProgramSettings unstorable = saved;
    unstorable.Layout.Main.Bounds.Left = 99;
    unstorable.Run.OutDir = "two\nlines";
    EXPECT_FALSE(SaveSettingsToIni(Ini, ChangedParams(), unstorable));
    EXPECT_EQ(ReadSectionValues(Ini, "MAIN"), before);
}
