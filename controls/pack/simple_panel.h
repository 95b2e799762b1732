#pragma once

#include "controls/pack/control_parts.h"
#include "controls/pack/panel_base.h"

#include <memory>

// A light container: a flat background or a top-to-bottom gradient, one border colour and pen style for
// the four sides with a switch per side, and its caption on one line with an alignment and a margin.

class TKvpSimplePanelAppearance : public TPersistent
{
public:
    explicit TKvpSimplePanelAppearance(TComponent* owner) : FOwner(owner) {}

    // Notifies on every call, also with the value it already has.
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value);
    // clNone: a flat fill; any other colour: a gradient from BackgroundColor to it.
    TColor BackroundColorTo() const { return FBackroundColorTo; }
    void SetBackroundColorTo(TColor value) { Store(FBackroundColorTo, value); }
    // clNone: no borders at all.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { Store(FBorderColor, value); }
    bool DrawTopBorder() const { return FDrawTopBorder; }
    void SetDrawTopBorder(bool value) { Store(FDrawTopBorder, value); }
    bool DrawBottomBorder() const { return FDrawBottomBorder; }
    void SetDrawBottomBorder(bool value) { Store(FDrawBottomBorder, value); }
    bool DrawLeftBorder() const { return FDrawLeftBorder; }
    void SetDrawLeftBorder(bool value) { Store(FDrawLeftBorder, value); }
    bool DrawRightBorder() const { return FDrawRightBorder; }
    void SetDrawRightBorder(bool value) { Store(FDrawRightBorder, value); }
    TPenStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TPenStyle value) { Store(FBorderStyle, value); }
    TComponent* Owner() const { return FOwner; }

    // Copies the eight values.
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    template <typename T> void Store(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void Changed();

    TComponent* FOwner;
    TColor FBackgroundColor = clBtnFace;
    TColor FBorderColor = clGray;
    bool FDrawTopBorder = true;
    bool FDrawBottomBorder = true;
    bool FDrawLeftBorder = true;
    bool FDrawRightBorder = true;
    TPenStyle FBorderStyle = psSolid;
    TColor FBackroundColorTo = clNone;
};

// The simple panel's base: the panels' events and paint sequence, and a caption drawn CaptionMargin
// pixels from the side it is aligned to (centred captions take no margin), always vertically centred.
class TKvpCustomBaseSimplePanel : public TKvpEventPanel
{
public:
    explicit TKvpCustomBaseSimplePanel(TComponent* owner);
    int CaptionMargin() const { return FCaptionMargin; }
    void SetCaptionMargin(int value);

protected:
    void DrawCaption(const TRect& r) override;

private:
    int FCaptionMargin = 6;
};

class TKvpCustomSimplePanel : public TKvpCustomBaseSimplePanel, public TKvpControlParts
{
public:
    explicit TKvpCustomSimplePanel(TComponent* owner);
    ~TKvpCustomSimplePanel() override;

    TKvpSimplePanelAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(const TKvpSimplePanelAppearance* value);
    void SetBounds(int left, int top, int width, int height) override;

protected:
    // Keeps Color equal to BackgroundColor; the fill or gradient unless the parent shows through; the
    // borders in every case.
    void DrawBackground(const TRect& r) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void AppearanceChanged();

    std::unique_ptr<TKvpSimplePanelAppearance> FAppearance;
};

class TKvpSimplePanel : public TKvpCustomSimplePanel
{
public:
    using TKvpCustomSimplePanel::TKvpCustomSimplePanel;
};
