#pragma once

#include "platform/gui/standard/std_control_types.h"

// A windowless text: it paints its caption with its font through DrawText, may size itself to the text,
// and may hand its accelerator ("&x" in the caption) to a focus control.

class TCustomLabel : public TGraphicControl
{
public:
    explicit TCustomLabel(TComponent* owner);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    // Resizes the label to its text whenever the text or its looks change; a word-wrapped label keeps its
    // width and takes the height of the wrapped text.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) override;
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    // A transparent label leaves its background alone; an opaque one fills it with Color.
    bool Transparent() const { return !controlStyle_.Contains(csOpaque); }
    void SetTransparent(bool value);
    // Whether "&" marks the accelerator (shown underlined) or is shown as it is.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(TWinControl* control);
    TEllipsisPosition EllipsisPosition() const { return ellipsisPosition_; }
    void SetEllipsisPosition(TEllipsisPosition value);
    // Kept for the looks of a glowing caption; this platform draws no glow.
    int GlowSize() const { return glowSize_; }
    void SetGlowSize(int value) { glowSize_ = value; }

    void Dispatch(TMessage& message) override;

protected:
    // Sizes the label to its text when AutoSize is on.
    virtual void AdjustBounds();
    // Draws (or with DT_CALCRECT measures) the label's text in rect with the canvas's font.
    virtual void DoDrawText(TRect& rect, unsigned flags);
    virtual std::string GetLabelText() const { return Caption(); }
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    // DrawText flags for the label's alignment, wrapping, accelerators and ellipsis.
    unsigned DrawTextFlags() const;

private:
    void Changed();

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    TWinControl* focusControl_ = nullptr;
    TEllipsisPosition ellipsisPosition_ = epNone;
    int glowSize_ = 0;
};

class TLabel : public TCustomLabel
{
public:
    using TCustomLabel::TCustomLabel;
};
