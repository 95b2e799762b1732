#include "controls/pack/notebook.h"

#include <algorithm>

namespace {

// Neither the notebook nor its pages repaint whole on every change of size.
void WithoutRedrawOnResize(TCreateParams& params)
{
    params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

} // namespace

// --- TKVGxNotebookSheet6 -----------------------------------------------------------------------------------

TKVGxNotebookSheet6::TKVGxNotebookSheet6(TComponent* owner) : TGxCollectionControl6(owner)
{
    controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
    SetAlign(alClient);
}

TKVGxCustomNotebook6* TKVGxNotebookSheet6::Notebook() const
{
    return dynamic_cast<TKVGxCustomNotebook6*>(Parent());
}

int TKVGxNotebookSheet6::Index() const
{
    const TKVGxCustomNotebook6* notebook = Notebook();
    return notebook ? notebook->IndexOfSheet(this) : -1;
}

void TKVGxNotebookSheet6::SetIndex(int value)
{
    TKVGxCustomNotebook6* notebook = Notebook();
    if (notebook && value != Index())
        notebook->MoveSheet(this, value);
}

void TKVGxNotebookSheet6::CreateParams(TCreateParams& params)
{
    TGxCollectionControl6::CreateParams(params);
    WithoutRedrawOnResize(params);
}

void TKVGxNotebookSheet6::Paint()
{
    TGxCollectionControl6::Paint();
    FillRectColor(ClientRect(), Color());
}

// --- TKVGxCustomNotebook6 ----------------------------------------------------------------------------------

TKVGxCustomNotebook6::TKVGxCustomNotebook6(TComponent* owner) : TGxCollectionControl6(owner)
{
    controlStyle_ = {csAcceptsControls, csClickEvents, csDoubleClicks};
}

TKVGxNotebookSheet6* TKVGxCustomNotebook6::CreateSheet(TComponent* owner) const
{
    return new TKVGxNotebookSheet6(owner);
}

TKVGxNotebookSheet6* TKVGxCustomNotebook6::Sheets(int index) const
{
    return index >= 0 && index < Count() ? FSheets[static_cast<size_t>(index)] : nullptr;
}

int TKVGxCustomNotebook6::IndexOfSheet(const TKVGxNotebookSheet6* sheet) const
{
    const auto it = std::find(FSheets.begin(), FSheets.end(), sheet);
    return it == FSheets.end() ? -1 : static_cast<int>(it - FSheets.begin());
}

void TKVGxCustomNotebook6::MoveSheet(TKVGxNotebookSheet6* sheet, int index)
{
    const int from = IndexOfSheet(sheet);
    if (from < 0)
        return;
    FSheets.erase(FSheets.begin() + from);
    index = std::clamp(index, 0, Count());
    FSheets.insert(FSheets.begin() + index, sheet);
    SheetsReordered();
}

void TKVGxCustomNotebook6::SetActivePage(TKVGxNotebookSheet6* page)
{
    bool accept = true;
    DoActiveChangeQuery(page, accept);
    if (!accept || page == FActivePage || (page && page->Parent() != this))
        return;
    if (FActivePage) {
        FActivePage->RemoveFreeNotification(this);
        SheetActivationChanged(FActivePage);
    }
    FActivePage = page;
    for (TKVGxNotebookSheet6* sheet : FSheets)
        if (sheet != page)
            sheet->SetVisible(false);
    if (page) {
        page->FreeNotification(this);
        SheetActivationChanged(page);
        page->SetVisible(true);
    } else {
        Invalidate();
    }
    DoActiveChange(page);
}

int TKVGxCustomNotebook6::ActivePageIndex() const
{
    return FActivePage ? IndexOfSheet(FActivePage) : -1;
}

void TKVGxCustomNotebook6::SetActivePageIndex(int value)
{
    if (value >= 0 && value < Count())
        SetActivePage(Sheets(value));
}

void TKVGxCustomNotebook6::DoActiveChange(TKVGxNotebookSheet6* sheet)
{
    if (OnActiveChange)
        OnActiveChange(this, sheet);
}

void TKVGxCustomNotebook6::DoActiveChangeQuery(TKVGxNotebookSheet6* sheet, bool& accept)
{
    if (OnActiveChangeQuery)
        OnActiveChangeQuery(this, sheet, accept);
}

void TKVGxCustomNotebook6::ActivePageGone()
{
    // Silently: no event tells of a page that went.
    FActivePage = nullptr;
    Invalidate();
}

void TKVGxCustomNotebook6::Notification(TComponent* component, TOperation operation)
{
    TGxCollectionControl6::Notification(component, operation);
    if (operation == opRemove && FActivePage && component == static_cast<TComponent*>(FActivePage))
        ActivePageGone();
}

void TKVGxCustomNotebook6::ControlChanged(TControl* control, bool inserted)
{
    if (inserted) {
        if (auto* sheet = dynamic_cast<TKVGxNotebookSheet6*>(control); sheet && IndexOfSheet(sheet) < 0) {
            FSheets.push_back(sheet);
            SheetInserted(sheet);
        }
        return;
    }
    // A page on its way out is compared by address only: it may be half destroyed.
    const auto gone = std::find_if(FSheets.begin(), FSheets.end(),
                                   [control](TKVGxNotebookSheet6* sheet) { return sheet == control; });
    if (gone == FSheets.end())
        return;
    FSheets.erase(gone);
    if (control == FActivePage)
        ActivePageGone();
}

void TKVGxCustomNotebook6::CreateParams(TCreateParams& params)
{
    TGxCollectionControl6::CreateParams(params);
    WithoutRedrawOnResize(params);
}

void TKVGxCustomNotebook6::Paint()
{
    TGxCollectionControl6::Paint();
    if (!FActivePage)
        FillRectColor(ClientRect(), Color());
}

void TKVGxCustomNotebook6::Dispatch(TMessage& message)
{
    TGxCollectionControl6::Dispatch(message);
    if (message.Msg == CM_CONTROLCHANGE)
        ControlChanged(reinterpret_cast<TControl*>(message.WParam), message.LParam != 0);
}
