// The progress window's controls, built in code: the top panel with the check boxes, the memo filling the
// client area and, from top to bottom, the status, files and progress panels.

#include "controls/edits/markup_label.h"
#include "controls/edits/progress_bar.h"
#include "controls/memo/vez_memo.h"
#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"
#include "engine/forms/form_progress.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/keys.h"

namespace {

constexpr int DesignedClientWidth = 774;
constexpr int DesignedClientHeight = 550;
constexpr int TopPanelHeight = 30;
constexpr int StatusPanelHeight = 30;
constexpr int FilesPanelHeight = 50;
constexpr int ProgressPanelHeight = 44;
constexpr int Margin = 8;
constexpr int ValueLeft = 96; // where the values stand beside their descriptions
constexpr int AbortWidth = 120;
constexpr int AbortHeight = 30;

template <typename T> T* NewChild(TWinControl* parent, int left, int top, int width, int height)
{
    auto* control = new T(parent);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

TKvpPanel* NewPanel(TWinControl* form, TAlign align, int top, int height)
{
    auto* panel = NewChild<TKvpPanel>(form, 0, top, DesignedClientWidth, height);
    panel->SetAlign(align);
    panel->SetBevelOuter(bvNone);
    panel->SetShowCaption(false);
    return panel;
}

// A bottom panel, in the looks of the main window's bottom panels.
TKvpPanel* NewBottomPanel(TWinControl* form, int top, int height, const TWindowLooks& looks)
{
    TKvpPanel* panel = NewPanel(form, alBottom, top, height);
    ApplyPanelLooks(*panel, looks);
    return panel;
}

TLabel* NewLabel(TWinControl* parent, int left, int top)
{
    auto* label = NewChild<TLabel>(parent, left, top, 80, 16);
    label->SetAutoSize(true);
    label->SetTransparent(true);
    return label;
}

// A file name shows as it is: an "&" in it marks no accelerator.
TLabel* NewValueLabel(TWinControl* parent, int top)
{
    auto* label = NewChild<TLabel>(parent, ValueLeft, top, parent->ClientWidth() - ValueLeft - Margin, 18);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->SetShowAccelChar(false);
    label->SetEllipsisPosition(epPathEllipsis);
    label->SetAnchors({akLeft, akTop, akRight});
    return label;
}

TMarkupLabel* NewMarkupLabel(TWinControl* parent, int top)
{
    auto* label =
        NewChild<TMarkupLabel>(parent, ValueLeft, top, parent->ClientWidth() - ValueLeft - Margin, 20);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->SetShowAccelChar(false);
    label->SetEllipsis(true);
    label->SetVAlignment(tvaCenter);
    label->SetAnchors({akLeft, akTop, akRight});
    return label;
}

} // namespace

void TFormProgress::BuildControls(const TWindowLooks& looks)
{
    SetBorderIcons({biSystemMenu});
    SetPosition(poOwnerFormCenter);
    SetFormStyle(fsStayOnTop);
    Font()->SetHeight(-12);
    SetClientWidth(DesignedClientWidth);
    SetClientHeight(DesignedClientHeight);
    Constraints()->SetMinWidth(600);
    Constraints()->SetMinHeight(300);

    BuildActions();
    BuildTopPanel();
    // The bottom panels first, the lowest first, so that each goes above those before it; the memo fills
    // what they leave.
    BuildProgressPanel(looks);
    BuildFilesPanel(looks);
    BuildStatusPanel(looks);
    BuildMemo(looks);
}

void TFormProgress::BuildActions()
{
    alProgress = new TActionList(this);
    actAbort = new TAction(this);
    actAbort->SetActionList(alProgress);
    actAbort->OnExecute = [this](TObject*) { actAbortExecute(); };
    actF8 = new TAction(this);
    actF8->SetActionList(alProgress);
    actF8->SetShortCut(ShortCut(VK_F8, {}));
    actF8->SecondaryShortCuts().Add(ShortCutToText(ShortCut(VK_ESCAPE, {})));
    actF8->OnExecute = [this](TObject*) { actF8Execute(); };
}

void TFormProgress::BuildTopPanel()
{
    pnTop = NewPanel(this, alTop, 0, TopPanelHeight);
    lblEncoderOutput = NewLabel(pnTop, Margin, 8);
    const int right = pnTop->ClientWidth() - Margin;
    chCloseAfterConversion = NewChild<TCheckBox>(pnTop, right - 260, 6, 260, 18);
    chCloseAfterConversion->SetAnchors({akTop, akRight});
    chCloseAfterConversion->SetChecked(true);
    chHideEncoderOutput = NewChild<TCheckBox>(pnTop, right - 260 - 200, 6, 190, 18);
    chHideEncoderOutput->SetAnchors({akTop, akRight});
}

void TFormProgress::BuildMemo(const TWindowLooks& looks)
{
    pnMemo = NewPanel(this, alClient, TopPanelHeight, 300);
    pnMemo->SetBorderWidth(4);
    me = NewChild<TVezMemo>(pnMemo, 0, 0, pnMemo->ClientWidth(), pnMemo->ClientHeight());
    me->SetAlign(alClient);
    me->SetReadOnly(true);
    me->SetWantTab(false); // a log to read: Tab goes on to the window's controls
    me->SetScrollBars(ssVertical);
    me->Gutter()->SetVisible(false);
    me->SetShowRightMargin(false);
    TFont font;
    font.SetName(looks.MonospaceFont.Name);
    if (looks.MonospaceFont.Size > 0)
        font.SetSize(looks.MonospaceFont.Size);
    me->SetFont(&font);
}

void TFormProgress::BuildStatusPanel(const TWindowLooks& looks)
{
    pnStatus = NewBottomPanel(this, 400, StatusPanelHeight, looks);
    lblStatusDesc = NewLabel(pnStatus, Margin, 8);
    lblStatus = NewMarkupLabel(pnStatus, 5);
}

void TFormProgress::BuildFilesPanel(const TWindowLooks& looks)
{
    pnFiles = NewBottomPanel(this, 440, FilesPanelHeight, looks);
    lblInputFileDesc = NewLabel(pnFiles, Margin, 6);
    lblInputFile = NewValueLabel(pnFiles, 6);
    lblOutputFileDesc = NewLabel(pnFiles, Margin, 28);
    lblOutputFile = NewMarkupLabel(pnFiles, 26);
}

void TFormProgress::BuildProgressPanel(const TWindowLooks& looks)
{
    pnProgress = NewBottomPanel(this, 500, ProgressPanelHeight, looks);
    lblProgress = NewLabel(pnProgress, Margin, 14);
    const int right = pnProgress->ClientWidth() - Margin;
    btnAbort = NewChild<TKvpPngButton>(pnProgress, right - AbortWidth, 7, AbortWidth, AbortHeight);
    btnAbort->SetAnchors({akTop, akRight});
    ApplyButtonLooks(*btnAbort, looks);
    btnAbort->SetAction(actAbort);
    pbFile =
        NewChild<TVezProgressBar>(pnProgress, ValueLeft, 10, right - AbortWidth - Margin - ValueLeft, 24);
    pbFile->SetAnchors({akLeft, akTop, akRight});
    // One level of light blue, on which the percentage reads well, up to 100 %: no warning colours
    // for a conversion that nears its end.
    pbFile->SetLevel0Color(0xF0B060);
    pbFile->SetLevel0ColorTo(0xFDEBD5);
    pbFile->SetLevel1Perc(100);
    pbFile->SetLevel2Perc(100);
    pbFile->SetCompletionSmooth(true);
    pbFile->SetShowPercentage(true);
}

void TFormProgress::PrepareControls()
{
    me->Lines()->Clear();
    pbFile->SetPosition(0);
    lblStatus->HTMLText()->Clear();
    lblOutputFile->HTMLText()->Clear();
    lblInputFile->SetCaption("");
    // The Abort button writes in the window's font in every state.
    TKvpButtonAppearance& appearance = *btnAbort->Appearance();
    for (TKvpItemStateParams* state : {appearance.Normal(), appearance.Hot(), appearance.Down(),
                                       appearance.Focused(), appearance.Disabled()}) {
        state->Font()->SetName(Font()->Name());
        state->Font()->SetSize(Font()->Size());
    }
}
