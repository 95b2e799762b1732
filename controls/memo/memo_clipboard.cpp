#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/services/clipboard.h"

// The clipboard: the selection copied as text and, as ClipboardFormats asks, as RTF and as an HTML
// fragment (both rendered from a copy of the selected text), cut as text, and the clipboard's text pasted.
// Every user action asks OnClipboardAction first.

namespace {

TClipboardFormat RtfFormat()
{
    static const TClipboardFormat format = RegisterClipboardFormat("Rich Text Format");
    return format;
}

TClipboardFormat HtmlFormat()
{
    static const TClipboardFormat format = RegisterClipboardFormat("HTML Format");
    return format;
}

std::vector<TLineText> SplitIntoLines(const std::string& text)
{
    std::vector<TLineText> lines(1);
    for (const char32_t ch : DecodeLine(text)) {
        if (ch == U'\n')
            lines.emplace_back();
        else if (ch != U'\r')
            lines.back() += ch;
    }
    return lines;
}

} // namespace

void TVezCustomMemo::CopyToClipBoard()
{
    const std::string text = Selection();
    if (text.empty())
        return;
    std::string rtf, html;
    if (FClipboardFormats.Contains(cfHTML) || FClipboardFormats.Contains(cfRTF)) {
        const std::vector<TLineText> lines = SplitIntoLines(text);
        if (FClipboardFormats.Contains(cfHTML)) {
            WriteHTML(lines, true, -1, -1, true);
            html = BuildHtmlClipboardText(FHtml->Text());
        }
        if (FClipboardFormats.Contains(cfRTF)) {
            FRTFEngine = std::make_unique<TRTFEngine>();
            struct TRelease
            {
                std::unique_ptr<TRTFEngine>& engine;
                ~TRelease() { engine.reset(); }
            } release{FRTFEngine};
            WriteRTF(lines, -1, -1);
            rtf = FRTFEngine->GetText();
        }
    }
    TClipboard& clipboard = *Clipboard();
    clipboard.Open();
    struct TClose
    {
        TClipboard& clipboard;
        ~TClose() { clipboard.Close(); }
    } close{clipboard};
    if (FClipboardFormats.Contains(cfText))
        clipboard.SetAsText(text);
    if (!rtf.empty())
        clipboard.SetAsBytes(RtfFormat(), rtf);
    if (!html.empty())
        clipboard.SetAsBytes(HtmlFormat(), html);
}

void TVezCustomMemo::CutToClipBoard()
{
    if (FReadOnly || !CanEdit())
        return;
    const std::string text = Selection();
    if (text.empty())
        return;
    Clipboard()->SetAsText(text);
    DeleteSelectedText(true);
    AfterEdit();
}

void TVezCustomMemo::PasteFromClipBoard()
{
    if (FReadOnly || !CanEdit())
        return;
    const int y0 = FCurY;
    if (FAutoExpand && FCurY < ActiveLines()->Count() && LineLengthAt(FCurY) < FCurX)
        PutLine(FCurY, PaddedTo(LineAt(FCurY), FCurX));
    // The Unicode text whole: every character, those beyond the basic plane too.
    const std::string text = Clipboard()->AsText();
    if (text.empty())
        return;
    SetSelection(text);
    int offset = 0;
    TextFromPos(FCurX, FCurY, offset);
    for (int line = std::min(y0, FCurY); line <= std::max(y0, FCurY); ++line)
        SetModifiedStateInt(line, lmModified);
    SetSelLength(0);
    SetSelStart(offset);
    if (FWordWrap != wwNone) {
        UpdateWrap();
        int x = 0, y = 0;
        PosFromText(offset, x, y);
        SetCurY(y);
        SetCurX(x);
        SetLeftCol(0);
    } else {
        UpdateScrollBars(false);
        Invalidate();
    }
    AfterEdit();
}

void TVezCustomMemo::DoClipboardCopy()
{
    bool allow = true;
    DoClipboardAction(caCopy, allow);
    if (allow)
        CopyToClipBoard();
}

void TVezCustomMemo::DoClipboardCut()
{
    bool allow = true;
    DoClipboardAction(caCut, allow);
    if (allow)
        CutToClipBoard();
}

void TVezCustomMemo::DoClipboardPaste()
{
    bool allow = true;
    DoClipboardAction(caPaste, allow);
    if (!allow)
        return;
    PasteFromClipBoard();
    if (SyntaxStyles() && SyntaxStyles()->CanFormat())
        Format();
}
