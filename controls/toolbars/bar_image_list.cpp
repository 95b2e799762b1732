#include "controls/toolbars/bar_image_list.h"

TBarCustomImageList::TBarCustomImageList(TComponent* owner)
    : TImageList(owner), FCheckedImagesChangeLink(std::make_unique<TChangeLink>()),
      FDisabledImagesChangeLink(std::make_unique<TChangeLink>()),
      FHotImagesChangeLink(std::make_unique<TChangeLink>()), FImagesBitmap(std::make_unique<TBitmap>())
{
    // A companion list that changes changes how this list's entries look.
    for (TChangeLink* link :
         {FCheckedImagesChangeLink.get(), FDisabledImagesChangeLink.get(), FHotImagesChangeLink.get()})
        link->OnChange = [this](TObject*) { Change(); };
    FImagesBitmap->OnChange = [this](TObject*) { ImagesBitmapChanged(); };
}

TBarCustomImageList::~TBarCustomImageList()
{
    Destroying();
    SetCheckedImages(nullptr);
    SetDisabledImages(nullptr);
    SetHotImages(nullptr);
    FImagesBitmap.reset();
}

void TBarCustomImageList::SetImageList(TCustomImageList*& field, TCustomImageList* value, TChangeLink& link)
{
    if (value == this)
        value = nullptr;
    if (value == field)
        return;
    if (field)
        field->UnRegisterChanges(&link);
    field = value;
    if (value) {
        value->RegisterChanges(&link);
        value->FreeNotification(this);
    }
    if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csDestroying))
        Change();
}

void TBarCustomImageList::Notification(TComponent* component, TOperation operation)
{
    TImageList::Notification(component, operation);
    if (operation != opRemove)
        return;
    // A companion list that goes has already let go of this list's change link: it is forgotten without
    // being asked anything more.
    for (TCustomImageList** field : {&FCheckedImages, &FDisabledImages, &FHotImages})
        if (component == *field) {
            *field = nullptr;
            if (!ComponentState().Contains(csDestroying))
                Change();
        }
}

void TBarCustomImageList::ImagesBitmapChanged()
{
    if (FImagesBitmap->Empty())
        return;
    Clear();
    AddMasked(FImagesBitmap.get(), FImagesBitmapMaskColor);
}

void TBarCustomImageList::DrawState(TCanvas& canvas, int x, int y, int index, bool enabled, bool selected,
                                    bool checked)
{
    if (!enabled && FDisabledImages)
        FDisabledImages->Draw(canvas, x, y, index, true);
    else if (checked && FCheckedImages)
        FCheckedImages->Draw(canvas, x, y, index, enabled);
    else if (selected && FHotImages)
        FHotImages->Draw(canvas, x, y, index, enabled);
    else
        Draw(canvas, x, y, index, enabled);
}
