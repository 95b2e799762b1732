#include "platform/gui/graphics/text_metrics.h"

#include "platform/gui/qt/qt_bridge.h"

#include <QChar>
#include <QFontMetrics>
#include <QTextLayout>

struct TTextMetrics::TMeasuredFont
{
    explicit TMeasuredFont(const QFont& qfont) : font(qfont), metrics(qfont) {}

    QFont font;
    QFontMetrics metrics;
};

TTextMetrics::TTextMetrics(const TFont& font) : font_(std::make_unique<TMeasuredFont>(ToQFont(font))) {}

TTextMetrics::~TTextMetrics() = default;

std::vector<int> TTextMetrics::CaretStops(std::u32string_view text) const
{
    std::vector<int> stops(text.size() + 1, 0);
    if (text.empty())
        return stops;
    const QString s = QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
    QTextLayout layout(s, font_->font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e7);
    layout.endLayout();
    // The layout counts UTF-16 units; a code point beyond the basic plane takes two.
    int utf16 = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        stops[i] = qRound(line.cursorToX(utf16));
        if (i < text.size())
            utf16 += text[i] > 0xFFFF ? 2 : 1;
    }
    return stops;
}

int TTextMetrics::LineHeight() const
{
    return font_->metrics.height();
}

bool IsWordChar(char32_t ch)
{
    return ch == U'_' || QChar::isLetterOrNumber(ch) || QChar::isMark(ch);
}

bool IsWhiteSpace(char32_t ch)
{
    return QChar::isSpace(ch);
}
