#include "controls/edits/markup_layout.h"

#include "controls/edits/banded_gradient.h"
#include "controls/edits/markup_chars.h"
#include "controls/edits/markup_colors.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/services/shell_icons.h"
#include "support/math_routines.h"
#include "support/utf8.h"

#include <filesystem>

namespace {

enum class TImageSourceKind
{
    None,
    ListImage, // "IDX:" and a number
    SmallIcon, // "SSYS:"
    LargeIcon, // "LSYS:"
    Picture    // a container name or a "://" address
};

struct TImageSource
{
    TImageSourceKind Kind = TImageSourceKind::None;
    std::string Value; // the source with the prefixes that matched taken off
    int Index = -1;
};

// The tests of an image source in order; each prefix that matches comes off before the next test.
TImageSource ClassifySource(std::string source, const TCustomImageList* images)
{
    const auto takePrefix = [&](std::string_view prefix) {
        if (AsciiUpperCase(source.substr(0, prefix.size())) != prefix)
            return false;
        source.erase(0, prefix.size());
        return true;
    };
    if (takePrefix("IDX:")) {
        const auto index = MarkupWholeNumber(Utf8ToUtf32(source));
        if (images && index && *index >= 0 && *index < images->Count())
            return {TImageSourceKind::ListImage, source, *index};
    }
    if (takePrefix("SSYS:"))
        return {TImageSourceKind::SmallIcon, source};
    if (takePrefix("LSYS:"))
        return {TImageSourceKind::LargeIcon, source};
    if (source.find(':') == std::string::npos || source.find("://") != std::string::npos)
        return {TImageSourceKind::Picture, source};
    return {};
}

// A size given in the tag (below 1 counts as not given), the other side in proportion when only one is;
// every side within MarkupPixels.
TSize PictureSize(int givenWidth, int givenHeight, int ownWidth, int ownHeight)
{
    givenWidth = MarkupPixels(givenWidth);
    givenHeight = MarkupPixels(givenHeight);
    const auto proportion = [](int given, int side, int otherSide) {
        return otherSide == 0 ? 0
                              : MarkupPixels(RoundHalfEven(static_cast<double>(given) * side / otherSide));
    };
    if (givenWidth >= 1 && givenHeight >= 1)
        return {givenWidth, givenHeight};
    if (givenWidth >= 1)
        return {givenWidth, proportion(givenWidth, ownHeight, ownWidth)};
    if (givenHeight >= 1)
        return {proportion(givenHeight, ownWidth, ownHeight), givenHeight};
    return {MarkupPixels(ownWidth), MarkupPixels(ownHeight)};
}

} // namespace

TSize DrawSystemIcon(TCanvas& canvas, int x, int y, const std::string& source, bool large, bool draw)
{
    // Index numbers of the system image list have no meaning on this desktop.
    if (MarkupWholeNumber(Utf8ToUtf32(source)))
        return {};
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(source, error);
    const bool exists = !error && std::filesystem::exists(status);
    const unsigned attributes =
        std::filesystem::is_directory(status) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    TSHFileInfo info;
    const unsigned flags =
        (large ? SHGFI_LARGEICON : SHGFI_SMALLICON) | (exists ? 0 : SHGFI_USEFILEATTRIBUTES);
    if (!SHGetFileInfo(source, attributes, info, flags))
        return {};
    TCustomImageList& list = ShellImageList(!large);
    if (draw)
        list.Draw(canvas, x, y, info.iIcon);
    return {list.Width(), list.Height()};
}

THTMLPicture* TMarkupLayout::FindPicture(const std::string& source)
{
    if (source.find("://") == std::string::npos)
        return input_.Container ? input_.Container->FindPicture(source) : nullptr;
    if (!input_.Cache)
        return nullptr;
    if (THTMLPicture* cached = input_.Cache->FindPicture(source))
        return cached;
    THTMLPicture* picture = input_.Cache->AddPicture();
    picture->SetAsynch(false);
    picture->LoadFromURL(source);
    return picture;
}

TMarkupLayout::TTagResult TMarkupLayout::Image(const TMarkupTag& tag, TMarkupState& state, TLineScan& scan)
{
    ++state.ImageCounter;
    const TImageSource source =
        ClassifySource(Utf32ToUtf8(ReadAttribute(tag.Text, U"SRC", true)), input_.Images);
    const std::u32string align = ReadAttribute(tag.Text, U"ALIGN");
    const std::u32string floatSide = ReadAttribute(tag.Text, U"FLOAT");
    const bool middle = align == U"MIDDLE";
    const bool top = align == U"TOP";
    const int base = scan.BaseHeight;
    // How far an image lower than the text goes down to stand on the text's bottom, or in its middle.
    const auto lowered = [&](int height) {
        return height >= base || top ? 0 : middle ? (base - height) / 2 : base - height;
    };
    // A left float puts any image at the area's left; a right float moves only pictures (below).
    int x = floatSide == U"LEFT" ? input_.Area.Left : x_;
    const int y = scan.Line.Top;
    TSize size;
    switch (source.Kind) {
    case TImageSourceKind::None:
        return {true, false};
    case TImageSourceKind::ListImage:
        size = {input_.Images->Width(), input_.Images->Height()};
        if (Drawing(scan))
            input_.Images->Draw(canvas_, x, y + lowered(size.cy), source.Index, true);
        break;
    case TImageSourceKind::SmallIcon:
    case TImageSourceKind::LargeIcon:
        size = DrawSystemIcon(canvas_, x, y, source.Value, source.Kind == TImageSourceKind::LargeIcon,
                              Drawing(scan));
        break;
    case TImageSourceKind::Picture: {
        THTMLPicture* picture = FindPicture(source.Value);
        if (!picture || picture->Empty())
            return {true, false};
        const int givenWidth = MarkupNumber(ReadAttribute(tag.Text, U"WIDTH"));
        const int givenHeight = MarkupNumber(ReadAttribute(tag.Text, U"HEIGHT"));
        const bool givenSize = givenWidth >= 1 || givenHeight >= 1;
        size = PictureSize(givenWidth, givenHeight, picture->Width(), picture->Height());
        if (floatSide == U"RIGHT")
            x = scan.Line.Right - size.cx;
        if (!Drawing(scan))
            break;
        if (givenSize) {
            picture->SetStretch(true);
            canvas_.StretchDraw(Bounds(x, y, size.cx, size.cy), picture);
        } else if (picture->FrameCount() >= 2) {
            canvas_.Brush()->SetColor(initialBackground_);
            canvas_.Brush()->SetStyle(bsSolid);
            canvas_.FillRect(Bounds(x, y, picture->Width(), picture->Height()));
            canvas_.Draw(x + picture->FrameXPos(), y + picture->FrameYPos() + lowered(size.cy), picture);
        } else {
            canvas_.Draw(x, y + lowered(size.cy), picture);
        }
        break;
    }
    }
    if (scan.Mode == TScanMode::Locate && state.InLinkedAnchor) {
        const int mouseX = input_.Mouse.X - scan.Line.Left;
        if (mouseX > scan.W && mouseX < scan.W + size.cx && input_.Mouse.Y > y &&
            input_.Mouse.Y < y + size.cy) {
            scan.ImageHot = true;
            result_.Anchor = state.Target;
            if (!state.Title.empty())
                result_.Title = state.Title;
        }
    }
    const int room = scan.Line.Width();
    if (!(room >= scan.W + size.cx || size.cx >= room || scan.Consumed == 0))
        return {false, false};
    scan.W += size.cx + 2;
    x_ += size.cx + 2;
    scan.H = std::max(scan.H, size.cy);
    const std::u32string upper = AsciiUpper(tag.Text);
    if (upper.find(U"\"TOP") != std::u32string::npos)
        scan.ImageOffset = std::max(0, scan.H - base);
    else if (upper.find(U"\"MIDDLE") != std::u32string::npos)
        scan.ImageOffset = std::max(0, (scan.H - base) / 2);
    if (upper.find(U"WRAP") != std::u32string::npos) {
        scan.H = base;
        scan.ImageOffset = 0;
    }
    if (floatSide == U"LEFT" || floatSide == U"RIGHT") {
        const bool left = floatSide == U"LEFT";
        scan.ImageOffset = left ? scan.H - base : std::max(0, scan.H - base);
        (left ? state.FloatLeft : state.FloatRight) = size.cx + 2;
        state.FloatHeight = size.cy;
        if (Drawing(scan))
            scan.H = base;
        if (!left)
            scan.W = input_.Area.Right;
    }
    return {true, false};
}

void TMarkupLayout::TileBackground(THTMLPicture& picture, bool rightEdge)
{
    const TRect& area = input_.Area;
    const int saved = SaveDC(canvas_);
    IntersectClipRect(canvas_, area.Left, area.Top, area.Right, area.Bottom);
    for (int y = area.Top; y < area.Bottom; y += picture.Height()) {
        if (rightEdge) {
            canvas_.Draw(area.Right - picture.Width(), y, &picture);
            continue;
        }
        for (int x = area.Left; x < area.Right; x += picture.Width())
            canvas_.Draw(x, y, &picture);
    }
    RestoreDC(canvas_, saved);
}

void TMarkupLayout::Body(const TMarkupTag& tag, const TLineScan& scan)
{
    for (std::u32string_view name : {U"BACKGROUND", U"BGTOPLEFT", U"BGTOPRIGHT"}) {
        const std::u32string value = ReadAttribute(tag.Text, name);
        if (value.empty())
            continue;
        const bool rightEdge = name == U"BGTOPRIGHT";
        const TImageSource source = ClassifySource(Utf32ToUtf8(value), input_.Images);
        const int x = rightEdge && input_.Images ? scan.Line.Right - input_.Images->Width() : x_;
        if (source.Kind == TImageSourceKind::ListImage)
            input_.Images->Draw(canvas_, x, scan.Line.Top, source.Index, true);
        else if (source.Kind == TImageSourceKind::SmallIcon || source.Kind == TImageSourceKind::LargeIcon)
            DrawSystemIcon(canvas_, x, scan.Line.Top, source.Value,
                           source.Kind == TImageSourceKind::LargeIcon, true);
        else if (THTMLPicture* picture =
                     source.Kind == TImageSourceKind::Picture ? FindPicture(source.Value) : nullptr;
                 picture && !picture->Empty() && picture->Width() >= 1 && picture->Height() >= 1)
            TileBackground(*picture, rightEdge);
    }
    const std::optional<TColor> color = MarkupColor(ReadAttribute(tag.Text, U"BGCOLOR"));
    if (!color)
        return;
    const TRect& area = input_.Area;
    if (HasAttribute(tag.Text, U"BGCOLORTO")) {
        const TColor to = MarkupColor(ReadAttribute(tag.Text, U"BGCOLORTO")).value_or(*color);
        const std::u32string direction = ReadAttribute(tag.Text, U"DIR");
        MarkupGradientFill(canvas_, *color, to, clNone, 64, area, direction.empty() || direction == U"H");
        SetBackground(std::nullopt);
        return;
    }
    const TColor pen = canvas_.Pen()->Color();
    canvas_.Pen()->SetColor(*color);
    canvas_.Brush()->SetColor(*color);
    canvas_.Brush()->SetStyle(bsSolid);
    canvas_.Rectangle(area.Left - 2, area.Top, area.Right, area.Bottom);
    canvas_.Pen()->SetColor(pen);
    SetBackground(*color);
}
