#pragma once

#include "platform/gui/graphics/graphics.h"

#include <array>
#include <memory>

// The four border lines of a page control's tab.

class TKVGxTabBorder : public TPersistent
{
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Copies Color, Style and Visible without telling anyone.
    void CopyFrom(const TKVGxTabBorder& source);

    TNotifyEvent OnChange;

private:
    void PropsChanged();

    TColor FColor = clBtnFace;
    TPenStyle FStyle = psSolid;
    bool FVisible = true;
};

class TKVGxTabBorders : public TPersistent
{
public:
    TKVGxTabBorders();
    ~TKVGxTabBorders() override;

    TKVGxTabBorder* Top() const { return FTop.get(); }
    TKVGxTabBorder* Right() const { return FRight.get(); }
    TKVGxTabBorder* Left() const { return FLeft.get(); }
    TKVGxTabBorder* Bottom() const { return FBottom.get(); }
    // Each copies the given border into its own and tells OnChange.
    void SetTop(const TKVGxTabBorder* value) { CopySide(*FTop, value); }
    void SetRight(const TKVGxTabBorder* value) { CopySide(*FRight, value); }
    void SetLeft(const TKVGxTabBorder* value) { CopySide(*FLeft, value); }
    void SetBottom(const TKVGxTabBorder* value) { CopySide(*FBottom, value); }
    // Top, right, left, bottom: the order they are drawn in.
    std::array<TKVGxTabBorder*, 4> Sides() const
    {
        return {FTop.get(), FRight.get(), FLeft.get(), FBottom.get()};
    }
    // Copies the four borders of another set and tells OnChange.
    void Assign(const TPersistent* source) override;

    // The set's handler, also each border's: a border's change reaches it with the border as sender.
    const TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent handler);

private:
    void CopySide(TKVGxTabBorder& side, const TKVGxTabBorder* value);
    void PropsChanged();

    std::unique_ptr<TKVGxTabBorder> FTop;
    std::unique_ptr<TKVGxTabBorder> FRight;
    std::unique_ptr<TKVGxTabBorder> FLeft;
    std::unique_ptr<TKVGxTabBorder> FBottom;
    TNotifyEvent FOnChange;
};
