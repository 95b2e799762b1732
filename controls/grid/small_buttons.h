#pragma once

#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/win_control.h"

#include <string>

class TGxCustomEdit;

// A small push button inside a cell editor that reports its press and its release (the click, wherever
// the pointer is then) and never takes the focus by Tab.
class TGxSmallButton : public TCustomControl
{
public:
    TGxSmallButton(TComponent* owner, TGxCustomEdit* cellEditor);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    TGxCustomEdit* CellEditor() const { return cellEditor_; }
    bool Down() const { return down_; }
    void SetDown(bool value);
    bool Hover() const { return hover_; }
    void SetHover(bool value);

    TNotifyEvent OnButtonClick;
    TNotifyEvent OnButtonDown;

protected:
    void Dispatch(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::string caption_;
    TGxCustomEdit* cellEditor_; // the editor the button belongs to
    bool down_ = false;
    bool hover_ = false;
};

// The execute button at a spin editor's left end: a push button (themed while visual styles are active)
// with an optional glyph and a caption.
class TGxExecuteButton : public TGxSmallButton
{
public:
    TGxExecuteButton(TComponent* owner, TGxCustomEdit* cellEditor);
    ~TGxExecuteButton() override;

    TBitmap* Glyph() const { return glyph_; }
    void SetGlyph(TBitmap* value);

protected:
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    void Paint() override;

private:
    void CloseTheme();
    void PaintFace(TCanvas& canvas);

    TBitmap* glyph_ = nullptr; // not owned
    HTHEME theme_ = nullptr;   // the "button" theme while visual styles are active
};
