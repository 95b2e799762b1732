// The paint state of a viewer, read off its view and item before painting.

#include "controls/skins/skin_item_painting.h"

#include "controls/skins/skin_manager.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/view.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/windows/win_control.h"

#include <memory>

namespace {

// A split item's arrow part: pushed while its popup is open, else hot where the main part is pushed or hot,
// never checked.
TQvSkinStatesType SplitArrowState(TQvSkinStatesType state, bool arrowPushed)
{
    if (arrowPushed) {
        return sknsPushed;
    }
    switch (state) {
    case sknsPushed:
    case sknsCheckedAndHotTrack:
        return sknsHotTrack;
    case sknsChecked:
        return sknsNormal;
    default:
        return state;
    }
}

struct TViewerImages
{
    bool ImageShown = false;
    TSize ImageSize;
    TSize RightImageSize;
};

TViewerImages ViewerImages(IQvSkinnedItemViewer* skinned)
{
    TViewerImages images;
    if (!skinned) {
        return images;
    }
    if (skinned->GetImageShown()) {
        images.ImageSize = skinned->GetImageSize();
        images.ImageShown = images.ImageSize.cx > 0 && images.ImageSize.cy > 0;
    }
    images.RightImageSize = skinned->GetRightImageSize();
    return images;
}

} // namespace

int MenuMarginsImageWidth(const TBarView& view, int imageWidth)
{
    if (const auto* column = dynamic_cast<const IQvMenuImageColumn*>(view.Window())) {
        return column->MaximumImageSize().cx;
    }
    return imageWidth;
}

void FillMenuItemInfo(TCanvas& canvas, TBarItemViewer& viewer, TQvMenuItemInfo& itemInfo)
{
    const std::shared_ptr<TQvSkinOptions> skin = GetCurrentSkin();
    TBarView& view = *viewer.View();
    const TBarCustomItem& item = *viewer.Item();
    auto* skinned = dynamic_cast<IQvSkinnedItemViewer*>(&viewer);

    const bool toolbarStyle = skinned ? skinned->IsToolbarStyle() : viewer.IsToolbarStyle();
    const bool isOpen = view.OpenViewer() == &viewer;
    const bool hotTrack = view.Selected() == &viewer;
    bool pushed = hotTrack && (isOpen || (view.MouseOverSelected() && view.Capture() && toolbarStyle));
    const bool isSplit = item.ItemStyle().Contains(tbisCombo);
    // An open split item without the button held down shows its arrow part pushed, not its main part.
    const bool arrowPushed = isSplit && pushed && !view.Capture();
    if (arrowPushed) {
        pushed = false;
    }
    const TViewerImages images = ViewerImages(skinned);

    itemInfo = TQvMenuItemInfo{};
    itemInfo.Enabled = item.Enabled() || view.Customizing();
    itemInfo.Pushed = pushed;
    itemInfo.Checked = item.Checked();
    itemInfo.HotTrack = hotTrack;
    itemInfo.ImageShown = images.ImageShown;
    itemInfo.ImageOrCheckShown = images.ImageShown || (!toolbarStyle && itemInfo.Checked);
    itemInfo.ImageSize = images.ImageSize;
    itemInfo.RightImageSize = images.RightImageSize;
    itemInfo.IsDesigning = view.ComponentState().Contains(csDesigning);
    itemInfo.IsOnMenuBar = view.Style().Contains(vsMenuBar);
    itemInfo.IsVertical = view.Orientation() == tbvoVertical && !isSplit;
    itemInfo.IsOnToolbox = skinned && skinned->IsOnToolbox();
    itemInfo.IsOpen = isOpen;
    itemInfo.IsSplit = isSplit;
    itemInfo.HasArrow = item.Options().Contains(tboDropdownArrow) ||
                        (item.ItemStyle().Contains(tbisSubmenu) && item.ItemStyle().Contains(tbisCombo));
    itemInfo.ToolbarStyle = toolbarStyle;

    if (toolbarStyle) {
        if (itemInfo.HasArrow) {
            itemInfo.ComboPart = isSplit ? cpSplitLeft : cpCombo;
        }
    } else {
        skin->GetMenuItemMargins(canvas, MenuMarginsImageWidth(view, itemInfo.ImageSize.cx),
                                 itemInfo.MenuMargins);
    }

    itemInfo.State = item.ItemStyle().Contains(tbisClicksTransparent)
                         ? TQvSkinOptions::GetState(itemInfo.Enabled, false, false, false)
                         : TQvSkinOptions::GetState(itemInfo.Enabled, pushed, hotTrack, itemInfo.Checked);
    if (isSplit) {
        itemInfo.ComboState = SplitArrowState(itemInfo.State, arrowPushed);
    }

    itemInfo.SkinType = GetSkinManager().GetSkinType();
    if (toolbarStyle && (pushed || itemInfo.Checked)) {
        itemInfo.IsSunkenCaption =
            itemInfo.SkinType == sknNone || (itemInfo.SkinType == sknWindows && !itemInfo.IsOnMenuBar);
    }
}

TCustomImageList* GlyphImageList()
{
    // Only compared against, never drawn from; it lives as long as the program.
    static const std::unique_ptr<TCustomImageList> list = std::make_unique<TCustomImageList>(nullptr);
    return list.get();
}
