#pragma once

#include "platform/gui/core/classes.h"

// Space around a control that alignment keeps free (TMargins, 3 pixels each by default), and space inside
// a windowed control that its aligned children keep free (TPadding, none by default).

class TMargins : public TPersistent
{
public:
    TMargins() : TMargins(3) {}

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Right() const { return right_; }
    int Bottom() const { return bottom_; }
    void SetLeft(int value) { Set(left_, value); }
    void SetTop(int value) { Set(top_, value); }
    void SetRight(int value) { Set(right_, value); }
    void SetBottom(int value) { Set(bottom_, value); }
    void SetBounds(int left, int top, int right, int bottom);
    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

protected:
    explicit TMargins(int each) : left_(each), top_(each), right_(each), bottom_(each) {}

private:
    void Set(int& side, int value);
    int left_;
    int top_;
    int right_;
    int bottom_;
};

class TPadding : public TMargins
{
public:
    TPadding() : TMargins(0) {}
};
