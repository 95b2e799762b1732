#include "platform/gui/standard/memo.h"

#include "support/utf8.h"

#include <algorithm>

// The memo's lines, read from and written into its text.
class TCustomMemo::TMemoStrings : public TStrings
{
public:
    explicit TMemoStrings(TCustomMemo& memo) : memo_(memo) {}

    int Count() const override { return static_cast<int>(Starts().size()); }

    std::string Get(int index) const override
    {
        CheckIndex(index, Count());
        const auto [from, to] = Span(index);
        return Utf32ToUtf8(
            std::u32string_view(Text32()).substr(static_cast<size_t>(from), static_cast<size_t>(to - from)));
    }

    void Put(int index, const std::string& s) override
    {
        CheckIndex(index, Count());
        const auto [from, to] = Span(index);
        Replace(from, to, s);
    }

    void InsertObject(int index, const std::string& s, TObject*) override
    {
        const int count = Count();
        CheckIndex(index, count + 1);
        if (index < count) {
            Replace(Starts()[static_cast<size_t>(index)], Starts()[static_cast<size_t>(index)], s + "\r\n");
            return;
        }
        const std::u32string& text = Text32();
        const int end = static_cast<int>(text.size());
        if (text.empty())
            Replace(0, 0, s);
        else if (text.ends_with(U"\r\n"))
            Replace(end, end, s + "\r\n");
        else
            Replace(end, end, "\r\n" + s);
    }

    void Delete(int index) override
    {
        const int count = Count();
        CheckIndex(index, count);
        const std::vector<int> starts = Starts();
        const int length = static_cast<int>(Text32().size());
        if (index + 1 < count)
            Replace(starts[static_cast<size_t>(index)], starts[static_cast<size_t>(index) + 1], "");
        else if (Text32().ends_with(U"\r\n") || index == 0)
            Replace(starts[static_cast<size_t>(index)], length, "");
        else
            Replace(starts[static_cast<size_t>(index)] - 2, length, "");
    }

    void Clear() override { memo_.SetText(""); }

    void SetText(const std::string& text) override { memo_.SetText(text); }

private:
    const std::u32string& Text32() const { return memo_.Editor().Text32(); }

    // Where every line starts; a line break at the very end starts no line.
    std::vector<int> Starts() const
    {
        const std::u32string& text = Text32();
        std::vector<int> starts;
        if (text.empty())
            return starts;
        starts.push_back(0);
        for (size_t i = text.find(U"\r\n"); i != std::u32string::npos; i = text.find(U"\r\n", i + 2))
            if (i + 2 < text.size())
                starts.push_back(static_cast<int>(i + 2));
        return starts;
    }

    // The line's characters without its line break.
    std::pair<int, int> Span(int index) const
    {
        const std::u32string& text = Text32();
        const int from = Starts()[static_cast<size_t>(index)];
        const size_t lineBreak = text.find(U"\r\n", static_cast<size_t>(from));
        return {from, lineBreak == std::u32string::npos ? static_cast<int>(text.size())
                                                        : static_cast<int>(lineBreak)};
    }

    void Replace(int from, int to, const std::string& s)
    {
        memo_.Editor().SetSelection(from, to);
        memo_.Editor().ReplaceSelection(s, false);
    }

    TCustomMemo& memo_;
};

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner, true), lines_(std::make_unique<TMemoStrings>(*this))
{
    SetAutoSize(false);
    SetBounds(Left(), Top(), 185, 89);
    Editor().SetWordWrap(true);
}

TCustomMemo::~TCustomMemo() = default;

TStrings* TCustomMemo::Lines() const
{
    return lines_.get();
}

void TCustomMemo::SetLines(const TStrings* lines)
{
    lines_->Assign(lines);
}

void TCustomMemo::SetWordWrap(bool value)
{
    if (value == WordWrap())
        return;
    Editor().SetWordWrap(value);
    RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle value)
{
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    RecreateWnd();
}

void TCustomMemo::SetWantTabs(bool value)
{
    wantTabs_ = value;
    Editor().SetAcceptTabs(value);
}

void TCustomMemo::SetCaretPos(TPoint pos)
{
    const int start = static_cast<int>(Perform(EM_LINEINDEX, static_cast<WPARAM>(std::max(0, pos.Y)), 0));
    if (start < 0)
        return;
    SetSelStart(start + std::clamp(pos.X, 0, Editor().RowLength(pos.Y)));
}

void TCustomMemo::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        params.Style |= WS_VSCROLL;
    if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth)
        params.Style |= WS_HSCROLL;
    if (WordWrap())
        params.Style &= ~ES_AUTOHSCROLL;
}

unsigned TCustomMemo::DialogCode() const
{
    unsigned code = TCustomEdit::DialogCode();
    if (wantTabs_)
        code |= DLGC_WANTTAB;
    else
        code &= ~DLGC_WANTTAB;
    if (!wantReturns_)
        code &= ~DLGC_WANTALLKEYS;
    return code;
}

void TCustomMemo::KeyPress(char32_t& key)
{
    TCustomEdit::KeyPress(key);
    if (key == U'\r' && !wantReturns_)
        key = 0;
}

bool TCustomMemo::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos)
{
    if (TCustomEdit::DoMouseWheel(shift, wheelDelta, mousePos))
        return true;
    const int notches = wheelDelta / WHEEL_DELTA;
    if (notches == 0)
        return false;
    Editor().ScrollBy(-3 * notches, 0);
    return true;
}
