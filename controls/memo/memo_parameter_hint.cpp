#include "controls/memo/vez_custom_memo.h"

#include "controls/memo/memo_popups.h"
#include "support/utf8.h"

// The parameter hint: with the caret inside the parentheses of a call, a small window near the caret line
// shows the routine's parameter list from the styler's HintParameter.Parameters, the parameter under the
// caret in bold. It hides AutoHintParameterDelay ms after its last update.

namespace {

// The hint text split at the current parameter: the separator that ends a parameter stays with it, and an
// index past the last separator makes the whole list current.
struct THintParts
{
    TLineText Before, Current, After;
};

THintParts SplitAtParameter(const TLineText& hint, int paramIndex, const THintParameter& settings)
{
    size_t start = 0, end = hint.size();
    int separator = 0;
    for (size_t i = 0; i < hint.size(); ++i) {
        if (hint[i] != settings.HintCharWriteDelimiter && hint[i] != settings.HintCharDelimiter)
            continue;
        ++separator;
        if (separator == paramIndex)
            start = i + 1;
        if (separator == paramIndex + 1) {
            end = i + 1;
            break;
        }
    }
    return {hint.substr(0, start), hint.substr(start, end - start), hint.substr(end)};
}

// The parameter list of an entry: what stands between its opening and its closing character.
TLineText ParameterList(const TLineText& entry, const THintParameter& settings)
{
    TLineText list = entry;
    if (const size_t open = list.find(settings.HintCharStart); open != TLineText::npos)
        list.erase(0, open + 1);
    if (const size_t close = list.find(settings.HintCharEnd); close != TLineText::npos)
        list.erase(close);
    return list;
}

std::string Trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::string TVezCustomMemo::CaseText(const std::string& s) const
{
    return FCaseSensitive ? s : AsciiUpperCase(s);
}

int TVezCustomMemo::FindParameterStart(const std::string& text, int pos, std::string& name,
                                       int& paramIndex) const
{
    const THintParameter& settings = *ActiveStyler()->HintParameter();
    const TLineText line = DecodeLine(text);
    paramIndex = 0;
    name.clear();
    // Positions count from 1: p is the character before the caret.
    int p = std::min(pos, static_cast<int>(line.size()));
    const auto at = [&line](int position) { return line[static_cast<size_t>(position - 1)]; };
    bool found = false;
    int run = 0; // spaces and qualifiers in a row
    while (p > 0 && !found && run < 5) {
        const char32_t ch = at(p);
        if (ch == settings.HintCharWriteDelimiter)
            ++paramIndex;
        run = ch == U' ' || ch == settings.HintClassDelimiter ? run + 1 : 0;
        if (ch == settings.HintCharEnd)
            return -1;
        if (ch == settings.HintCharStart)
            found = true;
        --p;
    }
    if (run >= 5)
        return -1;
    if (found) {
        int start = p;
        while (start > 0 && at(start) != U' ' && at(start) != settings.HintCharStart &&
               at(start) != settings.HintCharEnd)
            --start;
        name = EncodeLine(line.substr(static_cast<size_t>(start), static_cast<size_t>(p - start)));
    }
    return p;
}

bool TVezCustomMemo::UpdateParameterHint()
{
    if (!ActiveStyler() || !FUseStyler || ActiveLines()->Count() == 0)
        return false;
    const THintParameter& settings = *ActiveStyler()->HintParameter();
    std::string name;
    int paramIndex = 0;
    bool valid = false, custom = false;
    DoRetrieveParameterHint(name, paramIndex, valid, custom);
    if (!custom && FindParameterStart(CaseText(ActiveLines()->Get(FCurY)), FCurX, name, paramIndex) == -1) {
        HideParameterHint();
        return false;
    }
    if (custom && !valid) {
        HideParameterHint();
        return false;
    }
    name = Trimmed(name);
    if (name.empty())
        return false;
    std::string hint;
    bool handled = false;
    DoGetParameterHint(name, hint, handled);
    if (!handled)
        hint = ParameterEntryFor(name);
    if (hint.empty()) {
        HideParameterHint();
        return false;
    }
    const THintParts parts =
        SplitAtParameter(ParameterList(DecodeLine(hint), settings), paramIndex, settings);
    FHintForm->part1 = EncodeLine(parts.Before);
    FHintForm->part2 = EncodeLine(parts.Current);
    FHintForm->part3 = EncodeLine(parts.After);
    if (OnRetrievedParameterHint)
        OnRetrievedParameterHint(this, name, FHintForm->part2);
    FHintForm->Active = FHintForm->part2.empty() ? 1 : 2;
    Timer->SetEnabled(false);
    Timer->SetEnabled(true);
    return true;
}

// The first entry of Parameters for the routine name (its qualifiers dropped), with the entry's own case.
std::string TVezCustomMemo::ParameterEntryFor(std::string name) const
{
    const THintParameter& settings = *ActiveStyler()->HintParameter();
    TLineText routine = DecodeLine(name);
    if (const size_t qualifier = routine.rfind(settings.HintClassDelimiter); qualifier != TLineText::npos)
        routine.erase(0, qualifier + 1);
    if (!routine.empty() && settings.HintCharStart != 0 && routine.back() != settings.HintCharStart)
        routine += settings.HintCharStart;
    name = EncodeLine(routine);
    const TStringList& entries = *settings.Parameters();
    for (int i = 0; i < entries.Count(); ++i)
        if (CaseText(entries.Get(i)).starts_with(name))
            return entries.Get(i);
    return {};
}

void TVezCustomMemo::ShowParameterHint()
{
    if (!ActiveStyler() || !FUseStyler || FCurY < FTopLine || FCurY > FTopLine + VisibleLineCount())
        return;
    TVezHintForm& hint = *FHintForm;
    if (!UpdateParameterHint()) {
        HideParameterHint();
        return;
    }
    const THintParameter& settings = *ActiveStyler()->HintParameter();
    const TPoint caret = CaretCellForPopups();
    const int x = hint.Visible() ? hint.Left() : caret.X; // a shown hint keeps its column
    const int row = FAutoHintParameterPos == hpBelowCode ? caret.Y + 1 : caret.Y - 1;
    const int y = ClientToScreen({0, 0}).Y + FCellSize.H * row;
    hint.Font()->SetStyle({});
    const int height = hint.LineHeight() + 5;
    const int width = hint.TextWidths() + 6;
    const TPoint place = ClampIntoArea({x, y}, NearestWorkArea({x, y}), width, height, 0);
    hint.SetColor(settings.BkColor);
    hint.Font()->SetColor(settings.TextColor);
    hint.SetBounds(place.X, place.Y, width, height);
    hint.SetVisible(true);
    hint.SetBounds(place.X, place.Y, width, height);
    hint.Invalidate();
}

void TVezCustomMemo::HideParameterHint()
{
    if (FHintForm && FHintForm->Visible())
        FHintForm->Hide();
}

void TVezCustomMemo::HintTimerTimer()
{
    HideParameterHint();
    Timer->SetEnabled(false);
}

// A click on the hint leaves the focus with the memo, its caret in place.
void TVezCustomMemo::HintFormMouseUp()
{
    if (CanFocus())
        SetFocus();
    UpdateCaret(true);
    Repaint();
}
