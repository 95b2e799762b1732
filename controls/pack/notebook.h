#pragma once

#include "controls/grid/collection_control6.h"

#include <functional>
#include <vector>

// A container of pages of which one, the active page, is visible (or none is). Changing the active page
// asks OnActiveChangeQuery first, which may refuse, and tells OnActiveChange afterwards. The notebook
// counts and orders its pages among themselves: other child controls take no page index.

class TKVGxCustomNotebook6;

class TKVGxNotebookSheet6 : public TGxCollectionControl6
{
public:
    explicit TKVGxNotebookSheet6(TComponent* owner);

    // The sheet's place among its notebook's pages; -1 outside a notebook.
    int Index() const;
    // Moves the sheet to that place among the pages (kept inside the pages' range).
    void SetIndex(int value);
    // Stored only.
    bool PageVisible() const { return FPageVisible; }
    void SetPageVisible(bool value) { FPageVisible = value; }
    // The parent as a notebook; nullptr without one.
    TKVGxCustomNotebook6* Notebook() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    bool FPageVisible = true;
};

using TKVGxActiveChangeQueryEvent =
    std::function<void(TObject* sender, TKVGxNotebookSheet6* sheet, bool& accept)>;
using TKVGxActiveChangeEvent = std::function<void(TObject* sender, TKVGxNotebookSheet6* sheet)>;

class TKVGxCustomNotebook6 : public TGxCollectionControl6
{
public:
    explicit TKVGxCustomNotebook6(TComponent* owner);

    TKVGxNotebookSheet6* ActivePage() const { return FActivePage; }
    // Asks OnActiveChangeQuery (also for the page already active), then shows page alone and tells
    // OnActiveChange; a page of another control is ignored. nullptr hides every page.
    void SetActivePage(TKVGxNotebookSheet6* page);
    // The active page's index, -1 without one.
    int ActivePageIndex() const;
    // Activates page index; indexes outside the pages do nothing.
    void SetActivePageIndex(int value);
    // The pages, in their order.
    int Count() const { return static_cast<int>(FSheets.size()); }
    TKVGxNotebookSheet6* Sheets(int index) const;
    int IndexOfSheet(const TKVGxNotebookSheet6* sheet) const;
    // Puts sheet at place index among the pages.
    void MoveSheet(TKVGxNotebookSheet6* sheet, int index);
    // A new page of the kind the notebook works with.
    virtual TKVGxNotebookSheet6* CreateSheet(TComponent* owner) const;

    TKVGxActiveChangeQueryEvent OnActiveChangeQuery;
    TKVGxActiveChangeEvent OnActiveChange;

    void Dispatch(TMessage& message) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    // A page stops or starts being the active one.
    virtual void SheetActivationChanged(TKVGxNotebookSheet6*) {}
    // A page joined the notebook.
    virtual void SheetInserted(TKVGxNotebookSheet6*) {}
    // The pages' order changed.
    virtual void SheetsReordered() { Invalidate(); }
    virtual void DoActiveChange(TKVGxNotebookSheet6* sheet);
    virtual void DoActiveChangeQuery(TKVGxNotebookSheet6* sheet, bool& accept);

private:
    void ControlChanged(TControl* control, bool inserted);
    void ActivePageGone();

    TKVGxNotebookSheet6* FActivePage = nullptr;
    std::vector<TKVGxNotebookSheet6*> FSheets; // the pages among the children, in page order
};
