#pragma once

#include "platform/gui/forms/application.h"
#include "platform/gui/forms/hints.h"

#include <memory>

// Flat tooltips for the whole program: TFlatHint carries their colours, font and width and makes
// TFlatHintWindow the application's hint window class; each hint window puts itself in the screen quarter
// away from the pointer, with a narrow strip and an arrow pointing at the pointer beside the wrapped text.

// The corner of the hint window in which the arrow sits.
enum TArrowPos
{
    NE,
    NW,
    SE,
    SW
};

class TFlatHint : public TComponent
{
public:
    // Installs the hint window class, the show-hint event and the pauses (25, 500 and 5000 ms).
    explicit TFlatHint(TComponent* owner);
    // Takes back the event and, when no other TFlatHint lives, the window class.
    ~TFlatHint() override;

    // The colours only store: a hint on screen keeps its look.
    TColor ColorBackground() const { return FBackgroundColor; }
    void SetColorBackground(TColor value) { FBackgroundColor = value; }
    TColor ColorBorder() const { return FBorderColor; }
    void SetColorBorder(TColor value) { FBorderColor = value; }
    TColor ColorArrowBackground() const { return FArrowBackgroundColor; }
    void SetColorArrowBackground(TColor value) { FArrowBackgroundColor = value; }
    TColor ColorArrow() const { return FArrowColor; }
    void SetColorArrow(TColor value) { FArrowColor = value; }
    // The window's width limit; the text wraps 22 pixels before it.
    int MaxHintWidth() const { return FHintWidth; }
    void SetMaxHintWidth(int value) { FHintWidth = value; }
    TFont* Font() const { return FHintFont.get(); }
    void SetFont(const TFont* value) { FHintFont->Assign(value); }

    // Called before every hint shows.
    TShowHintEvent OnShowHint;

private:
    void ShowHint(std::string& hintStr, bool& canShow, THintInfo& hintInfo);

    std::unique_ptr<TFont> FHintFont;
    TColor FBackgroundColor = 0xFFFFFF;
    TColor FBorderColor = 0x000000;
    TColor FArrowBackgroundColor = 0x53D2FF;
    TColor FArrowColor = 0x000000;
    int FHintWidth = 200;
};

// The TFlatHint whose look hints take: that of the frontmost open form holding one; nullptr for none.
TFlatHint* LocateHintComponent();

class TFlatHintWindow : public THintWindow
{
public:
    using THintWindow::THintWindow;

    // Shows text in the quarter of the pointer's monitor away from the pointer; shows nothing when no open
    // form holds a TFlatHint.
    void ActivateHint(TRect rect, const std::string& text) override;
    TArrowPos ArrowPos() const { return FArrowPos; }

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;

private:
    TArrowPos FArrowPos = NW;
    TPoint FArrowPoint; // the arrow's tip, set by painting
    TFlatHint* FHint = nullptr;
};
