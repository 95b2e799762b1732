#pragma once

#include "controls/grid/column_types.h"

// Where a column's cell stands in the card-like slides layout, relative to its slide.
class TGxSlideBounds : public TPersistent
{
public:
    explicit TGxSlideBounds(TGxCustomColumn* owner) : FOwner(owner) {}

    // Setting Left or Top reports ccSlideChanged; Width and Height report it when they change.
    int Left() const { return FLeft; }
    void SetLeft(int value);
    int Top() const { return FTop; }
    void SetTop(int value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    int Right() const { return FLeft + FWidth; }
    int Bottom() const { return FTop + FHeight; }

    // Copies the four values without reports; the column reports the whole assignment.
    void Assign(const TPersistent* source) override;

private:
    void Changed();

    TGxCustomColumn* FOwner; // the column, not owned
    int FLeft = 8;
    int FTop = 8;
    int FHeight = 16;
    int FWidth = 80;
};
