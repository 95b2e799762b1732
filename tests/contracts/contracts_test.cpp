// What the program's windows call in the libraries beneath them, written once with the argument types the
// windows pass: a renamed routine or a changed signature stops this file compiling. Behaviour is tested
// here only where the windows rely on something no library suite pins.

#include "controls/edits/combo_box.h"
#include "controls/edits/group_box.h"
#include "controls/edits/typed_edit.h"
#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/control6.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/font_combo_box6.h"
#include "controls/grid/header_panel.h"
#include "controls/grid/number_edit6.h"
#include "controls/grid/spin_edit6.h"
#include "controls/pack/browse_dialog.h"
#include "controls/pack/button_appearance.h"
#include "controls/pack/flat_hint.h"
#include "controls/pack/flip_panel.h"
#include "controls/pack/html_text_label.h"
#include "controls/pack/link_label.h"
#include "controls/pack/memo_ex.h"
#include "controls/pack/notebook.h"
#include "controls/pack/panel_appearance.h"
#include "controls/pack/png_button.h"
#include "controls/pack/repeat_timer.h"
#include "controls/pack/simple_panel.h"
#include "controls/pack/speed_button_appearance.h"
#include "controls/pack/track_bar.h"
#include "controls/skins/skin_edit.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_spin_edit.h"
#include "controls/skins/skins_list.h"
#include "controls/toolbars/item.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "engine/audio_bitrates.h"
#include "engine/engine_utils.h"
#include "engine/error_records.h"
#include "engine/ffmpeg_report_analysis.h"
#include "engine/language_files.h"
#include "engine/media_info_records.h"
#include "engine/mediainfo_analysis.h"
#include "engine/prepare_lang_str.h"
#include "engine/run_state.h"
#include "engine/setting_text_parsing.h"
#include "engine/tool_discovery.h"
#include "engine/tools_report.h"
#include "support/color_routines.h"
#include "support/crc32.h"
#include "support/date_time.h"
#include "support/file_search.h"
#include "support/files.h"
#include "support/number_conversion.h"
#include "support/packed_container.h"
#include "support/rect_routines.h"
#include "support/shell_link.h"
#include "support/special_folders.h"
#include "support/text_routines.h"
#include "support/window_services.h"

#include <gtest/gtest.h>

#include <type_traits>

// The call compiles with the windows' arguments and answers what they use.
#define ANSWERS(Type, ...) static_assert(std::is_same_v<decltype(__VA_ARGS__), Type>, #__VA_ARGS__)

namespace {

// --- the support library ----------------------------------------------------------------------------------

[[maybe_unused]] void SupportRoutines(const std::string& text, TWindowHandle owner, TMemoryStream& stream)
{
    ANSWERS(bool, CanConvertToInt(text));
    ANSWERS(int32_t, ClampInt(0, 6, 20));
    ANSWERS(void, CreateShellLink(text, "Desktop", "Quillmark.desktop", text));
    ANSWERS(bool, DeleteFileForce(text));
    ANSWERS(bool, DirExists(text));
    ANSWERS(std::string, ExcludeTrailingDotAndDelimiter(text));
    ANSWERS(uint32_t, FileCrc32(text));
    ANSWERS(std::string, FileSizeToStr(int64_t{}, " bytes"));
    ANSWERS(std::string, FloatToStrTrimmed(0.0, 2, "."));
    ANSWERS(std::string, GetDesktopDir());
    ANSWERS(int64_t, GetFileSizeWithFallback(text));
    ANSWERS(std::string, GetTempDir(text));
    ANSWERS(std::string, Int64ToStrSep(int64_t{}, U' '));
    ANSWERS(std::string, IntToString(int32_t{}));
    ANSWERS(std::string, IntToStrSep(int32_t{}, U' '));
    ANSWERS(bool, IsValidFloatStr(text, false));
    ANSWERS(TColor, LightenDarkenColor(TColor{}, 10, true));
    ANSWERS(std::string, MsToTimeStr(int64_t{}, true));
    ANSWERS(bool, PointInRect(TPoint{}, TRect{}, true));
    ANSWERS(std::string, RandomHexString(16, "", false));
    ANSWERS(std::string, ReplaceFirst(text, "<input_file>", text, false));
    ANSWERS(std::string, ReplaceAll(text, "   ", " ", false));
    std::vector<std::string> found;
    ANSWERS(void, SearchFiles("*", text, found, 10, false, false));
    ANSWERS(bool, SetWindowTopmost(owner, true));
    ANSWERS(bool, ShellFolderFileExists("Desktop", text));
    ANSWERS(int, ShowWarningBox(text, text, owner));
    ANSWERS(double, StrToFloatTolerant(text, 0.0));
    ANSWERS(int, SzlExtractInPlace(stream));
    ANSWERS(std::string, TStr::PadLeft(text, 2, U'0'));
    ANSWERS(std::string, TStr::RemoveAll(text, " ", false));
}

// The windows show sizes of any sign with " bytes" below a kilobyte, and counts of any sign in groups.
TEST(SupportContracts, SizesAndGroupedNumbersOfEitherSign)
{
    const struct
    {
        int64_t size;
        const char* text;
    } sizes[] = {{1023, "1023 bytes"}, {1024, "1.00 KB"}, {-1, "-1 bytes"}, {-1024, "-1.00 KB"}};
    for (const auto& c : sizes)
        EXPECT_EQ(FileSizeToStr(c.size, " bytes"), c.text) << c.size;
    EXPECT_EQ(IntToStrSep(-1000, U' '), "-1 000");
    EXPECT_EQ(IntToStrSep(-999, U' '), "-999");
    EXPECT_EQ(Int64ToStrSep(-1234567890123LL, U' '), "-1 234 567 890 123");
}

// --- the conversion engine --------------------------------------------------------------------------------

class TLinesLog : public IErrorLogSink
{
public:
    void Clear() override { Lines.clear(); }
    void Add(const std::string& line) override { Lines.push_back(line); }
    std::vector<std::string> Lines;
};

[[maybe_unused]] void EngineServices(const std::string& text, TAudioBitrateTable& table)
{
    TAppParams& params = AppParams;
    ANSWERS(void, InitAppParams(params));
    for (std::string* folder :
         {&params.ToolsDir, &params.LangDir, &params.DataDir, &params.ProfilesDir, &params.IniName,
          &params.LastProfileFile, &params.FourccTagsFile, &params.AudioBitratesTxt, &params.ResolutionTxt,
          &params.LanguageIni, &params.ffmpeg, &params.MediaInfoDll, &params.LastDir})
        (void)folder;
    ANSWERS(TFileAnalysis, params.FileAnalysis);
    ANSWERS(bool,
            params.DragAcceptDirectories&& params.OpenFileAfterIconClick&& params.ScrollProgressToBottom);
    ANSWERS(std::string, params.MonospaceFont.Name);
    ANSWERS(int32_t, params.MonospaceFont.Size);

    TAppStrings& strings = *AppStrings;
    ANSWERS(void, strings.SetEN());
    ANSWERS(void, strings.LoadFromFile(text));
    for (const std::string* shown : {&strings.Main.Ready,
                                     &strings.Main.AverageShort,
                                     &strings.Main.Errors,
                                     &strings.Main.CommandLineInfo,
                                     &strings.Main.Close,
                                     &strings.Main.actExploreDirectory,
                                     &strings.FileInfo.ScanType_Interlaced,
                                     &strings.FileInfo.ScanType_Progressive,
                                     &strings.Errors.Caption,
                                     &strings.Errors.actClose,
                                     &strings.Errors.actSaveLog,
                                     &strings.Errors.actClearLog,
                                     &strings.Errors.dlgSaveLogFilter,
                                     &strings.About.Caption,
                                     &strings.About.Donation,
                                     &strings.ToolsInfo.Caption,
                                     &strings.ToolsInfo.actClose,
                                     &strings.CheckUpdate.Caption,
                                     &strings.CheckUpdate.CannotCheck,
                                     &strings.Options.FileAnalysis_None,
                                     &strings.FileInfo.lblAudioStreamIndex,
                                     &strings.FileInfo.Report_DataStreams})
        (void)shown;

    ANSWERS(bool&, (ConversionRunning));
    ANSWERS(bool&, (BatchOnlyMode));
    ANSWERS(std::string&, (BatchScriptFileName));
    ANSWERS(int32_t&, (ErrorCount));
    ANSWERS(bool&, (AbortTimeoutElapsed));
    ANSWERS(int32_t&, (DefaultVideoCodecIndex));

    TVideoFileInfo info;
    ANSWERS(void, ClearVideoFileInfo(info));
    ANSWERS(std::string, GetFFmpegExePath(params));
    ANSWERS(std::string, GetMediaInfoDllPath(params));
    ANSWERS(void, GetMediaInfoFileInfo(text, params.MediaInfoDll, info));
    ANSWERS(TVideoFileInfo, GetFFmpegFileInfo(text, params.ffmpeg));
    ANSWERS(bool, IsSupportedInputFile(text));
    ANSWERS(std::string, GetToolsInfoStr(24));
    ANSWERS(bool, GetAudioBitrateInfoText(table, text));

    ANSWERS(std::string, PrepareLangStr(text, text, text));
    ANSWERS(std::string, VolumeToStr(100));
    ANSWERS(bool, IsValidRatio(text));

    TLangIniList languages;
    ANSWERS(void, languages.AddIniFilesFromDir(params.LangDir, ".ini"));
    ANSWERS(TLangIniListItem&, languages.GetItem(0));
    ANSWERS(TLangIniListItem*, languages.GetItemByShortFileName(text));
    ANSWERS(TLangIniListItem*, languages.GetItemByNativeName(text));

    TLinesLog log;
    ANSWERS(void, ClearErrorLog(log));
    ANSWERS(void, AddErrorRecord(log, text, text, text, 1, text));
}

// The error log window is the engine's log: clearing it resets the count the window's caption shows.
TEST(EngineContracts, TheErrorLogWindowTakesRecordsAndClearingResetsTheCount)
{
    TLinesLog log;
    ErrorCount = 3;
    log.Lines = {"old"};
    ClearErrorLog(log);
    EXPECT_EQ(ErrorCount, 0);
    EXPECT_TRUE(log.Lines.empty());
    AddErrorRecord(log, "encoder said no", "/in/a b.avi", "/out/a b.avi", 1, "");
    ASSERT_GE(log.Lines.size(), 7u);
    EXPECT_EQ(log.Lines[0], "//" + std::string(60, '-'));
    EXPECT_EQ(log.Lines[2], "Error # 1");
    EXPECT_EQ(log.Lines.back(), "encoder said no");
}

// --- the grid and its 6-series controls -------------------------------------------------------------------

[[maybe_unused]] void GridMembers(TDataGrid& ng, TGxHeaderPanel& panel, TGxControl6& themed,
                                  TGxNumberEdit6& number, TGxSpinEdit6& spin, TGxFontComboBox6& fonts)
{
    ANSWERS(int, ng.AddRow(1));
    ANSWERS(TCell*, ng.Cell(0, 0));
    ANSWERS(int, ng.RowCount());
    ANSWERS(void, ng.DeleteRow(0));
    ANSWERS(void, ng.ClearRows());
    ANSWERS(bool, ng.GetSelected(0));
    ANSWERS(int, ng.SelectedCount());
    ANSWERS(int, ng.SelectedRow());
    ANSWERS(void, ng.SetSelectedRow(-1));
    ANSWERS(int, ng.Row(0)->RowHeight());
    ANSWERS(int, ng.RowSize());
    ANSWERS(int, ng.HeaderSize());
    ANSWERS(void, ng.BeginUpdate());
    ANSWERS(void, ng.EndUpdate(true));
    ANSWERS(void, ng.ScrollToRow(0));
    ANSWERS(TRect, ng.GetHeaderRect());
    ANSWERS(void, ng.SetOptions(ng.Options() + goFooter + goGrid + goIndicator + goRowMoving +
                                goDisableColumnMoving));
    ANSWERS(void, ng.SetSelectionColor(ng.SelectionColor()));
    ANSWERS(void, ng.SetInactiveSelectionColor(ng.InactiveSelectionColor()));
    ANSWERS(void, ng.SetHighlightedTextColor(ng.HighlightedTextColor()));
    ANSWERS(void, ng.SetKV_CornerBoxTop(clNone));
    ANSWERS(void, ng.SetKV_CornerBoxTopBorder(clNone));
    ANSWERS(void, ng.SetKV_CornerBoxBottom(clNone));
    ANSWERS(void, ng.SetKV_CornerBoxBottomBorder(clNone));
    ANSWERS(void, ng.SetKV_HeaderGrid(clNone));
    ANSWERS(void, ng.SetKV_IndicatorColumnBackground(clNone));
    ANSWERS(void, ng.SetKV_IndicatorColumnGrid(clNone));
    ANSWERS(void, ng.SetKV_FooterAreaSplitter(clNone));
    ANSWERS(void, ng.SetKV_FooterBorder(clNone));
    (void)ng.OnCellClick, (void)ng.OnCellColoring, (void)ng.OnCellFormating, (void)ng.OnSelectCell;
    (void)ng.OnAfterEdit, (void)ng.OnAfterSort, (void)ng.OnKeyUp, (void)ng.OnMouseDown;
    (void)ng.KV_OnAfterSetFocus, (void)ng.KV_OnAfterKillFocus;

    TCell& cell = *ng.Cell(0, 0);
    ANSWERS(bool, cell.AsBoolean());
    ANSWERS(int32_t, cell.AsInteger());
    ANSWERS(double, cell.AsFloat());
    ANSWERS(std::string, cell.AsString());
    ANSWERS(void, cell.SetAsString(""));

    TGxCustomColumn& column = *ng.Columns()->Items(0);
    ANSWERS(int, column.Index());
    ANSWERS(void, column.SetVisible(false));
    ANSWERS(int, ng.Columns()->Count());
    ANSWERS(void, column.Header()->SetCaption(""));
    ANSWERS(void, column.Footer()->SetColor(clNone));
    ANSWERS(void, column.Header()->SetParentFont(true));

    ANSWERS(void, panel.SetCaption(""));
    ANSWERS(void, panel.SetHeaderColor(clNone));
    ANSWERS(void, themed.SetBorderColor(clNone));
    ANSWERS(void, number.SetValue(number.Value() + number.Min() + number.Max() + number.Precision()));
    ANSWERS(void, spin.SetIncrement(spin.Increment()));
    ANSWERS(void, spin.SetValue(spin.Value()));
    (void)number.OnChange, (void)spin.OnChange, (void)fonts.OnSelect;
}

// --- the component pack -----------------------------------------------------------------------------------

[[maybe_unused]] void PackMembers(TKvpTimer& timer, TKvpPngButton& button, TKvpCustomLinkLabel& link,
                                  TVhHTMLText2& about, TKVGxTrackBar6& bar, TKVGxCustomNotebook6& notebook,
                                  TKVGxFlipPanel& flip, TRQBrowseDialog& browse,
                                  TKvpSimplePanelAppearance& simple, TKvpPanelAppearance& panel,
                                  TKvpBasicPanelAppearance& basic, TKvpButtonAppearance& looks,
                                  TKvpBasicSpeedButtonAppearance& speed)
{
    HintWindowClass = THintWindowClass::Of<TFlatHintWindow>();
    TFlatHint* appHint = nullptr;
    (void)appHint;
    ANSWERS(void, timer.Start());
    ANSWERS(void, timer.Restart());
    ANSWERS(void, timer.SetRepeatCountLimit(1));
    ANSWERS(void, timer.SetInterval(1000));
    (void)timer.OnTimer;
    ANSWERS(void, panel.Assign(&panel));
    ANSWERS(void, basic.Assign(&basic));
    ANSWERS(void, looks.Assign(&looks));
    ANSWERS(void, speed.Assign(&speed, false)); // the main window keeps ShowCaption copied
    ANSWERS(void, simple.SetBorderStyle(psSolid));
    ANSWERS(void, SetPngButtonFonts(button, "DejaVu Sans", 9));
    ANSWERS(void, SetLinkLabelFonts(link, "DejaVu Sans", 9));
    ANSWERS(void, link.SetURL("https://example.org"));
    ANSWERS(void, about.SetText(""));
    ANSWERS(void, about.SetAutoOpenLink(true));
    ANSWERS(void, about.SetStyleLinkNormal(about.StyleLinkNormal()));
    ANSWERS(void, about.SetStyleLinkHover(about.StyleLinkHover()));
    ANSWERS(void, bar.SetPosition(bar.Position()));
    for (TColor color :
         {bar.TrackColor(), bar.TrackColorTo(), bar.TrackBorderColor(), bar.TrackDisabledColor(),
          bar.TrackDisabledColorTo(), bar.TrackDisabledBorderColor(), bar.ThumbColor(),
          bar.ThumbBorderColor(), bar.ThumbDisabledColor(), bar.ThumbDisabledBorderColor(),
          bar.ThumbHotColor(), bar.ThumbHotBorderColor(), bar.ProgressColor(), bar.ProgressColorTo(),
          bar.ProgressDisabledColor(), bar.ProgressDisabledBorderColor()})
        (void)color;
    ANSWERS(void, bar.SetProgressColor(clNone));
    ANSWERS(void, notebook.SetActivePage(notebook.ActivePage()));
    ANSWERS(void, notebook.SetActivePageIndex(notebook.ActivePageIndex()));
    ANSWERS(void, flip.SetCaption(""));
    ANSWERS(bool, browse.Execute());
    ANSWERS(const std::string&, browse.FolderName());
}

// --- edits, group box and toolbar items -------------------------------------------------------------------

[[maybe_unused]] void EditsAndItems(TVezComboBox& combo, TVezEdit& edit, TVezGroupBox& group,
                                    TBarCustomItem& item, TKvpMemoEx& memo)
{
    ANSWERS(void, combo.SetEnabled(false));
    ANSWERS(void, combo.SetVisible(false));
    ANSWERS(void, combo.SetColor(clNone));
    ANSWERS(void, edit.SetText(""));
    ANSWERS(void, group.SetBorderColor(clNone));
    ANSWERS(void, group.SetBorderStyle(group.BorderStyle()));
    ANSWERS(void, item.SetCaption(""));
    ANSWERS(void, item.SetChecked(true));
    ANSWERS(void, item.SetEnabled(false));
    (void)memo;
}

// --- the skins -------------------------------------------------------------------------------------------

[[maybe_unused]] void SkinsMembers(const TStringList& skinText, TQvEdit& edit, TQvSpinEdit& spin)
{
    ANSWERS(TQvSkinManager&, GetSkinManager());
    ANSWERS(int, GetSkinManager().SkinsList().AddSkin(skinText));
    ANSWERS(void, GetSkinManager().SetSkin("main"));
    ANSWERS(void, edit.SetBorderStyle(bsNone));
    ANSWERS(void, edit.Repaint());
    ANSWERS(void, spin.SetValue(spin.Value() + 8.0));
}

} // namespace
