#include "controls/grid/hint_calls.h"

#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/screen.h"

void ShowHintText(THintWindow* hintWindow, const TRect& rect, const std::string& text)
{
    if (hintWindow)
        hintWindow->ActivateHint(rect, text);
}

TRect CalcHintTextRect(THintWindow& hintWindow, int maxWidth, const std::string& text)
{
    return hintWindow.CalcHintRect(maxWidth, text, nullptr);
}

void ReleaseHintWindow(THintWindow* hintWindow)
{
    if (hintWindow)
        hintWindow->ReleaseHandle();
}

bool IsParentFormActive(const TControl* control)
{
    const TCustomForm* form = GetParentForm(control, true);
    return form && form == Screen->ActiveForm();
}
