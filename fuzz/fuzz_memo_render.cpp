// The memo's renderer on arbitrary text with a styler built from the input (symbols, string brackets,
// comment pairs, keywords, line comment, escape and literal characters, hexadecimal prefix, number
// characters, keyword prefix, highlight text, URLs): the runs of each line give the line back whole; the
// state a line starts in is the one rendering the lines from the first carries to it, whatever was cached;
// the HTML export passes the HTML checker and the RTF copy the RTF checker.
// Input: a flags byte, the styler's texts, up to six elements (a kind byte and a text each), the highlight
// text, a line to ask the state of, then the memo's text.
#include "controls/memo/vez_memo.h"
#include "fuzz/memo_fuzz_app.h"
#include "platform/gui/services/clipboard.h"
#include "support/utf8.h"
#include "tests/memo/export_checks.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

void Check(bool condition)
{
    if (!condition)
        abort();
}

class TJoinedRuns : public TRunSink
{
public:
    void EmitRun(const TLineText& text, const TStyle&) override { Joined += text; }
    TLineText Joined;
};

void AddElement(TElementStyles& elements, uint8_t kind, const std::string& text)
{
    TElementStyle* element = elements.Add();
    const std::u32string chars = Utf8ToUtf32(text);
    switch (kind % 4) {
    case 0:
        element->SetStyleType(stKeyword);
        for (size_t start = 0; start <= text.size();) {
            const size_t comma = std::min(text.find(',', start), text.size());
            element->KeyWords()->Add(text.substr(start, comma - start));
            start = comma + 1;
        }
        break;
    case 1:
        element->SetStyleType(stBracket);
        element->SetBracketStart(chars.empty() ? 0 : chars[0]);
        element->SetBracketEnd(chars.size() < 2 ? 0 : chars[1]);
        break;
    case 2:
        element->SetStyleType(stSymbol);
        element->SetSymbols(text);
        break;
    default:
        element->SetStyleType(stComment);
        element->SetCommentLeft(Utf32ToUtf8(chars.substr(0, chars.size() / 2)));
        element->SetCommentRight(Utf32ToUtf8(chars.substr(chars.size() / 2)));
    }
}

// The open comment and string each line starts in, rendering from the first line on.
std::vector<TStyle> SequentialStates(TVezMemo& memo)
{
    std::vector<TStyle> states;
    TStyle style;
    style.index = style.ctype = -1;
    for (int line = 0; line < memo.Lines()->Count(); ++line) {
        states.push_back(style);
        memo.RenderLine(memo.Canvas(), line, style, 5, TRect(), -1);
    }
    return states;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const uint8_t flags = input.ConsumeIntegral<uint8_t>();
    auto styler = std::make_unique<TVezCustomMemoStyler>(nullptr);
    styler->SetLineComment(input.ConsumeRandomLengthString(3));
    styler->SetMultiCommentLeft(input.ConsumeRandomLengthString(3));
    styler->SetMultiCommentRight(input.ConsumeRandomLengthString(3));
    styler->SetEscapeChar(input.ConsumeRandomLengthString(2));
    styler->SetLiteral(input.ConsumeRandomLengthString(2));
    styler->SetHexIdentifier(input.ConsumeRandomLengthString(3));
    styler->SetNumericChars(input.ConsumeRandomLengthString(12));
    styler->SetKeyWordPrefix(input.ConsumeRandomLengthString(2));
    TElementStyles elements(nullptr);
    for (int count = input.ConsumeIntegralInRange(0, 6); count > 0; --count) {
        const uint8_t kind = input.ConsumeIntegral<uint8_t>();
        AddElement(elements, kind, input.ConsumeRandomLengthString(16));
    }
    styler->SetAllStyles(&elements);
    const std::string highlight = input.ConsumeRandomLengthString(4);
    const int askedLine = input.ConsumeIntegralInRange(0, 40);
    const std::string text = input.ConsumeRemainingBytesAsString();

    TVezMemo& memo = FuzzMemo();
    memo.SetSyntaxStyles(styler.get());
    memo.SetUseStyler(!(flags & 1));
    memo.SetUrlAware(flags & 2);
    memo.SetCaseSensitive(flags & 4);
    memo.SetHighlightCaseSensitive(flags & 8);
    memo.SetHighlightText(highlight);
    memo.Lines()->SetText(text);
    memo.SetSelectionEnds(0, 0, 0, 0);

    // The runs of every line give it back.
    TTokenizerSettings settings;
    CollectStylerSettings(settings, styler.get(), memo.UseStyler(), memo.CaseSensitive());
    settings.UrlAware = memo.UrlAware();
    settings.UrlDelimiters = U" ";
    settings.Highlight = Utf8ToUtf32(highlight);
    settings.HighlightCaseSensitive = memo.HighlightCaseSensitive();
    settings.IsUrl = [&memo](const TLineText& run) { return memo.WordIsURL(Utf32ToUtf8(run)); };
    settings.IsDelimiter = [&memo](char32_t ch) { return memo.IsDelimiter(ch); };
    TJoinedRuns runs;
    TLineTokenizer tokenizer(settings, runs);
    TStyle style;
    for (int line = 0; line < memo.Lines()->Count(); ++line) {
        runs.Joined.clear();
        const TLineText lineText = Utf8ToUtf32(memo.Lines()->Get(line));
        tokenizer.Line(lineText, style);
        Check(runs.Joined == lineText);
    }

    // The state at a line, asked with the cache in whatever state, is the sequential one.
    TStyle asked;
    memo.GetStyleAtLine(asked, 0);
    if (askedLine < memo.Lines()->Count()) {
        memo.Lines()->Put(askedLine / 2, memo.Lines()->Get(askedLine));
        memo.GetStyleAtLine(asked, askedLine);
        const TStyle expected = SequentialStates(memo)[static_cast<size_t>(askedLine)];
        Check(asked.isComment == expected.isComment && asked.isBracket == expected.isBracket &&
              asked.StartBracket == expected.StartBracket && asked.EndBracket == expected.EndBracket);
    }

    memo.BuildHTML(flags & 16, -1, -1, flags & 32);
    Check(HtmlProblem(memo.Html()->Text()).empty());
    memo.SelectAll();
    memo.SetClipboardFormats({cfRTF});
    memo.CopyToClipBoard();
    const std::string rtf = Clipboard()->AsBytes(RegisterClipboardFormat("Rich Text Format"));
    Check(memo.Selection().empty() || RtfProblem(rtf).empty());
    memo.SetSyntaxStyles(nullptr);
    return 0;
}
