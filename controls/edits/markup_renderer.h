#pragma once

#include "controls/edits/picture_cache.h"
#include "controls/edits/picture_container.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/windows/control.h"

#include <string>

// Lays out and paints a label markup (markup_text.h, markup_tags.h) into a rectangle of a canvas, or only
// measures it, and finds the link under a point. Each line is scanned twice from one state: first to find
// where it ends and how wide and high it is, then to draw it (or, hit-testing, to locate the point in it)
// where its alignment puts it. Text colours and backgrounds are set only while drawing, so they carry on
// from one line's drawing to the next. The canvas's font is the label's font on entry and its brush colour
// the label's background.

struct TMarkupRenderInput
{
    std::string Text;
    TRect Area;
    TCustomImageList* Images = nullptr; // "IDX:" images
    TPoint Mouse{-1, -1};               // the point to locate, canvas coordinates
    int HoverLink = -1;                 // 1-based number of the link shown hovered, -1 for none
    int ShadowOffset = 2;
    bool HitTestOnly = false; // measure and locate only: nothing is drawn
    bool HoverStyle = false;  // links are decorated only while hovered
    bool WordWrap = true;     // false: one run after another, each cut with an end ellipsis
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;     // background of a hovered link; clNone for no change
    TColor HoverFontColor = clNone; // text colour of a hovered link; clNone for no change
    TColor ShadowColor = clGray;
    THTMLPictureCache* Cache = nullptr;     // pictures of "://" sources (none: such images are skipped)
    TPictureContainer* Container = nullptr; // pictures by name
    int LineSpacing = 0;                    // pixels added to every line
    TBiDiMode BiDiMode = bdLeftToRight;
};

struct TMarkupRenderResult
{
    bool OverLink = false; // the point is over a link's text band or a linked image
    std::string Anchor;    // the target of that link
    std::string Title;
    int Width = 0;
    int Height = 0;
    int LinkCount = 0;
    int HoverLink = -1; // 1-based number of the link under the point
    TRect LinkRect{-1, -1, -1, -1};
};

TMarkupRenderResult RenderMarkup(TCanvas& canvas, const TMarkupRenderInput& input);

// Draws (draw) or only measures the shell's system icon of source at (x, y): an index into the shell's
// image list when source is a whole number (nothing here: this desktop has no fixed system indexes),
// otherwise the icon of an existing file or folder, or of a name alone (".mkv"). Answers its size.
TSize DrawSystemIcon(TCanvas& canvas, int x, int y, const std::string& source, bool large, bool draw);
