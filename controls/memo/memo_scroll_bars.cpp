#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/windows/system_metrics.h"
#include "platform/gui/windows/window_functions.h"

#include <algorithm>

// The two child scroll bars: their ranges follow the text after every change, and the user's steps on them
// move the view. The vertical range lets the last line scroll up to the top.

void TVezCustomMemo::CreateScrollBars()
{
    const auto make = [this](TScrollBarKind kind) {
        auto* bar = new TScrollBar(this);
        bar->SetKind(kind);
        bar->SetVisible(false);
        bar->SetTabStop(false); // the bars never take the focus
        bar->SetPageSize(-1);
        bar->SetParent(this);
        bar->OnScroll = [this](TObject* sender, TScrollCode code, int& pos) {
            ScrollBarScroll(sender, code, pos);
        };
        return bar;
    };
    sbVert = make(sbVertical);
    sbVert->SetBounds(Width() - 16, 0, 16, Height());
    sbVert->SetSmallChange(1);
    sbVert->OnChange = [this](TObject* sender) { VertScrollBarChange(sender); };
    sbHorz = make(sbHorizontal);
    sbHorz->SetBounds(0, Height() - 16, Width(), 16);
    sbHorz->OnChange = [this](TObject* sender) { HorzScrollBarChange(sender); };
}

namespace {

// Range, page and position at once, in an order the bar accepts whatever it held before.
void SetBarRange(TScrollBar& bar, int position, int max, int pageSize)
{
    if (bar.PageSize() > max - bar.Min() + 1)
        bar.SetPageSize(-1);
    bar.SetParams(position, bar.Min(), max);
    bar.SetPageSize(pageSize);
}

void HideBar(TScrollBar& bar)
{
    bar.SetPageSize(-1);
    bar.SetVisible(false);
}

} // namespace

void TVezCustomMemo::UpdateScrollBars(bool repaint)
{
    if (!VertBarWanted())
        sbVert->SetVisible(false);
    // Rows wrapped to the width never need the horizontal bar; one shown before the wrap goes.
    if (!HorzBarWanted() || FWordWrap == wwClientWidth)
        sbHorz->SetVisible(false);
    if (!FLetRefresh)
        return;
    const bool vertBefore = sbVert->Visible();
    const bool horzBefore = sbHorz->Visible();
    const TRect text = GetTextAreaRect();
    if (VertBarWanted())
        PlaceVertScrollBar(text);
    if (HorzBarWanted() && FWordWrap != wwClientWidth)
        PlaceHorzScrollBar(text);
    if (sbVert->Visible() != vertBefore && FWordWrap == wwClientWidth && FRewrapDepth == 0) {
        // The bar took or gave back the width the lines were wrapped to: wrap them again (which brings the
        // bars up to date). Rows only grow as the width shrinks, so one more wrap settles it.
        ++FRewrapDepth;
        UpdateWrap();
        --FRewrapDepth;
        UpdateScrollBars(repaint);
        return;
    }
    if ((sbVert->Visible() != vertBefore || sbHorz->Visible() != horzBefore) && FScrollBarsDepth < 4) {
        // Showing or hiding a bar changed the text area.
        ++FScrollBarsDepth;
        UpdateScrollBars(repaint);
        --FScrollBarsDepth;
        return;
    }
    if (repaint) {
        InvalidateGutter();
        if (HandleAllocated()) {
            const TRect area = GetTextAreaRect();
            InvalidateRect(Handle(), &area, true);
        }
    }
    if (VertBarWanted())
        VertScrollBarChange(sbVert);
    if (HorzBarWanted())
        HorzScrollBarChange(sbHorz);
}

void TVezCustomMemo::PlaceVertScrollBar(const TRect& text)
{
    const int visible = VisibleLineCount();
    const int total = LineIndexToVisIndex(ActiveLines()->Count() - 1) + 1;
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    sbVert->SetBounds(text.Right, text.Top, width, text.Height() + 1);
    if (visible > 0 && total > visible) {
        const int max = std::max(LastRow() + visible - 1, sbVert->Min());
        SetBarRange(*sbVert, LineIndexToVisIndex(FTopLine), max, visible);
        sbVert->SetVisible(true);
        sbVert->Invalidate();
    } else {
        FTopLine = 0;
        HideBar(*sbVert);
    }
}

void TVezCustomMemo::PlaceHorzScrollBar(const TRect& text)
{
    const int visible = VisiblePosCount();
    const int height = GetSystemMetrics(SM_CYHSCROLL);
    int right = text.Right;
    if (FScrollBars == ssBoth && sbVert->Visible())
        right = sbVert->Left();
    sbHorz->SetBounds(2, text.Bottom, std::max(right - 2, 0), height);
    if (visible > 0 && FMaxLength > visible) {
        SetBarRange(*sbHorz, FLeftCol, FMaxLength, visible + 1);
        sbHorz->SetLargeChange(10);
        sbHorz->SetVisible(true);
        sbHorz->Invalidate();
        return;
    }
    if (FCurX < visible)
        HideBar(*sbHorz);
    FLeftCol = 0;
}

void TVezCustomMemo::VertScrollBarChange(TObject*)
{
    if (!sbVert->Visible())
        return;
    const int limit = sbVert->Max() - sbVert->PageSize() + 1;
    if (sbVert->Position() > limit && sbVert->PageSize() > 0)
        sbVert->SetPosition(limit);
    const int top = VisIndexToLineIndex(sbVert->Position());
    if (top != FTopLine) {
        FTopLine = top;
        TopLineMoved();
    }
    FireTopLeftChanged();
}

void TVezCustomMemo::HorzScrollBarChange(TObject*)
{
    if (!sbHorz->Visible())
        return;
    const int limit = sbHorz->Max() - sbHorz->PageSize() + 1;
    if (sbHorz->Position() > limit && sbHorz->PageSize() > 0)
        sbHorz->SetPosition(limit + 1);
    if (sbHorz->Position() != FLeftCol) {
        FLeftCol = sbHorz->Position();
        Invalidate();
    }
    FireTopLeftChanged();
}

void TVezCustomMemo::FireTopLeftChanged()
{
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

void TVezCustomMemo::ScrollBarScroll(TObject* sender, TScrollCode scrollCode, int& scrollPos)
{
    if (!Focused() && CanFocus())
        SetFocus();
    auto* bar = static_cast<TScrollBar*>(sender);
    if (bar == sbVert) {
        // On top of the bar's own step of one row: a page is VisibleLineCount + 1 rows.
        if (scrollCode == scPageUp)
            scrollPos -= VisibleLineCount();
        else if (scrollCode == scPageDown)
            scrollPos += VisibleLineCount();
        if (FScrollHint && scrollCode == scEndScroll)
            FScrollHintWindow->ReleaseHandle();
        else if (FScrollHint && scrollCode == scTrack)
            ShowScrollHint(scrollPos);
    }
    ApplyScrollDelta(bar, scrollPos - bar->Position());
    SettleView();
    Repaint();
}

void TVezCustomMemo::ShowScrollHint(int scrollPos)
{
    std::string text = FUILanguage->ScrollHint + ": " + std::to_string(scrollPos + 1);
    if (OnScrollHint)
        OnScrollHint(this, scrollPos + 1, text);
    TRect rect = FScrollHintWindow->CalcHintRect(100, text, nullptr);
    TPoint pointer;
    GetCursorPos(pointer);
    rect = Bounds(pointer.X + 10, pointer.Y, rect.Width(), rect.Height());
    FScrollHintWindow->SetColor(clInfoBk);
    FScrollHintWindow->ActivateHint(rect, text);
}

void TVezCustomMemo::ApplyScrollDelta(TScrollBar* bar, int delta)
{
    if (bar == sbHorz) {
        const int left = std::max(std::min(FLeftCol + delta, bar->Max()), 0);
        if (left != FLeftCol) {
            FLeftCol = left;
            Invalidate();
            UpdateCaret(FCurX >= FLeftCol);
        }
    } else {
        const int old = FTopLine;
        int top = delta != 0 ? VisIndexToLineIndex(LineIndexToVisIndex(FTopLine) + delta) : FTopLine;
        top = std::max(std::min(top, VisIndexToLineIndex(bar->Max())), 0);
        if (top != old) {
            FTopLine = top;
            TopLineMoved();
            UpdateCaret(FCurX >= FLeftCol);
        }
    }
    HideParameterHint();
}
