#include "app/errors/form_errors.h"

#include "app/kit/secondary_window_parts.h"
#include "controls/memo/encoder_log_styler.h"
#include "controls/memo/vez_memo.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "platform/gui/forms/menus.h"
#include "platform/gui/services/dialogs.h"
#include "platform/gui/windows/actions.h"
#include "support/files.h"
#include "support/text_file_encoding.h"
#include "support/text_routines.h"
#include "support/window_services.h"

namespace {

constexpr TColor WindowColor = 0xD8D8D8; // RGB 216, 216, 216

// The save dialog's entries, counted from 1 as the dialog counts them.
constexpr int HtmlFileFilter = 2;

// The name with the extension the chosen filter writes.
std::string ErrorLogFileName(const std::string& chosen, int filterIndex)
{
    const std::string extension = filterIndex == HtmlFileFilter ? ".html" : ".log";
    const std::string current = GetFileExtension(chosen, false);
    return chosen.substr(0, chosen.size() - current.size()) + extension;
}

// The dialog confirmed the name it showed; a name the filter changed is asked about again when that file
// exists, so that no file is replaced unasked.
bool MayWriteChangedName(const std::string& confirmed, const std::string& target, const std::string& caption)
{
    if (target == confirmed || !FileExists(target))
        return true;
    return ShowMsgBox(target + " already exists.\nDo you want to replace it?", caption, nullptr,
                      MB_YESNO | MB_ICONWARNING) == IDYES;
}

} // namespace

void TFormErrors::TMemoLog::Clear()
{
    form_.me->Lines()->Clear();
}

void TFormErrors::TMemoLog::Add(const std::string& line)
{
    form_.me->Lines()->Add(line);
}

TFormErrors::TFormErrors(TComponent* owner, const TWindowLooks& looks) : TForm(owner)
{
    SetUpSecondaryWindow(*this, 807, 450, 400, 200);
    SetColor(WindowColor);
    OnShow = [this](TObject* sender) { FormShow(sender); };

    Actions = new TActionList(this);
    actEsc = AddWindowAction(
        *Actions, [this](TObject* s) { actEscExecute(s); }, ShortCut(VK_ESCAPE, {}));
    actClose = AddWindowAction(*Actions, [this](TObject* s) { actCloseExecute(s); });
    actSaveLog = AddWindowAction(*Actions, [this](TObject* s) { actSaveLogExecute(s); });
    actClearLog = AddWindowAction(*Actions, [this](TObject* s) { actClearLogExecute(s); });

    pnBottom = AddBottomPanel(*this, looks);
    AddPanelButtons(*pnBottom,
                    {{&btnClearLog, actClearLog}, {&btnSaveLog, actSaveLog}, {&btnClose, actClose}}, looks);
    CreateMemo();
    SetMonospaceFont(*me, looks.MonospaceFont);

    dlgSaveLog = new TSaveDialog(this);
    dlgSaveLog->SetDefaultExt("log");
    dlgSaveLog->SetOptions({ofOverwritePrompt, ofHideReadOnly, ofEnableSizing});
    dlgSaveLog->SetInitialDir(ProgramDir);
    dlgSaveLog->SetFileName(DefaultLogFileName);
    SetLang();
}

TFormErrors::~TFormErrors() = default;

void TFormErrors::CreateMemo()
{
    StylerLight = new TVezPascalMemoStyler(this);
    SetUpEncoderLogStyler(*StylerLight);
    popFake = new TPopupMenu(this);
    me = new TVezMemo(this);
    me->SetParent(this);
    me->SetAlign(alClient);
    SetUpEncoderLogMemo(*me, *StylerLight);
    me->SetPopupMenu(popFake);
    me->Lines()->Clear();
}

void TFormErrors::SetLang()
{
    const TErrorsModuleStrings& texts = AppStrings->Errors;
    SetCaption(texts.Caption);
    const std::pair<TAction*, const std::string*> captions[] = {
        {actClose, &texts.actClose}, {actSaveLog, &texts.actSaveLog}, {actClearLog, &texts.actClearLog}};
    for (const auto& [action, text] : captions) {
        action->SetCaption(*text);
        action->SetHint(*text);
    }
    dlgSaveLog->SetFilter(texts.dlgSaveLogFilter + "|*.log|HTML file (*.html)|*.html");
}

// Widening the window and setting the width back wraps the lines again for the current size.
void TFormErrors::FormShow(TObject*)
{
    const int width = Width();
    SetWidth(width + 10);
    SetWidth(width);
}

void TFormErrors::actClearLogExecute(TObject*)
{
    me->Lines()->Clear(); // the run's error count goes on
}

void TFormErrors::actSaveLogExecute(TObject*)
{
    if (!dlgSaveLog->Execute())
        return;
    const int filterIndex = dlgSaveLog->FilterIndex();
    const std::string fileName = ErrorLogFileName(dlgSaveLog->FileName(), filterIndex);
    if (!MayWriteChangedName(dlgSaveLog->FileName(), fileName, Caption()))
        return;
    SaveLog(fileName, filterIndex);
}

void TFormErrors::SaveLog(const std::string& fileName, int filterIndex)
{
    if (filterIndex == HtmlFileFilter)
        me->SaveToHTML(fileName, true); // reports no failure of its own
    else
        me->Lines()->SaveToFile(fileName, TTextEncoding::UTF8);
}

void TFormErrors::actCloseExecute(TObject*)
{
    Close();
}

void TFormErrors::actEscExecute(TObject*)
{
    Close();
}
