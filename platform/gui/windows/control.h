#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/graphics/graphics.h"
#include "platform/gui/windows/cursors.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/margins.h"
#include "platform/gui/windows/messages.h"

#include <functional>
#include <memory>
#include <string>

// The base of everything on screen: a control has a parent, a place in the parent's client area, an
// alignment, its own Visible and Enabled flags, a colour and a font it may take from its parent, a cursor,
// a hint and a caption, and it receives messages through its window procedure.

class TWinControl;
class TBasicAction;
class TBasicActionLink;

enum TAlign
{
    alNone,
    alTop,
    alBottom,
    alLeft,
    alRight,
    alClient,
    alCustom
};

enum TAnchorKind
{
    akLeft,
    akTop,
    akRight,
    akBottom
};
using TAnchors = TSet<TAnchorKind>;

// Reading order of a control's texts.
enum TBiDiMode
{
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};

// What a control needs of its popup menu; the popup menu class implements it.
class IPopupMenu
{
public:
    virtual ~IPopupMenu() = default;
    // The menu as a component (the control asks to hear when it is freed).
    virtual TComponent* MenuComponent() = 0;
    // False when the menu only opens when the program asks it to.
    virtual bool AutoPopup() const = 0;
    // Opens the menu at a screen point on behalf of component.
    virtual void PopupFor(TComponent* component, int x, int y) = 0;
};

enum TControlStyleFlag
{
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
    csNeedsBorderPaint,
    csParentBackground,
    csPannable,
    csAlignWithMargins,
    csGestures,
    csPaintBlackOpaqueOnGlass,
    csOverrideStylePaint
};
using TControlStyle = TSet<TControlStyleFlag>;

enum TControlStateFlag
{
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
    csDesignerHide,
    csPanning,
    csRecreating,
    csAligning,
    csGlassPaint,
    csPrintClient
};
using TControlState = TSet<TControlStateFlag>;

// The parts a visual style may paint in its own way.
enum TStyleElement
{
    seFont,
    seClient,
    seBorder
};
using TStyleElements = TSet<TStyleElement>;

using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TMouseWheelEvent =
    std::function<void(TObject* sender, TShiftState shift, int wheelDelta, TPoint mousePos, bool& handled)>;
using TMouseWheelUpDownEvent =
    std::function<void(TObject* sender, TShiftState shift, TPoint mousePos, bool& handled)>;
using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char32_t& key)>;
using TWndMethod = std::function<void(TMessage& message)>;
// mousePos is in client coordinates, (-1, -1) when the keyboard asked for the menu.
using TContextPopupEvent = std::function<void(TObject* sender, TPoint mousePos, bool& handled)>;
using TCanResizeEvent = std::function<void(TObject* sender, int& newWidth, int& newHeight, bool& resize)>;

// Dragging inside the program (drag_drop.h has the drag objects and the drag itself): dmAutomatic starts a
// drag on every left press, dmManual only through BeginDrag.
enum TDragMode
{
    dmManual,
    dmAutomatic
};
enum TDragState
{
    dsDragEnter,
    dsDragLeave,
    dsDragMove
};
class TDragObject;
using TDragOverEvent =
    std::function<void(TObject* sender, TObject* source, int x, int y, TDragState state, bool& accept)>;
using TDragDropEvent = std::function<void(TObject* sender, TObject* source, int x, int y)>;
using TStartDragEvent = std::function<void(TObject* sender, TDragObject*& dragObject)>;
using TEndDragEvent = std::function<void(TObject* sender, TObject* target, int x, int y)>;

// Minimum and maximum width and height of a control; 0 is no limit.
class TSizeConstraints : public TPersistent
{
public:
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }
    void SetMinWidth(int value);
    void SetMinHeight(int value);
    void SetMaxWidth(int value);
    void SetMaxHeight(int value);
    void Assign(const TPersistent* source) override;
    // width and height brought inside the limits.
    void Apply(int& width, int& height) const;

    TNotifyEvent OnChange;

private:
    void Change();
    void SetLimit(int& limit, int& partner, int value, bool isMinimum);
    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
};

class TControl : public TComponent
{
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // --- place ---
    TWinControl* Parent() const { return parent_; }
    // This control if it is a windowed one, else nullptr: what a dynamic_cast to TWinControl answers, without
    // its cost at every walk over a window's children.
    virtual TWinControl* AsWinControl() { return nullptr; }
    virtual void SetParent(TWinControl* parent);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    // How the control aligns its own contents (text); a control with an Alignment of its own answers it.
    virtual TAlignment GetControlsAlignment() const { return taLeftJustify; }
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // The client area in the control's own coordinates; for a windowless control its whole rectangle.
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    void SetClientSize(TSize size);
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    // A client point in the coordinates of an ancestor's client area (the parent when nullptr).
    TPoint ClientToParent(TPoint p, TWinControl* ancestor = nullptr) const;
    TPoint ParentToClient(TPoint p, TWinControl* ancestor = nullptr) const;
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);
    TSizeConstraints* Constraints() const { return constraints_.get(); }
    // With AlignWithMargins an aligned control keeps Margins free around itself.
    TMargins* Margins() const { return margins_.get(); }
    void SetMargins(const TMargins* margins) { margins_->Assign(margins); }
    bool AlignWithMargins() const { return alignWithMargins_; }
    void SetAlignWithMargins(bool value);
    // With AutoSize every change of size asks CanAutoSize for the size the control wants.
    bool AutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool value);
    void BringToFront();
    void SendToBack();

    // --- state ---
    // Visible and Enabled are the control's own flags; Showing and EffectiveEnabled include the parents'.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    bool EffectiveEnabled() const;
    TControlStyle ControlStyle() const { return controlStyle_; }
    void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
    TStyleElements StyleElements() const { return styleElements_; }
    void SetStyleElements(TStyleElements value);
    TControlState ControlState() const { return controlState_; }
    void SetControlState(TControlState state) { controlState_ = state; }

    // --- looks ---
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool value);
    // The help topic of the control, which F1 asks the application for; 0 for none.
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value) { helpContext_ = value; }
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode value);
    bool ParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool value);
    bool UseRightToLeftAlignment() const;
    bool UseRightToLeftReading() const;
    // DrawText flags with the alignment mirrored and right-to-left reading added as BiDiMode asks.
    unsigned DrawTextBiDiModeFlags(unsigned flags) const;
    IPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(IPopupMenu* menu);
    // Caption and Text are one value: the window text.
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& text) { SetText(text); }
    std::string Text() const { return GetText(); }
    void SetText(const std::string& text);

    // --- actions ---
    TBasicAction* Action() const;
    void SetAction(TBasicAction* action);

    // --- painting ---
    virtual void Invalidate();
    // Paints what is invalid now.
    virtual void Update();
    // Invalidates and paints at once.
    virtual void Repaint();
    void Refresh() { Repaint(); }

    // --- messages ---
    // Sends a message to the control's window procedure and answers its result.
    LRESULT Perform(uint32_t msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // The window procedure in use: WndProc unless replaced; a replacement calls the one it replaced.
    TWndMethod WindowProc;
    virtual void WndProc(TMessage& message);
    void Dispatch(TMessage& message) override;
    // Mouse capture for this control (windowless controls capture through their parent's window).
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    virtual void Click();
    virtual void DblClick();

    // The parent chain's top, the window in which this control is shown; nullptr while unparented.
    TWinControl* TopLevelParent() const;

    // --- dragging (drag_drop.cpp) ---
    TDragMode DragMode() const { return dragMode_; }
    void SetDragMode(TDragMode value) { dragMode_ = value; }
    // The cursor over a target that accepts this control.
    TCursor DragCursor() const { return dragCursor_; }
    void SetDragCursor(TCursor value) { dragCursor_ = value; }
    // Starts dragging this control: at once, or once the mouse has moved threshold pixels from here (-1:
    // the desktop's distance).
    void BeginDrag(bool immediate, int threshold = -1);
    // Ends this control's drag, dropping it where it is or cancelling it.
    void EndDrag(bool drop);
    bool Dragging() const;
    // What a drag over this control asks: OnDragOver when assigned (accept starts true), else refused.
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
    virtual void DragDrop(TObject* source, int x, int y);
    virtual void DoStartDrag(TDragObject*& dragObject);
    virtual void DoEndDrag(TObject* target, int x, int y);
    // This control's drag ended without a drop.
    virtual void DragCanceled() {}

    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TCanResizeEvent OnCanResize;
    TContextPopupEvent OnContextPopup;

protected:
    virtual std::string GetText() const { return text_; }
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
    virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
    virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
    virtual void Resize();
    // Asked before the size changes (OnCanResize by default): false keeps the size as it is; the new size
    // may be changed.
    virtual bool CanResize(int& newWidth, int& newHeight);
    // Sets width and height to the size the control wants; false to keep the size asked for.
    virtual bool CanAutoSize(int& newWidth, int& newHeight);
    // Sizes the control again as AutoSize wants it.
    virtual void AdjustSize();
    virtual void DoContextPopup(TPoint mousePos, bool& handled);
    virtual void VisibleChanging() {}
    virtual void ActionChange(TBasicAction* sender, bool checkDefaults);
    // Asks the parent to lay out its children again after this control changed place or alignment.
    void RequestAlign();
    // Remembers the distances the anchors keep; called whenever the control is placed by hand.
    void UpdateAnchorRules();
    // Ends any mouse mode of the control that holds the capture (it gets WM_CANCELMODE).
    void SendCancelMode();
    void Notification(TComponent* component, TOperation operation) override;
    // Sets the bounds without telling anyone (the layout of a parent uses it before it reports).
    void StoreBounds(int left, int top, int width, int height);
    // The size SetBounds will give: what AutoSize wants, inside the constraints, never negative.
    void AdjustRequestedSize(int& width, int& height);
    void DefaultHandler(TMessage& message) override;

    TControlStyle controlStyle_;
    TStyleElements styleElements_ = {seFont, seClient, seBorder};
    TControlState controlState_;

protected:
    // Turning a parent-following flag on takes the parent's value at once.
    void SetParentFlag(bool& flag, bool value, uint32_t parentChanged);

private:
    friend class TWinControl;
    void FontChanged(TObject* sender);
    void MoveInZOrder(bool toFront);
    void MouseButtonDown(TMessage& message, TMouseButton button, TShiftState extra);
    void MouseButtonUp(TMessage& message, TMouseButton button);
    void WheelMessage(TMessage& message);
    void MouseEnterLeave(TMessage& message, bool enter);
    void ParentFontChanged();
    void ParentColorChanged();
    void ParentShowHintChanged();
    void ParentBiDiModeChanged();
    void ContextMenu(TMessage& message);
    void ConstraintsChanged(TObject* sender);
    // CM_DRAG: the drag's enter, move, leave and drop reach DragOver and DragDrop.
    void DragMessage(TMessage& message);

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_ = {akLeft, akTop};
    TRect anchorBounds_;
    TSize anchorParentSize_;
    bool anchorRulesSet_ = false;
    std::unique_ptr<TSizeConstraints> constraints_;
    std::unique_ptr<TMargins> margins_;
    bool alignWithMargins_ = false;
    bool autoSize_ = false;
    TBiDiMode biDiMode_ = bdLeftToRight;
    bool parentBiDiMode_ = true;
    IPopupMenu* popupMenu_ = nullptr;
    TComponent* popupMenuComponent_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    bool updatingFromParent_ = false;
    TCursor cursor_ = crDefault;
    std::string hint_;
    bool showHint_ = false;
    int helpContext_ = 0;
    bool parentShowHint_ = true;
    std::string text_;
    int wheelAccumulator_ = 0;
    std::unique_ptr<TBasicActionLink> actionLink_;
    TDragMode dragMode_ = dmManual;
    TCursor dragCursor_ = crDrag;
};

// The control under a screen point, if any (windowless controls too).
TControl* FindDragTarget(TPoint screenPos, bool allowDisabled);
