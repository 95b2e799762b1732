#pragma once

#include "platform/gui/standard/panels.h"

#include <functional>

// The panels' common base: the pack's extra events and the paint sequence background, after-background
// event, caption, paint event. Descendants paint in DrawBackground and DrawCaption.

// Files dropped on the panel: the raw WM_DROPFILES message (its WParam is the drop handle).
using TProcOnOnDragDropFiles = std::function<void(TObject* sender, TMessage& msg)>;

class TKvpEventPanel : public TCustomPanel
{
public:
    explicit TKvpEventPanel(TComponent* owner);
    void Dispatch(TMessage& message) override;

    // OnMouseEnter and OnMouseLeave are the control's own (fired on every enter and leave).
    TNotifyEvent OnPaint;
    TNotifyEvent OnVisibleChanging;
    TNotifyEvent OnAfterDrawBackground;
    // Reached only when other code has made the window accept files (DragAcceptFiles).
    TProcOnOnDragDropFiles OnDragDropFiles;

protected:
    void Paint() override;
    void VisibleChanging() override;
    virtual void DrawBackground(const TRect&) {}
    virtual void DrawCaption(const TRect&) {}
};

// The base of the basic panel and the panel: a caption layout and word wrap (which the panels do not draw).
class TKvpCustomBasePanel : public TKvpEventPanel
{
public:
    using TKvpEventPanel::TKvpEventPanel;
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { FWordWrap = value; }

private:
    TTextLayout FLayout = tlCenter;
    bool FWordWrap = false;
};

using TKvpBasePanel = TKvpCustomBasePanel;
