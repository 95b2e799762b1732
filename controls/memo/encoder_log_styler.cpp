#include "controls/memo/encoder_log_styler.h"

#include "controls/memo/vez_memo.h"
#include "support/color_routines.h"

#include <initializer_list>

namespace {

struct TElementLook
{
    TColor Text;
    TFontStyles Style;
    TColor Background;
};

TElementStyle* AddElement(TElementStyles& styles, const std::string& info, TStyleType type,
                          const TElementLook& look, int pixelHeight = 11)
{
    TElementStyle* element = styles.Add();
    element->SetInfo(info);
    element->SetStyleType(type);
    element->Font()->SetName("Courier New");
    element->Font()->SetHeight(-pixelHeight);
    element->Font()->SetColor(look.Text);
    element->Font()->SetStyle(look.Style);
    element->SetBGColor(look.Background);
    return element;
}

void AddKeywords(TElementStyle* element, std::initializer_list<const char*> words)
{
    for (const char* word : words)
        element->KeyWords()->Add(word);
}

void AddQuote(TElementStyles& styles, const std::string& info, char32_t quote)
{
    const TElementLook look{RGBToColor(5, 62, 103), {}, RGBToColor(216, 238, 254)};
    TElementStyle* element = AddElement(styles, info, stBracket, look);
    element->SetBracketStart(quote);
    element->SetBracketEnd(quote);
}

void AddElements(TElementStyles& styles)
{
    AddKeywords(
        AddElement(styles, "Misc", stKeyword, {RGBToColor(37, 109, 73), {}, RGBToColor(207, 239, 226)}, 12),
        {"stream", "#0:0", "#0:1", "#0:2", "#0:3", "#0:4", "#0:5", "#0:6", "#0:7", "#0:8", "#0:9", "#0:10"});
    AddKeywords(AddElement(styles, "Misc Video", stKeyword, {clWhite, {}, RGBToColor(140, 70, 121)}),
                {"video:", ""});
    AddKeywords(AddElement(styles, "Misc Audio", stKeyword, {clWhite, {}, RGBToColor(33, 172, 180)}),
                {"audio:"});
    AddQuote(styles, "Simple Quote", U'\'');
    AddQuote(styles, "Double Quote", U'"');
    AddElement(styles, "Symbols Delimiters", stSymbol, {RGBToColor(180, 150, 180), {}, clNone})
        ->SetSymbols(" ,;.(){}[]=+*/^%<>");
    AddKeywords(AddElement(styles, "Errors", stKeyword, {clRed, {fsBold}, RGBToColor(255, 225, 225)}),
                {"unable", "error", "invalid", "unknown", "unrecognized"});
    AddKeywords(AddElement(styles, "Keywords", stKeyword, {clBlack, {fsBold}, RGBToColor(255, 244, 170)}),
                {"c:v", "c:a", "b:v", "b:a", "async", "ar", "ac", "r", "vf", "af", "vtag", "preset:v",
                 "threads", "pass"});
}

} // namespace

void SetUpEncoderLogStyler(TVezPascalMemoStyler& styler)
{
    styler.SetStylerName("FFmpeg");
    styler.SetDescription("FFmpeg");
    styler.SetBlockStart("begin,try,case,class,record,interface");
    styler.SetBlockEnd("end");
    styler.SetLineComment("//");
    styler.SetMultiCommentLeft("{");
    styler.SetMultiCommentRight("}");
    styler.SetHexIdentifier("$");
    const TCharStyle comments(RGBToColor(143, 143, 143), RGBToColor(53, 53, 53), {});
    styler.SetCommentStyle(&comments);
    const TCharStyle numbers(clBlack, clNone, {});
    styler.SetNumberStyle(&numbers);
    const TCharStyle highlight(clWhite, clRed, {fsBold});
    styler.SetHighlightStyle(&highlight);
    TElementStyles elements(nullptr);
    AddElements(elements);
    styler.SetAllStyles(&elements);
}

void SetUpEncoderLogMemo(TVezMemo& memo, TVezPascalMemoStyler& styler)
{
    memo.SetReadOnly(true);
    memo.SetWantTab(false); // a log to read: Tab goes on to the window's controls
    memo.Gutter()->SetVisible(false);
    memo.ActiveLineSettings()->SetShowActiveLine(false);
    memo.ActiveLineSettings()->SetShowActiveLineIndicator(false);
    memo.CodeFolding()->SetEnabled(false);
    memo.AutoCompletion()->SetActive(false);
    memo.SetClipboardFormats({cfText});
    memo.SetOleDropTarget({});
    memo.UrlStyle()->SetTextColor(0xF0A302); // RGB 2, 163, 240
    memo.UrlStyle()->SetBkColor(clNone);
    memo.UrlStyle()->SetStyle({});
    memo.SetSelColor(clHighlightText);
    memo.SetSelBkColor(clHighlight);
    memo.SetShowRightMargin(false);
    memo.SetScrollHint(false);
    memo.SetBorderStyle(bsSingle);
    memo.SetBorderColor(0xA4A0A0); // medium grey
    memo.SetSyntaxStyles(&styler);
    memo.SetWordWrap(wwClientWidth);
}
