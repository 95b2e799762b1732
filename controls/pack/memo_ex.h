#pragma once

#include "controls/pack/color_flash.h"
#include "controls/pack/control_bound_label.h"
#include "controls/pack/control_parts.h"
#include "controls/pack/memo_appearance.h"
#include "platform/gui/standard/memo.h"

#include <memory>

// The side of its control on which a bound label stands; in a namespace of its own because the grid's
// line spaces take the same names.
namespace LabelPositions {
enum TLabelPosition
{
    lpAbove,
    lpBelow,
    lpLeft,
    lpRight
};
} // namespace LabelPositions
using TBoundLabelPosition = LabelPositions::TLabelPosition;

// A multi-line edit with a flat look of its own: a one-pixel border and two rings of its background painted
// in its frame, colours that follow its state (disabled, focused, hot, normal), a bound label on one of its
// four sides, anchored controls and a colour flash.
class TKvpCustomMemoEx : public TKvpPartsControl<TCustomMemo>
{
public:
    explicit TKvpCustomMemoEx(TComponent* owner);
    ~TKvpCustomMemoEx() override;

    TKvpCustomMemoExAppearance* Appearance() const { return FAppearance.get(); }
    // Copies the twelve colours.
    void SetAppearance(const TKvpCustomMemoExAppearance* value);
    TKvpFlashMemoEx* Flash() const { return FFlash.get(); }
    // The memo keeps its one flash object: the given one's settings are copied.
    void SetFlash(const TKvpFlashMemoEx* value);
    TKvpControlBoundLabel* BoundLabel() const { return FBoundLabel; }
    TBoundLabelPosition BoundLabelPosition() const { return FBoundLabelPosition; }
    // Places the label on that side (nothing without a label).
    void SetBoundLabelPosition(TBoundLabelPosition value);
    int BoundLabelSpacing() const { return FBoundLabelSpacing; }
    void SetBoundLabelSpacing(int value);
    // The pointer is over the memo while a window of the program is active.
    bool MouseOverControl() const { return FMouseOverControl; }

    // Makes the bound label when there is none.
    void SetupInternalLabel();
    // Takes the colours of the memo's state and paints the frame in them.
    void ApplyAppearance();
    void SetParent(TWinControl* parent) override;
    void SetBounds(int left, int top, int width, int height) override;
    void Dispatch(TMessage& message) override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct TStateColors
    {
        TColor Background, Text, Border;
    };
    TStateColors StateColors() const;
    void AppearanceChanged();
    void PlaceLabel() { SetBoundLabelPosition(FBoundLabelPosition); }
    void PaintMemoFrame();
    void PaintFrameOn(TCanvas& canvas, const TStateColors& colors);
    void MouseEnterLeave(bool enter);

    bool FMouseOverControl = false;
    std::unique_ptr<TKvpCustomMemoExAppearance> FAppearance;
    std::unique_ptr<TKvpFlashMemoEx> FFlash;
    TKvpControlBoundLabel* FBoundLabel = nullptr; // owned by the memo as a component
    int FBoundLabelSpacing = 4;
    TBoundLabelPosition FBoundLabelPosition = LabelPositions::lpLeft;
    bool FShowLabel = true;
};

class TKvpMemoEx : public TKvpCustomMemoEx
{
public:
    using TKvpCustomMemoEx::TKvpCustomMemoEx;
};
