#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The layout of the main window, its file list and the progress window as the settings file keeps
// it. The windows fill this record before saving and apply it after loading.

struct ColumnLayout
{
    std::string_view Name; // the column's component name, the prefix of its settings keys
    int32_t Width = 80;
    int32_t Position = 0;
    bool Visible = true;

    friend bool operator==(const ColumnLayout&, const ColumnLayout&) = default;
};

constexpr int32_t FileListColumnCount = 29;

// The file list's columns in the order of the settings keys, with their initial layout.
using FileListColumns = std::array<ColumnLayout, FileListColumnCount>;
FileListColumns DefaultFileListColumns();

// The check box and file name columns are always shown; they have no visibility key.
bool IsAlwaysVisibleColumn(std::string_view name);

struct GridLayout
{
    std::string FontName = "Segoe UI";
    int32_t FontSize = 8;     // points, 6 to 20
    int32_t RowHeight = 20;   // pixels, 12 to 50
    bool GridLines = true;    // goGrid
    bool RowIndicator = true; // goIndicator
    bool Footer = true;       // goFooter
    bool RowMoving = true;    // goRowMoving
    bool ColumnMoving = true; // the opposite of goDisableColumnMoving
    FileListColumns Columns = DefaultFileListColumns();

    friend bool operator==(const GridLayout&, const GridLayout&) = default;
};

constexpr int32_t MinGridFontSize = 6;
constexpr int32_t MaxGridFontSize = 20;
constexpr int32_t MinGridRowHeight = 12;
constexpr int32_t MaxGridRowHeight = 50;

// The header is taller for large fonts.
inline int32_t GridHeaderHeight(int32_t fontSize)
{
    return fontSize < 14 ? 22 : 34;
}

// A window's position and size as the settings file keeps them.
struct WindowBounds
{
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;

    friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

struct MainWindowLayout
{
    WindowBounds Bounds = {0, 0, 998, 712}; // the normal-state bounds
    bool Maximized = false;
    bool ConversionSettingsExpanded = true; // fpConversionSettings
    std::string LastDir;                    // start folder of the file dialogs

    friend bool operator==(const MainWindowLayout&, const MainWindowLayout&) = default;
};

struct ProgressWindowLayout
{
    WindowBounds Bounds = {0, 0, 774, 550};
    bool DontShowEncoderOutput = false; // chHideEncoderOutput
    bool CloseAfterConversion = true;   // chCloseAfterConversion

    friend bool operator==(const ProgressWindowLayout&, const ProgressWindowLayout&) = default;
};

struct WindowLayout
{
    MainWindowLayout Main;
    GridLayout Grid;
    std::optional<ProgressWindowLayout> Progress; // empty while the progress window does not exist

    friend bool operator==(const WindowLayout&, const WindowLayout&) = default;
};
