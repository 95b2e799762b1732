#pragma once

#include "controls/skins/skin_item_events.h"
#include "platform/gui/core/classes.h"

#include <string>

// The caption items of a compound bar: the caption text on a right-align spacer, a group where user items
// go, and the minimize, maximize and close buttons; the title bar's options add the window-menu item as
// the leftmost item. The items belong to the toolbar's root item, not to the options object.

class TBarCustomItem;
class TBarGroupItem;
class TQvCompoundItemsControl;
class TQvCustomTitleBar;
class TQvItem;
class TQvRightAlignSpacerItem;
class TQvSystemMenuItem;
class TQvToolbar;
class TWinControl;

class TQvButtonOptions : public TPersistent
{
public:
    // parent is the compound bar whose toolbar gets the items. A concrete options class calls
    // CreateButtons at the end of its constructor, once its own overrides answer.
    explicit TQvButtonOptions(TQvCompoundItemsControl* parent);

    bool ButtonBorders() const { return FButtonBorders; }
    void SetButtonBorders(bool value) { FButtonBorders = value; }
    bool Caption() const { return FCaption; }
    void SetCaption(bool value);
    bool Close() const { return FClose; }
    void SetClose(bool value);
    bool Minimize() const { return FMinimize; }
    void SetMinimize(bool value);
    bool Maximize() const { return FMaximize; }
    void SetMaximize(bool value);
    // Image indexes in the toolbar's images; -1 (also for any negative value) takes the built-in glyph.
    int CaptionImageIndex() const { return FCaptionImageIndex; }
    void SetCaptionImageIndex(int value);
    int CloseImageIndex() const { return FCloseImageIndex; }
    void SetCloseImageIndex(int value);
    int MinimizeImageIndex() const { return FMinimizeImageIndex; }
    void SetMinimizeImageIndex(int value);
    int MaximizeImageIndex() const { return FMaximizeImageIndex; }
    void SetMaximizeImageIndex(int value);
    // The image of the minimize or maximize button while it restores the form.
    int RestoreImageIndex() const { return FRestoreImageIndex; }
    void SetRestoreImageIndex(int value);
    // The largest height of the toolbar, frame included.
    int TitleBarMaxSize() const { return FTitleBarMaxSize; }
    void SetTitleBarMaxSize(int value);
    const std::string& CaptionLabel() const { return FCaptionLabel; }
    void SetCaptionLabel(const std::string& value);

    TBarGroupItem* EditableItems() const { return FEditableItems; }
    TQvRightAlignSpacerItem* RightAlignSpacer() const { return FRightAlignSpacer; }
    TQvItem* MinimizeButton() const { return FMinimizeButton; }
    TQvItem* MaximizeButton() const { return FMaximizeButton; }
    TQvItem* CloseButton() const { return FCloseButton; }

    // Gives item its configured image, or the built-in glyph when none is configured.
    virtual void SetupButtonIcon(TBarCustomItem* item);

protected:
    // The buttons' image event: the default painting stands.
    virtual void DrawButtonImage(TObject* sender, TCanvas& canvas, TQvSkinStatesType state,
                                 TQvPaintStage stage, TCustomImageList*& imageList, int& imageIndex,
                                 TRect& rect, bool& paintDefault);
    // The buttons' item event: without ButtonBorders the buttons get no skinned body.
    virtual void DrawButtonItem(TObject* sender, TCanvas& canvas, const TRect& rect,
                                const TQvMenuItemInfo& itemInfo, TQvPaintStage stage, bool& paintDefault);
    virtual void ButtonClick(TObject* sender) = 0;
    virtual void CreateButtons();
    virtual void UpdateSpacerVisibility();
    // Sizes item as a caption button, ties its events to this object, adds it (hidden) to the root.
    virtual void SetupButton(TBarCustomItem* item);
    // item is the button that restores the form from its present state.
    virtual bool IsRestoreButton(TBarCustomItem* item) = 0;

    TWinControl* FParentControl = nullptr; // the compound bar
    TQvToolbar* FToolbar = nullptr;        // its embedded toolbar

private:
    void SetButtonVisible(bool& flag, TQvItem* button, bool value);
    void SetImageIndex(int& index, int value, std::initializer_list<TBarCustomItem*> items);

    TBarGroupItem* FEditableItems = nullptr;
    TQvItem* FCloseButton = nullptr;
    TQvItem* FMinimizeButton = nullptr;
    TQvItem* FMaximizeButton = nullptr;
    TQvRightAlignSpacerItem* FRightAlignSpacer = nullptr;
    int FCaptionImageIndex = -1;
    int FCloseImageIndex = -1;
    int FMinimizeImageIndex = -1;
    int FMaximizeImageIndex = -1;
    int FRestoreImageIndex = -1;
    std::string FCaptionLabel;
    bool FCaption = true;
    bool FClose = true;
    bool FMinimize = true;
    bool FMaximize = true;
    bool FButtonBorders = true;
    int FTitleBarMaxSize = 21;
};

// The title bar's caption items: the window-menu item first, and buttons that act on the title bar's form.
class TQvTitleBarButtonOptions : public TQvButtonOptions
{
public:
    explicit TQvTitleBarButtonOptions(TQvCustomTitleBar* titleBar);

    bool SystemMenu() const { return FSystemMenu; }
    void SetSystemMenu(bool value);
    TQvSystemMenuItem* SystemButton() const { return FSystemButton; }

protected:
    // With the default skin the buttons get no skinned body either.
    void DrawButtonItem(TObject* sender, TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo,
                        TQvPaintStage stage, bool& paintDefault) override;
    void ButtonClick(TObject* sender) override;
    void CreateButtons() override;
    bool IsRestoreButton(TBarCustomItem* item) override;

private:
    bool FSystemMenu = true;
    TQvSystemMenuItem* FSystemButton = nullptr;
    TQvCustomTitleBar* FTitleBar = nullptr;
};
