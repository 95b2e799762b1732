#include "controls/pack/html_builder.h"

#include "controls/pack/html_text_label.h"

#include <algorithm>

namespace {

// No screen reaches further: positions and sizes from the text stay inside these.
constexpr int MaxPosition = 1000000;
constexpr int MaxFontSize = 500;

int Position(int value)
{
    return std::clamp(value, -MaxPosition, MaxPosition);
}

// The subscript's offset and size reduction for a font of s points.
int SubOffset(int s)
{
    if (s >= 1 && s <= 8)
        return -2;
    switch (s) {
    case 9:
        return -1;
    case 11:
    case 12:
    case 15:
    case 16:
    case 17:
        return 1;
    case 13:
    case 14:
    case 20:
        return -1;
    case 21:
    case 22:
        return -3;
    default:
        return 0;
    }
}

int SubReduction(int s)
{
    if (s >= 1 && s <= 8)
        return 1;
    if (s >= 9 && s <= 11)
        return 2;
    if (s >= 12 && s <= 14)
        return 3;
    if (s >= 15 && s <= 18)
        return 4;
    if (s >= 19 && s <= 22)
        return 5;
    if (s >= 23 && s <= 29)
        return 7;
    return 9;
}

int SupOffset(int s)
{
    if (s >= 1 && s <= 8)
        return -2;
    if (s == 9)
        return -3;
    if (s == 10)
        return -5;
    return 1 - s / 2;
}

int SupReduction(int s)
{
    if (s >= 1 && s <= 8)
        return 1;
    if (s == 9)
        return 2;
    if (s == 10 || s == 11)
        return 3;
    if (s == 12 || s == 13)
        return 4;
    if (s == 14 || s == 15)
        return 5;
    if (s == 16 || s == 17)
        return 6;
    return s / 2 - 4;
}

} // namespace

TBuilder::TBuilder(const TVhHTMLText2& label, TVHWordList& words, TVHLinkDataList& links)
    : Lb(label), LWords(words), LLinkData(links)
{}

void TBuilder::Build(const std::string& text)
{
    ScanMarkupText(text, L);
    PlaceWords();
    AlignGroups();
}

// --- placing words -----------------------------------------------------------------------------------------

void TBuilder::StartBuild()
{
    TFont& font = *Measure().Font();
    font.Assign(Lb.Font());
    SetFontSize(font.Size());
    const TFontStyles style = font.Style();
    FBold.Reset(style.Contains(fsBold));
    FItalic.Reset(style.Contains(fsItalic));
    FUnderline.Reset(style.Contains(fsUnderline));
    FStrike.Reset(style.Contains(fsStrikeOut));
    FNames.Reset(font.Name());
    FSizes.Reset(font.Size());
    FColors.Reset(font.Color());
    FBackgrounds.Reset(clNone);
    FAligns.Reset(taLeftJustify);
}

void TBuilder::PlaceWords()
{
    StartBuild();
    for (int i = 0; i < L.Count(); ++i)
        Apply(i, L.Items(i));
    if (!LWords.empty())
        BreakLine();
    const TVHInternalMargins& margins = *Lb.InternalMargins();
    FCalcWidth = FWidest + (margins.Enabled() ? margins.Left() + margins.Right() : 0);
    FCalcHeight = Y;
}

TVHWord& TBuilder::AddWord(const TRect& rect, const std::string& text)
{
    TVHWord word;
    word.Rect = rect;
    word.Text = text;
    word.Group = static_cast<int>(LGroupBound.size());
    word.Align = FAlign;
    word.Font = std::make_unique<TFont>();
    word.Font->Assign(Measure().Font());
    word.BColor = FBackground;
    word.Link = FLinkOn;
    word.LinkID = FLinkIndex;
    LWords.push_back(std::move(word));
    return LWords.back();
}

void TBuilder::Apply(int index, const TToken& token)
{
    switch (token.Kind) {
    case ttBold:
    case ttItalic:
    case ttUnderline:
    case ttStrike:
    case ttFontName:
    case ttFontSize:
    case ttFontColor:
    case ttBackColor:
    case ttAlignLeft:
    case ttAlignCenter:
    case ttAlignRight:
        ApplyStyle(token);
        break;
    case ttTab:
    case ttTabF:
        X = Position(token.Value);
        FFixedTab = token.Kind == ttTabF;
        FFixedPosition = X;
        LGroupBound.push_back(X);
        break;
    case ttBreak:
        FFixedTab = FList1 = FList2 = false;
        BreakLine();
        break;
    case ttLink:
        if (!token.TagClose) {
            LLinkData.push_back({token.Text, {}});
            FLinkOn = true;
            FLinkIndex = static_cast<int>(LLinkData.size()) - 1;
        } else {
            if (FLinkIndex != -1)
                LLinkData[static_cast<size_t>(FLinkIndex)].Text = L.GetLinkText(index);
            FLinkOn = false;
            FLinkIndex = -1;
        }
        break;
    case ttHorizontalLine:
        ApplyRule(token);
        break;
    case ttHeader1:
    case ttHeader2:
    case ttHeader3:
        ApplyHeading(token.Kind - ttHeader1 + 1, token);
        break;
    case ttLineColor: {
        TVHWord& word = AddWord({X, Y, 0, Y + Extent("1").cy});
        word.ExtraColor = static_cast<TColor>(token.Value);
        word.TagID = wtColorStrip;
        break;
    }
    case ttListItem:
    case ttListItem2:
        ApplyListItem(token, token.Kind == ttListItem ? 1 : 2);
        break;
    case ttImage:
    case ttBodyBackgroundColor:
    case ttLine: {
        // These reserve no room: X and the line height stay.
        TVHWord& word = AddWord({X, Y, 0, Y}, token.Kind == ttImage ? token.Text : "");
        word.ExtraColor = static_cast<TColor>(token.Value);
        word.TagID = token.Kind == ttImage ? wtImage : token.Kind == ttLine ? wtLine : wtBodyColor;
        break;
    }
    case ttSubscript:
    case ttSuperscript:
        ApplyScript(token);
        break;
    case ttInvalid:
    case ttSpace:
    case ttText:
        TextStep(token);
        break;
    }
}

void TBuilder::ApplyStyle(const TToken& token)
{
    switch (token.Kind) {
    case ttBold:
        FBold.AddOrDel(token, true);
        break;
    case ttItalic:
        FItalic.AddOrDel(token, true);
        break;
    case ttUnderline:
        FUnderline.AddOrDel(token, true);
        break;
    case ttStrike:
        FStrike.AddOrDel(token, true);
        break;
    case ttFontName:
        FNames.AddOrDel(token, token.Text);
        Measure().Font()->SetName(FNames.Top());
        return;
    case ttFontSize:
        FSizes.AddOrDel(token, token.Value);
        SetFontSize(FSizes.Top());
        return;
    case ttFontColor:
        FColors.AddOrDel(token, static_cast<TColor>(token.Value));
        Measure().Font()->SetColor(FColors.Top());
        return;
    case ttBackColor:
        FBackgrounds.AddOrDel(token, static_cast<TColor>(token.Value));
        FBackground = FBackgrounds.Top();
        return;
    default: {
        const TAlignment alignment = token.Kind == ttAlignCenter  ? taCenter
                                     : token.Kind == ttAlignRight ? taRightJustify
                                                                  : taLeftJustify;
        FAligns.AddOrDel(token, alignment);
        FAlign = FAligns.Top();
        return;
    }
    }
    ApplyStackedStyle();
}

void TBuilder::ApplyStackedStyle()
{
    TFontStyles style;
    if (FBold.Top())
        style.Include(fsBold);
    if (FItalic.Top())
        style.Include(fsItalic);
    if (FUnderline.Top())
        style.Include(fsUnderline);
    if (FStrike.Top())
        style.Include(fsStrikeOut);
    Measure().Font()->SetStyle(style);
}

void TBuilder::SetFontSize(int points)
{
    Measure().Font()->SetSize(std::clamp(points, 1, MaxFontSize));
}

void TBuilder::RestoreStyle()
{
    TFont& font = *Measure().Font();
    font.SetColor(FColors.Top());
    SetFontSize(FSizes.Top());
    font.SetName(FNames.Top());
    FBackground = FBackgrounds.Top();
    FAlign = FAligns.Top();
    ApplyStackedStyle();
}

const TFont& TBuilder::HeadingFont(int level) const
{
    return level == 1   ? *Lb.TagH1Params()->Font()
           : level == 2 ? *Lb.TagH2Params()->Font()
                        : *Lb.TagH3Params()->Font();
}

int TBuilder::OpenHeading() const
{
    for (int level = 1; level <= 3; ++level)
        if (FHeading[level - 1])
            return level;
    return 0;
}

void TBuilder::ApplyHeading(int level, const TToken& token)
{
    FHeading[level - 1] = !token.TagClose;
    if (token.TagClose) {
        RestoreStyle();
        return;
    }
    const TVHTagHeaderParams& heading = level == 1 ? *Lb.TagH1Params()
                                        : level == 2
                                            ? static_cast<const TVHTagHeaderParams&>(*Lb.TagH2Params())
                                            : *Lb.TagH3Params();
    Measure().Font()->Assign(heading.Font());
    const TSize size = Extent("");
    FAlign = heading.Alignment();
    if (!heading.Transparent())
        FBackground = heading.BackgroundColor();
    AddWord({X, Y, X + size.cx, Y + size.cy});
}

void TBuilder::ApplyListItem(const TToken& token, int level)
{
    const TVHTagLIParams& list =
        level == 1 ? static_cast<const TVHTagLIParams&>(*Lb.TagLIParams()) : *Lb.TagLI2Params();
    X = list.Margin();
    const TSize size = Extent(token.Text);
    TVHWord& word = AddWord({X, Y, X + size.cx, Y + size.cy}, token.Text);
    word.ExtraColor = static_cast<TColor>(token.Value);
    word.TagID = level == 1 ? wtBullet : wtBullet2;
    (level == 1 ? FList1 : FList2) = true;
    LGroupBound.push_back(X);
}

void TBuilder::ApplyRule(const TToken& token)
{
    const int width = Lb.BitmapWidth();
    int right = Position(token.Value);
    if (right == 0) {
        right = width;
    } else {
        if (right < 0)
            right = width + right;
        const TVHInternalMargins& margins = *Lb.InternalMargins();
        if (margins.Enabled())
            right = right - margins.Right() + margins.Left();
    }
    const int left = FFixedTab ? FFixedPosition : X;
    TVHWord& word = AddWord({left, Y, right, Y + Extent("1").cy});
    word.ExtraColor = 0;
    word.TagID = wtRule;
    LGroupBound.push_back(width);
    ++FLineCount;
}

void TBuilder::ApplyScript(const TToken& token)
{
    (token.Kind == ttSubscript ? FSub : FSup) = !token.TagClose;
    if (!token.TagClose)
        return;
    if (const int level = OpenHeading())
        Measure().Font()->Assign(&HeadingFont(level));
    else
        SetFontSize(FSizes.Top());
}

void TBuilder::TextStep(const TToken& token)
{
    int dy = 0;
    if (FSub || FSup) {
        const int level = OpenHeading();
        const int s = level ? HeadingFont(level).Size() : Measure().Font()->Size();
        const TVHTagScriptParams& tuning =
            FSub ? static_cast<const TVHTagScriptParams&>(*Lb.TagSUBParams()) : *Lb.TagSUPParams();
        const int offset = (FSub ? SubOffset(s) : SupOffset(s)) + tuning.PosYDelta();
        const int reduction = FSub ? SubReduction(s) : SupReduction(s);
        // Each word inside the range is reduced again from the size the last one left.
        SetFontSize(Measure().Font()->Size() - reduction + tuning.FontSizeDelta());
        const int half = Extent("1").cy / 2;
        dy = FSub ? offset + half : -half - offset;
    }
    const bool blank = token.Kind == ttSpace;
    const std::string text = token.Kind == ttInvalid ? "<?>" : blank ? " " : token.Text;
    TSize size = Extent(text);
    size.cx += Lb.ExtraWordSpacing();
    const bool overflow =
        Lb.AutoWidth() ? Lb.MaxWidth() > 0 && X + size.cx > Lb.MaxWidth() : X + size.cx > Lb.BitmapWidth();
    if (overflow) {
        if (!LWords.empty() && LWords.back().Space) {
            X -= LWords.back().Rect.Width();
            LWords.pop_back();
        }
        BreakLine();
        if (blank)
            return;
    }
    FLineHeight = std::max(FLineHeight, size.cy);
    TVHWord& word = AddWord({X, Y, X + size.cx, Y + size.cy + dy}, text);
    word.Space = blank;
    X = Position(X + size.cx);
}

void TBuilder::BreakLine()
{
    if (FLineHeight == 0)
        FLineHeight = Extent(" ").cy;
    Y = Position(Y + FLineHeight + Lb.ExtraLineSpacing());
    FLineHeight = 0;
    FWidest = std::max(FWidest, X);
    X = 0;
    if (FFixedTab)
        X = FFixedPosition;
    if (FList1)
        X = Lb.TagLIParams()->Margin();
    if (FList2)
        X = Lb.TagLI2Params()->Margin();
    LGroupBound.push_back(Lb.BitmapWidth());
    ++FLineCount;
}

// --- aligning ----------------------------------------------------------------------------------------------

void TBuilder::AlignGroups()
{
    std::vector<int> ends(LGroupBound.size() + 1, 0);
    std::vector<bool> started(ends.size(), false);
    for (const TVHWord& word : LWords) {
        const size_t g = static_cast<size_t>(word.Group);
        if (!started[g]) {
            ends[g] = word.Rect.Left;
            started[g] = true;
        }
        ends[g] = Position(ends[g] + word.Rect.Right - word.Rect.Left);
    }
    for (TVHWord& word : LWords) {
        const size_t g = static_cast<size_t>(word.Group);
        if (g >= LGroupBound.size() || word.Align == taLeftJustify)
            continue;
        const int room = LGroupBound[g] - ends[g];
        const int shift = word.Align == taRightJustify ? room : room / 2;
        word.Rect.Left += shift;
        word.Rect.Right += shift;
    }
}
