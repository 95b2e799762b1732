#pragma once

#include "controls/memo/code_folding_settings.h"
#include "controls/memo/completion_settings.h"
#include "controls/memo/element_styles.h"
#include "controls/memo/line_text.h"

#include <memory>
#include <string>

class TCanvas;

// A styler tells the memo how to colour a language: its element list (keywords, string brackets, symbols,
// comment pairs), its own comment pair and line comment, how numbers look, which words open and close a
// block, and what completion and hints offer. The memo has no language knowledge of its own.
class TVezCustomMemoStyler : public TComponent
{
public:
    explicit TVezCustomMemoStyler(TComponent* owner);
    ~TVezCustomMemoStyler() override;

    TElementStyles* AllStyles() const { return FAllStyles.get(); }
    // Copies the element list (a new element for each of value's), then tells the memo.
    void SetAllStyles(const TElementStyles* value);
    const std::string& LineComment() const { return FLineComment; }
    void SetLineComment(const std::string& value) { SetNotifying(FLineComment, value); }
    const std::string& MultiCommentLeft() const { return FMultiCommentLeft; }
    void SetMultiCommentLeft(const std::string& value) { SetNotifying(FMultiCommentLeft, value); }
    const std::string& MultiCommentRight() const { return FMultiCommentRight; }
    void SetMultiCommentRight(const std::string& value) { SetNotifying(FMultiCommentRight, value); }
    TCharStyle* CommentStyle() const { return FCommentStyle.get(); }
    TCharStyle* NumberStyle() const { return FNumberStyle.get(); }
    TCharStyle* HighlightStyle() const { return FHighlightStyle.get(); }
    void SetCommentStyle(const TCharStyle* value) { SetCharStyle(1, value); }
    void SetNumberStyle(const TCharStyle* value) { SetCharStyle(2, value); }
    void SetHighlightStyle(const TCharStyle* value) { SetCharStyle(3, value); }
    TStringList* AutoCompletion() const { return FlistAuto.get(); }
    void SetAutoCompletion(const TStrings* value) { FlistAuto->Assign(value); }
    THintParameter* HintParameter() const { return FHintParameter.get(); }
    const std::string& NumericChars() const { return FNumericChars; }
    void SetNumericChars(const std::string& value) { SetNotifying(FNumericChars, value); }
    const std::string& StrictNumericChars() const { return FStrictNumericChars; }
    const std::string& HexIdentifier() const { return FHexIdentifier; }
    void SetHexIdentifier(const std::string& value) { SetNotifying(FHexIdentifier, value); }
    const std::string& BlockStart() const { return FBlockStart; }
    void SetBlockStart(const std::string& value) { FBlockStart = value; }
    const std::string& BlockEnd() const { return FBlockEnd; }
    void SetBlockEnd(const std::string& value) { FBlockEnd = value; }
    const std::string& Literal() const { return FLiteral; }
    void SetLiteral(const std::string& value) { SetNotifying(FLiteral, value); }
    bool CustomDraw() const { return FCustomDraw; }
    void SetCustomDraw(bool value) { SetNotifying(FCustomDraw, value); }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& value) { FFilter = value; }
    const std::string& DefaultExtension() const { return FDefaultExtension; }
    void SetDefaultExtension(const std::string& value) { FDefaultExtension = value; }
    const std::string& Extensions() const { return FExtensions; }
    void SetExtensions(const std::string& value) { FExtensions = value; }
    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& value) { FDescription = value; }
    const std::string& StylerName() const { return FStylerName; }
    void SetStylerName(const std::string& value) { FStylerName = value; }
    const std::string& KeyWordPrefix() const { return FKeywordPrefix; }
    void SetKeyWordPrefix(const std::string& value) { SetNotifying(FKeywordPrefix, value); }
    TRegionDefinitions* RegionDefinitions() const { return FRegionDefinitions.get(); }
    void SetRegionDefinitions(const TRegionDefinitions* value) { FRegionDefinitions->Assign(value); }
    const std::string& EscapeChar() const { return FEscapeChar; }
    void SetEscapeChar(const std::string& value) { SetNotifying(FEscapeChar, value); }

    // Copies value into the comment (1), number (2) or highlight (3) style; other indexes do nothing.
    virtual void SetCharStyle(int index, const TCharStyle* value);
    virtual std::string GetCustomText() { return {}; }
    virtual std::string GetFormattedText(const std::string& text) { return text; }
    virtual bool CanFormat() { return false; }
    // Paints a keyword itself when CustomDraw is set; the base paints nothing.
    virtual void DrawKeyword(TCanvas& canvas, const std::string& keyword, TRect& rect);

    bool HasCommentStyles() const;
    bool HasMultiLineComments() const;
    // Where a multi-line comment opens in s (1-based column, 0 for none), with the length of the opener,
    // the element that colours it (-1: CommentStyle) and the comment's kind (255: the styler's own pair,
    // else the element's index). An element's opener wins over the styler's own.
    int FindCommentStart(const TLineText& s, int& len, int& styleIndex, int& commentIndex) const;
    // Where a multi-line comment closes in s; the styler's own closer wins over the elements'.
    int FindCommentEnd(const TLineText& s, int& len, int& styleIndex, int& commentIndex) const;
    // Tells the memo that uses this styler that its styles changed.
    void NotifyStylesChanged();
    // The style index of a comment element's comments: its own, unless it would draw black on white (-1:
    // the comment style).
    static int CommentStyleIndex(const TElementStyle* element, int index);

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // A value the memo's tokeniser reads: the memo hears of its change.
    template <typename T> void SetNotifying(T& field, const T& value)
    {
        field = value;
        NotifyStylesChanged();
    }

    std::unique_ptr<TElementStyles> FAllStyles;
    std::string FLineComment;
    std::string FMultiCommentLeft;
    std::string FMultiCommentRight;
    std::unique_ptr<TCharStyle> FCommentStyle;
    std::unique_ptr<TCharStyle> FNumberStyle;
    std::unique_ptr<TCharStyle> FHighlightStyle;
    std::unique_ptr<TStringList> FlistAuto;
    std::unique_ptr<THintParameter> FHintParameter;
    std::string FNumericChars = "+-.0123456789";
    std::string FStrictNumericChars = ".0123456789";
    std::string FHexIdentifier;
    std::string FBlockEnd;
    std::string FBlockStart;
    std::string FLiteral;
    bool FCustomDraw = false;
    std::string FFilter;
    std::string FDefaultExtension;
    std::string FExtensions;
    std::string FDescription;
    std::string FStylerName;
    std::string FKeywordPrefix;
    std::unique_ptr<TRegionDefinitions> FRegionDefinitions;
    std::string FEscapeChar = "\xCB\x99"; // U+02D9: nothing escapes by default
};
