#include "controls/grid/collection_control.h"

void TGxIndent::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TGxIndent::SetLeft(int value)
{
    left_ = value;
    Changed();
}

void TGxIndent::SetTop(int value)
{
    top_ = value;
    Changed();
}

void TGxIndent::Assign(const TPersistent* source)
{
    const auto* indent = dynamic_cast<const TGxIndent*>(source);
    if (!indent) {
        TPersistent::Assign(source);
        return;
    }
    SetLeft(indent->Left());
    SetTop(indent->Top());
}

void TGxMargins::SetBottom(int value)
{
    bottom_ = value;
    Changed();
}

void TGxMargins::SetRight(int value)
{
    right_ = value;
    Changed();
}

void TGxMargins::Assign(const TPersistent* source)
{
    TGxIndent::Assign(source);
    if (const auto* margins = dynamic_cast<const TGxMargins*>(source)) {
        SetBottom(margins->Bottom());
        SetRight(margins->Right());
    }
}

TGxCollectionControl::TGxCollectionControl(TComponent* owner) : TCustomControl(owner)
{
    controlStyle_.Include(csGestures);
}
