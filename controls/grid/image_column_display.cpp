#include "controls/grid/image_column_display.h"

#include "controls/grid/geometry.h"
#include "controls/grid/image_column.h"
#include "platform/gui/graphics/image_list.h"

namespace {

TCustomImageList* ImagesOf(TGxCustomColumn* column)
{
    auto* imageColumn = dynamic_cast<TGxImageColumn*>(column);
    return imageColumn ? imageColumn->Images() : nullptr;
}

} // namespace

int TImageColumnDisplay::GetContentWidth()
{
    TCustomImageList* images = ImagesOf(Column());
    return images ? images->Width() : 0;
}

void TImageColumnDisplay::Paint()
{
    TCustomImageList* images = ImagesOf(Column());
    if (!images || AsInteger() < 0 || AsInteger() >= images->Count())
        return;
    const TGxCustomColumn& column = *Column();
    const TPoint place = PosInRect(images->Width(), images->Height(), 2, ClientRect(), column.Alignment(),
                                   column.VerticalAlignment());
    images->Draw(*Canvas(), place.X, place.Y, AsInteger(), true);
}
