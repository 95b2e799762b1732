#include "controls/memo/vez_custom_memo.h"

#include "support/utf8.h"

#include <algorithm>

// The state each line starts in (open comments and strings), kept in the line's property record for every
// line. It is what rendering the lines from the first one carries to that line, so a paint can start at
// any line without a scan from the top. When lines change, the states after them are checked again from
// the change on, until a state that is stored matches the one computed.

namespace {

TStyle InitialStyle()
{
    TStyle style;
    style.index = -1;
    style.ctype = -1;
    return style;
}

// Runs go nowhere: only the states are wanted.
class TNoRuns : public TRunSink
{
public:
    void EmitRun(const TLineText&, const TStyle&) override {}
};

} // namespace

// Everything the tokeniser reads tells the memo when it changes (the styler, its elements, the memo's own
// switches): the settings are gathered again at their next use.
void TVezCustomMemo::StylesChanged()
{
    FTokenizerSettings.reset();
    FbackupTopLine = -1;
    Invalidate();
}

const TTokenizerSettings& TVezCustomMemo::TokenizerSettings()
{
    if (FTokenizerSettings)
        return *FTokenizerSettings;
    auto settings = std::make_unique<TTokenizerSettings>();
    CollectStylerSettings(*settings, ActiveStyler(), FUseStyler, FCaseSensitive);
    settings->UrlAware = FUrlAware;
    settings->UrlDelimiters = Utf8ToUtf32(FUrlDelimiters);
    settings->Highlight = Utf8ToUtf32(FHighlightText);
    settings->HighlightCaseSensitive = FHighLightCaseSensitive;
    settings->IsUrl = [this](const TLineText& run) { return WordIsURL(EncodeLine(run)); };
    settings->IsDelimiter = [this](char32_t ch) { return IsDelimiter(ch); };
    std::u32string signature = settings->Signature();
    if (signature != FTokenizerSignature) {
        FTokenizerSignature = std::move(signature);
        ClearAllCachedStyles();
        FbackupTopLine = -1;
    }
    FTempdelimiters = Utf32ToUtf8(settings->Delimiters);
    FTokenizerSettings = std::move(settings);
    return *FTokenizerSettings;
}

void TVezCustomMemo::LineStatesStale(int first, int lastTouched)
{
    FStatesStaleFrom = std::min(FStatesStaleFrom, std::max(first, 0));
    FStatesStaleTo = std::max(FStatesStaleTo, lastTouched);
}

void TVezCustomMemo::LineStatesMoved(int from, int delta)
{
    if (FStatesStaleTo >= from)
        FStatesStaleTo += delta;
    if (FStatesStaleFrom >= from)
        FStatesStaleFrom = std::max(FStatesStaleFrom + delta, 0);
}

bool TVezCustomMemo::GetCachedStyle(int lineIndex, TStyle& style) const
{
    const TLineProp* prop = ActiveLines()->GetLineProp(lineIndex);
    if (!prop || !prop->CachedStyle)
        return false;
    style = prop->Style;
    return true;
}

void TVezCustomMemo::SetCachedStyle(int lineIndex, const TStyle& style)
{
    TVezMemoStrings& lines = *ActiveLines();
    if (lineIndex < 0 || lineIndex >= lines.Count())
        return;
    TLineProp* prop = lines.LineProp(lineIndex);
    if (!prop->CachedStyle || !prop->Style.SameStyle(style))
        FStatesRewrittenTo = std::max(FStatesRewrittenTo, lineIndex);
    prop->Style = style;
    prop->CachedStyle = true;
}

void TVezCustomMemo::ClearAllCachedStyles()
{
    const TList& props = ActiveLines()->LinesProp();
    for (int i = 0; i < props.Count(); ++i)
        static_cast<TLineProp*>(props.Get(i))->CachedStyle = false;
    FStatesStaleFrom = 0;
    FStatesStaleTo = ActiveLines()->Count();
}

TStyle TVezCustomMemo::LineStartState(int line)
{
    TokenizerSettings();
    const TVezMemoStrings& lines = *ActiveLines();
    // The nearest line at or above whose stored state can be trusted; the first line starts outside
    // everything.
    int k = line;
    TStyle style;
    while (k > 0 && !(k < FStatesStaleFrom && GetCachedStyle(k, style)))
        --k;
    if (k == 0) {
        style = InitialStyle();
        SetCachedStyle(0, style);
        FStatesStaleFrom = std::max(FStatesStaleFrom, 1);
    }
    TNoRuns noRuns;
    TLineTokenizer tokenizer(*FTokenizerSettings, noRuns);
    for (int j = k; j < line; ++j) {
        tokenizer.Line(DecodeLine(lines.Get(j)), style);
        style.isHighlight = false;
        TStyle stored;
        if (j + 1 > FStatesStaleTo && j + 1 >= FStatesStaleFrom && GetCachedStyle(j + 1, stored) &&
            stored.SameStyle(style)) {
            // The change has run out: every state after this one is as it was.
            FStatesStaleFrom = lines.Count();
            FStatesStaleTo = -1;
            return LineStartState(line);
        }
        SetCachedStyle(j + 1, style);
        if (FStatesStaleFrom == j + 1)
            FStatesStaleFrom = j + 2;
    }
    return style;
}

void TVezCustomMemo::ValidateLineStates()
{
    const int count = ActiveLines()->Count();
    if (count > 0 && FStatesStaleFrom < count)
        LineStartState(count - 1);
}

void TVezCustomMemo::GetStyleAtLine(TStyle& style, int lineIndex)
{
    TokenizerSettings();
    const TVezMemoStrings& lines = *ActiveLines();
    if (lines.Count() == 0 || lineIndex <= 0) {
        style = InitialStyle();
        return;
    }
    if (lineIndex < lines.Count()) {
        style = LineStartState(lineIndex);
        return;
    }
    // Past the last line: the state the last line leaves.
    style = LineStartState(lines.Count() - 1);
    TNoRuns noRuns;
    TLineTokenizer(*FTokenizerSettings, noRuns).Line(DecodeLine(lines.Get(lines.Count() - 1)), style);
    style.isHighlight = false;
}
