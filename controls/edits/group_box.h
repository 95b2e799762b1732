#pragma once

#include "controls/edits/property_store.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/standard/group_box.h"
#include "platform/gui/standard/stdctrls_buttons.h"

#include <memory>
#include <string>

// A group box whose frame has a colour and a style of its own (none, single, double, optionally with
// rounded corners), whose caption stands at one of six places with an image and a check box, and which
// shows its parent's background behind itself. The check box can enable, disable or check the controls in
// the box.

class TVezCustomGroupBox;

// The caption's check box.
class TGroupBoxCheck : public TPersistent
{
public:
    enum TCheckBoxPos
    {
        cpLeft,
        cpRight
    };
    // What the check box's state does to the controls in the box.
    enum TCheckBoxAction
    {
        caNone,
        caDisable,        // they are enabled while it is checked; disabling the box unchecks it
        caCheckAll,       // check boxes in the box follow it
        caControlsDisable // they are enabled while it is checked
    };

    explicit TGroupBoxCheck(TVezCustomGroupBox* owner) : owner_(owner) {}

    TCheckBoxAction Action() const { return action_; }
    void SetAction(TCheckBoxAction value) { action_ = value; }
    // Clicks go unchecked, grayed, checked.
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool value) { StoreAndNotify(allowGrayed_, value); }
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool value);
    // The hint over the check box.
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value) { StoreAndNotify(hint_, value); }
    TCheckBoxPos Position() const { return position_; }
    void SetPosition(TCheckBoxPos value) { StoreAndNotify(position_, value); }
    // Changing it redraws the check box, applies Action and fires the box's OnCheckBoxClick.
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState value);
    // Drawn by the visual style where it can be.
    bool Themed() const { return themed_; }
    void SetThemed(bool value) { StoreAndNotify(themed_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { StoreAndNotify(visible_, value); }
    // The pointer over the caption; a button held down on it.
    bool Hot() const { return hot_; }
    void SetHot(bool value);
    bool Down() const { return down_; }
    void SetDown(bool value);

    // Copies everything but Visible.
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    template <typename T> void StoreAndNotify(T& field, const T& value)
    {
        if (StoreChanged(field, value) && OnChange)
            OnChange(this);
    }

    TVezCustomGroupBox* owner_;
    TCheckBoxAction action_ = caDisable;
    bool allowGrayed_ = false;
    std::string hint_;
    TCheckBoxPos position_ = cpLeft;
    TCheckBoxState state_ = cbUnchecked;
    bool themed_ = true;
    bool visible_ = false;
    bool hot_ = false;
    bool down_ = false;
};

class TVezCustomGroupBox : public TCustomGroupBox
{
public:
    // The frame's style, the box's own.
    enum TBorderStyle
    {
        bsNone,
        bsSingle,
        bsDouble
    };
    enum TCaptionPosition
    {
        cpTopLeft,
        cpTopRight,
        cpTopCenter,
        cpBottomLeft,
        cpBottomRight,
        cpBottomCenter
    };

    explicit TVezCustomGroupBox(TComponent* owner);
    ~TVezCustomGroupBox() override;

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    TCaptionPosition CaptionPosition() const { return captionPosition_; }
    void SetCaptionPosition(TCaptionPosition value);
    TGroupBoxCheck* CheckBox() const { return checkBox_.get(); }
    void SetCheckBox(const TGroupBoxCheck* value) { checkBox_->Assign(value); }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // Paints the parent's background behind the box; otherwise the box fills itself with Color.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool RoundEdges() const { return roundEdges_; }
    void SetRoundEdges(bool value);
    TColor DisabledFontColor() const { return disabledFontColor_; }
    virtual void SetDisabledFontColor(TColor value);
    // "1.1.1.1"; writing it changes nothing.
    std::string Version() const;
    void SetVersion(const std::string&) {}
    virtual uint32_t GetVersionNr() const { return 0x01010101; }

    // Where the caption goes (its image, text and check box), the check box in it, and the text.
    struct TCaptionLayout
    {
        TRect Area;
        TRect Box{-1, -1, -1, -1}; // (-1, -1, -1, -1) without a check box
        TRect Text;
    };
    TCaptionLayout CaptionLayout() const;
    // The frame's width by its style: 1 for none; 2 (Ctl3D) or 1 for single; 4 (Ctl3D) or 2 for double.
    int FrameWidth() const;

    TNotifyEvent OnCheckBoxClick;

    void Dispatch(TMessage& message) override;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void AdjustClientRect(TRect& rect) const override;
    void CreateWnd() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void PaintParentBackground();
    // Called after DisabledFontColor changes; nothing here.
    virtual void DisabledFontColorChanged() {}
    // Enables, disables or checks the controls in the box as the check box's Action says.
    virtual void ApplyCheckBoxAction();
    virtual void DoCheckBoxClick();

private:
    friend class TGroupBoxCheck;
    bool HasCaption() const;
    bool TopCaption() const;
    int CaptionHeight(const TCaptionLayout& layout) const;
    TRect FrameRect(const TCaptionLayout& layout) const;
    void DrawShape(const TRect& rect);
    void PaintFrame(const TRect& frame);
    void PaintCaption(const TCaptionLayout& layout);
    void DrawCheckBox(const TRect& box);
    bool DrawThemedCheckBox(const TRect& box);
    // The check box's picture changed: it is drawn again at once.
    void RedrawCheckBox();
    void Toggle();
    void EnabledChanged();
    void SetLayoutProperty(bool changed);

    std::unique_ptr<TGroupBoxCheck> checkBox_;
    TColor borderColor_ = clSilver;
    TBorderStyle borderStyle_ = bsSingle;
    TCaptionPosition captionPosition_ = cpTopLeft;
    TCustomImageList* images_ = nullptr;
    int imageIndex_ = -1;
    bool transparent_ = true;
    bool roundEdges_ = false;
    TColor disabledFontColor_ = clGray;
};

class TVezGroupBox : public TVezCustomGroupBox
{
public:
    using TVezCustomGroupBox::TVezCustomGroupBox;
};
