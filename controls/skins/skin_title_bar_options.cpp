#include "controls/skins/skin_title_bar_options.h"

#include "controls/skins/skin_compound_bar.h"
#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_label_items.h"
#include "controls/skins/skin_manager.h"
#include "controls/skins/skin_system_menu_item.h"
#include "controls/skins/skin_title_bar.h"
#include "controls/skins/skin_toolbar.h"
#include "controls/toolbars/item_classes.h"

namespace {

// The built-in caption glyphs of GlyphImageList.
constexpr int GlyphNone = -1;
constexpr int GlyphClose = 0;
constexpr int GlyphMaximize = 1;
constexpr int GlyphMinimize = 2;
constexpr int GlyphRestore = 3;

// The width of a caption button.
constexpr int ButtonWidth = 17;

} // namespace

// --- the caption items -------------------------------------------------------------------------------------

TQvButtonOptions::TQvButtonOptions(TQvCompoundItemsControl* parent)
{
    FParentControl = parent;
    FToolbar = parent->EmbeddedToolbar();
}

void TQvButtonOptions::CreateButtons()
{
    TBarCustomItem* root = FToolbar->Items();
    TComponent* owner = FToolbar->Owner();
    FRightAlignSpacer = new TQvRightAlignSpacerItem(owner);
    FRightAlignSpacer->FontSettings().SetStyle({fsBold});
    FRightAlignSpacer->SetWrapping(twEndEllipsis);
    FRightAlignSpacer->SetCaption(FCaption ? FCaptionLabel : std::string());
    root->Add(FRightAlignSpacer);
    FEditableItems = new TBarGroupItem(owner);
    root->Add(FEditableItems);
    FMinimizeButton = new TQvItem(owner);
    FMaximizeButton = new TQvItem(owner);
    FCloseButton = new TQvItem(owner);
    for (TQvItem* button : {FMinimizeButton, FMaximizeButton, FCloseButton})
        SetupButton(button);
    FMinimizeButton->SetVisible(FMinimize);
    FMaximizeButton->SetVisible(FMaximize);
    FCloseButton->SetVisible(FClose);
    SetTitleBarMaxSize(FTitleBarMaxSize);
}

void TQvButtonOptions::SetupButton(TBarCustomItem* item)
{
    if (auto* skinned = dynamic_cast<TQvCustomItem*>(item)) {
        skinned->SetCustomWidth(ButtonWidth);
        skinned->SetCustomHeight(FTitleBarMaxSize);
        skinned->OnDrawImage = [this](TObject* sender, TCanvas& canvas, TQvSkinStatesType state,
                                      TQvPaintStage stage, TCustomImageList*& imageList, int& imageIndex,
                                      TRect& rect, bool& paintDefault) {
            DrawButtonImage(sender, canvas, state, stage, imageList, imageIndex, rect, paintDefault);
        };
        skinned->OnDrawItem = [this](TObject* sender, TCanvas& canvas, const TRect& rect,
                                     const TQvMenuItemInfo& itemInfo, TQvPaintStage stage,
                                     bool& paintDefault) {
            DrawButtonItem(sender, canvas, rect, itemInfo, stage, paintDefault);
        };
    }
    item->SetDisplayMode(nbdmImageAndText);
    item->OnClick = [this](TObject* sender) { ButtonClick(sender); };
    FToolbar->Items()->Add(item);
    item->SetVisible(false);
    SetupButtonIcon(item);
}

void TQvButtonOptions::SetupButtonIcon(TBarCustomItem* item)
{
    if (!item)
        return;
    int configured = -1;
    int glyph = GlyphNone;
    const bool restores = (item == FMaximizeButton || item == FMinimizeButton) && IsRestoreButton(item);
    if (item == FRightAlignSpacer) {
        configured = FCaptionImageIndex;
    } else if (item == FCloseButton) {
        configured = FCloseImageIndex;
        glyph = GlyphClose;
    } else if (restores) {
        configured = FRestoreImageIndex;
        glyph = GlyphRestore;
    } else if (item == FMaximizeButton) {
        configured = FMaximizeImageIndex;
        glyph = GlyphMaximize;
    } else if (item == FMinimizeButton) {
        configured = FMinimizeImageIndex;
        glyph = GlyphMinimize;
    }
    // Without a configured image the built-in glyph shows; with one, the toolbar's images apply.
    item->SetImages(configured == -1 ? GlyphImageList() : nullptr);
    item->SetImageIndex(configured == -1 ? glyph : configured);
}

void TQvButtonOptions::UpdateSpacerVisibility()
{
    FRightAlignSpacer->SetVisible(FCaption || FClose || FMaximize || FMinimize);
}

void TQvButtonOptions::DrawButtonImage(TObject*, TCanvas&, TQvSkinStatesType, TQvPaintStage,
                                       TCustomImageList*&, int&, TRect&, bool&)
{}

void TQvButtonOptions::DrawButtonItem(TObject*, TCanvas&, const TRect&, const TQvMenuItemInfo&,
                                      TQvPaintStage stage, bool& paintDefault)
{
    if (stage == pstPrePaint && !FButtonBorders)
        paintDefault = false;
}

// --- properties --------------------------------------------------------------------------------------------

void TQvButtonOptions::SetCaption(bool value)
{
    FCaption = value;
    FRightAlignSpacer->SetCaption(value ? FCaptionLabel : std::string());
    UpdateSpacerVisibility();
}

void TQvButtonOptions::SetCaptionLabel(const std::string& value)
{
    if (value == FCaptionLabel)
        return;
    FCaptionLabel = value;
    FRightAlignSpacer->SetCaption(value);
}

void TQvButtonOptions::SetButtonVisible(bool& flag, TQvItem* button, bool value)
{
    flag = value;
    button->SetVisible(value);
    UpdateSpacerVisibility();
}

void TQvButtonOptions::SetClose(bool value)
{
    SetButtonVisible(FClose, FCloseButton, value);
}

void TQvButtonOptions::SetMinimize(bool value)
{
    SetButtonVisible(FMinimize, FMinimizeButton, value);
}

void TQvButtonOptions::SetMaximize(bool value)
{
    SetButtonVisible(FMaximize, FMaximizeButton, value);
}

void TQvButtonOptions::SetImageIndex(int& index, int value, std::initializer_list<TBarCustomItem*> items)
{
    index = value < 0 ? -1 : value;
    for (TBarCustomItem* item : items)
        SetupButtonIcon(item);
}

void TQvButtonOptions::SetCaptionImageIndex(int value)
{
    SetImageIndex(FCaptionImageIndex, value, {FRightAlignSpacer});
}

void TQvButtonOptions::SetCloseImageIndex(int value)
{
    SetImageIndex(FCloseImageIndex, value, {FCloseButton});
}

void TQvButtonOptions::SetMinimizeImageIndex(int value)
{
    SetImageIndex(FMinimizeImageIndex, value, {FMinimizeButton});
}

void TQvButtonOptions::SetMaximizeImageIndex(int value)
{
    SetImageIndex(FMaximizeImageIndex, value, {FMaximizeButton});
}

void TQvButtonOptions::SetRestoreImageIndex(int value)
{
    SetImageIndex(FRestoreImageIndex, value, {FMinimizeButton, FMaximizeButton});
}

void TQvButtonOptions::SetTitleBarMaxSize(int value)
{
    FTitleBarMaxSize = value;
    FToolbar->SetMaxSize(value);
}

// --- the title bar's items ---------------------------------------------------------------------------------

TQvTitleBarButtonOptions::TQvTitleBarButtonOptions(TQvCustomTitleBar* titleBar)
    : TQvButtonOptions(titleBar), FTitleBar(titleBar)
{
    CreateButtons();
}

void TQvTitleBarButtonOptions::CreateButtons()
{
    FSystemButton = new TQvSystemMenuItem(FToolbar->Owner());
    SetupButton(FSystemButton);
    FSystemButton->SetVisible(FSystemMenu);
    TQvButtonOptions::CreateButtons();
}

void TQvTitleBarButtonOptions::SetSystemMenu(bool value)
{
    FSystemMenu = value;
    FSystemButton->SetVisible(value);
}

void TQvTitleBarButtonOptions::DrawButtonItem(TObject* sender, TCanvas& canvas, const TRect& rect,
                                              const TQvMenuItemInfo& itemInfo, TQvPaintStage stage,
                                              bool& paintDefault)
{
    TQvButtonOptions::DrawButtonItem(sender, canvas, rect, itemInfo, stage, paintDefault);
    if (stage == pstPrePaint && ButtonBorders() && GetSkinManager().IsDefaultSkin())
        paintDefault = false;
}

void TQvTitleBarButtonOptions::ButtonClick(TObject* sender)
{
    TCustomForm* form = FTitleBar->ParentForm();
    if (!form || !FTitleBar->IsActive())
        return;
    if (sender == FSystemButton)
        FSystemButton->SetShowSize(!FTitleBar->FixedSize());
    else if (sender == MinimizeButton())
        FTitleBar->ChangeFormState(wsMinimized);
    else if (sender == CloseButton())
        form->Close();
    else if (sender == MaximizeButton())
        FTitleBar->ChangeFormState(form->WindowState() != wsNormal ? wsNormal : wsMaximized);
}

bool TQvTitleBarButtonOptions::IsRestoreButton(TBarCustomItem* item)
{
    return item && item == MaximizeButton() && FTitleBar && FTitleBar->FormIsMaximized();
}
