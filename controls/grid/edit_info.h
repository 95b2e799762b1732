#pragma once

#include "platform/gui/windows/win_control.h"

class TGxCustomEdit;

// The small box at an editor's left end that shows the editor's glyph and, right of it, the preview box
// whose content the editor's OnCustomPreviewDraw paints (on this box's Canvas).
class TGxEditInfo : public TCustomControl
{
public:
    explicit TGxEditInfo(TGxCustomEdit& owner);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TGxCustomEdit& owner_; // the editor
};
