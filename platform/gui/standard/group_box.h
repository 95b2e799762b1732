#pragma once

#include "platform/gui/standard/std_control_types.h"

// A container framed by an etched line with its caption set into the top edge. Children are laid out
// inside the frame, below the caption; the caption's accelerator moves the focus to the first child.

class TCustomGroupBox : public TCustomControl
{
public:
    explicit TCustomGroupBox(TComponent* owner);
    void Dispatch(TMessage& message) override;

protected:
    void AdjustClientRect(TRect& rect) const override;
    void Paint() override;
    // The height of a caption line in the box's font.
    int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox
{
public:
    using TCustomGroupBox::TCustomGroupBox;
};
