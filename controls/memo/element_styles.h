#pragma once

#include "platform/gui/core/collection.h"
#include "platform/gui/core/strings.h"
#include "platform/gui/graphics/graphics.h"

#include <memory>
#include <string>

class TVezCustomMemo;

// The styles a styler gives the memo: a colour triple for comments, numbers and highlights, and the element
// list of a language (keywords, string brackets, symbols, comment pairs).

// Text colour, background colour and font style. A new one is black on black with no style until its owner
// sets it.
class TCharStyle : public TPersistent
{
public:
    TCharStyle() = default;
    TCharStyle(TColor textColor, TColor bkColor, TFontStyles style)
        : textColor_(textColor), bkColor_(bkColor), style_(style)
    {}

    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor value) { textColor_ = value; }
    // clNone leaves the background as it is drawn beneath.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor value) { bkColor_ = value; }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value) { style_ = value; }
    // Copies from another TCharStyle; any other source is ignored.
    void Assign(const TPersistent* source) override;

private:
    TColor textColor_ = 0;
    TColor bkColor_ = 0;
    TFontStyles style_;
};

enum TStyleType
{
    stKeyword,
    stBracket,
    stSymbol,
    stComment
};

class TElementStyles;

// One element of a language.
class TElementStyle : public TCollectionItem
{
public:
    explicit TElementStyle(TCollection* collection);
    ~TElementStyle() override;

    TStringList* KeyWords() const { return FKeyWords.get(); }
    void SetKeyWords(const TStrings* value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);
    TColor BGColor() const { return FBGColor; }
    void SetBGColor(TColor value);
    const std::string& Info() const { return FInfo; }
    void SetInfo(const std::string& value) { FInfo = value; }
    TStyleType StyleType() const { return FStyleType; }
    void SetStyleType(TStyleType value);
    char32_t BracketStart() const { return FBracketStart; }
    void SetBracketStart(char32_t value);
    char32_t BracketEnd() const { return FBracketEnd; }
    void SetBracketEnd(char32_t value);
    const std::string& Symbols() const { return FSymbols; }
    void SetSymbols(const std::string& value);
    // The symbols as code points, for the character tests.
    const std::u32string& SymbolChars() const { return symbolChars_; }
    const std::string& CommentLeft() const { return FCommentLeft; }
    void SetCommentLeft(const std::string& value) { FCommentLeft = value; }
    const std::string& CommentRight() const { return FCommentRight; }
    void SetCommentRight(const std::string& value) { FCommentRight = value; }

    std::string DisplayName() const override;
    // From another TElementStyle only; any other source is ignored.
    void Assign(const TPersistent* source) override;

    int32_t StyleNo = -1; // kept; nothing reads it

private:
    void ItemChanged() { Changed(false); }

    std::unique_ptr<TStringList> FKeyWords;
    std::unique_ptr<TFont> FFont;
    TColor FBGColor = clWhite;
    std::string FInfo;
    TStyleType FStyleType = stKeyword;
    char32_t FBracketStart = 0;
    char32_t FBracketEnd = 0;
    std::string FSymbols;
    std::u32string symbolChars_;
    std::string FCommentLeft;
    std::string FCommentRight;
};

// The element list of a styler (its AllStyles). The collection's owner is the styler; FOwner is the memo
// that uses the styler.
class TElementStyles : public TOwnedCollection
{
public:
    explicit TElementStyles(TComponent* owner);

    TElementStyle* Add() { return static_cast<TElementStyle*>(TCollection::Add()); }
    TElementStyle* GetItem(int index) const { return static_cast<TElementStyle*>(Items(index)); }
    TElementStyle* operator[](int index) const { return GetItem(index); }

    // True when ch ends words: a character of a symbol element, or a bracket element's opener or closer.
    bool IsWordBoundary(char32_t ch) const;

    TVezCustomMemo* FOwner = nullptr;
    // Some element was destroyed (the list was cleared before new elements were supplied).
    bool FModified = false;
    // An element list was supplied while the styler was being built (between BeginLoading and EndLoading).
    bool Supplied = false;

protected:
    void Update(TCollectionItem* item) override;
    void Notify(TCollectionItem* item, TCollectionNotification action) override;
};
