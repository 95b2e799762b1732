#include "controls/memo/element_styles.h"

#include "controls/memo/vez_custom_memo.h"
#include "platform/gui/core/collection.h"
#include "support/utf8.h"

// --- TCharStyle
// ---------------------------------------------------------------------------------------------

void TCharStyle::Assign(const TPersistent* source)
{
    if (const auto* style = dynamic_cast<const TCharStyle*>(source)) {
        textColor_ = style->textColor_;
        bkColor_ = style->bkColor_;
        style_ = style->style_;
    }
}

// --- TElementStyle
// ------------------------------------------------------------------------------------------

TElementStyle::TElementStyle(TCollection* collection)
    : TCollectionItem(collection), FKeyWords(std::make_unique<TStringList>()),
      FFont(std::make_unique<TFont>())
{
    FFont->SetName("Courier New");
    FFont->SetColor(clBlack);
    FFont->SetSize(8);
    // Keywords added to the list change what the memo colours.
    FKeyWords->OnChange = [this](TObject*) { ItemChanged(); };
    const auto* styles = dynamic_cast<const TElementStyles*>(collection);
    FBGColor = styles && styles->FOwner ? styles->FOwner->BkColor() : clWhite;
}

TElementStyle::~TElementStyle()
{
    if (auto* styles = dynamic_cast<TElementStyles*>(Collection()))
        styles->FModified = true;
}

void TElementStyle::SetKeyWords(const TStrings* value)
{
    FKeyWords->Assign(value);
    ItemChanged();
}

void TElementStyle::SetFont(const TFont* value)
{
    FFont->Assign(value);
    ItemChanged();
}

void TElementStyle::SetBGColor(TColor value)
{
    if (value == FBGColor)
        return;
    FBGColor = value;
    ItemChanged();
}

void TElementStyle::SetStyleType(TStyleType value)
{
    if (value == FStyleType)
        return;
    FStyleType = value;
    ItemChanged();
}

void TElementStyle::SetBracketStart(char32_t value)
{
    if (value == FBracketStart)
        return;
    FBracketStart = value;
    ItemChanged();
}

void TElementStyle::SetBracketEnd(char32_t value)
{
    if (value == FBracketEnd)
        return;
    FBracketEnd = value;
    ItemChanged();
}

void TElementStyle::SetSymbols(const std::string& value)
{
    if (value == FSymbols)
        return;
    FSymbols = value;
    symbolChars_ = Utf8ToUtf32(value);
    ItemChanged();
}

std::string TElementStyle::DisplayName() const
{
    return FInfo.empty() ? TCollectionItem::DisplayName() : FInfo;
}

void TElementStyle::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TElementStyle*>(source);
    if (!other)
        return;
    FKeyWords->Assign(other->FKeyWords.get());
    FFont->Assign(other->FFont.get());
    SetBGColor(other->FBGColor);
    SetStyleType(other->FStyleType);
    SetBracketStart(other->FBracketStart);
    SetBracketEnd(other->FBracketEnd);
    SetSymbols(other->FSymbols);
    FInfo = other->FInfo;
    FCommentLeft = other->FCommentLeft;
    FCommentRight = other->FCommentRight;
}

// --- TElementStyles
// -----------------------------------------------------------------------------------------

TElementStyles::TElementStyles(TComponent* owner)
    : TOwnedCollection(owner, TCollection::ItemClass<TElementStyle>())
{}

bool TElementStyles::IsWordBoundary(char32_t ch) const
{
    for (int i = 0; i < Count(); ++i) {
        const TElementStyle* element = GetItem(i);
        if (element->StyleType() == stSymbol && element->SymbolChars().find(ch) != std::u32string::npos)
            return true;
        if (element->StyleType() == stBracket &&
            (ch == element->BracketEnd() || ch == element->BracketStart()))
            return true;
    }
    return false;
}

void TElementStyles::Update(TCollectionItem* item)
{
    TOwnedCollection::Update(item);
    if (item && FOwner)
        FOwner->StylesChanged();
}

void TElementStyles::Notify(TCollectionItem* item, TCollectionNotification action)
{
    TOwnedCollection::Notify(item, action);
    const auto* styler = dynamic_cast<const TComponent*>(Owner());
    if (action == cnAdded && styler && styler->ComponentState().Contains(csLoading))
        Supplied = true;
}
