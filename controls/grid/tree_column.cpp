#include "controls/grid/tree_column.h"

#include "controls/grid/text_cell_edit.h"
#include "controls/grid/tree_column_display.h"
#include "controls/grid/tree_column_play.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/png_image.h"

TGxTreeColumn::TGxTreeColumn(TComponent* owner)
    : TGxCustomColumn(owner), FImageExpand(std::make_unique<TPngImage>()),
      FImageCollapse(std::make_unique<TPngImage>())
{}

TGxTreeColumn::~TGxTreeColumn() = default;

void TGxTreeColumn::SetImages(TCustomImageList* value)
{
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = value;
    if (value)
        FreeNotification(value);
    Refresh(gaNone);
}

void TGxTreeColumn::SetImageExpand(const TPngImage* value)
{
    CopyButtonImage(*FImageExpand, value);
}

void TGxTreeColumn::SetImageCollapse(const TPngImage* value)
{
    CopyButtonImage(*FImageCollapse, value);
}

void TGxTreeColumn::CopyButtonImage(TPngImage& image, const TPngImage* value)
{
    const TPngImage empty;
    image.Assign(value ? value : &empty);
    const TPngColorType type = image.Header().ColorType;
    if (!image.Empty() && (type == COLOR_RGB || type == COLOR_PALETTE || type == COLOR_RGBALPHA))
        image.RemoveChunk("gAMA");
}

TColumnEditorClass TGxTreeColumn::GetCellEditorClass() const
{
    return CellEditorClass<TGxEdit>();
}

TColumnDisplayClass TGxTreeColumn::GetDisplayClass() const
{
    return ColumnDisplayClass<TTreeColumnDisplay>();
}

TColumnPlayClass TGxTreeColumn::GetPlayClass() const
{
    return ColumnPlayClass<TTreeColumnPlay>();
}

void TGxTreeColumn::AdjustEditRect(int level, TRect& editRect)
{
    editRect.Left += level * TreeIndent + Padding() + TreeContentOffset;
    if (FImages)
        editRect.Left += FImages->Width();
}

void TGxTreeColumn::Notification(TComponent* component, TOperation operation)
{
    TGxCustomColumn::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        FImages = nullptr;
}
