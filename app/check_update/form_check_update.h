#pragma once

#include "engine/forms/window_looks.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/services/web_client.h"
#include "support/system_colors.h"

#include <functional>
#include <memory>
#include <string>

class TAction;
class TActionList;
class TKvpPanel;
class TKvpPngButton;
class TLabel;
class TMemo;
class TTimer;

struct TStatusColors
{
    TColor Background = clWhite;
    TColor Font = clWindowText;
};

// Where the update check reads the version file and how: the addresses (empty ones disable the check and
// the download command) and the web request with its limits. Tests put in a server and trust of their own.
struct TUpdateCheckSource
{
    std::string VersionFileUrl;
    std::string DownloadPageUrl;
    THttpGetOptions Options;
    std::function<std::unique_ptr<THttpRequest>(const std::string& url, const THttpGetOptions& options,
                                                THttpDone done)>
        Fetch = HttpGetAsync;
};

// The program's source: the maker's addresses, at most 16 KiB in 15 seconds.
TUpdateCheckSource ProgramUpdateCheckSource();

// The update check window: asks the maker's server for the version file, compares its version with the
// program's and shows the verdict in a coloured status box, with a command to open the download page when
// a newer version exists. The request runs in the background: the window and the program go on meanwhile.
// Created once at start by the main window (its owner), which clears it, starts tmCheckUpdate and shows it.
class TFormCheckUpdate : public TForm
{
public:
    TFormCheckUpdate(TComponent* owner, const TWindowLooks& looks,
                     TUpdateCheckSource source = ProgramUpdateCheckSource());
    ~TFormCheckUpdate() override;

    // Neutral colours, an empty status box, no download command; a check under way is dropped.
    void ClearStatus();
    void SetStatusColors(const TStatusColors& colors);
    void SetLang();
    // Starts the check about a second after the window is shown.
    TTimer* tmCheckUpdate = nullptr;
    void tmCheckUpdateTimer(TObject* sender);

    void actCheckNowExecute(TObject* sender);
    void actGoToDownloadPageExecute(TObject* sender);
    void actCloseExecute(TObject* sender);
    void actEscExecute(TObject* sender);

    // True while a request is under way.
    bool Checking() const { return FRequest != nullptr; }
    TMemo* StatusBox() const { return me; }
    TLabel* LatestVersionLabel() const { return lblLatestVersion; }
    TAction* CheckNowAction() const { return actCheckNow; }
    TAction* DownloadAction() const { return actGoToDownloadPage; }

    TStatusColors StatusNone, StatusFailed, StatusNoUpdates, StatusUpdateAvailable;

private:
    void BuildLabels();
    void BuildStatusBox(const TWindowLooks& looks);
    void ReplyCame(const THttpResponse& response);
    // Ends the check with a message of the string table and colours.
    void EndCheck(const std::string& message, const TStatusColors& colors);
    void ShowNewVersion(const std::string& version, const std::string& releaseDate);

    TUpdateCheckSource FSource;
    std::unique_ptr<THttpRequest> FRequest; // the check under way
    TLabel* lblUserVersionDesc = nullptr;
    TLabel* lblUserVersion = nullptr;
    TLabel* lblLatestVersionDesc = nullptr;
    TLabel* lblLatestVersion = nullptr;
    TMemo* me = nullptr;
    TKvpPanel* pnBottom = nullptr;
    TKvpPngButton* btnCheckNow = nullptr;
    TKvpPngButton* btnGoToDownloadPage = nullptr;
    TKvpPngButton* btnClose = nullptr;
    TActionList* Actions = nullptr;
    TAction* actEsc = nullptr;
    TAction* actClose = nullptr;
    TAction* actCheckNow = nullptr;
    TAction* actGoToDownloadPage = nullptr;
};
