#pragma once

#include "controls/pack/html_tag_language.h"
#include "controls/pack/html_words.h"
#include "platform/gui/graphics/bitmap.h"

#include <string>
#include <vector>

class TVhHTMLText2;

// Lays the HTML-like label's text out: tokens become positioned words (wrapped at the text area's width
// or at MaxWidth, broken at line breaks), links get their table entries, and right-aligned and centred
// words move into place. Text is measured on a picture of the builder's own, so no window is needed.
class TBuilder
{
public:
    TBuilder(const TVhHTMLText2& label, TVHWordList& words, TVHLinkDataList& links);

    // Lays text out into the word list and the link table (which the caller has emptied).
    void Build(const std::string& text);

    int CalcWidth() const { return FCalcWidth; }
    int CalcHeight() const { return FCalcHeight; }
    int LineCount() const { return FLineCount; }
    const TListToken& Tokens() const { return L; }

private:
    // A stack of one style attribute: its bottom entry, the label's own, is never removed.
    template <typename T> class TListStack
    {
    public:
        void Reset(const T& bottom) { entries_.assign(1, bottom); }
        // Pushes value for an opening tag; pops for a closing one, down to the bottom entry.
        void AddOrDel(const TToken& token, const T& value)
        {
            if (!token.TagClose)
                entries_.push_back(value);
            else if (entries_.size() > 1)
                entries_.pop_back();
        }
        T Top() const { return entries_.back(); }

    private:
        std::vector<T> entries_;
    };

    void PlaceWords();
    void AlignGroups();
    void StartBuild();
    void Apply(int index, const TToken& token);
    void ApplyStyle(const TToken& token);
    void ApplyHeading(int level, const TToken& token);
    void ApplyListItem(const TToken& token, int level);
    void ApplyRule(const TToken& token);
    void ApplyScript(const TToken& token);
    void TextStep(const TToken& token);
    void BreakLine();
    void RestoreStyle();
    void ApplyStackedStyle();
    void SetFontSize(int points);
    // A heading whose range is open, 1 to 3, or 0.
    int OpenHeading() const;
    const TFont& HeadingFont(int level) const;
    TVHWord& AddWord(const TRect& rect, const std::string& text = {});
    TCanvas& Measure() const { return *FMeasureBitmap.Canvas(); }
    TSize Extent(const std::string& text) const { return Measure().TextExtent(text); }

    const TVhHTMLText2& Lb;
    TVHWordList& LWords;
    TVHLinkDataList& LLinkData;
    TListToken L;
    std::vector<int> LGroupBound; // for each alignment group, the x at which it ends
    int FCalcWidth = 0;
    int FCalcHeight = 0;
    int FLineCount = 0;

    mutable TBitmap FMeasureBitmap{1, 1}; // measuring surface; its canvas's font is the measuring font
    // The state of one build.
    int X = 0, Y = 0, FLineHeight = 0, FWidest = 0;
    bool FFixedTab = false;
    int FFixedPosition = 0;
    bool FLinkOn = false;
    int FLinkIndex = -1;
    bool FList1 = false, FList2 = false;
    bool FHeading[3] = {false, false, false};
    bool FSub = false, FSup = false;
    TColor FBackground = clNone;
    TAlignment FAlign = taLeftJustify;
    TListStack<bool> FBold, FItalic, FUnderline, FStrike;
    TListStack<std::string> FNames;
    TListStack<int> FSizes;
    TListStack<TColor> FColors, FBackgrounds;
    TListStack<TAlignment> FAligns;
};
