#include "platform/gui/windows/margins.h"

void TMargins::Set(int& side, int value)
{
    if (side == value)
        return;
    side = value;
    if (OnChange)
        OnChange(this);
}

void TMargins::SetBounds(int left, int top, int right, int bottom)
{
    if (left == left_ && top == top_ && right == right_ && bottom == bottom_)
        return;
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    if (OnChange)
        OnChange(this);
}

void TMargins::Assign(const TPersistent* source)
{
    if (const auto* other = dynamic_cast<const TMargins*>(source)) {
        SetBounds(other->left_, other->top_, other->right_, other->bottom_);
        return;
    }
    TPersistent::Assign(source);
}
