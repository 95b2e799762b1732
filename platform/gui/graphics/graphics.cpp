#include "platform/gui/graphics/graphics.h"

#include "platform/gui/graphics/font_families.h"
#include "platform/gui/qt/qt_bridge.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTextLayout>

#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const long long product = static_cast<long long>(a) * b;
    const long long half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const long long quotient = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -quotient : quotient);
}

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}

// Sets a field and reports the change only when the value differs.
#define QM_SET_AND_NOTIFY(field, value)                                                                      \
    do {                                                                                                     \
        if ((field) == (value))                                                                              \
            return;                                                                                          \
        (field) = (value);                                                                                   \
        Changed();                                                                                           \
    } while (false)

// --- TFont --------------------------------------------------------------------------------------------

TFont::TFont() : name_(DefaultFontName()) {}

void TFont::SetName(const std::string& name)
{
    QM_SET_AND_NOTIFY(name_, name);
}

void TFont::SetHeight(int height)
{
    QM_SET_AND_NOTIFY(height_, height);
}

int TFont::Size() const
{
    return -MulDiv(height_, 72, PixelsPerInch());
}

void TFont::SetSize(int size)
{
    SetHeight(-MulDiv(size, PixelsPerInch(), 72));
}

void TFont::SetStyle(TFontStyles style)
{
    QM_SET_AND_NOTIFY(style_, style);
}

void TFont::SetColor(TColor color)
{
    QM_SET_AND_NOTIFY(color_, color);
}

void TFont::SetPitch(TFontPitch pitch)
{
    QM_SET_AND_NOTIFY(pitch_, pitch);
}

void TFont::SetOrientation(int orientation)
{
    QM_SET_AND_NOTIFY(orientation_, orientation);
}

bool TFont::SameAs(const TFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
           color_ == other.color_ && pitch_ == other.pitch_ && orientation_ == other.orientation_;
}

void TFont::Assign(const TPersistent* source)
{
    const auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    if (SameAs(*font))
        return;
    name_ = font->name_;
    height_ = font->height_;
    style_ = font->style_;
    color_ = font->color_;
    pitch_ = font->pitch_;
    orientation_ = font->orientation_;
    Changed();
}

namespace {

QFont MakeQFont(const TFont& font)
{
    QFont qfont(QString::fromStdString(ResolveFontFamily(font.Name(), font.Pitch() == fpFixed)));
    if (font.Pitch() == fpFixed)
        qfont.setFixedPitch(true);
    qfont.setBold(font.Style().Contains(fsBold));
    qfont.setItalic(font.Style().Contains(fsItalic));
    qfont.setUnderline(font.Style().Contains(fsUnderline));
    qfont.setStrikeOut(font.Style().Contains(fsStrikeOut));
    qfont.setHintingPreference(QFont::PreferFullHinting);
    const int height = font.Height();
    if (height < 0) {
        qfont.setPixelSize(-height);
    } else if (height > 0) {
        // A cell height: scale the character height by the family's cell-to-em ratio.
        QFont probe = qfont;
        probe.setPixelSize(100);
        const QFontMetrics metrics(probe);
        qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(height * 100.0 / metrics.height()))));
    } else {
        qfont.setPixelSize(11);
    }
    return qfont;
}

} // namespace

std::shared_ptr<const TFontFace> FontFace(const TFont& font)
{
    using TKey = std::tuple<std::string, int, uint64_t, int>;
    // A program uses a handful of fonts; the bound only keeps a runaway caller from growing it for ever
    // (faces still in use live on in their users).
    constexpr size_t MaxFaces = 256;
    static std::map<TKey, std::shared_ptr<const TFontFace>> faces;
    const TKey key{font.Name(), font.Height(), font.Style().Bits(), font.Pitch()};
    auto it = faces.find(key);
    if (it != faces.end())
        return it->second;
    if (faces.size() >= MaxFaces)
        faces.clear();
    const QFont qfont = MakeQFont(font);
    auto face = std::make_shared<const TFontFace>(qfont);
    faces.emplace(key, face);
    return face;
}

namespace {

// Longer texts are seldom measured or drawn twice, and the bound keeps a stream of changing values from
// growing a face's tables for ever.
constexpr qsizetype MaxRememberedText = 128;
constexpr size_t MaxRememberedTexts = 4096;

template <typename Value, typename Make>
const Value& Remembered(std::unordered_map<QString, Value>& table, const QString& text, Make make)
{
    if (const auto it = table.find(text); it != table.end())
        return it->second;
    if (table.size() >= MaxRememberedTexts)
        table.clear();
    return table.emplace(text, make()).first->second;
}

} // namespace

int TFontFace::Advance(const QString& text) const
{
    if (text.size() > MaxRememberedText)
        return metrics.horizontalAdvance(text);
    return Remembered(advances_, text, [&] { return metrics.horizontalAdvance(text); });
}

const TFontFace::TShapedLine* TFontFace::Shaped(const QString& text) const
{
    if (text.size() > MaxRememberedText)
        return nullptr;
    return &Remembered(shapedLines_, text, [&] {
        QTextLayout layout(text, font);
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        return TShapedLine{layout.glyphRuns(), line.ascent()};
    });
}

QFont ToQFont(const TFont& font)
{
    return FontFace(font)->font;
}

// --- TPen ---------------------------------------------------------------------------------------------

void TPen::SetColor(TColor color)
{
    QM_SET_AND_NOTIFY(color_, color);
}

void TPen::SetWidth(int width)
{
    QM_SET_AND_NOTIFY(width_, std::max(width, 0));
}

void TPen::SetStyle(TPenStyle style)
{
    QM_SET_AND_NOTIFY(style_, style);
}

void TPen::SetMode(TPenMode mode)
{
    QM_SET_AND_NOTIFY(mode_, mode);
}

void TPen::Assign(const TPersistent* source)
{
    const auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) {
        TPersistent::Assign(source);
        return;
    }
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    mode_ = pen->mode_;
    Changed();
}

// --- TBrush -------------------------------------------------------------------------------------------

void TBrush::SetColor(TColor color)
{
    if (color_ == color)
        return;
    color_ = color;
    if (style_ == bsClear)
        style_ = bsSolid; // choosing a colour makes a cleared brush paint again
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    QM_SET_AND_NOTIFY(style_, style);
}

void TBrush::SetBitmap(TBitmap* bitmap)
{
    QM_SET_AND_NOTIFY(bitmap_, bitmap);
}

void TBrush::Assign(const TPersistent* source)
{
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TPersistent::Assign(source);
        return;
    }
    color_ = brush->color_;
    style_ = brush->style_;
    bitmap_ = brush->bitmap_;
    Changed();
}
