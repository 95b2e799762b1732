#include "controls/pack/link_label.h"

#include "platform/gui/services/link_opener.h"
#include "platform/gui/windows/actions.h"

namespace {

std::unique_ptr<TFont> NewFont(TColor color, TFontStyles style)
{
    auto font = std::make_unique<TFont>();
    font->SetColor(color);
    font->SetStyle(style);
    return font;
}

} // namespace

TKvpCustomLinkLabel::TKvpCustomLinkLabel(TComponent* owner) : TKvpPartsControl(owner)
{
    FFontNormal = NewFont(clBlue, {});
    FFontHot = NewFont(clBlue, {fsUnderline});
    FFontDisabled = NewFont(clBtnShadow, {fsUnderline});
    FFontVisitedNormal = NewFont(clPurple, FFontNormal->Style());
    FFontVisitedHot = NewFont(FFontVisitedNormal->Color(), FFontHot->Style());
    SetParentFont(false);
    ShowFont(*FFontNormal);
    FFontNormal->OnChange = [this](TObject*) { FontNormalChanged(); };
    FFontVisitedNormal->OnChange = [this](TObject*) { FontVisitedNormalChanged(); };
    SetCursor(crHandPoint);
}

TKvpCustomLinkLabel::~TKvpCustomLinkLabel() = default;

void TKvpCustomLinkLabel::CopyFont(TFont& font, const TFont* value)
{
    if (value)
        font.Assign(value);
}

void TKvpCustomLinkLabel::ShowFont(const TFont& font)
{
    Font()->Assign(&font);
}

void TKvpCustomLinkLabel::SetVisited(bool value)
{
    FVisited = value;
    if (FEnabled)
        ShowFont(value ? *FFontVisitedNormal : *FFontNormal);
}

void TKvpCustomLinkLabel::SetEnabled(bool value)
{
    FEnabled = value;
    if (value) {
        ShowFont(FVisited ? *FFontVisitedNormal : *FFontNormal);
        SetCursor(FCursorHot);
    } else {
        ShowFont(*FFontDisabled);
        SetCursor(FCursorDisabled);
    }
}

void TKvpCustomLinkLabel::FontNormalChanged()
{
    if (FEnabled)
        ShowFont(FVisited ? *FFontVisitedNormal : *FFontNormal);
}

void TKvpCustomLinkLabel::FontVisitedNormalChanged()
{
    if (FEnabled && FVisited)
        ShowFont(*FFontVisitedNormal);
}

void TKvpCustomLinkLabel::MouseEnterLeave(bool enter)
{
    if (!FEnabled) {
        ShowFont(*FFontDisabled);
        SetCursor(FCursorDisabled);
        return;
    }
    if (enter)
        ShowFont(FVisited ? *FFontVisitedHot : *FFontHot);
    else
        ShowFont(FVisited ? *FFontVisitedNormal : *FFontNormal);
    SetCursor(FCursorHot);
}

void TKvpCustomLinkLabel::Click()
{
    TCustomLabel::Click();
    if (!FEnabled)
        return;
    if (FClickActionType == catGoToURL && !FURL.empty()) {
        FVisited = true;
        ShowFont(*FFontVisitedHot);
        // Web and mail addresses open; a file or folder the window named opens, a program is only shown.
        OpenLink(FURL, TLinkSource::Window);
    } else if (FClickActionType == catExecuteAction && FAction) {
        FVisited = true;
        ShowFont(*FFontVisitedHot);
        FAction->Execute();
    }
}

void TKvpCustomLinkLabel::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TCustomLabel::Dispatch(message);
        MouseEnterLeave(message.Msg == CM_MOUSEENTER);
        return;
    default:
        TCustomLabel::Dispatch(message);
    }
}

void SetLinkLabelFonts(TKvpCustomLinkLabel& label, const std::string& fontName, int fontSize)
{
    for (TFont* font : {label.FontNormal(), label.FontHot(), label.FontDisabled(), label.FontVisitedNormal(),
                        label.FontVisitedHot()}) {
        font->SetName(fontName);
        font->SetSize(fontSize);
    }
}
