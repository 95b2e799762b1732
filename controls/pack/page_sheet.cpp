#include "controls/pack/page_sheet.h"

TKVGxPageSheet6::TKVGxPageSheet6(TComponent* owner)
    : TKVGxNotebookSheet6(owner), FTabInactiveBorders(std::make_unique<TKVGxTabBorders>()),
      FTabHotBorders(std::make_unique<TKVGxTabBorders>())
{
    for (TKVGxTabBorder* side : FTabHotBorders->Sides())
        side->SetColor(FTabHotBgColor);
    // The sets' own changes repaint nothing by themselves.
    FTabInactiveBorders->SetOnChange([](TObject*) {});
    FTabHotBorders->SetOnChange([](TObject*) {});
}

TKVGxPageSheet6::~TKVGxPageSheet6() = default;

void TKVGxPageSheet6::SetTabInactiveBorders(const TKVGxTabBorders* value)
{
    FTabInactiveBorders->Assign(value);
    DoTabChange();
}

void TKVGxPageSheet6::SetTabHotBorders(const TKVGxTabBorders* value)
{
    FTabHotBorders->Assign(value);
    DoTabChange();
}

void TKVGxPageSheet6::DoTabChange()
{
    if (OnTabChange)
        OnTabChange(this);
}

void TKVGxPageSheet6::Dispatch(TMessage& message)
{
    TKVGxNotebookSheet6::Dispatch(message);
    if (message.Msg == CM_TEXTCHANGED)
        DoTabChange();
}
