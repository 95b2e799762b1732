#pragma once

#include "controls/skins/skin_paint_stage.h"
#include "platform/gui/standard/combo_box.h"
#include "platform/gui/standard/owner_draw.h"

#include <functional>
#include <memory>

class TRepeatingTimer;

// Around the painting of one list entry (or of the entry in the box's face, odComboBoxEdit in state).
using TQvDrawListItemEvent =
    std::function<void(TObject* sender, TCanvas& canvas, TRect& rect, int index, TOwnerDrawState state,
                       TQvPaintStage stage, bool& paintDefault)>;

// A combo box with the skin's look: its frame and drop-down button come from the skin (lit while the mouse
// is over the box or it has the focus), and it draws every entry itself, whatever its style, with owner-draw
// events around the background and the text of each. The box's window has no frame of its own.
class TQvComboBox : public TComboBox
{
public:
    explicit TQvComboBox(TComponent* owner);
    ~TQvComboBox() override;

    // The list drops down wide enough for its widest entry.
    bool AutoDropDownWidth() const { return FAutoDropDownWidth; }
    void SetAutoDropDownWidth(bool value);
    int AutoDropDownWidthRightMargin() const { return FAutoDropDownWidthRightMargin; }
    void SetAutoDropDownWidthRightMargin(int value) { FAutoDropDownWidthRightMargin = value; }
    // Entries of the styles that are not owner-drawn are as high as the font's text; owner-drawn ones keep
    // ItemHeight.
    bool AutoItemHeight() const { return FAutoItemHeight; }
    void SetAutoItemHeight(bool value);
    // A height of 0 or less goes to the box but is not remembered for AutoItemHeight off.
    void SetItemHeight(int value);
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value) { FHotTrack = value; }
    bool MouseInControl() const { return FMouseInControl; }

    // The drop-down button's face, inside the skinned frame.
    TRect GetDropDownButtonRect() const;
    bool GetMouseInDropDownButton() const;
    void InvalidateFrame();

    TQvDrawEvent OnDrawBackground;
    // Around an entry's text and its background; they hide the platform's OnDrawItem.
    TQvDrawListItemEvent OnDrawItem;
    TQvDrawListItemEvent OnDrawItemBackground;

protected:
    virtual void UpdateDropDownWidth();
    virtual void DoDrawBackground(TCanvas& canvas, const TRect& rect, TQvPaintStage stage,
                                  bool& paintDefault);
    virtual void DoDrawItem(TCanvas& canvas, TRect& rect, int index, TOwnerDrawState state,
                            TQvPaintStage stage, bool& paintDefault);
    virtual void DoDrawItemBackground(TCanvas& canvas, TRect& rect, int index, TOwnerDrawState state,
                                      TQvPaintStage stage, bool& paintDefault);
    virtual void DrawItemBackground(int index, const TRect& rect, TOwnerDrawState state);
    // The entry's text, between its draw events.
    virtual void DrawItemText(int index, const TRect& rect, TOwnerDrawState state);

    // Every entry, in the list and in the face: background, then text.
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void CreateWnd() override;
    void CloseUp() override;
    void EditWndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;

private:
    void ApplyItemHeight();
    void MouseEnter(TMessage& message);
    void StartMouseTimer();
    void MouseTimerTick();
    void CheckDropDownButtonHover();
    void SetHot(bool inControl);
    void PaintSkinnedFrame(TMessage& message);
    int DropDownButtonWidth() const;

    bool FAutoDropDownWidth = false;
    bool FAutoItemHeight = true;
    bool FHotTrack = true;
    int FInternalItemHeight = 0; // the last positive height set
    bool FMouseInControl = false;
    bool FMouseInDropDownButton = false;
    std::unique_ptr<TRepeatingTimer> FMouseTimer; // only while the mouse is inside
    int FAutoDropDownWidthRightMargin = 8;
};

// Widens the list of combo to its widest entry, a scroll bar and rightMargin, when the box is narrower.
void SetDropDownWidthToFit(TCustomComboBox& combo, int rightMargin);
