#include "platform/gui/standard/text_editing.h"

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/graphics.h"
#include "platform/gui/graphics/text_metrics.h"
#include "platform/gui/windows/caret.h"

#include "support/utf8.h"

#include <algorithm>
#include <utility>

namespace {

class TFontMeasurer : public TTextMeasurer
{
public:
    explicit TFontMeasurer(const TFont& font) : metrics_(font) {}

    std::vector<int> CaretStops(std::u32string_view text) const override { return metrics_.CaretStops(text); }
    int LineHeight() const override { return metrics_.LineHeight(); }

private:
    TTextMetrics metrics_;
};

char32_t CaseOf(char32_t ch, TEditCharCase charCase)
{
    switch (charCase) {
    case ecUpperCase:
        return UnicodeUpper(ch);
    case ecLowerCase:
        return UnicodeLower(ch);
    default:
        return ch;
    }
}

// Every line break (CR LF, lone CR, lone LF) as CR LF.
std::u32string WithCrLf(std::u32string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t ch = text[i];
        if (ch == U'\r' || ch == U'\n') {
            result += U"\r\n";
            if (ch == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
                ++i;
        } else {
            result += ch;
        }
    }
    return result;
}

} // namespace

std::unique_ptr<TTextMeasurer> MakeFontMeasurer(const TFont& font)
{
    return std::make_unique<TFontMeasurer>(font);
}

TTextEditor::TTextEditor(TTextEditorHost& host, bool multiLine) : host_(host), multiLine_(multiLine) {}

TTextEditor::~TTextEditor() = default;

// --- options -----------------------------------------------------------------------------------------------

void TTextEditor::SetCharCase(TEditCharCase value)
{
    if (value == charCase_)
        return;
    charCase_ = value;
    if (value == ecNormal)
        return;
    std::u32string converted = text_;
    for (char32_t& ch : converted)
        ch = CaseOf(ch, value);
    if (converted != text_) {
        text_ = std::move(converted);
        InvalidateLayout();
        Changed();
    }
}

void TTextEditor::SetPasswordChar(char32_t value)
{
    if (value == passwordChar_)
        return;
    passwordChar_ = value;
    InvalidateLayout();
}

void TTextEditor::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    xOffset_ = 0;
    InvalidateLayout();
}

void TTextEditor::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    Invalidate();
}

void TTextEditor::SetHideSelection(bool value)
{
    if (value == hideSelection_)
        return;
    hideSelection_ = value;
    Invalidate();
}

// --- text --------------------------------------------------------------------------------------------------

std::string TTextEditor::Text() const
{
    return Utf32ToUtf8(text_);
}

std::u32string TTextEditor::Prepared(std::u32string text) const
{
    if (multiLine_) {
        text = WithCrLf(text);
    } else {
        const size_t lineEnd = text.find_first_of(U"\r\n");
        if (lineEnd != std::u32string::npos)
            text.resize(lineEnd);
    }
    for (char32_t& ch : text)
        ch = CaseOf(ch, charCase_);
    return text;
}

void TTextEditor::SetText(const std::string& text)
{
    std::u32string value = Utf8ToUtf32(text);
    if (multiLine_)
        value = WithCrLf(value);
    for (char32_t& ch : value)
        ch = CaseOf(ch, charCase_);
    text_ = std::move(value);
    anchor_ = caret_ = 0;
    goalX_ = -1;
    undo_ = {};
    typingUndo_ = false;
    modified_ = false;
    topRow_ = 0;
    xOffset_ = 0;
    InvalidateLayout();
    Changed();
}

// --- selection ---------------------------------------------------------------------------------------------

std::string TTextEditor::SelText() const
{
    return Utf32ToUtf8(
        std::u32string_view(text_).substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength())));
}

int TTextEditor::Clamp(int index) const
{
    index = std::clamp(index, 0, Length());
    // Never between the CR and the LF of a line break.
    if (index > 0 && index < Length() && text_[static_cast<size_t>(index) - 1] == U'\r' &&
        text_[static_cast<size_t>(index)] == U'\n')
        --index;
    return index;
}

void TTextEditor::SetSelection(int anchor, int caret)
{
    anchor = Clamp(anchor);
    caret = Clamp(caret);
    typingUndo_ = false;
    if (anchor == anchor_ && caret == caret_)
        return;
    anchor_ = anchor;
    caret_ = caret;
    goalX_ = -1;
    Invalidate();
}

void TTextEditor::MoveCaret(int index, bool extend, bool keepGoal)
{
    const int goal = goalX_;
    SetSelection(extend ? anchor_ : index, index);
    if (keepGoal)
        goalX_ = goal;
    ScrollCaret();
}

// --- editing -----------------------------------------------------------------------------------------------

void TTextEditor::ReplaceRange(int from, int to, std::u32string_view inserted, bool canUndo, bool typing)
{
    if (canUndo && !(typing && typingUndo_))
        undo_ = {true, text_, anchor_, caret_};
    if (!canUndo)
        undo_ = {};
    text_.replace(static_cast<size_t>(from), static_cast<size_t>(to - from), inserted);
    anchor_ = caret_ = from + static_cast<int>(inserted.size());
    typingUndo_ = typing;
    goalX_ = -1;
    modified_ = true;
    InvalidateLayout();
    ScrollCaret();
    Changed();
}

bool TTextEditor::ReplaceSelection(const std::string& text, bool canUndo)
{
    std::u32string inserted = Prepared(Utf8ToUtf32(text));
    const int from = SelStart();
    const int to = from + SelLength();
    if (maxLength_ > 0) {
        const int room = std::max(0, maxLength_ - (Length() - (to - from)));
        if (static_cast<int>(inserted.size()) > room) {
            inserted.resize(static_cast<size_t>(room));
            // A line break is never cut in half.
            if (!inserted.empty() && inserted.back() == U'\r')
                inserted.pop_back();
        }
    }
    if (inserted.empty() && from == to)
        return false;
    ReplaceRange(from, to, inserted, canUndo, false);
    return true;
}

bool TTextEditor::UserReplace(std::u32string_view inserted, bool typing)
{
    if (readOnly_)
        return false;
    const int from = SelStart();
    const int to = from + SelLength();
    if (maxLength_ > 0 && Length() - (to - from) + static_cast<int>(inserted.size()) > maxLength_)
        return false;
    ReplaceRange(from, to, inserted, true, typing);
    return true;
}

bool TTextEditor::DeleteRange(int from, int to)
{
    if (readOnly_ || from == to)
        return false;
    SetSelection(from, to);
    ReplaceRange(from, to, {}, true, false);
    return true;
}

bool TTextEditor::Undo()
{
    if (!undo_.has || readOnly_)
        return false;
    UndoState redo{true, text_, anchor_, caret_};
    text_ = std::move(undo_.text);
    anchor_ = Clamp(undo_.anchor);
    caret_ = Clamp(undo_.caret);
    undo_ = std::move(redo);
    typingUndo_ = false;
    modified_ = true;
    InvalidateLayout();
    ScrollCaret();
    Changed();
    return true;
}

// --- moving ------------------------------------------------------------------------------------------------

int TTextEditor::PreviousIndex(int index) const
{
    return Clamp(index - 1);
}

int TTextEditor::NextIndex(int index) const
{
    if (index < Length() && text_[static_cast<size_t>(index)] == U'\r' && index + 1 < Length() &&
        text_[static_cast<size_t>(index) + 1] == U'\n')
        return index + 2;
    return std::min(index + 1, Length());
}

// The start of the word before index (spaces skipped first).
int TTextEditor::WordLeft(int index) const
{
    while (index > 0 && IsWhiteSpace(text_[static_cast<size_t>(index) - 1]))
        --index;
    if (index > 0 && IsWordChar(text_[static_cast<size_t>(index) - 1])) {
        while (index > 0 && IsWordChar(text_[static_cast<size_t>(index) - 1]))
            --index;
    } else if (index > 0) {
        --index;
    }
    return Clamp(index);
}

// The start of the next word: the rest of this word (or one other character), then spaces; a line break
// counts as a word of its own.
int TTextEditor::WordRight(int index) const
{
    const int length = Length();
    const auto at = [&](int i) { return text_[static_cast<size_t>(i)]; };
    if (index < length && at(index) == U'\r')
        return NextIndex(index);
    if (index < length && IsWordChar(at(index))) {
        while (index < length && IsWordChar(at(index)))
            ++index;
    } else if (index < length && !IsWhiteSpace(at(index))) {
        ++index;
    }
    while (index < length && IsWhiteSpace(at(index)) && at(index) != U'\r')
        ++index;
    return index;
}

void TTextEditor::SelectWordAt(int index)
{
    int from = index;
    int to = index;
    const auto inWord = [&](int i) { return IsWordChar(text_[static_cast<size_t>(i)]); };
    if (index < Length() && inWord(index)) {
        while (from > 0 && inWord(from - 1))
            --from;
        while (to < Length() && inWord(to))
            ++to;
    } else if (index > 0 && inWord(index - 1)) {
        while (from > 0 && inWord(from - 1))
            --from;
    } else if (index < Length()) {
        to = NextIndex(index);
    }
    SetSelection(from, to);
    ScrollCaret();
}

int TTextEditor::CaretColumnX() const
{
    const int row = RowOfIndex(caret_);
    return Stops(row)[static_cast<size_t>(caret_ - RowStart(row))];
}

int TTextEditor::IndexInRowAt(int row, int x) const
{
    const std::vector<int>& stops = Stops(row);
    int best = 0;
    for (size_t i = 1; i < stops.size(); ++i)
        if (std::abs(stops[i] - x) < std::abs(stops[static_cast<size_t>(best)] - x))
            best = static_cast<int>(i);
    return RowStart(row) + best;
}

// The index rows above (negative) or below the caret, at the column the caret keeps going for.
int TTextEditor::VerticalMove(int rows) const
{
    const int row = RowOfIndex(caret_);
    const int target = std::clamp(row + rows, 0, RowCount() - 1);
    if (target == row)
        return caret_;
    return IndexInRowAt(target, goalX_ >= 0 ? goalX_ : CaretColumnX());
}

// --- the user's input --------------------------------------------------------------------------------------

bool TTextEditor::KeyDown(uint16_t key, TShiftState shift)
{
    const bool extend = shift.Contains(ssShift);
    const bool ctrl = shift.Contains(ssCtrl);
    wordBackspace_ = false;
    const bool collapse = !extend && SelLength() > 0;
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        if (key == VK_UP && multiLine_) {
            if (goalX_ < 0)
                goalX_ = CaretColumnX();
            MoveCaret(VerticalMove(-1), extend, true);
        } else if (collapse && !ctrl) {
            MoveCaret(SelStart(), false);
        } else {
            MoveCaret(ctrl ? WordLeft(caret_) : PreviousIndex(caret_), extend);
        }
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        if (key == VK_DOWN && multiLine_) {
            if (goalX_ < 0)
                goalX_ = CaretColumnX();
            MoveCaret(VerticalMove(1), extend, true);
        } else if (collapse && !ctrl) {
            MoveCaret(SelStart() + SelLength(), false);
        } else {
            MoveCaret(ctrl ? WordRight(caret_) : NextIndex(caret_), extend);
        }
        return true;
    case VK_HOME:
        MoveCaret(ctrl || !multiLine_ ? 0 : RowStart(RowOfIndex(caret_)), extend);
        return true;
    case VK_END: {
        const int row = RowOfIndex(caret_);
        MoveCaret(ctrl || !multiLine_ ? Length() : RowStart(row) + RowLength(row), extend);
        return true;
    }
    case VK_PRIOR:
    case VK_NEXT: {
        if (!multiLine_)
            return false;
        const int page = std::max(1, VisibleRows() - 1);
        const int rows = key == VK_PRIOR ? -page : page;
        if (goalX_ < 0)
            goalX_ = CaretColumnX();
        SetTopRow(topRow_ + rows);
        MoveCaret(VerticalMove(rows), extend, true);
        return true;
    }
    case VK_DELETE:
        if (extend) {
            host_.EditorCommand(WM_CUT);
        } else if (SelLength() > 0) {
            DeleteRange(SelStart(), SelStart() + SelLength());
        } else {
            DeleteRange(caret_, ctrl ? WordRight(caret_) : NextIndex(caret_));
        }
        return true;
    case VK_INSERT:
        if (extend && !ctrl)
            host_.EditorCommand(WM_PASTE);
        else if (ctrl && !extend)
            host_.EditorCommand(WM_COPY);
        return extend || ctrl;
    case VK_BACK:
        // Backspace alone comes as a character; with Ctrl it deletes the word before the caret.
        if (!ctrl)
            return false;
        // Some keyboards still send a Backspace character after it.
        wordBackspace_ = true;
        if (SelLength() > 0)
            DeleteRange(SelStart(), SelStart() + SelLength());
        else
            DeleteRange(WordLeft(caret_), caret_);
        return true;
    default:
        return false;
    }
}

bool TTextEditor::Char(char32_t ch)
{
    switch (ch) {
    case 1: // Ctrl+A
        SelectAll();
        return true;
    case 3:
        host_.EditorCommand(WM_COPY);
        return true;
    case 22:
        host_.EditorCommand(WM_PASTE);
        return true;
    case 24:
        host_.EditorCommand(WM_CUT);
        return true;
    case 26:
        host_.EditorCommand(WM_UNDO);
        return true;
    case 8:
        if (std::exchange(wordBackspace_, false))
            return true;
        if (SelLength() > 0)
            DeleteRange(SelStart(), SelStart() + SelLength());
        else
            DeleteRange(PreviousIndex(caret_), caret_);
        return true;
    case 13:
        return multiLine_ && UserReplace(U"\r\n", false);
    case 9:
        return multiLine_ && acceptTabs_ && UserReplace(U"\t", true);
    default:
        if (ch < 32 || ch == 127)
            return false;
        const char32_t typed = CaseOf(ch, charCase_);
        return UserReplace(std::u32string_view(&typed, 1), true);
    }
}

void TTextEditor::MouseDown(TPoint p, TShiftState shift)
{
    const int index = CharFromPos(p);
    if (shift.Contains(ssDouble)) {
        SelectWordAt(index);
        mouseSelecting_ = false;
        return;
    }
    SetSelection(shift.Contains(ssShift) ? anchor_ : index, index);
    ScrollCaret();
    mouseSelecting_ = true;
}

void TTextEditor::MouseMove(TPoint p)
{
    if (!mouseSelecting_)
        return;
    SetSelection(anchor_, CharFromPos(p));
    ScrollCaret();
}

void TTextEditor::MouseUp()
{
    mouseSelecting_ = false;
}

// --- rows --------------------------------------------------------------------------------------------------

void TTextEditor::SetMeasurer(std::unique_ptr<TTextMeasurer> measurer)
{
    measurer_ = std::move(measurer);
    InvalidateLayout();
}

int TTextEditor::LineHeight() const
{
    return measurer_ ? std::max(1, measurer_->LineHeight()) : 16;
}

void TTextEditor::SetFormatRect(const TRect& rect)
{
    if (rect == rect_)
        return;
    const bool widthChanged = rect.Width() != rect_.Width();
    rect_ = rect;
    if (widthChanged && wordWrap_)
        InvalidateLayout();
    SetTopRow(topRow_);
    Invalidate();
}

int TTextEditor::WrapWidth() const
{
    return multiLine_ && wordWrap_ ? std::max(1, rect_.Width()) : 0;
}

void TTextEditor::EnsureRows() const
{
    if (rowsValid_)
        return;
    rows_.clear();
    const int length = Length();
    int start = 0;
    while (true) {
        int end = start;
        if (multiLine_)
            while (end < length && !(text_[static_cast<size_t>(end)] == U'\r' && end + 1 < length &&
                                     text_[static_cast<size_t>(end) + 1] == U'\n'))
                ++end;
        else
            end = length;
        const int wrap = WrapWidth();
        if (wrap > 0 && end > start && measurer_) {
            std::u32string line = text_.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
            if (passwordChar_)
                line.assign(line.size(), passwordChar_);
            const std::vector<int> stops = measurer_->CaretStops(line);
            int a = 0;
            const int n = end - start;
            while (a < n) {
                int b = a + 1;
                while (b < n && stops[static_cast<size_t>(b) + 1] - stops[static_cast<size_t>(a)] <= wrap)
                    ++b;
                if (b < n) {
                    // Break after the last space in the row, when there is one.
                    int space = b;
                    while (space > a && !IsWhiteSpace(line[static_cast<size_t>(space) - 1]))
                        --space;
                    if (space > a)
                        b = space;
                }
                // Spaces at the break stay on the row they end.
                while (b < n && IsWhiteSpace(line[static_cast<size_t>(b)]))
                    ++b;
                rows_.push_back({start + a, b - a});
                a = b;
            }
        } else {
            rows_.push_back({start, end - start});
        }
        if (end >= length)
            break;
        start = end + 2;
        if (start > length)
            break;
    }
    stops_.assign(rows_.size(), {});
    stopsValid_.assign(rows_.size(), false);
    rowsValid_ = true;
}

int TTextEditor::RowCount() const
{
    EnsureRows();
    return static_cast<int>(rows_.size());
}

int TTextEditor::RowStart(int row) const
{
    EnsureRows();
    return rows_[static_cast<size_t>(std::clamp(row, 0, RowCount() - 1))].start;
}

int TTextEditor::RowLength(int row) const
{
    EnsureRows();
    return rows_[static_cast<size_t>(std::clamp(row, 0, RowCount() - 1))].length;
}

int TTextEditor::RowOfIndex(int index) const
{
    EnsureRows();
    const auto it = std::upper_bound(rows_.begin(), rows_.end(), index,
                                     [](int value, const Row& row) { return value < row.start; });
    return std::max(0, static_cast<int>(it - rows_.begin()) - 1);
}

std::u32string_view TTextEditor::RowText(int row) const
{
    return std::u32string_view(text_).substr(static_cast<size_t>(RowStart(row)),
                                             static_cast<size_t>(RowLength(row)));
}

const std::vector<int>& TTextEditor::Stops(int row) const
{
    EnsureRows();
    row = std::clamp(row, 0, RowCount() - 1);
    const auto r = static_cast<size_t>(row);
    if (!stopsValid_[r]) {
        std::u32string text(RowText(row));
        if (passwordChar_)
            text.assign(text.size(), passwordChar_);
        if (measurer_) {
            stops_[r] = measurer_->CaretStops(text);
        } else {
            stops_[r].resize(text.size() + 1);
            for (size_t i = 0; i < stops_[r].size(); ++i)
                stops_[r][i] = static_cast<int>(i) * 8;
        }
        stopsValid_[r] = true;
    }
    return stops_[r];
}

int TTextEditor::RowWidth(int row) const
{
    return Stops(row).back();
}

int TTextEditor::RowOffset(int row) const
{
    if (alignment_ == taLeftJustify)
        return 0;
    const int room = rect_.Width() - RowWidth(row) - 1;
    if (room <= 0)
        return 0;
    return alignment_ == taRightJustify ? room : room / 2;
}

int TTextEditor::ContentWidth() const
{
    int widest = 0;
    for (int row = 0; row < RowCount(); ++row)
        widest = std::max(widest, RowWidth(row));
    return widest + 1;
}

int TTextEditor::VisibleRows() const
{
    if (!multiLine_)
        return 1;
    return std::max(1, rect_.Height() / LineHeight());
}

void TTextEditor::SetTopRow(int row)
{
    const int last = std::max(0, RowCount() - VisibleRows());
    row = std::clamp(row, 0, multiLine_ ? last : 0);
    if (row == topRow_)
        return;
    topRow_ = row;
    Invalidate();
    host_.EditorScrolled();
}

void TTextEditor::SetHorizontalOffset(int x)
{
    x = std::max(0, x);
    if (x == xOffset_)
        return;
    xOffset_ = x;
    Invalidate();
    host_.EditorScrolled();
}

bool TTextEditor::ScrollBy(int rows, int pixels)
{
    const int top = topRow_;
    const int x = xOffset_;
    SetTopRow(topRow_ + rows);
    if (!(multiLine_ && wordWrap_))
        SetHorizontalOffset(xOffset_ + pixels);
    return top != topRow_ || x != xOffset_;
}

void TTextEditor::ScrollCaret()
{
    const int row = RowOfIndex(caret_);
    if (multiLine_) {
        if (row < topRow_)
            SetTopRow(row);
        else if (row >= topRow_ + VisibleRows())
            SetTopRow(row - VisibleRows() + 1);
    }
    if (multiLine_ && wordWrap_)
        return;
    const int width = std::max(1, rect_.Width());
    const int x = RowOffset(row) + Stops(row)[static_cast<size_t>(caret_ - RowStart(row))];
    int offset = xOffset_;
    if (x - offset > width - 1)
        offset = x - width + 1 + width / 4;
    else if (x < offset)
        offset = std::max(0, x - width / 4);
    // A single line never scrolls further than its end needs.
    if (!multiLine_)
        offset = std::min(offset, std::max(0, RowWidth(0) + 1 - width));
    SetHorizontalOffset(offset);
}

// --- geometry ----------------------------------------------------------------------------------------------

TPoint TTextEditor::PosFromChar(int index) const
{
    index = Clamp(index);
    const int row = RowOfIndex(index);
    const int column = std::min(index - RowStart(row), RowLength(row));
    return {rect_.Left + RowOffset(row) + Stops(row)[static_cast<size_t>(column)] - xOffset_,
            rect_.Top + (row - topRow_) * LineHeight()};
}

int TTextEditor::CharFromPos(TPoint p) const
{
    const int dy = p.Y - rect_.Top;
    const int rowInView = dy < 0 ? -1 : dy / LineHeight();
    const int row = std::clamp(topRow_ + rowInView, 0, RowCount() - 1);
    return IndexInRowAt(row, p.X - rect_.Left - RowOffset(row) + xOffset_);
}

// --- painting and the caret --------------------------------------------------------------------------------

void TTextEditor::SetFocused(bool focused)
{
    if (focused == focused_)
        return;
    focused_ = focused;
    if (SelLength() > 0 && hideSelection_)
        Invalidate();
}

void TTextEditor::Paint(TCanvas& canvas, const TEditorColors& colors) const
{
    const int saved = SaveDC(canvas);
    IntersectClipRect(canvas, rect_.Left, rect_.Top, rect_.Right, rect_.Bottom);
    SetBkMode(canvas, TRANSPARENT);
    const bool showSelection = SelLength() > 0 && (focused_ || !hideSelection_);
    const int selFrom = SelStart();
    const int selTo = selFrom + SelLength();
    const int height = LineHeight();
    const int last = std::min(RowCount() - 1, topRow_ + rect_.Height() / height + 1);
    for (int row = topRow_; row <= last; ++row) {
        const int start = RowStart(row);
        const int length = RowLength(row);
        const std::vector<int>& stops = Stops(row);
        std::u32string text(RowText(row));
        if (passwordChar_)
            text.assign(text.size(), passwordChar_);
        const int x0 = rect_.Left + RowOffset(row) - xOffset_;
        const int y = rect_.Top + (row - topRow_) * height;
        // Plain, selected, plain: each piece drawn at its own caret stops.
        const int cuts[4] = {0, showSelection ? std::clamp(selFrom - start, 0, length) : length,
                             showSelection ? std::clamp(selTo - start, 0, length) : length, length};
        for (int piece = 0; piece < 3; ++piece) {
            const int a = cuts[piece];
            const int b = cuts[piece + 1];
            const bool selected = piece == 1;
            if (selected && b > a) {
                canvas.Brush()->SetColor(colors.selectionBackground);
                canvas.Brush()->SetStyle(bsSolid);
                canvas.FillRect(
                    {x0 + stops[static_cast<size_t>(a)], y, x0 + stops[static_cast<size_t>(b)], y + height});
            }
            if (b <= a)
                continue;
            SetTextColor(canvas, selected ? colors.selectionText : colors.text);
            canvas.TextOut(x0 + stops[static_cast<size_t>(a)], y,
                           Utf32ToUtf8(std::u32string_view(text).substr(static_cast<size_t>(a),
                                                                        static_cast<size_t>(b - a))));
        }
        // A selected line break shows as a small selected block after the row.
        if (showSelection && multiLine_ && start + length < selTo && start + length >= selFrom &&
            row + 1 < RowCount() && RowStart(row + 1) == start + length + 2) {
            canvas.Brush()->SetColor(colors.selectionBackground);
            canvas.Brush()->SetStyle(bsSolid);
            const int x = x0 + stops.back();
            canvas.FillRect({x, y, x + std::max(2, height / 4), y + height});
        }
    }
    RestoreDC(canvas, saved);
}

void TTextEditor::CreateCaretFor(HWND window)
{
    CreateCaret(window, 1, LineHeight());
    PlaceCaret(window);
    ShowCaret(window);
}

void TTextEditor::PlaceCaret(HWND window) const
{
    if (!focused_ || !CaretShowing(window))
        return;
    const TPoint p = CaretPoint();
    SetCaretPos(p.X, p.Y);
}

void TTextEditor::DestroyCaretOf(HWND window)
{
    if (HideCaret(window))
        DestroyCaret();
}

// --- notifications -----------------------------------------------------------------------------------------

void TTextEditor::Changed()
{
    host_.EditorTextChanged();
    Invalidate();
}

void TTextEditor::Invalidate()
{
    host_.EditorInvalidate();
}

void TTextEditor::InvalidateLayout()
{
    rowsValid_ = false;
    Invalidate();
}
