#pragma once

// The layout engine behind RenderMarkup (markup_renderer.h), shared by its sources: the state that tags
// change, the scan of one line and what each tag does. For the renderer's own sources only.

#include "controls/edits/markup_renderer.h"
#include "controls/edits/markup_tags.h"
#include "controls/edits/markup_text.h"

#include <algorithm>
#include <optional>
#include <string>

// Distances that tags give in pixels (indents, offsets, image sizes) are kept within what a canvas can draw,
// so that adding them up along a line never leaves the range of an int.
constexpr int MaxMarkupPixels = 32767;
inline int MarkupPixels(double value)
{
    return static_cast<int>(std::clamp(value, double{-MaxMarkupPixels}, double{MaxMarkupPixels}));
}

// The parts of a font that tags change; its colour is ink (below).
struct TMarkupFont
{
    std::string Name;
    int Height = 0;
    TFontStyles Style;
};

enum class TParagraphAlign
{
    Left,
    Right,
    Center
};

// What tags set that takes room or counts: both scans of a line start from the same copy, and the next line
// goes on from where the measuring scan left it.
struct TMarkupState
{
    TMarkupFont Font;
    TMarkupFont BaseFont;
    bool InAnchor = false;
    bool InLinkedAnchor = false;
    std::string Target; // of the open linked anchor
    std::string Title;
    int LinkCounter = 0;
    TPoint LinkStart; // line left + w and line top where the anchor began
    int LinkStartLine = 0;
    bool Shadow = false;
    bool Hidden = false;
    bool Error = false;
    bool Subscript = false;
    bool Superscript = false;
    int ListDepth = 0;
    bool Numbered = false;
    TParagraphAlign Align = TParagraphAlign::Left;
    int Indent = 0;
    double LineHeightFactor = 1.0;
    bool ParagraphBackground = false;
    int NextHOffset = 0;
    std::optional<TPoint> ParagraphFloat; // the line position to come back to
    int FloatLeft = 0;                    // room the floating images take at the left and right
    int FloatRight = 0;
    int FloatHeight = 0;
    int ImageCounter = 0;
    std::optional<int> Rotation; // tenths of a degree
};

// Colours, backgrounds and item numbers: set only while drawing, so they carry on from one line's drawing
// scan to the next line's.
struct TMarkupInk
{
    int ListCounter = 1; // the next item number of a numbered list
    TColor Text = clBlack;
    TColor Base = clBlack;            // the base font's colour
    std::optional<TColor> Background; // the brush: none draws text transparently
    std::optional<TColor> SavedRun;   // by the font and span tags
    std::optional<TColor> SavedParagraph;
    std::optional<TColor> SavedAnchorBackground;
    TColor SavedAnchorText = clBlack;
    TColor SavedHighlightText = clBlack;
    TFontStyles SavedHighlightStyle;
    std::optional<TColor> SavedHighlightBackground;
};

enum class TScanMode
{
    Measure, // the first scan of a line: where it ends, how wide and high
    Draw,    // the second scan, drawing
    Locate   // the second scan while hit-testing: measuring and finding the point
};

// One scan of one line.
struct TLineScan
{
    TScanMode Mode = TScanMode::Measure;
    TRect Line;      // left and right edges, top; the bottom is the line's text bottom when drawing
    int HOffset = 0; // this line's horizontal offset
    int BaseHeight = 0;
    // Kept from the measuring scan into the drawing scan.
    int SubRoom = 0;
    int SupRoom = 0;
    int ImageOffset = 0;
    // Results.
    int W = 0;
    int H = 0;
    size_t Consumed = 0;
    bool TextHot = false;
    bool ImageHot = false;
    bool FloatBegan = false; // a paragraph float began on this line
};

class TMarkupLayout
{
public:
    TMarkupLayout(TCanvas& canvas, const TMarkupRenderInput& input);
    TMarkupRenderResult Run();

private:
    // --- lines (markup_layout.cpp) ---
    void SetUpCanvas();
    struct TLineCursor
    {
        TRect Line;      // where the next line goes: its left and right edges and its top
        int HOffset = 0; // the next line's horizontal offset
        bool Stop = false;
    };
    // Lays out and draws (or locates in) the line at the head of rest; answers the markup it took.
    size_t LayOutLine(std::u32string_view rest, int baseHeight, TLineCursor& cursor);
    TRect AlignedRect(const TRect& line, const TLineScan& measured, int height) const;
    void ApplyFont(const TMarkupFont& font);

    // --- one scan (markup_line_scan.cpp) ---
    void ScanLine(std::u32string_view text, TMarkupState& state, TLineScan& scan);
    // False when the run did not fit on the line.
    bool TextRun(std::u32string_view text, TMarkupState& state, TLineScan& scan);
    void DrawRun(const std::string& run, const TMarkupState& state, TLineScan& scan, int width);
    void DrawErrorMarks(int left, int right, int bottom);
    void LocateInRun(TMarkupState& state, TLineScan& scan, int width);
    unsigned TextFlags(bool externalLeading) const;

    // --- tags (markup_tag_effects.cpp) ---
    struct TTagResult
    {
        bool fits = true; // false: the tag stays for the next line
        bool endsLine = false;
    };
    TTagResult ApplyTag(const TMarkupTag& tag, TMarkupState& state, TLineScan& scan);
    void Anchor(const TMarkupTag& tag, TMarkupState& state, const TLineScan& scan);
    void AnchorEnd(TMarkupState& state, const TLineScan& scan);
    void FontTag(const TMarkupTag& tag, TMarkupState& state, const TLineScan& scan);
    void FontEnd(TMarkupState& state, const TLineScan& scan);
    void Span(const TMarkupTag& tag, const TLineScan& scan);
    void Highlight(TMarkupState& state, const TLineScan& scan, bool on);
    void Rule(const TMarkupTag& tag, const TLineScan& scan);
    TTagResult ListItem(const TMarkupTag& tag, TMarkupState& state, TLineScan& scan);
    void Paragraph(const TMarkupTag& tag, TMarkupState& state, TLineScan& scan);
    void ParagraphEnd(TMarkupState& state, const TLineScan& scan);
    void SetBackground(std::optional<TColor> color);

    // --- images and backgrounds (markup_images.cpp) ---
    TTagResult Image(const TMarkupTag& tag, TMarkupState& state, TLineScan& scan);
    void Body(const TMarkupTag& tag, const TLineScan& scan);
    THTMLPicture* FindPicture(const std::string& source);
    void TileBackground(THTMLPicture& picture, bool rightEdge);

    bool Drawing(const TLineScan& scan) const { return scan.Mode == TScanMode::Draw; }
    bool Measuring(const TLineScan& scan) const { return scan.Mode != TScanMode::Draw; }

    TCanvas& canvas_;
    const TMarkupRenderInput& input_;
    TMarkupRenderResult result_;
    TPreparedMarkup prepared_;
    TMarkupState state_;
    TMarkupInk ink_;
    TColor initialBackground_ = clWhite;
    int lineIndex_ = 0;
    int x_ = 0;                   // the drawing position on the line
    bool listItemOnLine_ = false; // a second list item does not fit
    int trailingSpace_ = 0;       // width of the space that ends the last accepted run
    bool linkMarked_ = false;     // the point is over the open link: its rectangle is recorded at its end
};
