#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/memo_html.h"
#include "controls/memo/url_addresses.h"
#include "platform/gui/graphics/colors.h"

#include <cstdio>

// The text as coloured HTML: a PRE block in the memo's font, every run inside a FONT span with its colours
// and font style; a span stays open across runs and lines while the look does not change. Texts, addresses
// and the font name are escaped, so that nothing the text holds can open a tag or leave an attribute; only
// web and mail addresses become links.

std::string ColorToHTML(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
    return text;
}

std::string FontStyleToCSS(TFontStyles styles)
{
    std::string css;
    if (styles.Contains(fsBold))
        css += "font-weight:bold;";
    if (styles.Contains(fsItalic))
        css += "font-style:italic;";
    if (styles.Contains(fsUnderline))
        css += "text-decoration:underline;";
    return css;
}

std::string HtmlEscaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

void TVezCustomMemo::EmitHTMLToken(const TLineText& text, const TStyle& style)
{
    if (FHtml->Count() == 0)
        return;
    const TRunLook look = RunLook(style, false, false);
    const std::string run = EncodeLine(text);
    std::string t = HtmlEscaped(run);
    if (style.isURL)
        if (const std::string address = OpenableAddress(run); !address.empty())
            t = "<a href=\"" + HtmlEscaped(address) + "\">" + t + "</a>";
    const std::string span = "<FONT style=\"background-color: " + ColorToHTML(look.Back) +
                             ";color:" + ColorToHTML(look.Text) + ";" + FontStyleToCSS(look.Style) + "\">";
    if (span == Htmlfont)
        FHtmlLine += t;
    else if (!Htmlfont.empty())
        FHtmlLine += "</FONT>" + span + t;
    else
        FHtmlLine += span + t;
    Htmlfont = span;
}

std::vector<TLineText> TVezCustomMemo::AuthorLineTexts() const
{
    std::vector<TLineText> lines;
    const TVezMemoStrings& store = *ActiveLines();
    for (int row = 0; row < store.Count(); ++row) {
        if (row > 0 && IsWrappedLine(row))
            lines.back() += DecodeLine(store.Get(row));
        else
            lines.push_back(DecodeLine(store.Get(row)));
    }
    return lines;
}

void TVezCustomMemo::BuildHTML(bool fixedFonts, int fromLine, int toLine, bool fragment)
{
    WriteHTML(AuthorLineTexts(), fixedFonts, fromLine, toLine, fragment);
}

void TVezCustomMemo::WriteHTML(const std::vector<TLineText>& lines, bool fixedFonts, int fromLine, int toLine,
                               bool fragment)
{
    TStringList& html = *FHtml;
    html.Clear();
    if (!fragment) {
        const std::string link = ColorToHTML(FUrlStyle->TextColor());
        html.Add("<HTML>");
        html.Add("<BODY bgColor=\"" + ColorToHTML(FBkColor) + "\" LINK=\"" + link + "\" VLINK=\"" + link +
                 "\" ALINK=\"" + link + "\">");
    }
    html.Add("<PRE>");
    const std::string family = "font-family:" + HtmlEscaped(FFont->Name());
    if (fixedFonts)
        html.Add("<FONT style=\"" + family + "; font-size:" + std::to_string(FFont->Size()) + "pt\">");
    else
        html.Add("<FONT style=\"" + family + ";\">");
    RenderLines(
        lines, fromLine, toLine, 1, [&html] { html.Add(""); }, [] {});
    if (!Htmlfont.empty())
        html.Add("</FONT>");
    html.Add("</FONT>");
    html.Add("</PRE>");
    if (!fragment) {
        html.Add("</BODY>");
        html.Add("</HTML>");
    }
}

bool TVezCustomMemo::SaveToHTML(const std::string& fileName, bool fixedFonts)
{
    try {
        BuildHTML(fixedFonts, -1, -1, false);
        FHtml->SaveToFile(fileName, TTextEncoding::UTF8);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
