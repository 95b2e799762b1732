#pragma once

#include "controls/grid/cell_edit.h"

// The text editor of text, tree and virtual columns: the caret goes after the text when editing begins, the
// margins follow size and font, the border can be painted themed or in rings of the editor's colour, and
// the pointer over the left end shows the reversed arrow (a press there selects the whole text).
class TGxEdit : public TGxCustomEdit
{
public:
    explicit TGxEdit(TComponent* owner);

    void BeginEditing() override;

protected:
    // The text changed (after OnChange); nothing here.
    virtual void DoTextChange() {}
    void Change() override;
    void Dispatch(TMessage& message) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool OverLeftEnd(int x) const;
    void PaintBorderRings(TCanvas& canvas);
    void PaintThemedBorder(TCanvas& canvas);

    TCursor textCursor_; // the cursor over the text
};
