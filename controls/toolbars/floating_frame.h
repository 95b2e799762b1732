#pragma once

#include "platform/gui/core/set_of.h"
#include "platform/gui/forms/forms.h"

// The small tool-window form that holds a dockable window while it floats. It paints its own frame (a
// raised edge, a border ring, a small caption with a close button), turns presses on that frame into the
// window's move, size, close and dock toggle, and behaves as a palette of its form: the dockable window
// shows and hides it, it hands the activation back to the form at once, and Alt+F4 and Escape on it go to
// the form.

class TBarCustomDockableWindow;

enum TBarFramePart
{
    fpFrame,
    fpCaption,
    fpCloseButton
};
using TBarFrameParts = TSet<TBarFramePart>;

class TBarFloatingWindowParent : public TCustomForm
{
public:
    explicit TBarFloatingWindowParent(TComponent* owner);
    ~TBarFloatingWindowParent() override;

    TCustomForm* ParentForm() const { return FParentForm; }
    void SetParentForm(TCustomForm* form);
    TBarCustomDockableWindow* DockableWindow() const { return FDockableWindow; }
    void SetDockableWindow(TBarCustomDockableWindow* window) { FDockableWindow = window; }
    // Set by the dockable window before it tells the frame to show or hide.
    void SetShouldShow(bool value) { FShouldShow = value; }

    // The caption band in client coordinates (window coordinates with adjustForBorder), without the close
    // button's square when asked; the close button's square at its right end.
    TRect GetCaptionRect(bool adjustForBorder, bool minusCloseButton);
    TRect GetCloseButtonRect(bool adjustForBorder);
    void RedrawNCArea(TBarFrameParts redrawWhat);
    void RecreateFrame() { RecreateWnd(); }
    bool CloseButtonDown() const { return FCloseButtonDown; }
    void SetCloseButtonDown(bool pushed);

    void Dispatch(TMessage& message) override;

protected:
    void AlignControls(TControl*, TRect&) override {}
    void CreateParams(TCreateParams& params) override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void DrawNCArea(bool drawToDC, HDC dc, TBarFrameParts redrawWhat);

private:
    void WMNCHitTest(TMessage& message);
    void WMNCLButtonDown(TMessage& message);
    void WMActivate(TMessage& message);
    void WMMouseActivate(TMessage& message);
    void PaintFrameRing(TCanvas& canvas, TRect r);
    void PaintCloseButton(TCanvas& canvas, TBarFrameParts redrawWhat);
    // The form the framed window belongs to, whose activation the frame keeps.
    TCustomForm* OwnerForm();

    bool FCloseButtonDown = false;
    TBarCustomDockableWindow* FDockableWindow = nullptr;
    TCustomForm* FParentForm = nullptr;
    bool FShouldShow = false;
};
