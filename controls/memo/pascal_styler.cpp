#include "controls/memo/pascal_styler.h"

namespace {

const char* const PascalKeywords[] = {"UNIT",
                                      "INTERFACE",
                                      "IMPLEMENTATION",
                                      "USES",
                                      "CONST",
                                      "PROGRAM",
                                      "PRIVATE",
                                      "PUBLIC",
                                      "PUBLISHED",
                                      "PROTECTED",
                                      "PROPERTY",
                                      "FUNCTION",
                                      "FINALISE",
                                      "INITIALISE",
                                      "VAR",
                                      "BEGIN",
                                      "WITH",
                                      "END",
                                      "FOR",
                                      "TO",
                                      "DO",
                                      "NOT",
                                      "IF",
                                      "THEN",
                                      "ELSE",
                                      "TYPE",
                                      "WHILE",
                                      "REPEAT",
                                      "UNTIL",
                                      "BREAK",
                                      "CONTINUE",
                                      "VIRTUAL",
                                      "OVERRIDE",
                                      "DEFAULT",
                                      "CLASS",
                                      "STORED",
                                      "INHERITED",
                                      "PROCEDURE",
                                      "CONSTRUCTOR",
                                      "DESTRUCTOR",
                                      "FINALLY",
                                      "RAISE",
                                      "STRING",
                                      "TRY",
                                      "EXCEPT",
                                      "STDCALL",
                                      "CDECL",
                                      "PASCAL",
                                      "NIL",
                                      "CASE",
                                      "REINTRODUCE",
                                      "PACKED",
                                      "RECORD",
                                      "MESSAGE",
                                      "IN",
                                      "IS",
                                      "SHL",
                                      "SHR",
                                      "MOD",
                                      "DIV",
                                      "XOR",
                                      "OR",
                                      "AND",
                                      "OF",
                                      "SET",
                                      "DOWNTO",
                                      "EXPORTS",
                                      "LIBRARY",
                                      "AS",
                                      "ASM",
                                      "DYNAMIC",
                                      "OBJECT",
                                      "THREADVAR",
                                      "FILE",
                                      "ABSTRACT",
                                      "OVERLOAD",
                                      "ASSEMBLER",
                                      "ABSOLUTE",
                                      "AUTOMATED",
                                      "EXTERNAL",
                                      "REGISTER",
                                      "DISPINTERFACE",
                                      "RESOURCESTRING",
                                      "NEAR",
                                      "FAR",
                                      "LABEL",
                                      "OUT",
                                      "SAFECALL",
                                      "DISPID",
                                      "ARRAY",
                                      "INLINE",
                                      "FORWARD",
                                      "PLATFORM",
                                      "DEPRECATED"};

TElementStyle* AddElement(TElementStyles& styles, const std::string& info, TStyleType type, TColor color,
                          TFontStyles style)
{
    TElementStyle* element = styles.Add();
    element->SetInfo(info);
    element->SetStyleType(type);
    element->Font()->SetColor(color);
    element->Font()->SetStyle(style);
    element->SetBGColor(clNone);
    return element;
}

} // namespace

TVezPascalMemoStyler::TVezPascalMemoStyler(TComponent* owner) : TVezCustomMemoStyler(owner)
{
    SetDescription("Pascal");
    SetFilter("Pascal Files (*.pas,*.dpr,*.dpk,*.inc)|*.pas;*.dpr;*.dpk;*.inc");
    SetDefaultExtension(".pas");
    SetStylerName("Pascal");
    SetExtensions("pas;dpr;dpk;inc");
    SetLineComment("//");
    SetMultiCommentLeft("{");
    SetMultiCommentRight("}");
    const TCharStyle comments(clNavy, clNone, {fsItalic});
    SetCommentStyle(&comments);
    const TCharStyle numbers(clFuchsia, clNone, {fsBold});
    SetNumberStyle(&numbers);
    SetBlockStart("begin,try,case,class,record,interface");
    SetBlockEnd("end");
    SetHexIdentifier("$");
    AddElements();
    HintParameter()->Parameters()->Add("ShowMessage(const Msg: string);");
    HintParameter()->Parameters()->Add("MessageDlg(const Msg: string; DlgType: TMsgDlgType; Buttons: "
                                       "TMsgDlgButtons; HelpCtx: Longint): Integer);");
    AutoCompletion()->Add("ShowMessage");
    AutoCompletion()->Add("MessageDlg");
    AddRegions();
}

void TVezPascalMemoStyler::AddElements()
{
    TElementStyles& styles = *AllStyles();
    TElementStyle* keywords = AddElement(styles, "Pascal Standard Default", stKeyword, clGreen, {fsBold});
    for (const char* word : PascalKeywords)
        keywords->KeyWords()->Add(word);
    for (const char32_t quote : {U'\'', U'"'}) {
        TElementStyle* strings =
            AddElement(styles, quote == U'\'' ? "Simple Quote" : "Double Quote", stBracket, clBlue, {});
        strings->SetBracketStart(quote);
        strings->SetBracketEnd(quote);
    }
    AddElement(styles, "Symbols Delimiters", stSymbol, clRed, {})->SetSymbols(" ,;:.(){}[]=+-*/^%<>#\r\n");
    TElementStyle* comment = AddElement(styles, "Multi line comment", stComment, clGray, {fsItalic});
    comment->SetCommentLeft("(*");
    comment->SetCommentRight("*)");
}

void TVezPascalMemoStyler::AddRegions()
{
    TRegionDefinitions& regions = *RegionDefinitions();
    regions.Add("procedure", "begin", "end", rtClosed);
    regions.Add("procedure", "", "forward", rtClosed);
    regions.Add("constructor", "begin", "end", rtClosed);
    regions.Add("destructor", "begin", "end", rtClosed);
    regions.Add("interface", "interface", "", rtOpen);
    regions.Add("unit", "unit", "", rtFile);
    regions.Add("implementation", "implementation", "", rtOpen);
    regions.Add("case", "case", "end", rtIgnore);
    regions.Add("try", "try", "end", rtIgnore);
    regions.Add("function", "begin", "end", rtClosed);
    regions.Add("{$region", "{$region", "{$endregion", rtClosed);
}
