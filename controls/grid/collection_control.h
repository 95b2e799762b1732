#pragma once

#include "platform/gui/windows/win_control.h"

// The base of the 5-series collection controls, and the small value objects of their inner margins.

// A left and a top distance; every setting tells OnChange, also when the value stays.
class TGxIndent : public TPersistent
{
public:
    int Left() const { return left_; }
    void SetLeft(int value);
    int Top() const { return top_; }
    void SetTop(int value);
    // From another indent through the setters; anything else as the platform assigns.
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

protected:
    void Changed();

private:
    int left_ = 0;
    int top_ = 0;
};

class TGxMargins : public TGxIndent
{
public:
    int Bottom() const { return bottom_; }
    void SetBottom(int value);
    int Right() const { return right_; }
    void SetRight(int value);
    void Assign(const TPersistent* source) override;

private:
    int bottom_ = 0;
    int right_ = 0;
};

// A custom control that takes gestures (the component pack's flip panel derives from it).
class TGxCollectionControl : public TCustomControl
{
public:
    explicit TGxCollectionControl(TComponent* owner);
};

// Declared here for the component pack's flip panel; its header styles are its own, apart from the grid's.
namespace FlipPanel {
enum TFlipKind
{
    fkNone,
    fkButton,
    fkHeaderAndButton
};

enum TFlipBackgroundStyle
{
    bsSolid,
    bsVertGradient,
    bsTransparent
};

enum THeaderStyle
{
    hsAuto,
    hsFadeAway,
    hsGradient,
    hsInverseGradient,
    hsOffice2007,
    hsSolid,
    hsTopGradient,
    hsTransparent,
    hsVista,
    hsWindowsLive
};
} // namespace FlipPanel
