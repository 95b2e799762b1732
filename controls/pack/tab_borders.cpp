#include "controls/pack/tab_borders.h"

#include "controls/pack/common_types.h"

void TKVGxTabBorder::SetColor(TColor value)
{
    if (StoreIfChanged(FColor, value))
        PropsChanged();
}

void TKVGxTabBorder::SetStyle(TPenStyle value)
{
    if (StoreIfChanged(FStyle, value))
        PropsChanged();
}

void TKVGxTabBorder::SetVisible(bool value)
{
    if (StoreIfChanged(FVisible, value))
        PropsChanged();
}

void TKVGxTabBorder::CopyFrom(const TKVGxTabBorder& source)
{
    FColor = source.FColor;
    FStyle = source.FStyle;
    FVisible = source.FVisible;
}

void TKVGxTabBorder::PropsChanged()
{
    if (OnChange)
        OnChange(this);
}

TKVGxTabBorders::TKVGxTabBorders()
    : FTop(std::make_unique<TKVGxTabBorder>()), FRight(std::make_unique<TKVGxTabBorder>()),
      FLeft(std::make_unique<TKVGxTabBorder>()), FBottom(std::make_unique<TKVGxTabBorder>())
{}

TKVGxTabBorders::~TKVGxTabBorders() = default;

void TKVGxTabBorders::SetOnChange(TNotifyEvent handler)
{
    FOnChange = handler;
    for (TKVGxTabBorder* side : Sides())
        side->OnChange = handler;
}

void TKVGxTabBorders::CopySide(TKVGxTabBorder& side, const TKVGxTabBorder* value)
{
    if (value)
        side.CopyFrom(*value);
    PropsChanged();
}

void TKVGxTabBorders::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TKVGxTabBorders*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    const std::array<TKVGxTabBorder*, 4> from = other->Sides();
    const std::array<TKVGxTabBorder*, 4> to = Sides();
    for (size_t i = 0; i < to.size(); ++i)
        to[i]->CopyFrom(*from[i]);
    PropsChanged();
}

void TKVGxTabBorders::PropsChanged()
{
    if (FOnChange)
        FOnChange(this);
}
