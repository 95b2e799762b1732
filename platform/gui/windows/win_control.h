#pragma once

#include "platform/gui/windows/control.h"

#include <vector>

// A control with a window of its own: it can hold child controls, take the keyboard focus, and has a
// non-client frame (borders, window scroll bars) around its client area. The window, its handle, exists
// from HandleNeeded (or the first use of Handle) until DestroyHandle; CreateParams says what kind of window
// CreateWnd makes.

struct TCreateParams
{
    std::string Caption;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    struct
    {
        uint32_t style = 0;
    } WindowClass;
    std::string WinClassName;
};

struct TWindowData;

class TWinControl : public TControl
{
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    TWinControl* AsWinControl() override { return this; }

    // --- the window ---
    HWND Handle();
    bool HandleAllocated() const;
    void HandleNeeded();
    // Destroys the window and makes it again with fresh CreateParams when it exists.
    void RecreateWnd();
    // The window behind a handle while it exists; nullptr for other values.
    static TWinControl* FromHandle(HWND handle);

    // --- children ---
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const;
    // Windowed children only, in z-order.
    int WinControlCount() const;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The topmost visible child at a client point; disabled ones only when allowDisabled; windowed ones
    // only when allowWinControls.
    TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false) const;
    // Sends message to every child until one answers non-zero.
    void Broadcast(TMessage& message);
    // Sends msg (with this control as LParam) to every child.
    void NotifyControls(uint32_t msg);

    // --- layout ---
    void DisableAlign();
    void EnableAlign();
    void Realign();
    // Space inside the client area that aligned children keep free.
    TPadding* Padding() const { return padding_.get(); }
    void SetPadding(const TPadding* padding) { padding_->Assign(padding); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    // The frame changed (styles, border, scroll bars): the client area is computed again (WM_NCCALCSIZE),
    // WM_SIZE follows when it changed, and the frame is painted again.
    void UpdateFrame();
    // Moves every child (and the window's contents) by dx, dy.
    void ScrollBy(int dx, int dy);
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetBounds(int left, int top, int width, int height) override;
    // True while the window is shown: its own Visible, the parents' showing (a form's is its Visible; a
    // window without parent that is no form shows when it is shown through its handle).
    bool Showing() const override;

    // --- focus ---
    bool Focused() const;
    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    int TabOrder() const;
    void SetTabOrder(int value);
    // Children taking part in tabbing (focusable or not), depth first in tab order.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    // --- looks ---
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool value);
    bool ParentDoubleBuffered() const { return parentDoubleBuffered_; }
    void SetParentDoubleBuffered(bool value);
    // The sunken 3-D look of the border (on by default); with ParentCtl3D the control follows its parent.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    bool ParentCtl3D() const { return parentCtl3D_; }
    void SetParentCtl3D(bool value);
    // Whether other controls may be docked here; stored only, as nothing docks by dragging.
    bool DockSite() const { return dockSite_; }
    void SetDockSite(bool value) { dockSite_ = value; }
    bool ParentBackground() const { return controlStyle_.Contains(csParentBackground); }
    void SetParentBackground(bool value);
    void SetEnabled(bool enabled) override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;

    // Paints the window, its frame and its children onto canvas with the window's top-left at (x, y).
    void PaintTo(TCanvas& canvas, int x, int y);

    void WndProc(TMessage& message) override;
    void Dispatch(TMessage& message) override;

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    TWindowData& Window() const { return *window_; }

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateHandle();
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyHandle();
    virtual void DestroyWnd();
    // Destroys the window itself (DestroyWnd's last step).
    virtual void DestroyWindowHandle();
    // Sets the window aside while the control leaves its parent, so that leaving does not destroy it: until
    // RestoreWindow gives it back the control has no handle. Moving the window itself to its new parent is
    // the caller's (the window function SetParent), before the control joins that parent.
    HWND SetWindowAside();
    void RestoreWindow(HWND handle);
    // Lays out the aligned and anchored children inside rect (the client area after AdjustClientRect).
    virtual void AlignControls(TControl* control, TRect& rect);
    // The area the children are aligned in: the client area less Padding.
    virtual void AdjustClientRect(TRect& rect) const;
    // The size that holds the visible children (with their margins) and Padding.
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    // Shows or hides the window when Showing is to change: CM_SHOWINGCHANGED, whose default handling shows
    // or hides the window without activating it.
    void UpdateShowing();
    // Tells the child windows shown by their own flag that their showing changed with this one's.
    void NotifyDescendantsShowing();
    // Places a child with Align alCustom; the default leaves it where it is.
    virtual void CustomAlignPosition(TControl* control, int& left, int& top, int& width, int& height,
                                     TRect& alignRect);
    // A child that is not aligned moved or changed its size (a parent sized by its children follows).
    virtual void ChildBoundsChanged(TControl*) {}
    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    // The form's preview (KeyPreview) and then KeyDown/KeyPress/KeyUp; true when the key was swallowed.
    bool DoKeyDown(TMessage& message);
    bool DoKeyPress(TMessage& message);
    bool DoKeyUp(TMessage& message);
    virtual void DoEnter();
    virtual void DoExit();
    // Paints the client area: PaintWindow, then the windowless children on top.
    void PaintHandler(TMessage& message);
    virtual void PaintWindow(HDC dc);
    void PaintControls(HDC dc, TControl* first);
    // The platform's own handling of messages no handler took.
    void DefaultHandler(TMessage& message) override;
    // The client rectangle the window's frame leaves inside windowRect (borders, edges, caption, scroll
    // bars), before BorderWidth is taken: WM_NCCALCSIZE's answer for a control that draws its border width
    // inside its client area.
    TRect FrameClientRect(const TRect& windowRect) const;
    void Loaded() override;

private:
    friend class TControl;
    friend class TWindowWidget;
    void SetOwnLook(bool& look, bool& followsParent, bool value, uint32_t changed);
    void SwapBorderForCtl3D();
    void FollowParentLook(bool& followsParent, bool parentValue, void (TWinControl::*setLook)(bool));
    void AlignChildren();
    std::vector<TControl*>::iterator FirstWindowed();
    bool DoKey(TMessage& message, void (TWinControl::*handler)(uint16_t&, TShiftState),
               bool (TWinControl::*preview)(TMessage&));
    void DoAlign(TAlign align, TRect& rect);
    void ApplyAnchors(TControl* control);
    void ReflectBoundsToWindow();
    void CalcClientRect();
    void TakeStyles(const TCreateParams& params);
    bool IsControlMouseMsg(TMessage& message);
    bool KeyMessage(TMessage& message);
    bool ChangeMessage(TMessage& message);
    void EraseBackground(HDC dc);
    void EnabledChanged();
    void LoseFocusToForm();
    void SetCursorMessage(TMessage& message);
    void DefaultSetCursor(TMessage& message);
    void TrackMouseControl(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMKillFocus(TMessage& message);
    void DialogKey(TMessage& message);
    void CNKeyDown(TMessage& message);
    void CNChar(TMessage& message);
    void CNSysChar(TMessage& message);
    void DefaultNonClient(TMessage& message);
    void WindowPosChanged(TMessage& message);
    void DestroyChildHandles();
    bool ManagesShowing() const;
    void ContextMenuAt(TMessage& message);

    std::vector<TControl*> controls_; // z-order, bottom first
    std::vector<TWinControl*> tabList_;
    std::unique_ptr<TWindowData> window_;
    int alignLevel_ = 0;
    bool alignPending_ = false;
    std::unique_ptr<TPadding> padding_;
    bool showing_ = false;
    int borderWidth_ = 0;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    bool parentDoubleBuffered_ = true;
    bool ctl3D_ = true;
    bool parentCtl3D_ = true;
    bool dockSite_ = false;
    TControl* mouseControl_ = nullptr; // the windowless child under the pointer
};

// A windowless control: it paints on its parent's client area through Canvas and Paint, and its mouse
// messages come from the parent's window.
class TGraphicControl : public TControl
{
public:
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }
    void Dispatch(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TCanvas> canvas_;
};

// A windowed control that paints itself through Canvas and Paint.
class TCustomControl : public TWinControl
{
public:
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TCanvas> canvas_;
};

// Binds a canvas to a device context while it lives: the canvas draws where dc draws, with dc's origin and
// clip; afterwards dc draws as before.
class TCanvasBinding
{
public:
    TCanvasBinding(TCanvas& canvas, HDC dc);
    ~TCanvasBinding();
    TCanvasBinding(const TCanvasBinding&) = delete;
    TCanvasBinding& operator=(const TCanvasBinding&) = delete;

private:
    TCanvas& canvas_;
    HDC dc_;
};

// The control whose window handle is this; nullptr for none.
inline TWinControl* FindControl(HWND handle)
{
    return TWinControl::FromHandle(handle);
}
