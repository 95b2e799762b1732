#pragma once

#include "platform/gui/standard/std_control_types.h"

// A container that paints an outer bevel, a border of BorderWidth in its colour, an inner bevel, its
// background and, when ShowCaption is on, its caption. Children are laid out inside the bevels and border.

class TCustomPanel : public TCustomControl
{
public:
    explicit TCustomPanel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TVerticalAlignment VerticalAlignment() const { return verticalAlignment_; }
    void SetVerticalAlignment(TVerticalAlignment value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    TBevelWidth BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(TBevelWidth value);
    // bsSingle gives the panel a sunken frame around everything.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value);
    // With FullRepaint off, a resize repaints only what the size change uncovered.
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool value) { fullRepaint_ = value; }

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void AdjustClientRect(TRect& rect) const override;
    void Paint() override;
    // Pixels between the client edge and the children: both bevels and the border.
    int FrameSize() const;

private:
    void Changed();
    TAlignment alignment_ = taCenter;
    TVerticalAlignment verticalAlignment_ = taVerticalCenter;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    TBevelWidth bevelWidth_ = 1;
    TBorderStyle borderStyle_ = bsNone;
    bool showCaption_ = true;
    bool fullRepaint_ = true;
};

class TPanel : public TCustomPanel
{
public:
    using TCustomPanel::TCustomPanel;
};

// Draws count rings of a bevel into rect and shrinks rect past them; bvLowered and bvRaised are sunken and
// raised rings, bvSpace rings in the given colour, bvNone nothing.
void DrawBevel(TCanvas& canvas, TRect& rect, TBevelCut cut, int count, TColor spaceColor);
