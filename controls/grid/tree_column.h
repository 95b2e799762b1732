#pragma once

#include "controls/grid/column.h"

#include <memory>

class TCustomImageList;
class TPngImage;

// A column that shows the rows as a tree: lines, an expand button on rows with children, an image per row
// and the text, each level indented. It is never sorted.
class TGxTreeColumn : public TGxCustomColumn
{
public:
    explicit TGxTreeColumn(TComponent* owner);
    ~TGxTreeColumn() override;

    // The user cannot expand or collapse rows.
    bool ExpandLock() const { return FExpandLock; }
    void SetExpandLock(bool value) { FExpandLock = value; }
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool value) { SetAndRefresh(FShowButtons, value, gaNone); }
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool value) { SetAndRefresh(FShowLines, value, gaNone); }
    // The button of the selected row in the highlight text colour (classic look).
    bool HighlightButton() const { return FHighlightButton; }
    void SetHighlightButton(bool value) { SetAndRefresh(FHighlightButton, value, gaNone); }
    // The rows' images; not owned, forgotten when the list goes.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    // The buttons of collapsed and expanded rows in the theme's look, when not empty. Assigning copies the
    // image (nullptr empties it) and drops its gamma, which the button should not apply.
    TPngImage* ImageExpand() const { return FImageExpand.get(); }
    void SetImageExpand(const TPngImage* value);
    TPngImage* ImageCollapse() const { return FImageCollapse.get(); }
    void SetImageCollapse(const TPngImage* value);

    TColumnEditorClass GetCellEditorClass() const override;
    TColumnDisplayClass GetDisplayClass() const override;
    TColumnPlayClass GetPlayClass() const override;
    TColumnStyle GetColumnStyle() const override
    {
        return {csClickable, csCanEdit, csDisableSorting, csFitToLargest};
    }
    bool IsKeyValid(char32_t key) const override { return key > U' '; }
    // The editor starts after the lines, the button and the image.
    void AdjustEditRect(int level, TRect& editRect) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    static void CopyButtonImage(TPngImage& image, const TPngImage* value);

    bool FExpandLock = false;
    bool FShowButtons = true;
    bool FShowLines = false;
    bool FHighlightButton = false;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TPngImage> FImageExpand;
    std::unique_ptr<TPngImage> FImageCollapse;
};
