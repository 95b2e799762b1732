#include "platform/gui/graphics/gdi.h"
#include "platform/gui/qt/canvas_impl.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QStringList>

#include <algorithm>
#include <numeric>

namespace {

const QString Ellipsis = QStringLiteral("...");

// One line of laid-out text; underline is the index of the character a prefix "&" marks, or -1.
struct TextLine
{
    QString text;
    int underline = -1;
};

class TextLayout
{
public:
    TextLayout(const TFontFace& face, unsigned format) : face_(face), metrics_(face.metrics), format_(format)
    {
    }

    // Width of text, with tabs advancing to every eighth average character width when expanded.
    int Advance(const QString& text) const
    {
        if (!(format_ & DT_EXPANDTABS) || !text.contains(u'\t'))
            return face_.Advance(text);
        int x = 0;
        const QStringList parts = text.split(u'\t');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            x += face_.Advance(parts[i]);
            if (i + 1 < parts.size())
                x = NextTabStop(x);
        }
        return x;
    }

    int NextTabStop(int x) const
    {
        const int stop = std::max(1, 8 * metrics_.averageCharWidth());
        return (x / stop + 1) * stop;
    }

    // Removes prefix marks: "&&" is a literal "&", "&x" marks x.
    TextLine StripPrefixes(const QString& text) const
    {
        TextLine line;
        if (format_ & DT_NOPREFIX) {
            line.text = text;
            return line;
        }
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'&' && i + 1 < text.size()) {
                ++i;
                if (text[i] != u'&' && !(format_ & DT_HIDEPREFIX))
                    line.underline = static_cast<int>(line.text.size());
            }
            line.text += text[i];
        }
        return line;
    }

    // Breaks one paragraph into lines no wider than width; a word wider than a line is broken only for
    // edit-control text, otherwise it overflows.
    std::vector<TextLine> Wrap(const TextLine& paragraph, int width) const
    {
        std::vector<TextLine> lines;
        const QString& text = paragraph.text;
        qsizetype pos = 0;
        do {
            qsizetype end = FittingEnd(text, pos, width);
            qsizetype next = end;
            if (end < text.size()) {
                qsizetype space = -1;
                for (qsizetype i = end; i > pos; --i)
                    if (text[i] == u' ') {
                        space = i;
                        break;
                    }
                if (space > pos) {
                    end = next = space;
                } else if (format_ & DT_EDITCONTROL) {
                    end = next = std::max(end, pos + 1);
                } else {
                    end = text.indexOf(u' ', pos);
                    if (end < 0)
                        end = text.size();
                    next = end;
                }
            }
            TextLine line{text.mid(pos, end - pos), -1};
            while (line.text.endsWith(u' '))
                line.text.chop(1);
            if (paragraph.underline >= pos && paragraph.underline < pos + line.text.size())
                line.underline = paragraph.underline - static_cast<int>(pos);
            lines.push_back(line);
            pos = next;
            while (pos < text.size() && text[pos] == u' ')
                ++pos;
        } while (pos < text.size());
        return lines;
    }

    // Shortens a line wider than width by the ellipsis the format asks for.
    void Elide(TextLine& line, int width) const
    {
        if (Advance(line.text) <= width)
            return;
        if (format_ & DT_PATH_ELLIPSIS) {
            const qsizetype slash = std::max(line.text.lastIndexOf(u'/'), line.text.lastIndexOf(u'\\'));
            if (slash > 0) {
                const QString tail = line.text.mid(slash);
                const qsizetype keep = FittingPrefix(line.text.left(slash), Ellipsis + tail, width);
                line.text = line.text.left(keep) + Ellipsis + tail;
                if (Advance(line.text) <= width) {
                    if (line.underline >= keep)
                        line.underline = -1;
                    return;
                }
                line.text = Ellipsis + tail; // the last part alone is too wide: shorten it at its end
                line.underline = -1;
            }
        }
        qsizetype keep = FittingPrefix(line.text, Ellipsis, width);
        if (format_ & DT_WORD_ELLIPSIS) {
            const qsizetype space = line.text.left(keep + 1).lastIndexOf(u' ');
            if (space > 0)
                keep = space;
        }
        QString head = line.text.left(keep);
        while (head.endsWith(u' '))
            head.chop(1);
        line.text = head + Ellipsis;
        if (line.underline >= head.size())
            line.underline = -1;
    }

private:
    // The width of a trial piece of a search: measured, not remembered, as it is not asked for again.
    int TrialAdvance(const QString& text) const
    {
        if (!(format_ & DT_EXPANDTABS) || !text.contains(u'\t'))
            return metrics_.horizontalAdvance(text);
        return Advance(text);
    }

    // The largest end such that text[pos, end) fits in width (at least pos).
    qsizetype FittingEnd(const QString& text, qsizetype pos, int width) const
    {
        // Mostly the rest fits: its width is remembered, so a repaint searches no further.
        if (Advance(text.mid(pos)) <= width)
            return text.size();
        qsizetype low = pos, high = text.size();
        while (low < high) {
            const qsizetype mid = (low + high + 1) / 2;
            if (TrialAdvance(text.mid(pos, mid - pos)) <= width)
                low = mid;
            else
                high = mid - 1;
        }
        return low;
    }

    // The longest prefix of text that fits in width together with suffix.
    qsizetype FittingPrefix(const QString& text, const QString& suffix, int width) const
    {
        qsizetype low = 0, high = text.size();
        while (low < high) {
            const qsizetype mid = (low + high + 1) / 2;
            if (TrialAdvance(text.left(mid) + suffix) <= width)
                low = mid;
            else
                high = mid - 1;
        }
        return low;
    }

    const TFontFace& face_;
    const QFontMetrics& metrics_;
    unsigned format_;
};

// Draws text with its baseline at y as the painter's own drawing does, from the glyphs the face remembers
// where that gives the same picture: plain text in the face's plain font, laid out left to right.
void DrawShaped(QPainter* p, const TFontFace& face, int x, int baseline, const QString& text)
{
    const QFont& font = p->font();
    const Qt::LayoutDirection direction = p->layoutDirection();
    const bool leftToRight =
        direction == Qt::LeftToRight || (direction == Qt::LayoutDirectionAuto && !text.isRightToLeft());
    const bool plain = leftToRight && !font.underline() && !font.strikeOut() && !font.overline() &&
                       font == face.font &&
                       std::none_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; });
    const TFontFace::TShapedLine* shaped = plain ? face.Shaped(text) : nullptr;
    if (!shaped) {
        p->drawText(x, baseline, text);
        return;
    }
    for (const QGlyphRun& run : shaped->runs)
        p->drawGlyphRun(QPointF(x, baseline - shaped->ascent), run);
}

// Draws a line of text with its baseline at y, expanding tabs when asked, and underlines the marked
// character.
void DrawLine(QPainter* p, const TextLayout& layout, const TFontFace& face, int x, int baseline,
              const TextLine& line, unsigned format)
{
    const QFontMetrics& metrics = face.metrics;
    if (format & DT_EXPANDTABS && line.text.contains(u'\t')) {
        int cursor = x;
        const QStringList parts = line.text.split(u'\t');
        for (qsizetype i = 0; i < parts.size(); ++i) {
            DrawShaped(p, face, cursor, baseline, parts[i]);
            cursor += metrics.horizontalAdvance(parts[i]);
            if (i + 1 < parts.size())
                cursor = x + layout.NextTabStop(cursor - x);
        }
    } else {
        DrawShaped(p, face, x, baseline, line.text);
    }
    if (line.underline >= 0) {
        const int from = x + layout.Advance(line.text.left(line.underline));
        const int to = x + layout.Advance(line.text.left(line.underline + 1));
        const int y = baseline + std::max(1, metrics.underlinePos());
        p->fillRect(QRect(from, y, std::max(1, to - from), std::max(1, metrics.lineWidth())),
                    p->pen().color());
    }
}

std::vector<TextLine> LayOut(const TextLayout& layout, const QString& text, unsigned format, int width)
{
    std::vector<TextLine> lines;
    if (format & DT_SINGLELINE) {
        QString flat = text;
        flat.remove(u'\r').remove(u'\n');
        lines.push_back(layout.StripPrefixes(flat));
    } else {
        QString normalised = text;
        normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        if (normalised.endsWith(u'\n'))
            normalised.chop(1); // a final line break starts no further line
        for (const QString& paragraph : normalised.split(u'\n')) {
            const TextLine stripped = layout.StripPrefixes(paragraph);
            if (format & DT_WORDBREAK) {
                for (TextLine& line : layout.Wrap(stripped, width))
                    lines.push_back(std::move(line));
            } else {
                lines.push_back(stripped);
            }
        }
    }
    if (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS))
        for (TextLine& line : lines)
            layout.Elide(line, width);
    return lines;
}

} // namespace

int DrawText(TCanvas& canvas, const std::string& text, TRect& rect, unsigned format)
{
    TCanvas::Impl& c = canvas.Internal();
    const TFontFace& face = c.Face();
    const QFontMetrics& metrics = face.metrics;
    const TextLayout layout(face, format);
    const int width = std::max(0, rect.Width());
    std::vector<TextLine> lines = LayOut(layout, QString::fromStdString(text), format, width);
    const int lineHeight =
        metrics.height() + ((format & DT_EXTERNALLEADING) ? std::max(0, metrics.leading()) : 0);

    const bool single = format & DT_SINGLELINE;
    int top = rect.Top;
    if (single && (format & DT_VCENTER))
        top = rect.Top + (rect.Height() - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM))
        top = rect.Bottom - lineHeight;
    const int textHeight = static_cast<int>(lines.size()) * lineHeight;
    const int result =
        single && (format & (DT_VCENTER | DT_BOTTOM)) ? top - rect.Top + lineHeight : textHeight;

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& line : lines)
            widest = std::max(widest, layout.Advance(line.text));
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + textHeight;
        return result;
    }
    if ((format & DT_EDITCONTROL) && !single) {
        // An edit control shows no partly visible last line.
        size_t visible = 1;
        while (visible < lines.size() && rect.Top + int(visible + 1) * lineHeight <= rect.Bottom)
            ++visible;
        lines.resize(std::min(lines.size(), visible));
    }

    QPainter* p = c.BrushPainter();
    if (!p)
        return result;
    p->save();
    if (!(format & DT_NOCLIP))
        p->setClipRect(ToQRect(rect), Qt::IntersectClip);
    c.ApplyFont(p);
    p->setBackgroundMode(Qt::TransparentMode);
    p->setPen(ToQColor(c.textColor));
    // Right-to-left reading changes the order of runs and where neutral characters go, not the alignment.
    p->setLayoutDirection((format & DT_RTLREADING) ? Qt::RightToLeft : Qt::LeftToRight);
    // Measuring a line costs as much as drawing it, so only a line placed or backed by its width is measured.
    const bool measured = (format & (DT_CENTER | DT_RIGHT)) || c.bkMode == OPAQUE;
    int y = top;
    for (const TextLine& line : lines) {
        const int lineWidth = measured ? layout.Advance(line.text) : 0;
        int x = rect.Left;
        if (format & DT_CENTER)
            x = rect.Left + (rect.Width() - lineWidth) / 2;
        else if (format & DT_RIGHT)
            x = rect.Right - lineWidth;
        if (c.bkMode == OPAQUE)
            p->fillRect(QRect(x, y, lineWidth, lineHeight), ToQColor(c.bkColor));
        DrawLine(p, layout, face, x, y + metrics.ascent(), line, format);
        y += lineHeight;
    }
    p->restore();
    c.ApplyClip();
    return result;
}

namespace {

// The raw form of the painter's font, made once for each font in use.
const QRawFont& RawFontOf(const QFont& font)
{
    static QFont last;
    static QRawFont raw;
    if (!raw.isValid() || font != last || font.pixelSize() != last.pixelSize()) {
        last = font;
        raw = QRawFont::fromFont(font);
    }
    return raw;
}

// Draws each code point of text from x on, advances[i] pixels after the one before: as one run of glyphs
// where the font has a glyph for every character, else one character at a time (other fonts stand in for
// the missing ones then).
void DrawPlacedCharacters(QPainter* p, int x, int baseline, const QString& text,
                          std::span<const int> advances)
{
    const QList<uint> codePoints = text.toUcs4();
    const QRawFont& raw = RawFontOf(p->font());
    QList<quint32> glyphs = raw.isValid() ? raw.glyphIndexesForString(text) : QList<quint32>();
    if (glyphs.size() == codePoints.size() && !glyphs.contains(0)) {
        QList<QPointF> positions;
        positions.reserve(glyphs.size());
        int offset = 0;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            positions.append(QPointF(offset, 0));
            offset += advances[static_cast<size_t>(i)];
        }
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(glyphs);
        run.setPositions(positions);
        run.setUnderline(p->font().underline());
        run.setStrikeOut(p->font().strikeOut());
        p->drawGlyphRun(QPointF(x, baseline), run);
        return;
    }
    size_t i = 0;
    for (const char32_t codePoint : codePoints) {
        p->drawText(x, baseline, QString::fromUcs4(&codePoint, 1));
        x += advances[i++];
    }
}

} // namespace

void CanvasTextOut(TCanvas::Impl& c, int x, int y, const QString& text, std::span<const int> advances)
{
    QPainter* p = c.BrushPainter();
    if (!p || text.isEmpty())
        return;
    const QFontMetrics metrics = c.Metrics();
    // Measuring costs as much as drawing, so the width is taken only where it is used.
    const bool opaque = c.bkMode == OPAQUE;
    const bool measured = opaque || (c.textAlign & (TA_CENTER | TA_RIGHT));
    int width = 0;
    if (!advances.empty())
        width = std::accumulate(advances.begin(), advances.end(), 0);
    else if (measured)
        width = c.Face().Advance(text);
    int left = 0, top = 0; // relative to (x, y) before rotation
    if ((c.textAlign & TA_CENTER) == TA_CENTER)
        left = -width / 2;
    else if (c.textAlign & TA_RIGHT)
        left = -width;
    if ((c.textAlign & TA_BASELINE) == TA_BASELINE)
        top = -metrics.ascent();
    else if (c.textAlign & TA_BOTTOM)
        top = -metrics.height();
    const bool rotated = c.font.Orientation() % 3600 != 0;
    if (rotated) {
        p->save();
        p->translate(x, y);
        p->rotate(-c.font.Orientation() / 10.0);
        x = y = 0;
    }
    if (opaque)
        p->fillRect(QRect(x + left, y + top, width, metrics.height()), ToQColor(c.bkColor));
    c.ApplyFont(p);
    p->setPen(ToQColor(c.textColor));
    p->setBackgroundMode(Qt::TransparentMode);
    if (advances.empty())
        DrawShaped(p, c.Face(), x + left, y + top + metrics.ascent(), text);
    else
        DrawPlacedCharacters(p, x + left, y + top + metrics.ascent(), text, advances);
    if (rotated)
        p->restore();
}

bool ExtTextOut(TCanvas& canvas, int x, int y, unsigned options, const TRect* rect, const std::string& text,
                std::span<const int> advances)
{
    TCanvas::Impl& c = canvas.Internal();
    QPainter* p = c.BrushPainter();
    const QString qtext = QString::fromStdString(text);
    if (!advances.empty()) {
        const auto characters = static_cast<size_t>(qtext.toUcs4().size());
        if (advances.size() < characters)
            return false;
        advances = advances.first(characters);
    }
    if (!p)
        return false;
    if (rect && (options & ETO_OPAQUE))
        p->fillRect(ToQRect(*rect), ToQColor(c.bkColor));
    const bool clipped = rect && (options & ETO_CLIPPED);
    if (clipped) {
        p->save();
        p->setClipRect(ToQRect(*rect), Qt::IntersectClip);
    }
    CanvasTextOut(c, x, y, qtext, advances);
    if (clipped) {
        p->restore();
        c.ApplyClip();
    }
    return true;
}
