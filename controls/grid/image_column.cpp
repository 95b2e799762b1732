#include "controls/grid/image_column.h"

#include "controls/grid/image_column_display.h"
#include "platform/gui/graphics/image_list.h"

TGxImageColumn::TGxImageColumn(TComponent* owner) : TGxCustomColumn(owner)
{
    SetColumnType(ctInteger);
    SetDefaultValue("0");
    SetSortType(stNumeric);
}

void TGxImageColumn::SetImages(TCustomImageList* value)
{
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = value;
    if (value)
        FreeNotification(value);
}

void TGxImageColumn::SetColumnType(TColumnType)
{
    TGxCustomColumn::SetColumnType(ctInteger);
}

TColumnDisplayClass TGxImageColumn::GetDisplayClass() const
{
    return ColumnDisplayClass<TImageColumnDisplay>();
}

void TGxImageColumn::Assign(const TPersistent* source)
{
    TGxCustomColumn::Assign(source);
    if (const auto* column = dynamic_cast<const TGxImageColumn*>(source))
        SetImages(column->FImages);
}

void TGxImageColumn::Notification(TComponent* component, TOperation operation)
{
    TGxCustomColumn::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        FImages = nullptr;
}
