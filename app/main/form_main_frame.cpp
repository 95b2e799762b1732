#include "app/main/form_main.h"

#include "app/main/file_adding.h"
#include "app/main/file_list_view.h"
#include "app/main/settings_panels.h"
#include "controls/grid/data_grid.h"
#include "controls/pack/browse_dialog.h"
#include "controls/pack/flat_hint.h"
#include "controls/pack/flip_panel.h"
#include "controls/pack/png_button.h"
#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_popup_menu.h"
#include "controls/skins/skin_toolbar.h"
#include "engine/app_strings.h"
#include "platform/gui/graphics/graphics.h"
#include "platform/gui/services/dialogs.h"
#include "platform/gui/services/tray_icon.h"
#include "platform/gui/standard/panels.h"
#include "platform/gui/windows/actions.h"

// The window's frame, built in code in the order its parts stack: the menu bar and the tool bar in their
// docks at the top, the conversion settings folding at the bottom with the output options above them, and
// the file list filling the rest.

namespace {

constexpr int MenuDockHeight = 25;
constexpr int ToolbarDockHeight = 30;
constexpr int OutputOptionsHeight = 80;
constexpr int ConversionSettingsHeight = 302;

TQvDock* TopDock(TFormMain* form, const std::string& name, int top, int height)
{
    auto* dock = new TQvDock(form);
    dock->SetName(name);
    dock->SetAllowDrag(false);
    dock->SetParent(form);
    dock->SetBounds(0, top, form->ClientWidth(), height);
    return dock;
}

// What both bars share: no frame, grips or close button, never floating, sized or customised.
TQvToolbar* FixedBar(TFormMain* form, const std::string& name)
{
    auto* bar = new TQvToolbar(form);
    bar->SetName(name);
    bar->SetBorderStyle(bsNone);
    bar->SetCloseButton(false);
    bar->SetDockMode(dmCannotFloatOrChangeDocks);
    bar->SetDragHandleStyle(dhNone);
    bar->SetFullSize(true);
    bar->SetResizable(false);
    bar->SetCustomizable(false);
    return bar;
}

TPanel* NewPanel(TComponent* owner, TWinControl* parent, const std::string& name, TAlign align)
{
    auto* panel = new TPanel(owner);
    panel->SetName(name);
    panel->SetCaption("");
    panel->SetBevelOuter(bvNone);
    panel->SetAlign(align);
    panel->SetParent(parent);
    return panel;
}

template <typename Dialog> Dialog* NewDialog(TComponent* owner, const std::string& name)
{
    auto* dialog = new Dialog(owner);
    dialog->SetName(name);
    return dialog;
}

} // namespace

void TFormMain::BuildFrame()
{
    CreateMainActions(this, Actions);
    ilActions = CreateMainActionImages(this, Actions);
    BuildDialogs();
    BuildBars();
    BuildPanels();
    BuildMenus();
    BuildPopups();
    BuildFileList();

    // The application's hints take their looks from here.
    AppHint = new TFlatHint(this);
    AppHint->SetName("AppHint");
    AppHint->SetColorBackground(0xF8F8F8);
    AppHint->SetColorArrowBackground(0x383838);
    AppHint->SetColorArrow(0xE2E2E2);
    AppHint->Font()->SetColor(0x383838);
    AppHint->Font()->SetName("Segoe UI");
    AppHint->Font()->SetHeight(-12);
    AppHint->SetMaxHintWidth(450);

    ti = new TTrayIcon(this);
    ti->SetName("ti");
    ti->SetPopupMenu(popTi);
}

void TFormMain::BuildDialogs()
{
    dlgOpenProfile = NewDialog<TOpenDialog>(this, "dlgOpenProfile");
    dlgSaveProfile = NewDialog<TSaveDialog>(this, "dlgSaveProfile");
    dlgSaveBAT = NewDialog<TSaveDialog>(this, "dlgSaveBAT");
    dlgSaveBAT->SetFilter("Shell scripts (*.sh)|*.sh");
    dlgSaveBAT->SetDefaultExt("sh");
    dlgSaveBAT->SetOptions(dlgSaveBAT->Options() + TOpenOptions{ofOverwritePrompt});
    // One folder dialog serves Add folder and the output folder's Browse.
    dlgFolder = NewDialog<TRQBrowseDialog>(this, "dlgFolder");
    dlgFolder->SetOptions({boDirsOnly, boNewDlgStyle, boEditBox, boContextHelp});
    dlgFolder->SetHeadline("Output directory:");
}

void TFormMain::BuildBars()
{
    dockMenu = TopDock(this, "dockMenu", 0, MenuDockHeight);
    dockToolbar = TopDock(this, "dockToolbar", MenuDockHeight, ToolbarDockHeight);
    dockToolbar->SetLimitToOneRow(true);

    tbMainMenu = FixedBar(this, "tbMainMenu");
    tbMainMenu->SetDockPos(0);
    tbMainMenu->SetProcessShortCuts(true);
    tbMainMenu->SetShrinkMode(tbsmWrap);
    tbMainMenu->SetStretch(true);
    tbMainMenu->SetMenuBar(true);
    tbMainMenu->SetParent(dockMenu);

    tbMain = FixedBar(this, "tbMain");
    tbMain->SetDockPos(1);
    tbMain->SetOptions({tboToolbarStyle, tboToolbarSize});
    tbMain->SetParentShowHint(false);
    tbMain->SetShowHint(true);
    tbMain->SetShowCaption(false);
    tbMain->SetShrinkMode(tbsmNone);
    tbMain->SetParent(dockToolbar);
}

void TFormMain::BuildPanels()
{
    // Bottom-aligned controls stack upwards in the order they come.
    fpConversionSettings = new TKVGxFlipPanel(this);
    fpConversionSettings->SetName("fpConversionSettings");
    fpConversionSettings->SetAlign(alBottom);
    fpConversionSettings->SetHeight(ConversionSettingsHeight);
    fpConversionSettings->SetFullHeight(ConversionSettingsHeight);
    fpConversionSettings->SetCaption("Conversion settings");
    fpConversionSettings->SetParent(this);

    pnMid = NewPanel(this, this, "pnMid", alBottom);
    pnMid->SetHeight(OutputOptionsHeight);

    pnGridBg = NewPanel(this, this, "pnGridBg", alClient);
}

void TFormMain::BuildFileList()
{
    FFileListView = std::make_unique<TFileListView>(pnGridBg, this);
    FFileListView->Grid()->SetPopupMenu(popLv);
    FFileListView->OnListChanged = [this] { InitControls(); };
    FFileListView->OnSelectedRowSettled = [this](int32_t row) { FollowSelectedRow(row); };
    FFileListView->OnHeaderContextMenu = [this](TPoint screenPos) {
        popColumns->Popup(screenPos.X, screenPos.Y);
    };

    TFileAddingCallbacks callbacks;
    callbacks.InitControls = [this] { InitControls(); };
    callbacks.UpdateInitialFolders = [this](const std::string& dir) { UpdateInitialFolders(dir); };
    callbacks.FileAdded = [this](const std::string& dir) { FSettings.Layout.Main.LastDir = dir; };
    callbacks.ProcessMessages = [this] { ProcessMessages(); };
    callbacks.ShowError = [this](const std::string& text) { ShowError(text); };
    callbacks.DragAcceptDirectories = [] { return AppParams.DragAcceptDirectories; };
    callbacks.ChooseFolder = [this](const std::string& start) -> std::optional<std::string> {
        dlgFolder->SetFolderName(start);
        if (!dlgFolder->Execute())
            return std::nullopt;
        return dlgFolder->FolderName();
    };
    FAdding = std::make_unique<TFileAdding>(*FFileListView, this, std::move(callbacks));
}

TWindowLooks TFormMain::WindowLooks() const
{
    return FPanels->WindowLooks();
}

void TFormMain::BuildSettingsPanels()
{
    // The conversion settings go into the flip panel, the output options into pnMid; the texts are the
    // string table's, which lives as long as the window.
    FPanels = std::make_unique<TSettingsPanels>(this, fpConversionSettings, pnMid, *AppStrings);
    FPanels->btnBrowseOutDir->SetAction(Actions.actBrowseOutDir);
    FPanels->btnExplore->SetAction(Actions.actExploreOutDir);
    FPanels->btnLoadProfile->SetAction(Actions.actLoadSelectedProfile);
    FPanels->OnSettingsChanged = [this] { InitControls(); };
    BindProfileCommands();
    BindInfoButtons();
}
