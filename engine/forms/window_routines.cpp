#include "engine/forms/window_routines.h"

#include "controls/edits/markup_label.h"
#include "controls/grid/column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "controls/skins/skin_spin_edit.h"
#include "engine/app_strings.h"
#include "engine/prepare_lang_str.h"
#include "engine/run_host.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/actions.h"
#include "support/math_routines.h"

// A run sets its texts on every line of the encoder's output, mostly to what they already show: an unchanged
// text is not painted again.
void SetCtrlText(TControl& control, const std::string& text)
{
    if (control.Caption() == text)
        return;
    control.SetCaption(text);
    control.Repaint();
}

void SetCtrlText(TMarkupLabel& label, const std::string& text)
{
    // The label keeps its markup in its lines (its caption stays empty).
    const TStringList& shown = *label.HTMLText();
    if (shown.Count() == 1 && shown.Get(0) == text)
        return;
    label.SetCaption(text);
    label.HTMLText()->SetText(text);
    label.Repaint();
}

void SetCtrlText(TCustomAction& action, const std::string& text, bool alsoHint)
{
    action.SetCaption(text);
    if (alsoHint)
        action.SetHint(text);
}

void SetGridFont(TDataGrid& grid, const std::string& fontName, int fontSize)
{
    grid.Font()->SetName(fontName);
    grid.Font()->SetSize(fontSize);
    TGxColumns& columns = *grid.Columns();
    for (int i = 0; i < columns.Count(); ++i) {
        TGxCustomColumn& column = *columns.Items(i);
        column.Font()->SetName(fontName);
        column.Font()->SetSize(fontSize);
        column.Header()->Font()->SetName(fontName);
        column.Header()->Font()->SetSize(fontSize);
    }
}

int GetSpinEditInt(const TQvSpinEdit& spinEdit)
{
    return static_cast<int>(RoundHalfEven(spinEdit.Value()));
}

bool PumpMessagesEvery30()
{
    ++PumpMessagesCounter;
    if (PumpMessagesCounter % 30 == 0)
        Application->ProcessMessages();
    return true;
}

void ShowToolMissingMsg(TWinControl* owner)
{
    const std::string& text =
        AppStrings ? AppStrings->Main.FFmpegNotExists : TAppStrings().Main.FFmpegNotExists;
    TCustomForm* form = owner ? GetParentForm(owner) : nullptr;
    ShowMsgBox(PrepareLangStr(text, "Quillmark.zip", AppName), std::string(AppName),
               form ? WindowHandleOf(*form) : nullptr, MB_OK | MB_ICONWARNING | MB_TOPMOST);
}
