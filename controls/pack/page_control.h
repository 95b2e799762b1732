#pragma once

#include "controls/grid/control6_types.h"
#include "controls/pack/common_types.h"
#include "controls/pack/page_control_painters.h"
#include "controls/pack/page_sheet.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/png_image.h"
#include "platform/gui/windows/margins.h"

#include <memory>
#include <string>

// A notebook with a strip of tabs along one edge, one tab per page: a click on a tab, the arrow keys or the
// list of all tabs switch pages; tabs carry a picture and a close button, can be dragged to reorder the
// pages, and the strip scrolls so that the active tab stays in view.

// In a namespace of its own because the forms' close actions take the same names.
namespace CloseButtonActions {
enum TKVGxCloseButtonAction
{
    caHide,   // the page's tab is hidden
    caDestroy // the page is freed
};
} // namespace CloseButtonActions
using CloseButtonActions::TKVGxCloseButtonAction;

enum TKVGxCloseButtonLocation
{
    cbBeside, // one close button beside the strip
    cbTab     // a close button on the active and the hot tab
};

enum TKVGxPageControlOption
{
    poBoldActiveCaption
};
using TKVGxPageControlOptions = TSet<TKVGxPageControlOption>;

enum TKVGxPageControlButton
{
    pbClose,
    pbScrolling,
    pbTabsPopup
};
using TKVGxPageControlButtons = TSet<TKVGxPageControlButton>;

using TKVGxPageCloseQueryEvent = std::function<void(TObject* sender, TKVGxPageSheet6* page, bool& canClose)>;
using TKVGxTabMouseEvent = std::function<void(TObject* sender, TKVGxPageSheet6* page, TMouseButton button,
                                              TShiftState shift, int x, int y)>;

class TKVGxPageControl6 : public TKVGxCustomNotebook6
{
public:
    explicit TKVGxPageControl6(TComponent* owner);
    ~TKVGxPageControl6() override;

    // --- tabs ---
    TGxTabsLocation TabsLocation() const { return FTabsLocation; }
    void SetTabsLocation(TGxTabsLocation value);
    TGxOrientation TabsOrientation() const;
    // Without tabs the pages take the whole control; the strip is painted all the same.
    bool ShowTabs() const { return FShowTabs; }
    void SetShowTabs(bool value) { StoreRealign(FShowTabs, value); }
    int TabsHeight() const { return FTabsHeight; }
    void SetTabsHeight(int value) { StoreRealign(FTabsHeight, value); }
    int TabsWidth() const { return FTabsWidth; }
    void SetTabsWidth(int value) { StoreRealign(FTabsWidth, value); }
    int TabsSpacing() const { return FTabsSpacing; }
    void SetTabsSpacing(int value) { StoreRepaint(FTabsSpacing, value); }
    // -20..0: inactive tabs are that much shorter on their outer side.
    int InactiveTabsHeightDelta() const { return FInactiveTabsHeightDelta; }
    void SetInactiveTabsHeightDelta(int value);
    // Inside each tab, around its content.
    TPadding* TabPadding() const { return FTabPadding.get(); }
    void SetTabPadding(const TPadding* value) { FTabPadding->Assign(value); }
    // Around the strip inside the tabs area.
    TPadding* TabsPadding() const { return FTabsPadding.get(); }
    void SetTabsPadding(const TPadding* value) { FTabsPadding->Assign(value); }
    const std::string& DefaultCaption() const { return FDefaultCaption; }
    void SetDefaultCaption(const std::string& value) { StoreRepaint(FDefaultCaption, value); }
    TKVGxPageControlOptions Options() const { return FOptions; }
    void SetOptions(TKVGxPageControlOptions value) { StoreRepaint(FOptions, value); }
    // Dragging a tab further than 5 pixels moves its page through the page order.
    bool TabMoving() const { return FTabMoving; }
    void SetTabMoving(bool value) { FTabMoving = value; }
    // Scrolling by pixels; without it the strip never scrolls.
    bool PreciseScrolling() const { return FPreciseScrolling; }
    void SetPreciseScrolling(bool value);
    TCustomImageList* Images() const { return FImages; }
    // Not owned: dropped when the list goes.
    void SetImages(TCustomImageList* value);
    bool ShowImages() const { return FShowImages; }
    void SetShowImages(bool value) { StoreRepaint(FShowImages, value); }

    // --- fonts ---
    TFont* TabFont() const { return FTabFont.get(); }
    // Copies the font and stops following Font.
    void SetTabFont(const TFont* value);
    bool ParentTabFont() const { return FParentTabFont; }
    void SetParentTabFont(bool value);

    // --- colours ---
    // Stored; the tabs' text colours are the pages'.
    TColor ActiveTabTextColor() const { return FActiveTabTextColor; }
    void SetActiveTabTextColor(TColor value) { StoreRepaint(FActiveTabTextColor, value); }
    TColor TabsBackgroundColor() const { return FTabsBackgroundColor; }
    void SetTabsBackgroundColor(TColor value);
    TColor TabsBackgroundColorTo() const { return FTabsBackgroundColorTo; }
    void SetTabsBackgroundColorTo(TColor value) { StoreRepaint(FTabsBackgroundColorTo, value); }
    TGradientDirection TabsBackgroundGradientDirection() const { return FTabsBackgroundGradientDirection; }
    void SetTabsBackgroundGradientDirection(TGradientDirection value);
    TColor TabsSeparatorColor() const { return FTabsSeparatorColor; }
    void SetTabsSeparatorColor(TColor value);
    // The separator takes the active tab's colour.
    bool AutoAdjustTabsSeparatorColor() const { return FAutoAdjustTabsSeparatorColor; }
    void SetAutoAdjustTabsSeparatorColor(bool value) { StoreRepaint(FAutoAdjustTabsSeparatorColor, value); }
    TColor ButtonHotColor() const { return FButtonHotColor; }
    void SetButtonHotColor(TColor value) { StoreRepaint(FButtonHotColor, value); }

    // --- buttons ---
    TKVGxPageControlButtons VisibleButtons() const { return FVisibleButtons; }
    void SetVisibleButtons(TKVGxPageControlButtons value) { StoreRepaint(FVisibleButtons, value); }
    TKVGxCloseButtonAction CloseButtonAction() const { return FCloseButtonAction; }
    void SetCloseButtonAction(TKVGxCloseButtonAction value) { FCloseButtonAction = value; }
    TKVGxCloseButtonLocation CloseButtonLocation() const { return FCloseButtonLocation; }
    void SetCloseButtonLocation(TKVGxCloseButtonLocation value) { StoreRepaint(FCloseButtonLocation, value); }
    // Setting an image copies it; an empty one brings back the drawn cross.
    TPngImage* ButtonCloseImage() const { return FButtonCloseImage.get(); }
    void SetButtonCloseImage(const TPngImage* value);
    TPngImage* ButtonCloseHotImage() const { return FButtonCloseHotImage.get(); }
    void SetButtonCloseHotImage(const TPngImage* value);

    // --- pages ---
    // Page index among the pages.
    TKVGxPageSheet6* GetPage(int index) const;
    // The page's caption, or DefaultCaption for an empty one.
    std::string GetPageCaption(int index) const;
    // Closes the page as CloseButtonAction says unless OnPageCloseQuery refuses; false when refused.
    // Raises for no page ("PageSheet can not be nil") and for a page of another control.
    bool ClosePage(TKVGxPageSheet6* page);
    // Opens the list of the visible tabs under the popup button.
    void ShowTabsPopup();
    // The list the last ShowTabsPopup made (a popup menu).
    TComponent* TabsPopupMenu() const { return FPopupMenu; }

    // --- geometry, in client coordinates (page_control_layout.cpp) ---
    TSize GetButtonSize() const;
    TSize GetPageTabSize(int index) const;
    TRect GetTabsAreaRect() const;
    TRect GetTabsAreaWithSeparatorRect() const;
    TRect GetTabsStripRect() const;
    TRect GetTabsPopupButtonRect() const;
    TRect GetCloseButtonRect() const;
    // The page's tab; a page without a visible tab gives the last visible tab (empty without any).
    TRect GetTabRect(const TKVGxPageSheet6* page) const;
    TKVGxPageSheet6* GetTabAtPos(TPoint point) const;
    TRect GetTabCloseButtonRect(const TKVGxPageSheet6* page) const;
    // Scrolls the strip so that the page's tab shows whole.
    void ScrollToTab(const TKVGxPageSheet6* page);
    int ScrollPosition() const { return FScrollPosition; }
    void RefreshPageTab(const TKVGxPageSheet6* page);

    // --- state ---
    TKVGxPageSheet6* HotPageTab() const { return FHotPageTab; }
    TKVGxPageSheet6* PressedPageTab() const { return FPressedPageTab; }
    TGxButtonState CloseButtonState() const { return FCloseButtonState; }
    TGxButtonState PopupButtonState() const { return FPopupButtonState; }
    TKVGxPageControlStylePainter* Painter() const { return FPainter.get(); }

    TKVGxPageCloseQueryEvent OnPageCloseQuery;
    TKVGxTabMouseEvent OnTabClick;

    TKVGxNotebookSheet6* CreateSheet(TComponent* owner) const override;
    void Dispatch(TMessage& message) override;

protected:
    virtual std::unique_ptr<TKVGxPageControlStylePainter> CreateStylePainter();
    void AdjustClientRect(TRect& rect) const override;
    void Notification(TComponent* component, TOperation operation) override;
    void Paint() override;
    virtual void PaintTabBackground(const TRect& rect, TGxButtonState state);
    virtual void DrawTabsBackground(const TRect& rect);
    void SheetActivationChanged(TKVGxNotebookSheet6* sheet) override;
    void SheetInserted(TKVGxNotebookSheet6* sheet) override;
    void DoActiveChange(TKVGxNotebookSheet6* sheet) override;
    virtual void DoPageCloseQuery(TKVGxPageSheet6* page, bool& canClose);
    virtual void DoTabClick(TKVGxPageSheet6* page, TMouseButton button, TShiftState shift, int x, int y);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;

private:
    template <typename T> void StoreRepaint(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            Invalidate();
    }
    template <typename T> void StoreRealign(T& field, const T& value)
    {
        if (StoreIfChanged(field, value))
            LayoutChanged();
    }
    void LayoutChanged();
    void CopyFontToTabFont();
    void ControlRemoved(const TControl* control);
    // One visible tab of the walk along the strip.
    struct TTabPlace
    {
        TKVGxPageSheet6* Page;
        TRect Rect;
    };
    std::vector<TTabPlace> TabWalk() const;
    bool IsSideButtonVisible() const;
    // Hot and pressed tabs and button states (page_control_input.cpp).
    void SetHotPageTab(TKVGxPageSheet6* page);
    void SetPressedPageTab(TKVGxPageSheet6* page);
    void SetCloseButtonState(TGxButtonState state);
    void SetPopupButtonState(TGxButtonState state);
    void UpdateButtonHover(TPoint point);
    void Resized();
    // Painting (page_control_painting.cpp).
    void DrawTabs();
    void DrawPageTab(TRect rect, TKVGxPageSheet6& sheet, TGxButtonState state);
    void DrawTabBorders(const TRect& rect, const TKVGxTabBorders& borders);
    void DrawTabsSeparator();
    void DrawTabsPopupButton(const TRect& rect, TGxButtonState state);
    void DrawCloseButton(const TRect& rect, TGxButtonState state);
    TGxButtonState TabState(const TKVGxPageSheet6& sheet) const;

    TColor FActiveTabTextColor = clHighlightText;
    bool FAutoAdjustTabsSeparatorColor = true;
    std::unique_ptr<TPngImage> FButtonCloseImage;
    std::unique_ptr<TPngImage> FButtonCloseHotImage;
    TColor FButtonHotColor = clHighlight;
    TKVGxCloseButtonAction FCloseButtonAction = CloseButtonActions::caHide;
    TKVGxCloseButtonLocation FCloseButtonLocation = cbBeside;
    std::string FDefaultCaption = "<default>";
    TCustomImageList* FImages = nullptr;
    int FInactiveTabsHeightDelta = 0;
    TKVGxPageControlOptions FOptions;
    bool FParentTabFont = true;
    bool FPreciseScrolling = true;
    bool FShowImages = true;
    bool FShowTabs = true;
    std::unique_ptr<TFont> FTabFont;
    bool FTabMoving = true;
    std::unique_ptr<TPadding> FTabPadding;
    std::unique_ptr<TPadding> FTabsPadding;
    TColor FTabsBackgroundColor = clBtnFace;
    TColor FTabsBackgroundColorTo = clNone;
    TGradientDirection FTabsBackgroundGradientDirection = gdVertical;
    int FTabsHeight = 20;
    int FTabsWidth = 80;
    TGxTabsLocation FTabsLocation = tbTop;
    TColor FTabsSeparatorColor = clHighlight;
    int FTabsSpacing = 0;
    TKVGxPageControlButtons FVisibleButtons{pbClose, pbTabsPopup};

    std::unique_ptr<TKVGxPageControlStylePainter> FPainter;
    TComponent* FPopupMenu = nullptr; // the current tab list, a popup menu owned as a component
    TKVGxPageSheet6* FHotPageTab = nullptr;
    TKVGxPageSheet6* FPressedPageTab = nullptr;
    TGxButtonState FCloseButtonState;
    TGxButtonState FPopupButtonState;
    int FScrollPosition = 0; // pixels with PreciseScrolling, else the first tab's page index
    bool FMoving = false;    // a tab is being dragged
    TPoint FMouseLocation;   // where the left button went down on a tab
    TSize FLastClientSize;   // the client size the last WM_SIZE saw
};
