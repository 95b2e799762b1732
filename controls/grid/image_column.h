#pragma once

#include "controls/grid/column.h"

class TCustomImageList;

// A column of images: each cell holds an index into the column's image list.
class TGxImageColumn : public TGxCustomColumn
{
public:
    explicit TGxImageColumn(TComponent* owner);

    // Not owned; the column forgets the list when it goes.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }

    void SetColumnType(TColumnType value) override;
    TColumnDisplayClass GetDisplayClass() const override;
    TColumnStyle GetColumnStyle() const override { return {csFitToLargest}; }

    void Assign(const TPersistent* source) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomImageList* FImages = nullptr;
    bool FTransparent = true;
};
