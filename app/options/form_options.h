#pragma once

#include "controls/grid/grid_types.h"
#include "engine/forms/window_looks.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/keys.h"

#include <array>
#include <functional>
#include <string>

class TAction;
class TActionList;
class TCheckBox;
class TFileListView;
class TGroupBox;
class TGxFontComboBox6;
class TGxSpinEdit6;
class TKvpPanel;
class TKvpPngButton;
class TLabel;
class TVezComboBox;
struct TDesktopLauncher;

// What the options window reaches of the main window.
struct TOptionsWindowHost
{
    TFileListView& FileList;            // the file list whose grid the list settings change
    TShortCut OptionsShortCut = 0;      // the main window's Options command: the same key closes this window
    std::string ProgramFile;            // what the desktop launcher starts
    std::function<void()> LangSwitched; // the string table changed: the other windows take its texts
};

// The options window: the language, the default video encoder, the file list's looks, the file analysis
// mode and the desktop launcher. Every change takes effect at once in the main window or the program-wide
// values (no OK or Cancel); the settings file keeps them when the main window closes. Created once at start
// by the main window (its owner), shown again and again, never modal; the controls show the current values
// each time the window becomes active.
class TFormOptions : public TForm
{
public:
    TFormOptions(TComponent* owner, const TWindowLooks& looks, TOptionsWindowHost host);
    ~TFormOptions() override;

    // Shows the current values in the controls.
    void InitControls();
    // Fills the language list from the language files found at start and selects the current one.
    void InitCbLanguage();
    // Applies the string table's texts (at creation and after a language change).
    void SetLang();

    // --- change handlers: each does nothing while the controls are being filled ---
    void cbLanguageChange(TObject* sender);
    void cbDefaultVideoCodecChange(TObject* sender);
    void cbFileListFontSelect(TObject* sender);
    void edFileListFontSizeChange(TObject* sender);
    void edFileListRowHeightChange(TObject* sender);
    // The check boxes of grid options: each adds its option to the grid's or takes it out.
    void chFileListGridOptionClick(TObject* sender);
    void chFileListIconClickOpenClick(TObject* sender);
    void cbFileListFileAnalysisChange(TObject* sender);
    // Makes the desktop launcher when it is missing and says what came of it.
    void btnCreateShortcutOnDesktopClick(TObject* sender);
    void actCloseExecute(TObject* sender);
    void actEscExecute(TObject* sender);

    // --- controls ---
    TGroupBox* gbLanguage = nullptr;
    TVezComboBox* cbLanguage = nullptr;
    TLabel* lblDefaultVideoCodec = nullptr;
    TVezComboBox* cbDefaultVideoCodec = nullptr;
    TKvpPngButton* btnCreateShortcutOnDesktop = nullptr;
    TKvpPanel* pnFileList = nullptr;
    TLabel* lblFileListHeader = nullptr; // the header panel's caption
    TLabel* lblFileListFontName = nullptr;
    TGxFontComboBox6* cbFileListFont = nullptr;
    TLabel* lblFileListFontSize = nullptr;
    TGxSpinEdit6* edFileListFontSize = nullptr;
    TLabel* lblFileListRowHeight = nullptr;
    TGxSpinEdit6* edFileListRowHeight = nullptr;
    TCheckBox* chFileListGridLines = nullptr;
    TCheckBox* chFileListFooter = nullptr;
    TCheckBox* chFileListRowIndicator = nullptr;
    TCheckBox* chFileListAllowRowMoving = nullptr;
    TCheckBox* chFileListAllowColumnMoving = nullptr;
    TCheckBox* chFileListIconClickOpen = nullptr;
    TLabel* lblFileListAnalysis = nullptr;
    TVezComboBox* cbFileListFileAnalysis = nullptr;
    TKvpPanel* pnBottom = nullptr;
    TKvpPngButton* btnOK = nullptr;
    TAction* actEsc = nullptr;
    TAction* actClose = nullptr;

private:
    // A check box that shows a grid option; an inverted one is checked while the option is absent.
    struct TGridOptionCheck
    {
        TCheckBox* Check;
        TGridOption Option;
        bool Inverted;
    };
    std::array<TGridOptionCheck, 5> GridOptionChecks() const;

    void BuildGeneralControls();
    void BuildFileListControls();
    void BuildFileListChecks();
    void WireEvents();
    void FormActivate(TObject* sender);
    void ShowLauncherResult(const TDesktopLauncher& launcher);

    TOptionsWindowHost FHost;
    TActionList* Actions = nullptr;
};
