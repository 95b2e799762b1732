#include "controls/pack/panel_decorations.h"

namespace {

// Routes the changes of an item's own pen, font or gradient to the item's notification.
template <typename TOwned> void Route(TOwned& owned, std::function<void()> notify)
{
    owned.OnChange = [notify = std::move(notify)](TObject*) { notify(); };
}

} // namespace

TKvpPanelVerticalLine::TKvpPanelVerticalLine(TCollection* collection)
    : TKvpDecorationItem(collection), FPen(std::make_unique<TPen>())
{
    Route(*FPen, [this] { Notify(); });
}

void TKvpPanelVerticalLine::Assign(const TPersistent* source)
{
    const auto* line = dynamic_cast<const TKvpPanelVerticalLine*>(source);
    if (!line) {
        TKvpDecorationItem::Assign(source);
        return;
    }
    FPen->Assign(line->FPen.get());
    FTopMargin = line->FTopMargin;
    FBottomMargin = line->FBottomMargin;
    FVisible = line->FVisible;
    OnChange = line->OnChange;
    FPosX = line->FPosX;
    FLinePosition = line->FLinePosition;
    Notify();
}

TKvpPanelHorizontalLine::TKvpPanelHorizontalLine(TCollection* collection)
    : TKvpDecorationItem(collection), FPen(std::make_unique<TPen>())
{
    Route(*FPen, [this] { Notify(); });
}

void TKvpPanelHorizontalLine::Assign(const TPersistent* source)
{
    const auto* line = dynamic_cast<const TKvpPanelHorizontalLine*>(source);
    if (!line) {
        TKvpDecorationItem::Assign(source);
        return;
    }
    FPen->Assign(line->FPen.get());
    FLeftMargin = line->FLeftMargin;
    FRightMargin = line->FRightMargin;
    FVisible = line->FVisible;
    OnChange = line->OnChange;
    FPosY = line->FPosY;
    FLinePosition = line->FLinePosition;
    Notify();
}

TKvpPanelCaption::TKvpPanelCaption(TCollection* collection)
    : TKvpDecorationItem(collection), FFont(std::make_unique<TFont>())
{
    Route(*FFont, [this] { Notify(); });
}

void TKvpPanelCaption::Assign(const TPersistent* source)
{
    const auto* caption = dynamic_cast<const TKvpPanelCaption*>(source);
    if (!caption) {
        TKvpDecorationItem::Assign(source);
        return;
    }
    const TNotifyEvent notify = std::move(OnChange); // the copy itself is not reported
    FFont->Assign(caption->FFont.get());
    OnChange = notify;
    FPosX = caption->FPosX;
    FPosY = caption->FPosY;
    FMarginX = caption->FMarginX;
    FMarginY = caption->FMarginY;
    FVerticalPosition = caption->FVerticalPosition;
    FHorizontalPosition = caption->FHorizontalPosition;
}

TKvpPanelHorizontalBar::TKvpPanelHorizontalBar(TCollection* collection)
    : TKvpDecorationItem(collection), FBorder(std::make_unique<TPen>()),
      FGradient(std::make_unique<TKvpGradientEx>())
{
    Route(*FBorder, [this] { Notify(); });
    Route(*FGradient, [this] { Notify(); });
}
