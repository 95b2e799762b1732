#include "controls/skins/brushed_metal.h"

#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "support/system_colors.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <random>

namespace {

constexpr int ThreadCount = 8;
constexpr int TextureRows = 1024;
constexpr int CacheSize = 16;
constexpr double TwoPi = 6.28318530717974;
// No channel of a rendered thread goes above 239: white shows as a light grey metal.
constexpr int64_t BrightestChannel = 0xEF00;

struct TThreadCacheItem
{
    uint32_t BaseColor = 0; // 0xFFRRGGBB; 0 in an item that was never cleared, which no lookup matches
    int Roughness = 0;
    std::array<std::unique_ptr<TBitmap>, ThreadCount> Bitmaps; // thread t in this colour, L(t) x 1 pixels
};

struct TTexture
{
    std::vector<std::vector<int>> Threads; // the profiles; empty until the first drawing
    std::vector<int> ThreadRowIndex;       // the thread shown by each texture row
    std::vector<int> ThreadRowOffset;      // the shift of each texture row, of the row's parity
    std::vector<TThreadCacheItem> ThreadCache;
    int ThreadCacheNext = 0; // the ring's next item to fill; kept across FreeThreads
};

TTexture& Texture()
{
    static TTexture texture;
    return texture;
}

std::mt19937& Generator()
{
    static std::mt19937 generator{std::random_device{}()};
    return generator;
}

// A uniform integer 0..n-1.
int RandomInt(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(Generator());
}

double RandomReal()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(Generator());
}

// 0x00BBGGRR to 0xFFRRGGBB.
uint32_t ColorToPixel(TColor color)
{
    return 0xFF000000u | ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

int RoundedDeviation(double value)
{
    return std::clamp(static_cast<int>(std::nearbyint(value)), -255, 255);
}

// One profile: pairs of deviations from two wandering sums of sines, at most 300 apart.
std::vector<int> MakeThread()
{
    const int half = (RandomInt(101) + 100) / 2;
    std::array<float, 7> phase;
    for (float& p : phase)
        p = static_cast<float>(RandomReal() * TwoPi);
    std::vector<int> profile(static_cast<size_t>(2 * half));
    for (int j = 0; j < half; ++j) {
        const double x = static_cast<float>(j * TwoPi / half);
        int a = RoundedDeviation(150 * std::sin(x) + 100 * std::sin(2 * x + phase[0]) +
                                 50 * std::sin(3 * x + phase[1]) + 20 * std::sin(4 * x + phase[2]));
        int b = RoundedDeviation(150 * std::sin(x + phase[3]) + 100 * std::sin(2 * x + phase[4]) +
                                 50 * std::sin(3 * x + phase[5]) + 20 * std::sin(4 * x + phase[6]));
        if (std::abs(b - a) > 300) {
            const int middle = (a + b) / 2;
            a = middle - 150;
            b = middle + 150;
        }
        profile[static_cast<size_t>(2 * j)] = std::min(a, b);
        profile[static_cast<size_t>(2 * j + 1)] = std::max(a, b);
    }
    return profile;
}

void InitializeThreads()
{
    TTexture& texture = Texture();
    texture.Threads.resize(ThreadCount);
    texture.ThreadRowIndex.resize(TextureRows);
    texture.ThreadRowOffset.resize(TextureRows);
    for (auto& thread : texture.Threads)
        thread = MakeThread();
    for (int k = 0; k < TextureRows; ++k) {
        const int t = RandomInt(ThreadCount);
        const int shift = RandomInt(static_cast<int>(texture.Threads[static_cast<size_t>(t)].size()));
        texture.ThreadRowIndex[static_cast<size_t>(k)] = t;
        texture.ThreadRowOffset[static_cast<size_t>(k)] = (shift & ~1) + (k & 1);
    }
}

void RenderThreadCacheItem(TThreadCacheItem& item, uint32_t pixel, int roughness)
{
    item.BaseColor = pixel;
    item.Roughness = roughness;
    const std::array<int64_t, 3> rgb = {(pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF};
    for (size_t t = 0; t < ThreadCount; ++t) {
        const std::vector<int>& profile = Texture().Threads[t];
        const int length = static_cast<int>(profile.size());
        if (!item.Bitmaps[t])
            item.Bitmaps[t] = std::make_unique<TBitmap>(length, 1, pfDevice);
        uint8_t* row = item.Bitmaps[t]->ScanLine(0);
        for (int i = 0; i < length; ++i) {
            const int64_t deviation = int64_t{profile[static_cast<size_t>(i)]} * roughness;
            uint8_t* bgra = row + 4 * i;
            for (int c = 0; c < 3; ++c)
                bgra[2 - c] = static_cast<uint8_t>(
                    std::clamp(256 * rgb[c] + deviation, int64_t{0}, BrightestChannel) / 256);
            bgra[3] = 0xFF;
        }
    }
}

void ClearThreadCacheItem(TThreadCacheItem& item)
{
    item.BaseColor = 0xFFFFFFFF;
    item.Roughness = -1;
    for (auto& bitmap : item.Bitmaps)
        bitmap.reset();
}

int FindThreadCacheItem(uint32_t pixel, int roughness)
{
    const auto& cache = Texture().ThreadCache;
    for (int i = static_cast<int>(cache.size()) - 1; i >= 0; --i) {
        const TThreadCacheItem& item = cache[static_cast<size_t>(i)];
        if (item.BaseColor == pixel && item.Roughness == roughness)
            return i;
    }
    return -1;
}

// The cache is a ring: a colour not yet cached takes the next item, whatever that item held.
int GetThreadCacheItem(uint32_t pixel, int roughness)
{
    if (const int found = FindThreadCacheItem(pixel, roughness); found >= 0)
        return found;
    TTexture& texture = Texture();
    const int i = texture.ThreadCacheNext;
    if (i >= static_cast<int>(texture.ThreadCache.size())) {
        texture.ThreadCache.resize(static_cast<size_t>(i) + 1);
        ClearThreadCacheItem(texture.ThreadCache[static_cast<size_t>(i)]);
    }
    RenderThreadCacheItem(texture.ThreadCache[static_cast<size_t>(i)], pixel, roughness);
    texture.ThreadCacheNext = (texture.ThreadCacheNext + 1) % CacheSize;
    return i;
}

// The texture row shown on row y; any distance from the origin maps into 0..1023.
int TextureRow(int y, int originY)
{
    return static_cast<int>(((int64_t{y} - originY) % TextureRows + TextureRows) % TextureRows);
}

// The start of the row's tile that covers column left, the tiles being laid every length pixels from
// start, in both directions.
int64_t FirstTileAt(int64_t start, int length, int left)
{
    const int64_t distance = left - start;
    const int64_t tiles = distance >= 0 ? distance / length : -((-distance + length - 1) / length);
    return start + tiles * length;
}

TRect Intersect(const TRect& a, const TRect& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

// The canvas's clipping narrowed to a rectangle while the object lives.
class TNarrowedClip
{
public:
    TNarrowedClip(TCanvas& canvas, const TRect& r) : canvas_(canvas), saved_(SaveDC(canvas))
    {
        IntersectClipRect(canvas, r.Left, r.Top, r.Right, r.Bottom);
    }
    ~TNarrowedClip() { RestoreDC(canvas_, saved_); }
    TNarrowedClip(const TNarrowedClip&) = delete;
    TNarrowedClip& operator=(const TNarrowedClip&) = delete;

private:
    TCanvas& canvas_;
    int saved_;
};

} // namespace

void DrawBrushedMetal(TCanvas& canvas, std::optional<TPoint> origin, const TRect& rect, TColor color,
                      int roughness)
{
    if (color == clNone || !RectVisible(canvas, rect))
        return;
    const uint32_t pixel = ColorToPixel(ColorToRGB(color));
    const TPoint anchor = origin.value_or(TPoint{});
    TTexture& texture = Texture();
    if (texture.Threads.empty())
        InitializeThreads();
    const TThreadCacheItem& item =
        texture.ThreadCache[static_cast<size_t>(GetThreadCacheItem(pixel, roughness))];
    TRect box;
    GetClipBox(canvas, box);
    const TRect area = Intersect(rect, box);
    if (area.Left >= area.Right || area.Top >= area.Bottom)
        return;
    TNarrowedClip clip(canvas, area);
    for (int y = area.Top; y < area.Bottom; ++y) {
        const auto k = static_cast<size_t>(TextureRow(y, anchor.Y));
        TBitmap* thread = item.Bitmaps[static_cast<size_t>(texture.ThreadRowIndex[k])].get();
        if (!thread)
            continue;
        const int length = thread->Width();
        TCanvas& source = *thread->Canvas();
        for (int64_t x = FirstTileAt(int64_t{anchor.X} - texture.ThreadRowOffset[k], length, area.Left);
             x < area.Right; x += length)
            BitBlt(canvas, static_cast<int>(x), y, length, 1, source, 0, 0, SRCCOPY);
    }
}

void FreeThreads()
{
    TTexture& texture = Texture();
    for (auto it = texture.ThreadCache.rbegin(); it != texture.ThreadCache.rend(); ++it)
        ClearThreadCacheItem(*it);
    texture.ThreadCache.clear();
    texture.ThreadRowOffset.clear();
    texture.ThreadRowIndex.clear();
    texture.Threads.clear();
}

void SeedBrushedMetal(uint32_t seed)
{
    Generator().seed(seed);
}

namespace BrushedMetalTables {

const std::vector<std::vector<int>>& Threads()
{
    return Texture().Threads;
}

const std::vector<int>& ThreadRowIndex()
{
    return Texture().ThreadRowIndex;
}

const std::vector<int>& ThreadRowOffset()
{
    return Texture().ThreadRowOffset;
}

std::vector<TCacheKey> CacheKeys()
{
    std::vector<TCacheKey> keys;
    for (const TThreadCacheItem& item : Texture().ThreadCache)
        keys.push_back({item.BaseColor, item.Roughness});
    return keys;
}

int CacheNext()
{
    return Texture().ThreadCacheNext;
}

} // namespace BrushedMetalTables
