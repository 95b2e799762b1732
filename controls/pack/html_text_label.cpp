#include "controls/pack/html_text_label.h"

#include "controls/pack/html_builder.h"
#include "platform/gui/services/link_opener.h"

#include <algorithm>
#include <filesystem>

TVhHTMLText2::TVhHTMLText2(TComponent* owner)
    : TGraphicControl(owner), FAbout("HTML-like label 1.0"),
      FStyleLinkNormal(std::make_unique<TVHStyleLinkProp>(tslpNormal)),
      FStyleLinkHover(std::make_unique<TVHStyleLinkProp>(tslpHover)),
      FTagHRParams(std::make_unique<TVHTagHRParams>()), FTagH1Params(std::make_unique<TVHTagH1Params>()),
      FTagH2Params(std::make_unique<TVHTagH2Params>()), FTagH3Params(std::make_unique<TVHTagH3Params>()),
      FInternalMargins(std::make_unique<TVHInternalMargins>()),
      FTagLIParams(std::make_unique<TVHTagLI1Params>()), FTagLI2Params(std::make_unique<TVHTagLI2Params>()),
      FBorder(std::make_unique<TVHBorder>()), FTagSUBParams(std::make_unique<TVHTagSubParams>()),
      FTagSUPParams(std::make_unique<TVHTagSupParams>())
{
    controlStyle_.Include(csOpaque);
    const TNotifyEvent refresh = [this](TObject*) { RefreshLayout(); };
    for (TVHParams* params : std::initializer_list<TVHParams*>{
             FStyleLinkNormal.get(), FStyleLinkHover.get(), FTagHRParams.get(), FTagH1Params.get(),
             FTagH2Params.get(), FTagH3Params.get(), FInternalMargins.get(), FTagLIParams.get(),
             FTagLI2Params.get(), FBorder.get(), FTagSUBParams.get(), FTagSUPParams.get()})
        params->OnChange = refresh;
    DefaultCursor = Cursor();
    SetParentColor(true);
    SetParentFont(true);
}

TVhHTMLText2::~TVhHTMLText2() = default;

// --- properties --------------------------------------------------------------------------------------------

void TVhHTMLText2::SetAutoWidth(bool value)
{
    FAutoWidth = value;
    if (value)
        RebuildWords();
}

void TVhHTMLText2::SetAutoHeight(bool value)
{
    FAutoHeight = value;
    if (value)
        RebuildWords();
}

void TVhHTMLText2::SetMaxWidth(int value)
{
    if (StoreIfChanged(FMaxWidth, value))
        RebuildWords();
}

void TVhHTMLText2::SetVerticalAlignment(TVHVerticalAlignment value)
{
    StoreRefresh(FVerticalAlignment, value);
}

void TVhHTMLText2::SetExtraLineSpacing(int value)
{
    StoreRefresh(FExtraLineSpacing, std::clamp(value, -5, 10));
}

void TVhHTMLText2::SetExtraWordSpacing(int value)
{
    StoreRefresh(FExtraWordSpacing, std::clamp(value, 0, 5));
}

void TVhHTMLText2::SetPngCollection(TVhPngCollection* value)
{
    SetWatchedReference(*this, FPngCollection, value);
}

void TVhHTMLText2::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && FPngCollection && component == static_cast<TComponent*>(FPngCollection))
        FPngCollection = nullptr;
}

TPngImage* TVhHTMLText2::GetPngImage(int index) const
{
    const TVhPngCollectionItem* item = FPngCollection ? FPngCollection->Items()->GetItem(index) : nullptr;
    return item ? item->PngImage() : nullptr;
}

std::unique_ptr<TPngImage> TVhHTMLText2::GetPngImageFromFile(const std::string& fileName)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error))
        return nullptr;
    auto image = std::make_unique<TPngImage>();
    try {
        image->LoadFromFile(fileName);
    } catch (const std::exception&) {
        return nullptr;
    }
    return image;
}

// --- building ----------------------------------------------------------------------------------------------

void TVhHTMLText2::RebuildWords()
{
    if (IsLoading(*this))
        return;
    // Measuring the words loads every font the text uses; a label no one sees yet that does not size
    // itself to its text (one in a window not shown) builds them when it paints or is asked for them.
    if (!FAutoWidth && !FAutoHeight && !Showing()) {
        FWordsStale = true;
        return;
    }
    BuildWords();
}

void TVhHTMLText2::EnsureWords() const
{
    if (FWordsStale)
        const_cast<TVhHTMLText2*>(this)->BuildWords();
}

void TVhHTMLText2::BuildWords()
{
    if (FRebuilding)
        return;
    FWordsStale = false;
    FRebuilding = true;
    // A size the text asks for changes the width it is laid out in: a few rounds settle it.
    for (int round = 0; round < 3; ++round) {
        LWords.clear();
        LLinkData.clear();
        FBitmapWidth = Width();
        if (FInternalMargins->Enabled())
            FBitmapWidth -= FInternalMargins->Left() + FInternalMargins->Right();
        TBuilder builder(*this, LWords, LLinkData);
        builder.Build(Text());
        FTextWidth = builder.CalcWidth();
        FTextHeight = builder.CalcHeight();
        FLines = builder.LineCount();
        const int width = FAutoWidth ? FTextWidth : Width();
        const int height = FAutoHeight ? FTextHeight : Height();
        if (width == Width() && height == Height())
            break;
        SetBounds(Left(), Top(), width, height);
    }
    FRebuilding = false;
}

const TVHLinkData* TVhHTMLText2::SelectedLink() const
{
    const size_t id = static_cast<size_t>(FSelectedLinkID);
    return FIsLinkHover && FSelectedLinkID >= 0 && id < LLinkData.size() ? &LLinkData[id] : nullptr;
}

void TVhHTMLText2::RefreshLayout()
{
    RebuildWords();
    Invalidate();
}

void TVhHTMLText2::Loaded()
{
    TGraphicControl::Loaded();
    RebuildWords();
}

void TVhHTMLText2::Resize()
{
    RebuildWords();
    TGraphicControl::Resize();
}

// --- links -------------------------------------------------------------------------------------------------

void TVhHTMLText2::SetOwnCursor(TCursor cursor)
{
    NoCursorChange = true;
    SetCursor(cursor);
    NoCursorChange = false;
}

void TVhHTMLText2::UpdateLinkHover(int x, int y)
{
    EnsureWords();
    y -= FBitmapTop;
    if (FInternalMargins->Enabled())
        x -= FInternalMargins->Left();
    int hovered = -1;
    for (const TVHWord& word : LWords)
        if (word.Link && x >= word.Rect.Left && x < word.Rect.Right && y >= word.Rect.Top &&
            y < word.Rect.Bottom) {
            hovered = word.LinkID;
            break;
        }
    bool changed = false;
    for (TVHWord& word : LWords)
        if (word.Link && word.Hover != (word.LinkID == hovered)) {
            word.Hover = word.LinkID == hovered;
            changed = true;
        }
    if (!changed)
        return;
    if (hovered >= 0) {
        SetOwnCursor(crHandPoint);
        FIsLinkHover = true;
        FSelectedLinkID = hovered;
        if (OnLinkEnter)
            OnLinkEnter(this, hovered, LLinkData[static_cast<size_t>(hovered)]);
    } else {
        SetOwnCursor(DefaultCursor);
        FIsLinkHover = false;
        const int left = FSelectedLinkID;
        FSelectedLinkID = -1;
        if (OnLinkLeave && left >= 0 && static_cast<size_t>(left) < LLinkData.size())
            OnLinkLeave(this, left, LLinkData[static_cast<size_t>(left)]);
    }
    Invalidate();
}

void TVhHTMLText2::MouseMove(TShiftState shift, int x, int y)
{
    UpdateLinkHover(x, y);
    TGraphicControl::MouseMove(shift, x, y);
}

void TVhHTMLText2::Click()
{
    if (const TVHLinkData* selected = SelectedLink()) {
        // A copy: the handler may change the text and with it the link table.
        const TVHLinkData link = *selected;
        bool handled = false;
        if (OnLinkClick)
            OnLinkClick(this, FSelectedLinkID, link, handled);
        // Text the label shows opens only as a web or mail address.
        if (FAutoOpenLink && !handled)
            OpenLink(link.Target, TLinkSource::ShownText);
    }
    TGraphicControl::Click();
}

void TVhHTMLText2::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const TVHLinkData* selected = SelectedLink();
    if (button == mbRight && selected && OnLinkRightClick) {
        const TVHLinkData link = *selected;
        bool handled = false;
        OnLinkRightClick(this, FSelectedLinkID, link, handled);
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TVhHTMLText2::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_COLORCHANGED:
        TGraphicControl::Dispatch(message);
        Invalidate();
        return;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        TGraphicControl::Dispatch(message);
        RefreshLayout();
        return;
    case CM_CURSORCHANGED:
        TGraphicControl::Dispatch(message);
        if (!NoCursorChange)
            DefaultCursor = Cursor();
        return;
    case CM_MOUSELEAVE:
        UpdateLinkHover(-1, -1);
        TGraphicControl::Dispatch(message);
        return;
    default:
        TGraphicControl::Dispatch(message);
    }
}
