#include "controls/grid/grid_cursors.h"

#include "platform/gui/core/exceptions.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"

#include <map>
#include <vector>

namespace {

struct TCursorArt
{
    std::vector<const char*> rows; // "#" black, "." white, anything else see-through
    TPoint hotSpot;
};

// The pictures, drawn for this program.
const std::map<std::string, TCursorArt>& CursorArt()
{
    static const std::map<std::string, TCursorArt> art = {
        {"REVERSEDARROW",
         {{"          #", "         ##", "        #.#", "       #..#", "      #...#", "     #....#",
           "    #.....#", "   #......#", "  #.......#", " #........#", "#####.....#", "    #..#..#",
           "   #..# #.#", "   #..#  ##", "  #..#    #", "  #..#     ", "   ##      "},
          {10, 0}}},
        {"ROLL",
         {{"       ##       ", "      #..#      ", "     #....#     ", "    #......#    ", "    ########    ",
           "                ", "      ####      ", "     #....#     ", "     #....#     ", "      ####      ",
           "                ", "    ########    ", "    #......#    ", "     #....#     ", "      #..#      ",
           "       ##       "},
          {7, 7}}},
        {"ROLLUP",
         {{"       ##       ", "      #..#      ", "     #....#     ", "    #......#    ", "   #........#   ",
           "   ##########   ", "                ", "      ####      ", "     #....#     ", "     #....#     ",
           "      ####      "},
          {7, 8}}},
        {"ROLLDOWN",
         {{"      ####      ", "     #....#     ", "     #....#     ", "      ####      ", "                ",
           "   ##########   ", "   #........#   ", "    #......#    ", "     #....#     ", "      #..#      ",
           "       ##       "},
          {7, 2}}},
    };
    return art;
}

HCURSOR MakeCursor(const TCursorArt& art)
{
    constexpr TColor seeThrough = clFuchsia;
    TBitmap image(16, static_cast<int>(art.rows.size()), pf24bit);
    TCanvas& canvas = *image.Canvas();
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const std::string row = art.rows[static_cast<size_t>(y)];
            const char c = x < static_cast<int>(row.size()) ? row[static_cast<size_t>(x)] : ' ';
            canvas.SetPixels(x, y, c == '#' ? clBlack : c == '.' ? clWhite : seeThrough);
        }
    return CreateImageCursor(image, seeThrough, art.hotSpot.X, art.hotSpot.Y);
}

} // namespace

HCURSOR LoadGridCursor(const std::string& name)
{
    static std::map<std::string, HCURSOR> loaded;
    if (const auto it = loaded.find(name); it != loaded.end())
        return it->second;
    const auto art = CursorArt().find(name);
    if (art == CursorArt().end())
        throw EInvalidOperation("no cursor resource " + name);
    return loaded[name] = MakeCursor(art->second);
}

void RegisterGridCursor(TCursor number, const std::string& name)
{
    Screen->SetCursors(number, LoadGridCursor(name));
}
