#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/graphics/canvas.h"
#include "support/utf8.h"

#include <algorithm>

// The memo paints its border and its visible rows, each character in its own cell so that the text, the
// selection and the caret stay on one grid. A row is coloured by the styler in use: quoted texts and
// keywords by their elements, symbol characters by the symbol element, and a line comment by the comment
// style. A word ends at a blank, a semicolon or a symbol character. A quoted text or a comment that a row
// leaves open goes on in the row that continues it.

// What a row leaves open for its continuation.
struct TOpenRun
{
    const TElementStyle* Quote = nullptr;
    bool Comment = false;
};

namespace {

struct TCellLook
{
    TColor Text;
    TColor Background; // clNone: the memo's background
    TFontStyles Style;
};

class TRowColours
{
public:
    TRowColours(const TVezCustomMemoStyler& styler, bool caseSensitive, TCellLook plain)
        : styler_(styler), caseSensitive_(caseSensitive), plain_(plain)
    {}

    std::vector<TCellLook> Looks(const TLineText& line, TOpenRun& open) const;

private:
    static TCellLook LookOf(const TElementStyle& element)
    {
        return {element.Font()->Color(), element.BGColor(), element.Font()->Style()};
    }
    const TElementStyle* ElementOf(TStyleType type, char32_t ch) const;
    const TElementStyle* KeywordElement(const TLineText& word) const;
    bool EndsWord(char32_t ch) const;

    const TVezCustomMemoStyler& styler_;
    bool caseSensitive_;
    TCellLook plain_;
};

const TElementStyle* TRowColours::ElementOf(TStyleType type, char32_t ch) const
{
    const TElementStyles& elements = *styler_.AllStyles();
    for (int i = 0; i < elements.Count(); ++i) {
        const TElementStyle* element = elements.GetItem(i);
        if (element->StyleType() != type)
            continue;
        if (type == stBracket && element->BracketStart() == ch)
            return element;
        if (type == stSymbol && element->SymbolChars().find(ch) != std::u32string::npos)
            return element;
    }
    return nullptr;
}

const TElementStyle* TRowColours::KeywordElement(const TLineText& word) const
{
    const std::string token = caseSensitive_ ? EncodeLine(word) : Utf8LowerCase(EncodeLine(word));
    const TElementStyles& elements = *styler_.AllStyles();
    for (int i = 0; i < elements.Count(); ++i) {
        const TElementStyle* element = elements.GetItem(i);
        if (element->StyleType() == stKeyword && !token.empty()) {
            TStringList& words = *element->KeyWords();
            words.SetCaseSensitive(caseSensitive_);
            if (words.IndexOf(token) >= 0)
                return element;
        }
    }
    return nullptr;
}

bool TRowColours::EndsWord(char32_t ch) const
{
    return ch == U' ' || ch == U';' || ElementOf(stSymbol, ch) || ElementOf(stBracket, ch);
}

std::vector<TCellLook> TRowColours::Looks(const TLineText& line, TOpenRun& open) const
{
    std::vector<TCellLook> looks(line.size(), plain_);
    const TLineText comment = DecodeLine(styler_.LineComment());
    const TCharStyle& commentStyle = *styler_.CommentStyle();
    const TCellLook commentLook{commentStyle.TextColor(), commentStyle.BkColor(), commentStyle.Style()};
    if (open.Comment) {
        std::fill(looks.begin(), looks.end(), commentLook);
        return looks;
    }
    // A quoted text: from its opener (or the row's start, when it goes on from the row before) to its closer.
    const auto quoted = [&](const TElementStyle& quote, size_t from, size_t searchFrom) {
        const size_t close = line.find(quote.BracketEnd(), searchFrom);
        const size_t end = close == TLineText::npos ? line.size() : close + 1;
        std::fill(looks.begin() + static_cast<long>(from), looks.begin() + static_cast<long>(end),
                  LookOf(quote));
        open.Quote = close == TLineText::npos ? &quote : nullptr;
        return end;
    };
    size_t i = open.Quote ? quoted(*open.Quote, 0, 0) : 0;
    while (i < line.size()) {
        if (!comment.empty() && line.compare(i, comment.size(), comment) == 0) {
            std::fill(looks.begin() + static_cast<long>(i), looks.end(), commentLook);
            open.Comment = true;
            break;
        }
        if (const TElementStyle* quote = ElementOf(stBracket, line[i])) {
            i = quoted(*quote, i, i + 1);
            continue;
        }
        if (const TElementStyle* symbol = ElementOf(stSymbol, line[i]); symbol && line[i] != U' ') {
            looks[i++] = LookOf(*symbol);
            continue;
        }
        size_t j = i;
        while (j < line.size() && !EndsWord(line[j]))
            ++j;
        if (j == i) {
            ++i;
            continue;
        }
        if (const TElementStyle* keyword = KeywordElement(line.substr(i, j - i)))
            std::fill(looks.begin() + static_cast<long>(i), looks.begin() + static_cast<long>(j),
                      LookOf(*keyword));
        i = j;
    }
    return looks;
}

// What the rows of line's author's line before it leave open.
TOpenRun OpenRunBefore(const TVezCustomMemo& memo, int line)
{
    TOpenRun open;
    if (!memo.UseStyler() || !memo.ActiveStyler())
        return open;
    int first = line;
    while (first > 0 && memo.IsWrappedLine(first))
        --first;
    const TRowColours colours(*memo.ActiveStyler(), memo.CaseSensitive(), {});
    for (int row = first; row < line; ++row)
        colours.Looks(DecodeLine(memo.Lines()->Get(row)), open);
    return open;
}

bool Selected(int x, int y, int x1, int y1, int x2, int y2)
{
    const bool afterStart = y > y1 || (y == y1 && x >= x1);
    const bool beforeEnd = y < y2 || (y == y2 && x < x2);
    return afterStart && beforeEnd;
}

} // namespace

void TVezCustomMemo::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FBkColor);
    canvas.FillRect(ClientRect());
    if (FCellSize.W > 0 && FCellSize.H > 0) {
        const int rows = VisibleLineCount() + 1;
        TOpenRun open = OpenRunBefore(*this, FTopLine);
        for (int row = 0; row < rows; ++row) {
            const int line = VisIndexToLineIndex(LineIndexToVisIndex(FTopLine) + row);
            if (line >= ActiveLines()->Count())
                break;
            if (!IsWrappedLine(line))
                open = {};
            PaintRow(canvas, line, row, open);
        }
    }
    PaintBorder(canvas);
    // The bars paint on the same canvas after the memo: they find its tools as a paint starts them.
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Font()->SetStyle({});
}

void TVezCustomMemo::PaintBorder(TCanvas& canvas)
{
    if (FBorderStyle == bsNone)
        return;
    canvas.Brush()->SetColor(FBorderColor);
    canvas.FrameRect(ClientRect());
}

void TVezCustomMemo::PaintRow(TCanvas& canvas, int line, int row, TOpenRun& open)
{
    const TRect text = GetTextAreaRect();
    const TLineText s = LineAt(line);
    const TCellLook plain{FFont->Color(), clNone, FFont->Style()};
    std::vector<TCellLook> looks(s.size(), plain);
    if (FUseStyler && ActiveStyler())
        looks = TRowColours(*ActiveStyler(), FCaseSensitive, plain).Looks(s, open);
    int x1, y1, x2, y2;
    OrderedSelection(x1, y1, x2, y2);
    const bool showSelection = !FHideSelection || Focused();
    canvas.Font()->Assign(FFont.get());
    const int columns = VisiblePosCount() + 1;
    for (int col = 0; col < columns; ++col) {
        const int x = FLeftCol + col;
        const TRect cell = CellRect(col, row);
        if (cell.Left >= text.Right)
            break;
        const bool inSelection =
            showSelection && FSelectionMode == smText && Selected(x, line, x1, y1, x2, y2);
        TCellLook look = x < static_cast<int>(s.size()) ? looks[static_cast<size_t>(x)] : plain;
        if (inSelection)
            look = {FSelColor, FSelBkColor, look.Style};
        if (look.Background != clNone) {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(look.Background);
            canvas.FillRect(Rect(cell.Left, cell.Top, std::min(cell.Right, text.Right), cell.Bottom));
        }
        if (x >= static_cast<int>(s.size()) || s[static_cast<size_t>(x)] == U' ')
            continue;
        canvas.Brush()->SetStyle(bsClear);
        canvas.Font()->SetColor(look.Text);
        canvas.Font()->SetStyle(FNoRealFixedWidth ? TFontStyles{} : look.Style);
        canvas.TextRect(Rect(cell.Left, cell.Top, std::min(cell.Right, text.Right), cell.Bottom), cell.Left,
                        cell.Top, EncodeLine(s.substr(static_cast<size_t>(x), 1)));
    }
}
