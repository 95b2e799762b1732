#include "controls/memo/rtf_engine.h"

#include "support/utf8.h"

#include <cstdio>

namespace {

constexpr const char* RTFProlog = "\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033";

std::string HexEscape(unsigned byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\'%02x", byte & 0xFF);
    return text;
}

void AppendUnicodeEscape(std::string& out, char32_t ch)
{
    const auto unit = [&out](unsigned value) {
        out += "\\u" + std::to_string(static_cast<int16_t>(static_cast<uint16_t>(value))) + "G";
    };
    if (ch < 0x10000) {
        unit(ch);
    } else {
        const char32_t v = ch - 0x10000;
        unit(0xD800 + (v >> 10));
        unit(0xDC00 + (v & 0x3FF));
    }
}

// Names and addresses inside control groups: braces and backslashes escaped, no paragraph ends.
std::string EscapedName(const std::string& text)
{
    std::string out;
    for (const char32_t ch : Utf8ToUtf32(text))
        if (ch != U'\r' && ch != U'\n')
            out += RtfEscapedText(Utf32ToUtf8(std::u32string(1, ch)));
    return out;
}

} // namespace

std::string RtfEscapedText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (const char32_t ch : Utf8ToUtf32(text)) {
        switch (ch) {
        case U'\\':
            out += "\\\\";
            break;
        case U'{':
            out += "\\{";
            break;
        case U'}':
            out += "\\}";
            break;
        case U'\r':
            out += "\\par ";
            break;
        case U'\n':
            break;
        default:
            if (ch >= 0x20 && ch < 0x7F)
                out += static_cast<char>(ch);
            else if (ch < 0x20 || (ch >= 0xA0 && ch <= 0xFF))
                out += HexEscape(ch);
            else
                AppendUnicodeEscape(out, ch);
        }
    }
    return out;
}

// --- fonts and colours
// ----------------------------------------------------------------------------------------

std::string TFontItem::Code() const
{
    return "\\f" + std::to_string(Index());
}

std::string TFontItem::GetText() const
{
    return "{" + Code() + "\\fnil " + EscapedName(FFaceName) + ";}";
}

int TFontCollection::IndexOf(const std::string& faceName) const
{
    const std::string wanted = AsciiUpperCase(faceName);
    for (int i = 0; i < Count(); ++i)
        if (AsciiUpperCase(GetItem(i)->FaceName()) == wanted)
            return i;
    return -1;
}

std::string TFontTable::AddFont(const std::string& faceName)
{
    const int index = IndexOf(faceName);
    if (index >= 0)
        return FFonts->GetItem(index)->Code();
    TFontItem* item = FFonts->Add();
    item->SetFaceName(faceName);
    return item->Code();
}

std::string TFontTable::GetText() const
{
    if (FFonts->Count() == 0)
        return {};
    std::string text = "{\\fonttbl";
    for (int i = 0; i < FFonts->Count(); ++i)
        text += FFonts->GetItem(i)->GetText();
    return text + "}";
}

int TColorTable::AddColor(TColor color)
{
    const std::string rgb = std::to_string(ColorToRGB(color) & 0xFFFFFF);
    int index = FColorList->IndexOf(rgb);
    if (index < 0)
        index = FColorList->Add(rgb);
    return index;
}

std::string TColorTable::GetText() const
{
    if (FColorList->Count() == 0)
        return {};
    std::string text = "{\\colortbl ";
    for (int i = 0; i < FColorList->Count(); ++i) {
        const auto rgb = static_cast<TColor>(std::stoul(FColorList->Get(i)));
        text += "\\red" + std::to_string(rgb & 0xFF) + "\\green" + std::to_string((rgb >> 8) & 0xFF) +
                "\\blue" + std::to_string((rgb >> 16) & 0xFF) + ";";
    }
    return text + "}";
}

std::string TRTFHeader::GetText() const
{
    return std::string("{") + RTFProlog + FFontTable->GetText() + FColorTable->GetText() + "\\viewkind" +
           std::to_string(FViewKind) + "\\uc1";
}

// --- the body
// -------------------------------------------------------------------------------------------------

TRTFEngine::TRTFEngine() : FRTFHeader(std::make_unique<TRTFHeader>()) {}

TRTFEngine::~TRTFEngine() = default;

void TRTFEngine::AddToText(const std::string& piece, bool isText)
{
    if (isText && FIsPreviouseKW)
        FText += ' ';
    FText += piece;
    FIsPreviouseKW = !isText;
}

void TRTFEngine::AddFontName(const std::string& fontName)
{
    AddToText(FRTFHeader->FontTable()->AddFont(fontName), false);
}

void TRTFEngine::AddFontSize(int value)
{
    AddToText("\\fs" + std::to_string(value), false);
    FFontSize = value;
}

void TRTFEngine::AddForeColor(TColor color)
{
    AddToText("\\cf" + std::to_string(FRTFHeader->ColorTable()->AddColor(color)), false);
    FForeColor = color;
}

void TRTFEngine::AddHighLightColor(TColor color)
{
    const int number = color == clNone ? 0 : FRTFHeader->ColorTable()->AddColor(color);
    AddToText("\\highlight" + std::to_string(number), false);
    FHighLightColor = color;
}

void TRTFEngine::AddBold(bool value)
{
    AddToText(value ? "\\b" : "\\b0", false);
    FBold = value;
}

void TRTFEngine::AddItalic(bool value)
{
    AddToText(value ? "\\i" : "\\i0", false);
    FItalic = value;
}

void TRTFEngine::AddUnderLine(bool value)
{
    AddToText(value ? "\\ul" : "\\ulnone", false);
    FUnderLine = value;
}

void TRTFEngine::AddText(const std::string& text)
{
    AddToText(RtfEscapedText(text), true);
}

void TRTFEngine::AddNewLine()
{
    AddToText("\\par", false);
}

void TRTFEngine::AddHyperLink(const std::string& link, const std::string& text, const TFont* font)
{
    if (link.find('"') != std::string::npos) {
        AddText(text);
        return;
    }
    FRTFHeader->FontTable()->AddFont(font);
    const std::string n = std::to_string(FRTFHeader->FontTable()->IndexOf(font->Name()));
    const std::string c = std::to_string(FRTFHeader->ColorTable()->AddColor(font->Color()));
    const std::string size = std::to_string(font->Size() * 2);
    const std::string faceAndSize = "\\af" + n + "\\afs" + size;
    FText += "{\\field{\\*\\fldinst {\\rtlch " + faceAndSize + "\\ltrch \\f" + n + "\\fs" + size +
             "  HYPERLINK \"" + EscapedName(link) + "\" }}{\\fldrslt {\\rtlch " + faceAndSize +
             " \\ltrch \\f" + n + "\\fs" + size + "\\ul\\cf" + c + " " + RtfEscapedText(text) + "}}}";
}

std::string TRTFEngine::GetText() const
{
    return FRTFHeader->GetText() + FText + "\\par}";
}
