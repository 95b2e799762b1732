#include "controls/grid/collection_control6.h"

#include "controls/grid/clipping.h"

TGxCollectionControl6::TGxCollectionControl6(TComponent* owner) : TGxStyledControl6(owner) {}

void TGxCollectionControl6::SetAlpha(uint8_t value)
{
    if (value == alpha_)
        return;
    const bool wasOpaque = !SeeThrough();
    alpha_ = value;
    if (wasOpaque)
        RecreateWnd();
    Invalidate();
}

void TGxCollectionControl6::Assign(const TPersistent* source)
{
    if (const auto* other = dynamic_cast<const TGxCollectionControl6*>(source)) {
        SetAlpha(other->alpha_);
        return;
    }
    TGxStyledControl6::Assign(source);
}

void TGxCollectionControl6::CreateParams(TCreateParams& params)
{
    TGxStyledControl6::CreateParams(params);
    if (SeeThrough())
        params.ExStyle |= WS_EX_TRANSPARENT;
}

void TGxCollectionControl6::Paint()
{
    TGxStyledControl6::Paint();
    if (SeeThrough())
        PaintParentImage(*this, *Canvas());
}

void TGxCollectionControl6::Dispatch(TMessage& message)
{
    TGxStyledControl6::Dispatch(message);
    if ((message.Msg == WM_WINDOWPOSCHANGING || message.Msg == WM_WINDOWPOSCHANGED) && SeeThrough())
        Invalidate();
}
