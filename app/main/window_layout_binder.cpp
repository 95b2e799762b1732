#include "app/main/form_main.h"

#include "app/main/file_list_looks.h"
#include "app/main/file_list_view.h"
#include "controls/pack/flip_panel.h"

// The window's layout to and from the settings model: position and size of the normal state, the
// maximised state, whether the conversion settings are open, and the file list's looks and columns.

WindowLayout TFormMain::ReadWindowLayout()
{
    WindowLayout layout = FSettings.Layout;
    MainWindowLayout& main = layout.Main;
    main.Maximized = WindowState() == wsMaximized;
    // A maximised window keeps the bounds of its last normal state.
    if (!main.Maximized)
        main.Bounds = {Left(), Top(), Width(), Height()};
    main.ConversionSettingsExpanded = fpConversionSettings->Expanded();
    layout.Grid = ReadFileListLooks(*FFileListView->Grid(), layout.Grid);
    layout.Grid.Columns = FFileListView->ReadColumnLayout();
    return layout;
}

void TFormMain::ApplyWindowLayout(const WindowLayout& layout)
{
    const WindowBounds& bounds = layout.Main.Bounds;
    if (bounds.Width > 0 && bounds.Height > 0)
        SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    if (layout.Main.Maximized)
        SetWindowState(wsMaximized);
    fpConversionSettings->SetExpanded(layout.Main.ConversionSettingsExpanded);
    ApplyFileListLooks(*FFileListView->Grid(), layout.Grid);
    FFileListView->ApplyColumnLayout(layout.Grid.Columns);
}
