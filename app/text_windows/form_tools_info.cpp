#include "app/text_windows/form_tools_info.h"

#include "app/kit/secondary_window_parts.h"
#include "controls/pack/panel.h"
#include "engine/app_strings.h"
#include "engine/tools_report.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/windows/actions.h"
#include "support/system_colors.h"

TFormToolsInfo::TFormToolsInfo(TComponent* owner, const TWindowLooks& looks) : TForm(owner)
{
    SetUpSecondaryWindow(*this, 748, 304, 300, 200);
    SetColor(clBtnFace);
    Actions = new TActionList(this);
    actEsc = AddWindowAction(
        *Actions, [this](TObject* s) { actEscExecute(s); }, ShortCut(VK_ESCAPE, {}));
    actClose = AddWindowAction(*Actions, [this](TObject* s) { actCloseExecute(s); });
    actSelectAll = AddWindowAction(
        *Actions, [this](TObject* s) { actSelectAllExecute(s); }, ShortCut('A', {ssCtrl}));

    pnBottom = AddBottomPanel(*this, looks);
    AddPanelButtons(*pnBottom, {{&btnClose, actClose}}, looks);
    me = new TMemo(this);
    me->SetParent(this);
    me->SetAlign(alClient);
    me->SetReadOnly(true);
    me->SetBorderStyle(bsNone);
    me->SetScrollBars(ssBoth);
    me->SetWordWrap(false);
    me->SetHideSelection(false);
    me->Lines()->Clear();
    SetMonospaceFont(*me, looks.MonospaceFont);
    SetLang();
}

void TFormToolsInfo::ShowToolsReport()
{
    ShowReport(GetToolsInfoStr(ReportLabelWidth));
}

void TFormToolsInfo::ShowReport(const std::string& report)
{
    me->Lines()->Clear();
    me->Lines()->SetText(report);
    Show();
}

void TFormToolsInfo::SetLang()
{
    SetCaption(AppStrings->ToolsInfo.Caption);
    actClose->SetCaption(AppStrings->ToolsInfo.actClose);
    actClose->SetHint(AppStrings->ToolsInfo.actClose);
}

void TFormToolsInfo::actCloseExecute(TObject*)
{
    Close();
}

void TFormToolsInfo::actEscExecute(TObject*)
{
    Close();
}

void TFormToolsInfo::actSelectAllExecute(TObject*)
{
    me->SelectAll();
}
