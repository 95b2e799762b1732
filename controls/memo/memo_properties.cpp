#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/services/dropped_files.h"
#include "support/utf8.h"

// The simple setters of the memo, its styler, its lines and copying from another memo.

void TVezCustomMemo::SetColorIndex(int index, TColor value)
{
    TColor* fields[] = {&FBkColor, &FSelColor, &FSelBkColor};
    SetRepaintingValue(*fields[index], value);
}

void TVezCustomMemo::SetBorderColor(TColor value)
{
    StoreAndRepaint(FBorderColor, value);
}

void TVezCustomMemo::SetBorderStyle(TBorderStyle value)
{
    FBorderStyle = value;
    PlaceGutter();
    Invalidate();
}

void TVezCustomMemo::SetCtl3D(bool value)
{
    FCtl3D = value;
    PlaceGutter();
    Invalidate();
}

void TVezCustomMemo::PlaceGutter()
{
    const int offset = FBorderStyle == bsSingle ? 1 : 0;
    FGutter->Left = offset;
    FGutter->Top = offset;
    FGutter->Width = FGutter->GutterWidth();
}

void TVezCustomMemo::SetHiddenCaret(bool value)
{
    if (value == FHiddenCaret)
        return;
    FHiddenCaret = value;
    if (Focused() && value == FCaretVisible)
        UpdateCaret(!value);
}

void TVezCustomMemo::SetAcceptFiles(bool value)
{
    FAcceptFiles = value;
    if (HandleAllocated())
        DragAcceptFiles(Handle(), value);
}

void TVezCustomMemo::SetFileName(const std::string& value)
{
    FFileName = value;
    if (OnFileNameChange)
        OnFileNameChange(this, value);
}

void TVezCustomMemo::SetMemoCursor(TCursor value)
{
    TCustomControl::SetCursor(value);
    FOldCursor = value;
}

void TVezCustomMemo::SetUndoLimit(int value)
{
    if (value == FUndoLimit)
        return;
    FUndoLimit = std::clamp(value, 1, 100);
    FUndoList->SetLimit(FUndoLimit);
}

void TVezCustomMemo::SetAutoHintParameters(TAutoHintParameters value)
{
    FAutoHintParameters = value;
    HideParameterHint();
}

void TVezCustomMemo::SetAutoHintParameterDelay(int value)
{
    FAutoHintParameterDelay = value;
    if (value >= 0)
        Timer->SetInterval(static_cast<unsigned>(value));
}

void TVezCustomMemo::SetRightMargin(int value)
{
    if (value == FRightMargin)
        return;
    FRightMargin = value;
    if (FWordWrap == wwRightMargin)
        UpdateLayout();
    Invalidate();
}

void TVezCustomMemo::SetScrollBars(TScrollStyle value)
{
    if (value == FScrollBars)
        return;
    FScrollBars = value;
    UpdateLayout();
    Invalidate();
}

// --- styler
// -------------------------------------------------------------------------------------------------

void TVezCustomMemo::SetUseStyler(bool value)
{
    FUseStyler = value;
    StylesChanged();
}

void TVezCustomMemo::SetSyntaxStyles(TVezCustomMemoStyler* value)
{
    if (FInternalStyles && FInternalStyles != value) {
        FInternalStyles->RemoveFreeNotification(this);
        if (FInternalStyles->AllStyles()->FOwner == this)
            FInternalStyles->AllStyles()->FOwner = nullptr;
    }
    FInternalStyles = value;
    SetUseStyler(value != nullptr);
    if (value) {
        value->FreeNotification(this);
        value->AllStyles()->FOwner = this;
        // The renderer lower-cases each token of a memo that ignores case, so the keywords are lower-cased
        // once here, in the styler's own lists.
        for (int i = 0; i < value->AllStyles()->Count(); ++i) {
            TElementStyle* element = value->AllStyles()->GetItem(i);
            if (element->StyleType() != stKeyword)
                continue;
            TStringList& words = *element->KeyWords();
            const bool sorted = words.Sorted();
            words.SetSorted(false);
            if (!FCaseSensitive)
                for (int w = 0; w < words.Count(); ++w)
                    words.Put(w, Utf8LowerCase(words.Get(w)));
            words.SetSorted(sorted);
        }
    }
    FCachedDelimiters.clear();
    StylesChanged();
}

// --- lines
// --------------------------------------------------------------------------------------------------

void TVezCustomMemo::SetLines(const TStrings* value)
{
    if (!value)
        return;
    TVezMemoStrings& lines = *ActiveLines();
    lines.Clear();
    lines.AddStrings(*value);
    if (FTrimTrailingSpaces)
        for (int i = 0; i < lines.Count(); ++i)
            lines.Put(i, EncodeLine(RemoveTrailingSpaces(DecodeLine(lines.Get(i)))));
    DoSelectionChange();
    Invalidate();
}

// --- copying
// ------------------------------------------------------------------------------------------------

void TVezCustomMemo::Assign(const TPersistent* source)
{
    if (const auto* memo = dynamic_cast<const TVezCustomMemo*>(source))
        AssignSettings(*memo);
}

void TVezCustomMemo::AssignSettings(const TVezCustomMemo& source)
{
    SetAcceptFiles(source.FAcceptFiles);
    FActiveLineSettings->Assign(source.FActiveLineSettings.get());
    SetAlign(source.Align());
    SetAlignWithMargins(source.AlignWithMargins());
    SetAnchors(source.Anchors());
    FAutoCompletion->Assign(source.FAutoCompletion.get());
    SetAutoCompletionListImages(source.FAutoCompletionListImages);
    FAutoCorrect->Assign(source.FAutoCorrect.get());
    FAutoExpand = source.FAutoExpand;
    SetAutoHintParameterDelay(source.FAutoHintParameterDelay);
    FAutoHintParameterPos = source.FAutoHintParameterPos;
    SetAutoHintParameters(source.FAutoHintParameters);
    FAutoIndent = source.FAutoIndent;
    SetAutoThemeAdapt(source.FAutoThemeAdapt);
    SetBandColor(source.FBandColor);
    SetBkColor(source.FBkColor);
    FBlockColor = source.FBlockColor;
    FBlockLineColor = source.FBlockLineColor;
    FBlockShow = source.FBlockShow;
    SetBorderColor(source.FBorderColor);
    SetBorderStyle(source.FBorderStyle);
    SetBreakpointColor(source.FBreakpointColor);
    SetBreakpointTextColor(source.FBreakpointTextColor);
    SetCaseSensitive(source.FCaseSensitive);
    FCharCase = source.FCharCase;
    FClipboardFormats = source.FClipboardFormats;
    FCodeFolding->Assign(source.FCodeFolding.get());
    SetCtl3D(source.FCtl3D);
    SetMemoCursor(source.Cursor());
    FDelErase = source.FDelErase;
    SetDragMode(source.DragMode());
    SetEnabled(source.Enabled());
    SetEnhancedHomeKey(source.FEnhancedHomeKey);
    FFont->Assign(source.FFont.get());
    FGutter->Assign(source.FGutter.get());
    SetHint(source.Hint());
    FLines->Assign(source.FLines.get());
    FMarkerList->Assign(source.FMarkerList.get());
    FPrintOptions->Assign(source.FPrintOptions.get());
    FReadOnly = source.FReadOnly;
    SetRightMargin(source.FRightMargin);
    SetRightMarginColor(source.FRightMarginColor);
    SetScrollBars(source.FScrollBars);
    FScrollHint = source.FScrollHint;
    FScrollMode = source.FScrollMode;
    SetSelBkColor(source.FSelBkColor);
    SetShowHint(source.ShowHint());
    SetShowRightMargin(source.FShowRightMargin);
    SetSmartTabs(source.FSmartTabs);
    SetTabStop(source.TabStop());
    SetTag(source.Tag());
    SetTrimTrailingSpaces(source.FTrimTrailingSpaces);
    SetUndoLimit(source.FUndoLimit);
    FUndoLineByLine = source.FUndoLineByLine;
    SetUrlAware(source.FUrlAware);
    FUrlStyle->Assign(source.FUrlStyle.get());
    SetUseStyler(source.FUseStyler);
    SetVisible(source.Visible());
    FWantTab = source.FWantTab;
    SetWordWrap(source.FWordWrap);
}
