#include "app/check_update/form_check_update.h"

#include "app/kit/program_constants.h"
#include "app/kit/secondary_window_parts.h"
#include "app/model/update_check.h"
#include "controls/pack/panel.h"
#include "engine/app_strings.h"
#include "engine/prepare_lang_str.h"
#include "platform/gui/services/link_opener.h"
#include "platform/gui/services/shell.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/timers.h"
#include "support/color_routines.h"

namespace {

constexpr int VersionFileLimitBytes = 16 * 1024;
constexpr int VersionFileTimeoutMs = 15000;

TLabel* AddVersionLabel(TForm& form, int left, int top, bool bold)
{
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetShowAccelChar(false);
    if (bold)
        label->Font()->SetStyle({fsBold});
    return label;
}

bool IsSuccessStatus(int status)
{
    return status >= 200 && status < 300;
}

} // namespace

TUpdateCheckSource ProgramUpdateCheckSource()
{
    TUpdateCheckSource source;
    source.VersionFileUrl = std::string(WebAddresses().UpdateInfo);
    source.DownloadPageUrl = std::string(WebAddresses().HomePage);
    source.Options.MaxBodyBytes = VersionFileLimitBytes;
    source.Options.TimeoutMs = VersionFileTimeoutMs;
    source.Options.UserAgent = std::string(ProgramDisplayName) + "/" + std::string(ProgramVersion);
    return source;
}

TFormCheckUpdate::TFormCheckUpdate(TComponent* owner, const TWindowLooks& looks, TUpdateCheckSource source)
    : TForm(owner), FSource(std::move(source))
{
    SetUpSecondaryWindow(*this, 465, 213, 465, 213);
    SetBorderStyle(bsDialog);
    SetColor(RGBToColor(230, 230, 230));
    Actions = new TActionList(this);
    actEsc = AddWindowAction(
        *Actions, [this](TObject* s) { actEscExecute(s); }, ShortCut(VK_ESCAPE, {}));
    actClose = AddWindowAction(*Actions, [this](TObject* s) { actCloseExecute(s); });
    actCheckNow = AddWindowAction(*Actions, [this](TObject* s) { actCheckNowExecute(s); });
    actGoToDownloadPage = AddWindowAction(*Actions, [this](TObject* s) { actGoToDownloadPageExecute(s); });

    tmCheckUpdate = new TTimer(this);
    tmCheckUpdate->SetEnabled(false);
    tmCheckUpdate->SetInterval(1000);
    tmCheckUpdate->OnTimer = [this](TObject* s) { tmCheckUpdateTimer(s); };

    pnBottom = AddBottomPanel(*this, looks);
    AddPanelButtons(
        *pnBottom,
        {{&btnGoToDownloadPage, actGoToDownloadPage}, {&btnCheckNow, actCheckNow}, {&btnClose, actClose}},
        looks);
    BuildLabels();
    BuildStatusBox(looks);

    StatusNone = {clWhite, clWindowText};
    StatusFailed = {RGBToColor(250, 218, 218), RGBToColor(79, 11, 11)};
    StatusNoUpdates = {clWhite, clWindowText};
    StatusUpdateAvailable = {RGBToColor(230, 240, 227), RGBToColor(29, 47, 26)};
    SetLang();
    ClearStatus();
}

TFormCheckUpdate::~TFormCheckUpdate() = default;

void TFormCheckUpdate::BuildLabels()
{
    lblUserVersionDesc = AddVersionLabel(*this, 12, 14, false);
    lblUserVersion = AddVersionLabel(*this, 150, 14, true);
    lblUserVersion->SetCaption(std::string(ProgramVersion));
    lblLatestVersionDesc = AddVersionLabel(*this, 12, 36, false);
    lblLatestVersion = AddVersionLabel(*this, 150, 36, true);
}

void TFormCheckUpdate::BuildStatusBox(const TWindowLooks& looks)
{
    me = new TMemo(this);
    me->SetParent(this);
    me->SetBounds(12, 62, ClientWidth() - 24, pnBottom->Top() - 62 - 10);
    me->SetAnchors({akLeft, akTop, akRight, akBottom});
    me->SetReadOnly(true);
    me->SetBorderStyle(bsNone);
    me->SetScrollBars(ssVertical);
    me->SetWordWrap(true);
    SetMonospaceFont(*me, looks.MonospaceFont);
}

void TFormCheckUpdate::ClearStatus()
{
    FRequest.reset();
    me->Lines()->Clear();
    SetStatusColors(StatusNone);
    actGoToDownloadPage->SetVisible(false);
    actCheckNow->SetEnabled(true);
}

void TFormCheckUpdate::SetStatusColors(const TStatusColors& colors)
{
    me->SetColor(colors.Background);
    me->Font()->SetColor(colors.Font);
}

void TFormCheckUpdate::SetLang()
{
    const TCheckUpdateModuleStrings& texts = AppStrings->CheckUpdate;
    SetCaption(texts.Caption);
    actClose->SetCaption(texts.actClose);
    actClose->SetHint(texts.actClose);
    lblUserVersionDesc->SetCaption(texts.lblUserVersion);
    lblLatestVersionDesc->SetCaption(texts.lblLatestVersion);
    actCheckNow->SetCaption(texts.CheckNow);
    actGoToDownloadPage->SetHint(texts.GoToDownloadPage);
    actGoToDownloadPage->SetCaption(texts.btnDownload);
}

void TFormCheckUpdate::tmCheckUpdateTimer(TObject*)
{
    tmCheckUpdate->SetEnabled(false);
    actCheckNow->Execute();
}

void TFormCheckUpdate::actCheckNowExecute(TObject*)
{
    ClearStatus();
    actCheckNow->SetEnabled(false);
    lblLatestVersion->SetCaption("");
    me->Lines()->SetText(PrepareLangStr(AppStrings->CheckUpdate.CheckingUpdates));
    // Without an address there is no server to ask; plain HTTP is never used.
    if (!IsSecureWebAddress(FSource.VersionFileUrl)) {
        EndCheck(AppStrings->CheckUpdate.ConnectionFailed, StatusFailed);
        return;
    }
    FRequest = FSource.Fetch(FSource.VersionFileUrl, FSource.Options,
                             [this](const THttpResponse& response) { ReplyCame(response); });
}

void TFormCheckUpdate::ReplyCame(const THttpResponse& response)
{
    const std::string text = VersionReplyText(response.Body);
    if (!response.Ok || !IsSuccessStatus(response.Status) || text.empty()) {
        EndCheck(AppStrings->CheckUpdate.ConnectionFailed, StatusFailed);
        return;
    }
    me->Lines()->Add(text);
    const TUpdateJudgement judgement = JudgeVersionReply(text, ProgramVersion);
    switch (judgement.Verdict) {
    case TUpdateVerdict::CannotCheck:
        EndCheck(AppStrings->CheckUpdate.CannotCheck, StatusFailed);
        break;
    case TUpdateVerdict::NoUpdates:
        lblLatestVersion->SetCaption(judgement.File.LastVersion);
        EndCheck(AppStrings->CheckUpdate.NoUpdates, StatusNoUpdates);
        break;
    case TUpdateVerdict::UpdateAvailable:
        ShowNewVersion(judgement.File.LastVersion, judgement.File.ReleaseDate);
        break;
    }
}

void TFormCheckUpdate::ShowNewVersion(const std::string& version, const std::string& releaseDate)
{
    lblLatestVersion->SetCaption(version);
    EndCheck(AppStrings->CheckUpdate.UpdatesAvailable, StatusUpdateAvailable);
    me->Lines()->SetText(me->Lines()->Text() + "\r\nLatest version: " + version +
                         "\r\nRelease date: " + releaseDate);
    actGoToDownloadPage->SetVisible(IsWebOrMailAddress(FSource.DownloadPageUrl));
}

void TFormCheckUpdate::EndCheck(const std::string& message, const TStatusColors& colors)
{
    // The request may be the caller: a web request touches nothing of itself once it has reported.
    FRequest.reset();
    me->Lines()->SetText(PrepareLangStr(message));
    SetStatusColors(colors);
    actCheckNow->SetEnabled(true);
}

void TFormCheckUpdate::actGoToDownloadPageExecute(TObject*)
{
    if (IsWebOrMailAddress(FSource.DownloadPageUrl))
        Shell().Open(FSource.DownloadPageUrl);
}

void TFormCheckUpdate::actCloseExecute(TObject*)
{
    Close();
}

void TFormCheckUpdate::actEscExecute(TObject*)
{
    Close();
}
