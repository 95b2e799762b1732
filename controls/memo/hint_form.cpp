#include "controls/memo/hint_form.h"

TVezHintForm::TVezHintForm(TComponent* owner) : TForm(owner)
{
    SetName("_hf");
    SetBorderStyle(bsNone);
    SetFormStyle(fsStayOnTop);
    SetVisible(false);
}
