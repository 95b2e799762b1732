#include "controls/memo/vez_memo.h"

TVezMemo::TVezMemo(TComponent* owner) : TVezCustomMemo(owner)
{
    SetBounds(0, 0, 350, 250);
    SetBkColor(clWhite);
    SetHiddenCaret(false);
    SetDelErase(true);
    SetCaseSensitive(false);
    SetReadOnly(false);
    TFont font;
    font.SetName("COURIER NEW");
    font.SetColor(clBlack);
    font.SetHeight(-13);
    font.SetStyle({});
    Font()->Assign(&font);
    OnGutterClick = [this](TObject* sender, int lineNo) { GutterClickGotoLine(sender, lineNo); };
    OnGutterDraw = [this](TObject* sender, TCanvas* canvas, int lineNo, TRect rect) {
        DrawGutterLine(sender, canvas, lineNo, rect);
    };
    OnChange = [this](TObject*) { InvalidateChange(); };
    FVersionString = GetVersionString();
}

bool TVezMemo::IsDelimiter(char32_t ch) const
{
    if (TVezCustomMemo::IsDelimiter(ch))
        return true;
    return ActiveStyler() && UseStyler() && ActiveStyler()->AllStyles()->IsWordBoundary(ch);
}

void TVezMemo::DrawGutterLine(TObject*, TCanvas* canvas, int lineNo, TRect rect)
{
    PaintGutterLine(*canvas, lineNo, rect);
}
