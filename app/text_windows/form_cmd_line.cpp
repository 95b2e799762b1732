#include "app/text_windows/form_cmd_line.h"

#include "app/kit/secondary_window_parts.h"
#include "app/text_windows/command_line_preview.h"
#include "controls/pack/memo_ex.h"
#include "engine/app_strings.h"
#include "platform/gui/windows/actions.h"

namespace {

constexpr TColor CmdLineWindowColor = 0xD8D8D8; // RGB 216, 216, 216
constexpr int CmdLineMemoMargin = 5;

} // namespace

TFormCmdLine::TFormCmdLine(TComponent* owner, const TWindowLooks& looks) : TForm(owner)
{
    SetUpSecondaryWindow(*this, 762, 170, 500, 150);
    SetColor(CmdLineWindowColor);
    Actions = new TActionList(this);
    actEsc = AddWindowAction(
        *Actions, [this](TObject* s) { actEscExecute(s); }, ShortCut(VK_ESCAPE, {}));

    me = new TKvpMemoEx(this);
    me->SetParent(this);
    me->Margins()->SetBounds(CmdLineMemoMargin, CmdLineMemoMargin, CmdLineMemoMargin, CmdLineMemoMargin);
    me->SetAlignWithMargins(true);
    me->SetAlign(alClient);
    me->SetReadOnly(true);
    me->SetScrollBars(ssVertical);
    me->SetWordWrap(true);
    SetMonospaceFont(*me, looks.MonospaceFont);
    SetLang();
}

void TFormCmdLine::ShowCommandLine(IRunHost& host, const std::optional<std::string>& inputFile,
                                   const EncoderSettings& settings, const TBuilderEnvironment& environment)
{
    const std::string text = BuildCommandLinePreview(host, inputFile, settings, environment);
    SetLang();
    me->Lines()->Clear();
    me->Lines()->SetText(text);
    Show();
}

std::string TFormCmdLine::CommandLineText() const
{
    return me->Lines()->Text();
}

void TFormCmdLine::SetLang()
{
    SetCaption(AppStrings->Main.CommandLineInfo);
}

void TFormCmdLine::actEscExecute(TObject*)
{
    Close();
}
