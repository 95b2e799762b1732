#pragma once

#include "engine/app_strings.h"
#include "engine/forms/window_looks.h"
#include "engine/window_layout.h"
#include "platform/gui/forms/forms.h"
#include "support/basic_types.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class TAction;
class TActionList;
class TCheckBox;
class TKvpPanel;
class TKvpPngButton;
class TLabel;
class TMarkupLabel;
class TVezMemo;
class TVezProgressBar;

// What the progress window asks of the main window. Empty members fall back to the owner form (when the
// window has one): whether it is minimised, and minimising or restoring it.
struct TProgressWindowServices
{
    std::function<bool()> IsMainWindowMinimized;
    std::function<void(bool minimized)> SetMainWindowMinimized;
};

// The window that follows a conversion run: the encoder's output, the status line, the input and output
// file, a percentage bar and the Abort button. It only shows what the run tells it (the main window passes
// the progress calls of the run host on to it, one to one) and sends the user's Abort to the run. Created
// once at start, stay-on-top, centred on its owner, never modal.
class TFormProgress : public TForm
{
public:
    // owner is the main window (may be null); the looks are copied into the window's button and panels.
    TFormProgress(TCustomForm* owner, const TWindowLooks& looks, TProgressWindowServices services = {});

    // The texts of the window from the string table; outside a run the Abort button reads Close.
    void SetLang(const TAppStrings& strings);
    // The window's section of the settings file, when the file exists; a missing key keeps its value.
    void LoadSettings(const std::string& iniName);
    // What the settings file keeps of the window.
    ProgressWindowLayout Layout() const;

    // The progress half of the run host.
    void ShowProgressWindow();
    void SetProgressCaption(const std::string& caption);
    void SetAbortCaption(const std::string& caption);
    void SetProgressBarVisible(bool visible);
    void SetProgressPosition(int position);
    void SetInputFileText(const std::string& text);
    void SetOutputFileMarkup(const std::string& markup);
    void SetStatusMarkup(const std::string& markup);
    void SetStatusColor(TColor color);
    bool IsEncoderOutputHidden();
    // Keeps the first firstChanged lines the memo shows (they are the same as before) and replaces the rest.
    void ShowMemoLines(const std::vector<std::string>& lines, size_t firstChanged);
    void ShowMemoText(const std::string& text);
    void ScrollMemoToBottom();
    // Hides the window when chCloseAfterConversion is checked; a minimised main window stays minimised.
    void ConversionFinished();

    // The Abort / Close command: asks the run to stop, or closes the window when no run is going on.
    void actAbortExecute();
    // F8 (and Esc): closes the window when no run is going on.
    void actF8Execute();

    // The controls, named as the layout names them.
    TKvpPanel* pnTop = nullptr;
    TLabel* lblEncoderOutput = nullptr;
    TCheckBox* chHideEncoderOutput = nullptr;
    TCheckBox* chCloseAfterConversion = nullptr;
    TKvpPanel* pnMemo = nullptr;
    TVezMemo* me = nullptr;
    TKvpPanel* pnStatus = nullptr;
    TLabel* lblStatusDesc = nullptr;
    TMarkupLabel* lblStatus = nullptr;
    TKvpPanel* pnFiles = nullptr;
    TLabel* lblInputFileDesc = nullptr;
    TLabel* lblInputFile = nullptr;
    TLabel* lblOutputFileDesc = nullptr;
    TMarkupLabel* lblOutputFile = nullptr;
    TKvpPanel* pnProgress = nullptr;
    TLabel* lblProgress = nullptr;
    TVezProgressBar* pbFile = nullptr;
    TKvpPngButton* btnAbort = nullptr;
    TActionList* alProgress = nullptr;
    TAction* actAbort = nullptr;
    TAction* actF8 = nullptr;

protected:
    // Closing the window during a run asks the run to stop; the window hides as usual.
    void DoClose(TCloseAction& action) override;

private:
    void BuildControls(const TWindowLooks& looks);
    void BuildTopPanel();
    void BuildMemo(const TWindowLooks& looks);
    void BuildStatusPanel(const TWindowLooks& looks);
    void BuildFilesPanel(const TWindowLooks& looks);
    void BuildProgressPanel(const TWindowLooks& looks);
    void BuildActions();
    void PrepareControls();
    void PlaceFilesRows();
    void PlaceProgressRow();
    bool MainWindowMinimized() const;
    void SetMainWindowMinimized(bool minimized);

    TProgressWindowServices FServices;
    std::optional<std::string> FMemoText; // what ShowMemoText put in the memo, while the memo shows it
    std::string FCloseCaption;            // the Abort button's caption outside a run
};
