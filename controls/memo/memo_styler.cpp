#include "controls/memo/memo_styler.h"

#include "controls/memo/vez_custom_memo.h"

namespace {

// 1-based column of the first occurrence of what in s; 0 when absent or when what is empty.
int FindText(const TLineText& s, const std::string& what)
{
    if (what.empty())
        return 0;
    const size_t at = s.find(DecodeLine(what));
    return at == TLineText::npos ? 0 : static_cast<int>(at) + 1;
}

} // namespace

TVezCustomMemoStyler::TVezCustomMemoStyler(TComponent* owner)
    : TComponent(owner), FAllStyles(std::make_unique<TElementStyles>(this)),
      FCommentStyle(std::make_unique<TCharStyle>(clSilver, clWhite, TFontStyles{fsItalic})),
      FNumberStyle(std::make_unique<TCharStyle>(clNavy, clWhite, TFontStyles{fsBold})),
      FHighlightStyle(std::make_unique<TCharStyle>(clWhite, clRed, TFontStyles{fsBold})),
      FlistAuto(std::make_unique<TStringList>()), FHintParameter(std::make_unique<THintParameter>()),
      FRegionDefinitions(std::make_unique<TRegionDefinitions>(this))
{}

TVezCustomMemoStyler::~TVezCustomMemoStyler()
{
    // The memo hears of this through its free notification; the elements no longer name it.
    FAllStyles->FOwner = nullptr;
}

void TVezCustomMemoStyler::SetAllStyles(const TElementStyles* value)
{
    FAllStyles->Assign(value);
    if (ComponentState().Contains(csLoading))
        FAllStyles->Supplied = true;
    NotifyStylesChanged();
}

void TVezCustomMemoStyler::SetCharStyle(int index, const TCharStyle* value)
{
    switch (index) {
    case 1:
        FCommentStyle->Assign(value);
        break;
    case 2:
        FNumberStyle->Assign(value);
        break;
    case 3:
        FHighlightStyle->Assign(value);
        break;
    }
}

void TVezCustomMemoStyler::DrawKeyword(TCanvas&, const std::string&, TRect&) {}

void TVezCustomMemoStyler::NotifyStylesChanged()
{
    if (FAllStyles->FOwner)
        FAllStyles->FOwner->StylesChanged();
}

void TVezCustomMemoStyler::Loaded()
{
    TComponent::Loaded();
    // A styler built without an element list of its own ends with none; one that was given a list keeps it.
    if (!FAllStyles->Supplied)
        FAllStyles->Clear();
    FAllStyles->Supplied = false;
    NotifyStylesChanged();
}

void TVezCustomMemoStyler::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component && component == FAllStyles->FOwner)
        FAllStyles->FOwner = nullptr;
    TComponent::Notification(component, operation);
}

bool TVezCustomMemoStyler::HasCommentStyles() const
{
    for (int i = 0; i < FAllStyles->Count(); ++i)
        if (FAllStyles->GetItem(i)->StyleType() == stComment)
            return true;
    return false;
}

bool TVezCustomMemoStyler::HasMultiLineComments() const
{
    if (!FMultiCommentLeft.empty() && !FMultiCommentRight.empty())
        return true;
    for (int i = 0; i < FAllStyles->Count(); ++i) {
        const TElementStyle* element = FAllStyles->GetItem(i);
        if (element->StyleType() == stComment && !element->CommentLeft().empty() &&
            !element->CommentRight().empty())
            return true;
    }
    return false;
}

int TVezCustomMemoStyler::CommentStyleIndex(const TElementStyle* element, int index)
{
    return element->BGColor() != clWhite || element->Font()->Color() != clBlack ? index : -1;
}

int TVezCustomMemoStyler::FindCommentStart(const TLineText& s, int& len, int& styleIndex,
                                           int& commentIndex) const
{
    len = 0;
    styleIndex = -1;
    commentIndex = -1;
    int result = 0;
    if (const int at = FindText(s, FMultiCommentLeft); at > 0) {
        result = at;
        len = LineLength(FMultiCommentLeft);
        commentIndex = 255;
    }
    if (!HasCommentStyles())
        return result;
    for (int i = 0; i < FAllStyles->Count(); ++i) {
        const TElementStyle* element = FAllStyles->GetItem(i);
        if (element->StyleType() != stComment)
            continue;
        if (const int at = FindText(s, element->CommentLeft()); at > 0) {
            commentIndex = i;
            styleIndex = CommentStyleIndex(element, i);
            len = LineLength(element->CommentLeft());
            return at;
        }
    }
    return result;
}

int TVezCustomMemoStyler::FindCommentEnd(const TLineText& s, int& len, int& styleIndex,
                                         int& commentIndex) const
{
    styleIndex = -1;
    commentIndex = -1;
    if (const int at = FindText(s, FMultiCommentRight); at > 0) {
        len = LineLength(FMultiCommentRight);
        commentIndex = 255;
        return at;
    }
    for (int i = 0; i < FAllStyles->Count(); ++i) {
        const TElementStyle* element = FAllStyles->GetItem(i);
        if (element->StyleType() != stComment)
            continue;
        if (const int at = FindText(s, element->CommentRight()); at > 0) {
            commentIndex = i;
            styleIndex = CommentStyleIndex(element, i);
            len = LineLength(element->CommentRight());
            return at;
        }
    }
    return 0;
}
