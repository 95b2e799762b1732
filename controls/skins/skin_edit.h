#pragma once

#include "platform/gui/standard/edits.h"

// Single-line edits with the skin's look. The unicode edit keeps room for the edit buttons that sit inside it
// (children aligned left or right); the skinned edit paints its frame from the skin's edit frame, lit while
// the mouse is over it or it has the focus, and repaints the frame when the skin changes.

class TQvUnicodeEdit : public TEdit
{
public:
    explicit TQvUnicodeEdit(TComponent* owner) : TEdit(owner) {}

    // The window exists and one of the children is an edit button.
    bool HasEditButton() const;
    // Text margins that leave the visible edit buttons free, 2 pixels beside them.
    virtual void UpdateEditMargins();

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
};

class TQvEdit : public TQvUnicodeEdit
{
public:
    explicit TQvEdit(TComponent* owner);
    ~TQvEdit() override;

    // How the frame is painted (the window keeps its border): bsNone paints the edit's colour there. Setting
    // it repaints the frame.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // The frame lights up while the mouse is over the edit or it has the focus.
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value);
    bool MouseInControl() const { return FMouseInControl; }
    // The frame and the children are painted again.
    void InvalidateFrame();

protected:
    void Dispatch(TMessage& message) override;

private:
    void SetMouseInControlAndShow(bool value);
    void MouseEnterLeave(TMessage& message, bool entering);
    void PaintFrame(TMessage& message);

    TBorderStyle FBorderStyle = bsSingle;
    bool FHotTrack = true;
    bool FMouseInControl = false;
};
