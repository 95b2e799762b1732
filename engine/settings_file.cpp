#include "engine/settings_file.h"

#include "engine/ini_section_reader.h"
#include "engine/tool_discovery.h"
#include "platform/system/ini_file.h"
#include "support/files.h"
#include "support/text_routines.h"

namespace {

constexpr std::string_view SectionMain = "MAIN";
constexpr std::string_view SectionProgress = "PROGRESS";

std::string FileAnalysisName(TFileAnalysis analysis)
{
    switch (analysis) {
    case faNone:
        return "None";
    case faQuick:
        return "Quick";
    default:
        return "Full";
    }
}

TFileAnalysis FileAnalysisFromName(std::string_view name)
{
    const std::string upper = UpperTrim(name);
    if (upper == "NONE")
        return faNone;
    if (upper == "QUICK")
        return faQuick;
    return faFull;
}

void LoadTools(const IniSectionReader& read, TAppParams& params)
{
    params.MediaInfoDll = AbsolutePathIn(read.String("MediaInfoDll", params.MediaInfoDll), ProgramDir);
    if (!FileExists(params.MediaInfoDll))
        GetMediaInfoDllPath(params);

    const std::string toolsDir =
        ExcludeTrailingDotAndDelimiter(AbsolutePathIn(read.String("ToolsDir", params.ToolsDir), ProgramDir));
    if (DirExists(toolsDir))
        params.ToolsDir = toolsDir;

    read.Text("LanguageIni", params.LanguageIni);

    params.ffmpeg = AbsolutePathIn(read.String("ffmpeg", params.ffmpeg), ProgramDir);
    if (!FileExists(params.ffmpeg))
        GetFFmpegExePath(params);
}

void LoadMainWindow(const IniSectionReader& read, MainWindowLayout& main, TSize screen)
{
    WindowBounds& bounds = main.Bounds;
    read.Integer("Left", bounds.Left);
    if (bounds.Left > screen.cx || bounds.Left < -screen.cx)
        bounds.Left = 0;
    read.Integer("Top", bounds.Top);
    if (bounds.Top < 0 || bounds.Top > screen.cy)
        bounds.Top = 0;
    read.Integer("Width", bounds.Width);
    read.Integer("Height", bounds.Height);
    read.Bool("Maximized", main.Maximized);
}

void LoadRunOptions(const IniSectionReader& read, RunOptions& run)
{
    read.Index("cbOutputExists", run.OutputExists, oeSkip + 1);
    read.Index("cbAfterConversion", run.AfterConversion, acShutDown + 1);
    read.Bool("OutIn", run.OutDirIsInDir);
    read.Text("OutDir", run.OutDir);
    read.Bool("KeepFileDates", run.KeepDates);
}

void LoadColumns(const IniSectionReader& read, FileListColumns& columns)
{
    for (ColumnLayout& column : columns)
        read.Integer(std::string(column.Name) + "_Width", column.Width);
    for (ColumnLayout& column : columns)
        read.Clamped(std::string(column.Name) + "_Position", column.Position, 0, FileListColumnCount - 1);
    for (ColumnLayout& column : columns)
        if (!IsAlwaysVisibleColumn(column.Name))
            read.Bool(std::string(column.Name) + "_Visible", column.Visible);
}

void LoadGrid(const IniSectionReader& read, GridLayout& grid)
{
    LoadColumns(read, grid.Columns);
    read.Clamped("RowHeight", grid.RowHeight, MinGridRowHeight, MaxGridRowHeight);
    // An empty font name cannot be shown: the grid keeps its font.
    const std::string fontName = read.String("ListFontName", grid.FontName);
    if (!fontName.empty())
        grid.FontName = fontName;
    read.Clamped("ListFontSize", grid.FontSize, MinGridFontSize, MaxGridFontSize);
    // Grid lines come back on when the key is missing, whatever the window had.
    grid.GridLines = true;
    read.Bool("GridLines", grid.GridLines);
    read.Bool("RowIndicator", grid.RowIndicator);
    read.Bool("GridFooter", grid.Footer);
    read.Bool("AllowRowMoving", grid.RowMoving);
    read.Bool("AllowColumnMoving", grid.ColumnMoving);
}

void WriteBounds(TIniFile& ini, std::string_view section, const WindowBounds& bounds)
{
    ini.WriteInteger(section, "Left", bounds.Left);
    ini.WriteInteger(section, "Top", bounds.Top);
    ini.WriteInteger(section, "Width", bounds.Width);
    ini.WriteInteger(section, "Height", bounds.Height);
}

void SaveMain(TIniFile& ini, const TAppParams& params, const ProgramSettings& settings)
{
    const MainWindowLayout& main = settings.Layout.Main;
    const GridLayout& grid = settings.Layout.Grid;
    const RunOptions& run = settings.Run;
    ini.WriteString(SectionMain, "LanguageIni", params.LanguageIni);
    ini.WriteBool(SectionMain, "Maximized", main.Maximized);
    // A maximised window keeps the bounds of its last normal state.
    if (!main.Maximized)
        WriteBounds(ini, SectionMain, main.Bounds);
    ini.WriteInteger(SectionMain, "cbOutputExists", run.OutputExists);
    ini.WriteInteger(SectionMain, "cbAfterConversion", run.AfterConversion);
    ini.WriteBool(SectionMain, "OutIn", run.OutDirIsInDir);
    ini.WriteString(SectionMain, "OutDir", run.OutDir);
    ini.WriteBool(SectionMain, "KeepFileDates", run.KeepDates);
    ini.WriteBool(SectionMain, "GridLines", grid.GridLines);
    ini.WriteBool(SectionMain, "RowIndicator", grid.RowIndicator);
    ini.WriteBool(SectionMain, "GridFooter", grid.Footer);
    ini.WriteInteger(SectionMain, "RowHeight", grid.RowHeight);
    ini.WriteBool(SectionMain, "AllowRowMoving", grid.RowMoving);
    ini.WriteBool(SectionMain, "AllowColumnMoving", grid.ColumnMoving);
    ini.WriteString(SectionMain, "ListFontName", grid.FontName);
    ini.WriteInteger(SectionMain, "ListFontSize", grid.FontSize);
    ini.WriteString(SectionMain, "FileAnalysis", FileAnalysisName(params.FileAnalysis));
    ini.WriteBool(SectionMain, "pnConversionSettingsExpanded", main.ConversionSettingsExpanded);
    ini.WriteBool(SectionMain, "OpenFileAfterIconClick", params.OpenFileAfterIconClick);
    ini.WriteString(SectionMain, "DefaultVideoCodec",
                    settings.DefaultVideoCodecIndex == ItemIndex::AviCodecH264 ? "H.264" : "Xvid");
    ini.WriteString(SectionMain, "OutputFormat", OutputFormatName(settings.OutputFormat));
    ini.WriteString(SectionMain, "LastDir", main.LastDir);
    ini.WriteBool(SectionMain, "DragAcceptDirectories", params.DragAcceptDirectories);
    for (const ColumnLayout& column : grid.Columns)
        ini.WriteInteger(SectionMain, std::string(column.Name) + "_Width", column.Width);
    for (const ColumnLayout& column : grid.Columns)
        ini.WriteInteger(SectionMain, std::string(column.Name) + "_Position", column.Position);
    for (const ColumnLayout& column : grid.Columns)
        if (!IsAlwaysVisibleColumn(column.Name))
            ini.WriteBool(SectionMain, std::string(column.Name) + "_Visible", column.Visible);
}

void SaveProgress(TIniFile& ini, const TAppParams& params, const ProgressWindowLayout& progress)
{
    ini.WriteBool(SectionProgress, "DontShowEncoderOutput", progress.DontShowEncoderOutput);
    WriteBounds(ini, SectionProgress, progress.Bounds);
    ini.WriteBool(SectionProgress, "CloseAfterConversion", progress.CloseAfterConversion);
    ini.WriteBool(SectionProgress, "AutoScrollMemoToBottom", params.ScrollProgressToBottom);
}

} // namespace

bool LoadSettingsFromIni(const std::string& iniName, TAppParams& params, ProgramSettings& settings,
                         TSize screenSize)
{
    if (!FileExists(iniName))
        return false;
    TIniFile ini(iniName);
    ini.HoldInMemory();
    const IniSectionReader read(ini, SectionMain);
    MainWindowLayout& main = settings.Layout.Main;

    params.EscExit = false;
    read.Bool("EscExit", params.EscExit);
    LoadTools(read, params);
    settings.OutputFormat = OutputFormatFromName(read.String("OutputFormat", "AVI"));
    LoadMainWindow(read, main, screenSize);
    LoadRunOptions(read, settings.Run);
    params.FileAnalysis = FileAnalysisFromName(read.String("FileAnalysis", "FULL"));
    LoadGrid(read, settings.Layout.Grid);
    const std::string lastDir = read.String("LastDir", main.LastDir);
    if (DirExists(lastDir))
        main.LastDir = lastDir;
    main.ConversionSettingsExpanded = true;
    read.Bool("pnConversionSettingsExpanded", main.ConversionSettingsExpanded);
    read.Bool("OpenFileAfterIconClick", params.OpenFileAfterIconClick);
    settings.DefaultVideoCodecIndex = UpperTrim(read.String("DefaultVideoCodec", "Xvid")) == "H.264"
                                          ? ItemIndex::AviCodecH264
                                          : ItemIndex::AviCodecXvid;
    read.Bool("DragAcceptDirectories", params.DragAcceptDirectories);
    return true;
}

bool SaveSettingsToIni(const std::string& iniName, const TAppParams& params, const ProgramSettings& settings)
{
    try {
        TIniFile ini(iniName);
        ini.HoldInMemory();
        SaveMain(ini, params, settings);
        if (settings.Layout.Progress)
            SaveProgress(ini, params, *settings.Layout.Progress);
        ini.UpdateFile();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool LoadProgressSettings(const std::string& iniName, ProgressWindowLayout& progress, TAppParams& params)
{
    if (!FileExists(iniName))
        return false;
    TIniFile ini(iniName);
    ini.HoldInMemory();
    const IniSectionReader read(ini, SectionProgress);
    read.Bool("DontShowEncoderOutput", progress.DontShowEncoderOutput);
    read.Integer("Width", progress.Bounds.Width);
    read.Integer("Height", progress.Bounds.Height);
    read.Bool("CloseAfterConversion", progress.CloseAfterConversion);
    read.Bool("AutoScrollMemoToBottom", params.ScrollProgressToBottom);
    return true;
}
