#pragma once

#include <memory>
#include <string_view>
#include <vector>

// Text measured in a font without a canvas, for code that lays text out itself (the text editing of the
// edits), and the classes of characters that such code breaks text at.

class TFont;

// The measures of one font, as it was when the metrics were made.
class TTextMetrics
{
public:
    explicit TTextMetrics(const TFont& font);
    ~TTextMetrics();
    TTextMetrics(const TTextMetrics&) = delete;
    TTextMetrics& operator=(const TTextMetrics&) = delete;

    // The x of the caret before every code point of text laid out on one line, and after the last one
    // (text.size() + 1 values, the first 0); a character's advance is the step to the next value.
    std::vector<int> CaretStops(std::u32string_view text) const;
    int LineHeight() const;

private:
    struct TMeasuredFont;
    std::unique_ptr<TMeasuredFont> font_;
};

// Letters, digits, combining marks and the underscore: what words are made of.
bool IsWordChar(char32_t ch);
// Spaces, tabs and line breaks of every kind.
bool IsWhiteSpace(char32_t ch);
