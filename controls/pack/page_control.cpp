#include "controls/pack/page_control.h"

#include "controls/pack/tabs_popup_menu.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/windows/message_views.h"

TKVGxPageControl6::TKVGxPageControl6(TComponent* owner)
    : TKVGxCustomNotebook6(owner), FButtonCloseImage(std::make_unique<TPngImage>()),
      FButtonCloseHotImage(std::make_unique<TPngImage>()), FTabFont(std::make_unique<TFont>()),
      FTabPadding(std::make_unique<TPadding>()), FTabsPadding(std::make_unique<TPadding>())
{
    controlStyle_.Include(csCaptureMouse);
    FTabPadding->SetBounds(4, 2, 4, 2);
    FTabsPadding->SetBounds(8, 4, 8, 0);
    FTabPadding->OnChange = [this](TObject*) { LayoutChanged(); };
    FTabsPadding->OnChange = [this](TObject*) { LayoutChanged(); };
    CopyFontToTabFont();
    FPainter = CreateStylePainter();
    FPopupMenu = NewTabsPopupMenu(this);
    SetBounds(Left(), Top(), 320, 240);
}

TKVGxPageControl6::~TKVGxPageControl6() = default;

std::unique_ptr<TKVGxPageControlStylePainter> TKVGxPageControl6::CreateStylePainter()
{
    return std::make_unique<TKVGxUserDefinedPageControlStylePainter>(*this);
}

TKVGxNotebookSheet6* TKVGxPageControl6::CreateSheet(TComponent* owner) const
{
    return new TKVGxPageSheet6(owner);
}

void TKVGxPageControl6::LayoutChanged()
{
    Realign();
    Invalidate();
}

// --- properties --------------------------------------------------------------------------------------------

void TKVGxPageControl6::SetTabsLocation(TGxTabsLocation value)
{
    if (!StoreIfChanged(FTabsLocation, value))
        return;
    FScrollPosition = 0;
    LayoutChanged();
}

TGxOrientation TKVGxPageControl6::TabsOrientation() const
{
    return FTabsLocation == tbLeft || FTabsLocation == tbRight ? orVertical : orHorizontal;
}

void TKVGxPageControl6::SetInactiveTabsHeightDelta(int value)
{
    StoreRepaint(FInactiveTabsHeightDelta, std::clamp(value, -20, 0));
}

void TKVGxPageControl6::SetPreciseScrolling(bool value)
{
    if (!StoreIfChanged(FPreciseScrolling, value))
        return;
    FScrollPosition = 0;
    Invalidate();
}

void TKVGxPageControl6::SetImages(TCustomImageList* value)
{
    if (SetWatchedReference(*this, FImages, value))
        Invalidate();
}

void TKVGxPageControl6::SetTabsBackgroundColor(TColor value)
{
    if (!StoreIfChanged(FTabsBackgroundColor, value))
        return;
    const TRect area = GetTabsAreaRect();
    InvalidateArea(area);
}

void TKVGxPageControl6::SetTabsBackgroundGradientDirection(TGradientDirection value)
{
    if (StoreIfChanged(FTabsBackgroundGradientDirection, value) && FTabsBackgroundColorTo != clNone)
        Invalidate();
}

void TKVGxPageControl6::SetTabsSeparatorColor(TColor value)
{
    FTabsSeparatorColor = value;
    Invalidate();
}

void TKVGxPageControl6::SetButtonCloseImage(const TPngImage* value)
{
    FButtonCloseImage = std::make_unique<TPngImage>();
    if (value)
        FButtonCloseImage->Assign(value);
    Invalidate();
}

void TKVGxPageControl6::SetButtonCloseHotImage(const TPngImage* value)
{
    FButtonCloseHotImage = std::make_unique<TPngImage>();
    if (value)
        FButtonCloseHotImage->Assign(value);
    Invalidate();
}

// --- fonts -------------------------------------------------------------------------------------------------

void TKVGxPageControl6::CopyFontToTabFont()
{
    FTabFont->OnChange = nullptr;
    FTabFont->Assign(Font());
    FTabFont->OnChange = [this](TObject*) { LayoutChanged(); };
}

void TKVGxPageControl6::SetTabFont(const TFont* value)
{
    if (value)
        FTabFont->Assign(value);
    FParentTabFont = false;
    Invalidate();
}

void TKVGxPageControl6::SetParentTabFont(bool value)
{
    FParentTabFont = value;
    if (value) {
        CopyFontToTabFont();
        Invalidate();
    }
}

// --- pages -------------------------------------------------------------------------------------------------

TKVGxPageSheet6* TKVGxPageControl6::GetPage(int index) const
{
    return dynamic_cast<TKVGxPageSheet6*>(Sheets(index));
}

std::string TKVGxPageControl6::GetPageCaption(int index) const
{
    const TKVGxPageSheet6* page = GetPage(index);
    const std::string caption = page ? page->Caption() : "";
    return caption.empty() ? FDefaultCaption : caption;
}

void TKVGxPageControl6::DoPageCloseQuery(TKVGxPageSheet6* page, bool& canClose)
{
    if (OnPageCloseQuery)
        OnPageCloseQuery(this, page, canClose);
}

void TKVGxPageControl6::DoTabClick(TKVGxPageSheet6* page, TMouseButton button, TShiftState shift, int x,
                                   int y)
{
    if (OnTabClick)
        OnTabClick(this, page, button, shift, x, y);
}

bool TKVGxPageControl6::ClosePage(TKVGxPageSheet6* page)
{
    if (!page)
        throw EInvalidOperation("PageSheet can not be nil");
    if (page->Parent() != this)
        throw EInvalidOperation("PageSheet can not be found");
    bool canClose = true;
    DoPageCloseQuery(page, canClose);
    if (!canClose)
        return false;
    if (FCloseButtonAction == CloseButtonActions::caHide)
        page->SetTabVisible(false);
    else
        page->Free();
    Invalidate();
    return true;
}

void TKVGxPageControl6::ShowTabsPopup()
{
    FreeAndNil(FPopupMenu);
    FPopupMenu = NewTabsPopupMenu(this);
    std::vector<TTabsPopupEntry> entries;
    for (int i = 0; i < Count(); ++i)
        if (const TKVGxPageSheet6* page = GetPage(i); page && page->TabVisible())
            entries.push_back({GetPageCaption(i), page->ImageIndex(), i});
    const TRect button = GetTabsPopupButtonRect();
    // Disabled tabs can be chosen here.
    PopupTabsList(FPopupMenu, FImages, entries, ClientToScreen({button.Left, button.Bottom}),
                  [this](int index) { SetActivePageIndex(index); });
}

// --- the notebook's steps ----------------------------------------------------------------------------------

void TKVGxPageControl6::DoActiveChange(TKVGxNotebookSheet6* sheet)
{
    TKVGxCustomNotebook6::DoActiveChange(sheet);
    if (auto* page = dynamic_cast<TKVGxPageSheet6*>(ActivePage()))
        ScrollToTab(page);
}

void TKVGxPageControl6::SheetActivationChanged(TKVGxNotebookSheet6* sheet)
{
    // A bold caption changes the tabs' widths.
    if (FOptions.Contains(poBoldActiveCaption))
        InvalidateArea(GetTabsStripRect());
    else
        RefreshPageTab(dynamic_cast<TKVGxPageSheet6*>(sheet));
}

void TKVGxPageControl6::SheetInserted(TKVGxNotebookSheet6* sheet)
{
    if (auto* page = dynamic_cast<TKVGxPageSheet6*>(sheet))
        page->OnTabChange = [this](TKVGxPageSheet6*) { Invalidate(); };
}

void TKVGxPageControl6::Notification(TComponent* component, TOperation operation)
{
    TKVGxCustomNotebook6::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (FImages && component == static_cast<TComponent*>(FImages))
        SetImages(nullptr);
    if (component == static_cast<TComponent*>(FPopupMenu))
        FPopupMenu = nullptr;
}

void TKVGxPageControl6::ControlRemoved(const TControl* control)
{
    // A page that leaves is neither hot nor pressed any more (compared by address: it may be half gone).
    if (control == FHotPageTab)
        FHotPageTab = nullptr;
    if (control == FPressedPageTab)
        FPressedPageTab = nullptr;
}

void TKVGxPageControl6::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_FONTCHANGED:
        TKVGxCustomNotebook6::Dispatch(message);
        SetParentTabFont(FParentTabFont);
        return;
    case CM_MOUSELEAVE:
        TKVGxCustomNotebook6::Dispatch(message);
        SetHotPageTab(nullptr);
        UpdateButtonHover({-1, -1});
        return;
    case WM_GETDLGCODE:
        TKVGxCustomNotebook6::Dispatch(message);
        message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TKVGxCustomNotebook6::Dispatch(message);
        RefreshPageTab(dynamic_cast<TKVGxPageSheet6*>(ActivePage()));
        return;
    case WM_SIZE:
        Resized();
        TKVGxCustomNotebook6::Dispatch(message);
        return;
    case CM_CONTROLCHANGE:
        TKVGxCustomNotebook6::Dispatch(message);
        if (message.LParam == 0)
            ControlRemoved(reinterpret_cast<const TControl*>(message.WParam));
        return;
    default:
        TKVGxCustomNotebook6::Dispatch(message);
    }
}
