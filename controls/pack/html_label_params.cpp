#include "controls/pack/html_label_params.h"

namespace {

// The source as the same class, or nullptr after handing it to the base (which refuses it).
template <typename T> const T* SameKind(T& dest, const TPersistent* source)
{
    const auto* same = dynamic_cast<const T*>(source);
    if (!same)
        dest.TPersistent::Assign(source);
    return same;
}

} // namespace

TVHStyleLinkProp::TVHStyleLinkProp(TVHKindStyleLinkProp kind)
    : FFontColor(kind == tslpNormal ? clBlue : clRed)
{}

void TVHStyleLinkProp::Assign(const TPersistent* source)
{
    if (const auto* other = SameKind(*this, source)) {
        SetFontColor(other->FFontColor);
        SetBackColor(other->FBackColor);
        SetUnderline(other->FUnderline);
    }
}

void TVHTagHRParams::Assign(const TPersistent* source)
{
    if (const auto* other = SameKind(*this, source)) {
        SetStyle(other->FStyle);
        SetLineHeight(other->FLineHeight);
    }
}

TVHTagHeaderParams::TVHTagHeaderParams(const std::string& fontName, int fontSize)
    : FFont(std::make_unique<TFont>())
{
    FFont->SetName(fontName);
    FFont->SetSize(fontSize);
    FFont->SetStyle({fsBold});
    FFont->OnChange = [this](TObject*) { Changed(); };
}

void TVHTagHeaderParams::SetFont(const TFont* value)
{
    if (value)
        FFont->Assign(value);
}

void TVHTagHeaderParams::Assign(const TPersistent* source)
{
    if (const auto* other = SameKind(*this, source)) {
        SetFont(other->FFont.get());
        SetBackgroundColor(other->FBackgroundColor);
        SetAlignment(other->FAlignment);
        SetTransparent(other->FTransparent);
    }
}

void TVHInternalMargins::Assign(const TPersistent* source)
{
    if (const auto* other = SameKind(*this, source)) {
        SetLeft(other->FLeft);
        SetRight(other->FRight);
        SetEnabled(other->FEnabled);
    }
}

void TVHTagLIParams::SetCustomString(const std::string& value)
{
    if (value == FCustomString)
        return;
    FCustomString = value;
    if (FBulletType == btCustomString)
        Changed();
}

std::string TVHTagLIParams::Bullet() const
{
    switch (FBulletType) {
    case btLongDash:
        return "\u2013";
    case btDash:
        return "-";
    case btBullet:
        return "\u2022";
    case btCircle:
        return "\u2218";
    case btCustomString:
        return FCustomString;
    }
    return {};
}

void TVHTagLIParams::Assign(const TPersistent* source)
{
    if (const auto* other = SameKind(*this, source)) {
        SetMargin(other->FMargin);
        SetBulletType(other->FBulletType);
        SetCustomString(other->FCustomString);
        SetSpacing(other->FSpacing);
    }
}

TVHBorder::TVHBorder() : FPen(std::make_unique<TPen>())
{
    FPen->OnChange = [this](TObject*) { Changed(); };
}

void TVHBorder::SetPen(const TPen* value)
{
    if (value)
        FPen->Assign(value);
}

void TVHBorder::Assign(const TPersistent* source)
{
    if (const auto* other = SameKind(*this, source)) {
        SetPen(other->FPen.get());
        SetVisible(other->FVisible);
    }
}

void TVHTagScriptParams::Assign(const TPersistent* source)
{
    if (const auto* other = SameKind(*this, source)) {
        SetPosYDelta(other->FPosYDelta);
        SetFontSizeDelta(other->FFontSizeDelta);
    }
}
