#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/url_addresses.h"

// Runs as RTF builder calls, and as items of the line list.

void TVezCustomMemo::SetRTFFontStyle(TFontStyles styles)
{
    TRTFEngine& rtf = *FRTFEngine;
    if (styles.Contains(fsBold) != rtf.Bold())
        rtf.AddBold(styles.Contains(fsBold));
    if (styles.Contains(fsItalic) != rtf.Italic())
        rtf.AddItalic(styles.Contains(fsItalic));
    if (styles.Contains(fsUnderline) != rtf.UnderLine())
        rtf.AddUnderLine(styles.Contains(fsUnderline));
}

void TVezCustomMemo::EmitRTFToken(const TLineText& text, const TStyle& style)
{
    if (!FRTFEngine)
        return;
    TRTFEngine& rtf = *FRTFEngine;
    const std::string run = EncodeLine(text);
    const std::string address = style.isURL ? OpenableAddress(run) : std::string();
    if (!address.empty()) {
        // A link in the URL style; the highlight before it comes back after it.
        TFont font;
        font.Assign(FFont.get());
        font.SetStyle(FUrlStyle->Style());
        font.SetColor(FUrlStyle->TextColor());
        const TColor previous = rtf.HighLightColor();
        if (FUrlStyle->BkColor() != clNone)
            rtf.AddHighLightColor(FUrlStyle->BkColor());
        else if (previous != clNone)
            rtf.AddHighLightColor(clNone);
        rtf.AddHyperLink(address, run, &font);
        if (previous != clNone)
            rtf.AddHighLightColor(previous);
        return;
    }
    const TRunLook look = RunLook(style, false, false);
    rtf.AddHighLightColor(look.Back == clNone ? Color() : look.Back);
    rtf.AddForeColor(look.Text);
    SetRTFFontStyle(look.Style);
    rtf.AddText(run);
}

void TVezCustomMemo::LinesToRTF(bool, int fromLine, int toLine)
{
    if (FRTFEngine)
        WriteRTF(AuthorLineTexts(), fromLine, toLine);
}

void TVezCustomMemo::WriteRTF(const std::vector<TLineText>& lines, int fromLine, int toLine)
{
    TRTFEngine& rtf = *FRTFEngine;
    rtf.AddFontName(FFont->Name());
    rtf.AddFontSize(FFont->Size() * 2);
    rtf.AddForeColor(FFont->Color());
    RenderLines(
        lines, fromLine, toLine, 4, [] {}, [&rtf] { rtf.AddNewLine(); });
}

void TVezCustomMemo::EmitPartItem(const TLineText& text, const TStyle& style)
{
    if (FMemoLines->Count() == 0)
        return;
    const TRunLook look = RunLook(style, false, true);
    TMemoPartItem* item = FMemoLines->GetItem(FMemoLines->Count() - 1)->Parts()->Add();
    item->URL = style.isURL;
    item->Color = look.Text;
    item->BkgColor = look.Back;
    item->FontStyle = look.Style;
    item->Text = EncodeLine(text);
}
