#pragma once

#include "support/basic_types.h"

#include <cstdint>
#include <optional>
#include <vector>

class TCanvas;

// The brushed-metal texture: horizontal threads, one-pixel-high strips whose brightness wanders around a
// base colour. Eight thread profiles are drawn from a pseudo-random generator the first time the texture is
// painted; each of the texture's 1024 rows shows one of them, tiled across the row with a shift of its own.
// The threads are rendered once per base colour and roughness into small bitmaps kept in a ring of 16 cache
// items, so painting is one copy per tile per row. The tables and the cache are process-wide and belong to
// the user-interface thread.

// Fills rect with the texture anchored at origin (none: (0, 0)): texture row 0 falls on the origin's row
// and the tiles of every row are counted from the origin's column, in both directions. color may be a
// system colour; clNone draws nothing. roughness scales the brightness deviations.
void DrawBrushedMetal(TCanvas& canvas, std::optional<TPoint> origin, const TRect& rect, TColor color,
                      int roughness);

// Deletes the cached bitmaps and releases the tables; the next drawing generates new ones from the
// generator's current state.
void FreeThreads();

// Seeds the generator the tables are drawn from, so that a texture can be made again.
void SeedBrushedMetal(uint32_t seed);

// Read-only views of the tables, for checks.
namespace BrushedMetalTables {

// The thread profiles (empty until the first drawing): pairs of brightness deviations, lower value first.
const std::vector<std::vector<int>>& Threads();
// The thread and the horizontal shift of each texture row.
const std::vector<int>& ThreadRowIndex();
const std::vector<int>& ThreadRowOffset();

struct TCacheKey
{
    uint32_t BaseColor = 0; // 0xFFRRGGBB
    int Roughness = 0;
    friend bool operator==(const TCacheKey&, const TCacheKey&) = default;
};
// The colour and roughness of every cache item in ring order, and the item the next new colour fills.
std::vector<TCacheKey> CacheKeys();
int CacheNext();

} // namespace BrushedMetalTables
