#pragma once

#include "controls/memo/code_folding_settings.h"
#include "controls/memo/completion_list.h"
#include "controls/memo/completion_settings.h"
#include "controls/memo/element_styles.h"
#include "controls/memo/gutter_settings.h"
#include "controls/memo/hint_form.h"
#include "controls/memo/int_list.h"
#include "controls/memo/line_text.h"
#include "controls/memo/line_tokenizer.h"
#include "controls/memo/marker_list.h"
#include "controls/memo/memo_appearance.h"
#include "controls/memo/memo_lines.h"
#include "controls/memo/memo_strings.h"
#include "controls/memo/memo_styler.h"
#include "controls/memo/memo_types.h"
#include "controls/memo/print_options.h"
#include "controls/memo/rtf_engine.h"
#include "controls/memo/styler_list.h"
#include "controls/memo/ui_language.h"
#include "controls/memo/undo_list.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/standard/memo.h"
#include "platform/gui/standard/scroll_bar_control.h"
#include "platform/gui/standard/text_editing.h"
#include "platform/gui/windows/timers.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TVezMemoSource;
class TVezMemoChecker;
struct TVezMemoSavePos;

// The multi-line styled text control of the error log. It keeps its text as lines in a TVezMemoStrings
// (Lines), shows them on a grid of character cells of one font, scrolls with two child scroll bars, wraps
// long lines into real continuation rows, edits with undo, and takes its colours from a styler.
//
// Positions are (column, line), both 0-based, in code points of the stored lines; text offsets count every
// line break as two characters (CR LF) and none between a line and its wrap continuation.
class TVezCustomMemo : public TCustomControl, public IKRNStyle, public IKRNTones
{
public:
    explicit TVezCustomMemo(TComponent* owner);
    ~TVezCustomMemo() override;

    // --- lines and styler ---
    TVezMemoStrings* Lines() const { return FLines.get(); }
    // Copies value into the lines in use.
    void SetLines(const TStrings* value);
    // The lines every operation reads and edits: the memo source's while one is set.
    TVezMemoStrings* ActiveLines() const;
    TVezCustomMemoStyler* SyntaxStyles() const { return FInternalStyles; }
    void SetSyntaxStyles(TVezCustomMemoStyler* value);
    // The memo source's styler while one is set.
    TVezCustomMemoStyler* ActiveStyler() const;
    bool UseStyler() const { return FUseStyler; }
    void SetUseStyler(bool value);
    // The styler's styles changed: the line states are computed again, and the memo repaints.
    void StylesChanged();

    // --- caret and selection ---
    int CurX() const { return FCurX; }
    void SetCurX(int value);
    int CurY() const { return FCurY; }
    void SetCurY(int value);
    int SelStartX() const { return FSelStartX; }
    int SelStartY() const { return FSelStartY; }
    int SelEndX() const { return FSelEndX; }
    int SelEndY() const { return FSelEndY; }
    // Sets both ends of the selection directly (the mouse and key handlers keep them).
    void SetSelectionEnds(int startX, int startY, int endX, int endY);
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    std::string Selection() const;
    void SetSelection(const std::string& value);
    TSelectionMode SelectionMode() const { return FSelectionMode; }
    void SetSelectionMode(TSelectionMode value);
    TRect BlockSelection() const { return FBlockSelection; }
    void SetBlockSelection(const TRect& value) { FBlockSelection = value; }
    bool SelectSingleLine() const { return FSelectSingleLine; }
    void SetSelectSingleLine(bool value) { FSelectSingleLine = value; }
    void ClearSelection();
    void ExtendSelection();
    void SelectAll();
    void SetCursor(int curX, int curY);
    // Removes the selected text; false when nothing was removed.
    bool DeleteSelectedText(bool repaint);
    void TextFromPos(int x, int y, int& textPos) const;
    void PosFromText(int textPos, int& x, int& y) const;

    // --- caret moves ---
    void MoveCursor(int dx, int dy, TShiftState shift);
    void MovePage(int direction, TShiftState shift);
    void MoveHome(TShiftState shift);
    void MoveEnd(TShiftState shift);

    // --- editing ---
    void InsertChar(char32_t ch);
    // Deletes the character at (x, y), or at the caret for (-1, -1); at a line's end the next line joins.
    void DeleteChar(int x, int y);
    void DeleteCharLeft();
    void DeleteWordLeft();
    void NewLine();
    std::string GetAutoIndent() const;
    void InsertTab(TShiftState shift);
    void BlockIndent(int fromLine, int toLine, int indent, bool allowUndo);
    // The line without its trailing blanks (unless a wrap continuation follows), recording the cut when
    // asked.
    std::string TrimmedLine(int line, bool addUndo);
    void DeleteLine();
    void Clear();
    void InsertTextAtXY(const std::string& value, int x, int y);
    // Lines first..first + oldCount - 1 become lines (lines past the end are appended); no undo record.
    void ReplaceLines(int first, int oldCount, const std::vector<std::string>& lines);

    // --- undo ---
    // The memo source's history while one is set.
    TVezUndoList* UndoList() const;
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    void ClearUndoList();
    int UndoLimit() const { return FUndoLimit; }
    void SetUndoLimit(int value);
    bool UndoLineByLine() const { return FUndoLineByLine; }
    void SetUndoLineByLine(bool value) { FUndoLineByLine = value; }
    TLineModifiedState GetModifiedStateInt(int index) const;
    void SetModifiedStateInt(int index, TLineModifiedState value);
    void ClearModified();
    bool Modified() const;
    void SetModified(bool value);
    bool LinesModified() const;

    // --- word wrap ---
    TWordWrapStyle WordWrap() const { return FWordWrap; }
    void SetWordWrap(TWordWrapStyle value);
    // Re-wraps the lines that changed since the last wrap, or every line when the wrap width changed.
    void UpdateWrap();
    void WrapLines();
    void UnwrapLines();
    bool IsWrappedLine(int index) const;
    void SetLineWrapped(int index, bool value);
    // The author's line that stored line index belongs to.
    int GetWrappedLineIndex(int index) const;
    // A row's place in the author's text, and back (the start of a continuation rather than the end of the
    // row before it).
    TAuthorPos AuthorPos(int x, int y) const;
    void RowPos(TAuthorPos pos, int& x, int& y) const;
    // Runs an undo or redo step on the unwrapped lines, where rows are the author's lines, and wraps them
    // again afterwards.
    void RunOnAuthorLines(const std::function<void()>& step);
    std::string WrappedText();
    int RightMargin() const { return FRightMargin; }
    void SetRightMargin(int value);
    // The number of characters a row holds; 0 or less wraps nothing.
    int WrapWidth() const;
    // Refreshing stops until EndUpdate, which wraps, refreshes and repaints (no nesting: the first EndUpdate
    // ends every BeginUpdate).
    void BeginUpdate();
    void EndUpdate();

    // --- view ---
    TCellSize CellSize() const { return FCellSize; }
    int TopLine() const { return FTopLine; }
    void SetTopLine(int value);
    int LeftCol() const { return FLeftCol; }
    void SetLeftCol(int value);
    int ActiveLine() const { return FActiveLine; }
    void SetActiveLine(int value);
    int VisiblePosCount() const { return GetVisibleCount(0); }
    int VisibleLineCount() const { return GetVisibleCount(1); }
    int GetVisibleCount(int index) const;
    TRect GetTextAreaRect() const;
    TRect CellRect(int col, int row) const;
    TRect LineRect(int visRow) const;
    void MouseToCursor(int x, int y, int& cursorX, int& cursorY);
    TFullPos CharFromPos(int x, int y);
    void MakeCursorVisible();
    void UpdateScrollBars(bool repaint);
    void UpdateLayout();
    void UpdateGutterHeight();
    void UpdateCaret(bool show);
    void ClearCachedStyles(int fromLine, int toLine);
    void InvalidateGutter();
    void InvalidateClient();
    // Paints again what the change being reported changed: the rows of a typed character when nothing
    // else moved, else the whole memo.
    void InvalidateChange();
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    TScrollMode ScrollMode() const { return FScrollMode; }
    void SetScrollMode(TScrollMode value) { FScrollMode = value; }
    bool ScrollHint() const { return FScrollHint; }
    void SetScrollHint(bool value) { FScrollHint = value; }
    TScrollBar* VertScrollBar() const { return sbVert; }
    TScrollBar* HorzScrollBar() const { return sbHorz; }
    bool HiddenCaret() const { return FHiddenCaret; }
    void SetHiddenCaret(bool value);
    bool CaretVisible() const { return FCaretVisible; }
    // The length of the longest line: the horizontal scroll range.
    int MaxLength() const { return FMaxLength; }
    void UpdateMaxLength();
    void MeasureCharCell(TObject* sender = nullptr);
    bool BoldLeavesTheCell() const;

    // --- rendering ---
    // Renders line lineIndex starting in style and leaves in style the state at the start of the next line.
    // Modes: 0 paints the row onto canvas through the line bitmap, 1 appends the line's HTML to Html, 2
    // and 3 paint it into rect (printing), 4 feeds the RTF builder, 5 adds an item list to MemoLines.
    // visibleRow is the line's display row with folding, -1 otherwise.
    void RenderLine(TCanvas* canvas, int lineIndex, TStyle& style, int mode, TRect rect, int visibleRow);
    // The state at the start of a line, as rendering every line from the first one leaves it.
    void GetStyleAtLine(TStyle& style, int lineIndex);
    bool GetCachedStyle(int lineIndex, TStyle& style) const;
    void SetCachedStyle(int lineIndex, const TStyle& style);
    void ClearAllCachedStyles();
    // True for a text that begins with a web, mail, news or file address prefix (OnIsURL has the last word).
    virtual bool WordIsURL(const std::string& s);
    // The runs of URL delimiters and of other characters in s (s whole without UrlAware).
    void SplitURLParts(const std::string& s, TStrings* list) const;
    bool IsURLAtPos(const std::string& s, int col);
    // The URL run under the caret column of s: OnURLClick gets it, or the shell opens a web or mail
    // address.
    void ClickURL(const std::string& s);
    TStringList* Html() const { return FHtml.get(); }
    TMemoLines* MemoLines() const { return FMemoLines.get(); }

    // --- HTML and RTF ---
    // Fills Html with the author's lines fromLine..toLine (-1: all) as coloured HTML; a fragment leaves out
    // the HTML and BODY elements, fixedFonts writes the font size.
    void BuildHTML(bool fixedFonts, int fromLine, int toLine, bool fragment);
    // The whole text as an HTML file (UTF-8 with its byte-order mark, CR LF line ends); false when it could
    // not be made or written.
    bool SaveToHTML(const std::string& fileName, bool fixedFonts);
    // Renders the author's lines fromLine..toLine (-1: all) into the RTF builder of a copy (none: nothing).
    void LinesToRTF(bool writeFontSize, int fromLine, int toLine);

    // --- block marks and formatting ---
    // 1-based column of word's first occurrence in text when it stands there as a whole word, else 0; pos
    // the column of that first occurrence.
    int FindWholeWord(const std::string& word, const std::string& text, int& pos) const;
    // The same for the first of the comma-separated alternatives in words that stands as a whole word;
    // words becomes that alternative.
    int FindBlockWord(std::string& words, const std::string& text, int& pos) const;
    // Mark the block end below the caret and the block start above it (line, column, length; -1: none).
    void SetBSMark(int line, int start, int length);
    void SetBEMark(int line, int start, int length);
    int BSMarkLine() const { return BSSelLine; }
    int BSMarkStart() const { return BSSelStart; }
    int BEMarkLine() const { return BESelLine; }
    int BEMarkStart() const { return BESelStart; }
    // The styler's reformatting of the whole text, when it formats text.
    void Format();

    // --- keys and mouse ---
    // One key (a virtual key from KeyDown) or one control character (from KeyPress, with no Shift).
    void KeyCommand(char32_t key, TShiftState shift);
    // Places the caret for a press (down) or a release of the pointer at (x, y).
    void PlaceCursorAt(int x, int y, bool down, TShiftState shift, TMouseButton button);
    // The memo's own DragMode (a drag of the selection starts from the memo's mouse handling).
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }

    // --- clipboard ---
    // Copies the selection in the formats of ClipboardFormats; an empty selection leaves the clipboard as
    // it is.
    virtual void CopyToClipBoard();
    // Copies the selection as text and deletes it (not in a read-only memo).
    virtual void CutToClipBoard();
    // Puts the clipboard's text in place of the selection (not in a read-only memo).
    virtual void PasteFromClipBoard();
    // The keys, the menu and WM_COPY, WM_CUT and WM_PASTE go through these: OnClipboardAction may refuse.
    virtual void DoClipboardCopy();
    virtual void DoClipboardCut();
    virtual void DoClipboardPaste();

    // --- word and token queries ---
    std::string WordAtXY(int x, int y) const;
    std::string FullWordAtXY(int x, int y) const;
    std::string TokenAtXY(int x, int y) const;
    std::string WordAtCursor();
    std::string WordAtCursorPos(int& pos);
    std::string FullWordAtCursor();
    std::string TokenAtCursor();
    std::string WordTillCursor();
    virtual bool IsDelimiter(char32_t ch) const;
    virtual bool IsTokenDelimiter(char32_t ch) const;
    // Where Ctrl+Left and Ctrl+Right stop: the first symbol style's characters, else the space alone.
    bool IsStylerDelimiter(char32_t ch) const;

    // --- appearance ---
    TFont* Font() const { return FFont.get(); }
    // Copies value; a font that is not of fixed pitch gives way to the fixed-pitch family of this system.
    void SetFont(const TFont* value);
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor value) { SetColorIndex(0, value); }
    TColor SelColor() const { return FSelColor; }
    void SetSelColor(TColor value) { SetColorIndex(1, value); }
    TColor SelBkColor() const { return FSelBkColor; }
    void SetSelBkColor(TColor value) { SetColorIndex(2, value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // The memo's own 3-D look of its border (it draws the border itself).
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    TColor BandColor() const { return FBandColor; }
    void SetBandColor(TColor value) { SetRepaintingValue(FBandColor, value); }
    TColor BlockColor() const { return FBlockColor; }
    void SetBlockColor(TColor value) { FBlockColor = value; }
    TColor BlockLineColor() const { return FBlockLineColor; }
    void SetBlockLineColor(TColor value) { FBlockLineColor = value; }
    bool BlockShow() const { return FBlockShow; }
    void SetBlockShow(bool value) { FBlockShow = value; }
    TColor BreakpointColor() const { return FBreakpointColor; }
    void SetBreakpointColor(TColor value) { SetRepaintingValue(FBreakpointColor, value); }
    TColor BreakpointTextColor() const { return FBreakpointTextColor; }
    void SetBreakpointTextColor(TColor value) { SetRepaintingValue(FBreakpointTextColor, value); }
    TColor RightMarginColor() const { return FRightMarginColor; }
    void SetRightMarginColor(TColor value) { SetRepaintingValue(FRightMarginColor, value); }
    bool ShowRightMargin() const { return FShowRightMargin; }
    void SetShowRightMargin(bool value) { StoreAndRepaint(FShowRightMargin, value); }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value) { SetTokenizerValue(FCaseSensitive, value); }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value) { SetRepaintingValue(FHideSelection, value); }
    bool HighlightCaseSensitive() const { return FHighLightCaseSensitive; }
    void SetHighlightCaseSensitive(bool value) { SetTokenizerValue(FHighLightCaseSensitive, value); }
    const std::string& HighlightText() const { return FHighlightText; }
    void SetHighlightText(const std::string& value) { SetTokenizerValue(FHighlightText, value); }
    bool UrlAware() const { return FUrlAware; }
    void SetUrlAware(bool value) { SetTokenizerValue(FUrlAware, value); }
    TCharStyle* UrlStyle() const { return FUrlStyle.get(); }
    void SetUrlStyle(const TCharStyle* value) { FUrlStyle->Assign(value); }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    // True takes the desktop scheme's gutter colours at once and again whenever the desktop changes.
    void SetAutoThemeAdapt(bool value);
    TBitmap* BookmarkGlyph() const { return FBookmarkBmp.get(); }
    void SetBookmarkGlyph(const TBitmap* value) { FBookmarkBmp->Assign(value); }
    TCustomImageList* ContextMenuImages() const { return FContextMenuImages; }
    TCursor MemoCursor() const { return Cursor(); }
    // The folding column left of the text (empty without folding).
    TRect GetFoldingColumnRect() const;
    // Sets the control's cursor and remembers it as the one to restore.
    void SetMemoCursor(TCursor value);

    // --- editing options ---
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    int TabSize() const { return FTabSize; }
    void SetTabSize(int value) { FTabSize = value; }
    bool AutoIndent() const { return FAutoIndent; }
    void SetAutoIndent(bool value) { FAutoIndent = value; }
    bool AutoExpand() const { return FAutoExpand; }
    void SetAutoExpand(bool value) { FAutoExpand = value; }
    bool SmartTabs() const { return FSmartTabs; }
    void SetSmartTabs(bool value) { StoreAndRepaint(FSmartTabs, value); }
    bool TrimTrailingSpaces() const { return FTrimTrailingSpaces; }
    void SetTrimTrailingSpaces(bool value) { StoreAndRepaint(FTrimTrailingSpaces, value); }
    bool EnhancedHomeKey() const { return FEnhancedHomeKey; }
    void SetEnhancedHomeKey(bool value) { StoreAndRepaint(FEnhancedHomeKey, value); }
    bool Overwrite() const { return FOverwrite; }
    void SetOverwrite(bool value) { FOverwrite = value; }
    bool WantTab() const { return FWantTab; }
    void SetWantTab(bool value) { FWantTab = value; }
    bool DelErase() const { return FDelErase; }
    void SetDelErase(bool value) { FDelErase = value; }
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value) { FCharCase = value; }
    TMemoClipboardFormats ClipboardFormats() const { return FClipboardFormats; }
    void SetClipboardFormats(TMemoClipboardFormats value) { FClipboardFormats = value; }
    bool OleDropSource() const { return FOleDropSource; }
    void SetOleDropSource(bool value) { FOleDropSource = value; }
    TOleDropTarget OleDropTarget() const { return FOleDropTarget; }
    // Registers the memo's drop target while the set is not empty (memo_drop_target.cpp).
    void SetOleDropTarget(TOleDropTarget value);
    bool AcceptFiles() const { return FAcceptFiles; }
    void SetAcceptFiles(bool value);
    bool AlwaysFocus() const { return FAlwaysFocus; }
    void SetAlwaysFocus(bool value) { FAlwaysFocus = value; }
    // The memo counts as focused when it has the focus or AlwaysFocus is set.
    bool MemoFocused() const;
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value);

    // --- drag and drop (memo_drop_target.cpp, memo_drag_source.cpp, memo_internal_drag.cpp) ---
    // Moves the drop mark to the cell under client point p (dsDragEnter, dsDragMove) or removes it
    // (dsDragLeave). The mark is painted with the rows.
    void DrawDropCaret(TPoint p, TDragState state);
    // The cell of the drop mark relative to the view; Y is -1 while no mark is shown.
    TCellPos DropMarkCell() const { return FDragPos; }
    // The document position (column, line) under a client point, the column rounded to the nearest cell
    // boundary.
    TPoint DropPosition(TPoint client);
    // The memo is running an OLE drag of its own selection.
    bool IsDragSource() const { return FIsDragSource; }
    void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) override;
    void DragDrop(TObject* source, int x, int y) override;
    void DoEndDrag(TObject* target, int x, int y) override;

    // --- gutter marks and appearance presets (memo_gutter*.cpp, memo_appearance.cpp) ---
    bool MarkerAtLine(int lineNo) const;
    bool HasMarkers() const;
    int MarkerCount() const;
    // False for a line without properties.
    bool GetBreakPoint(int index) const;
    bool GetExecutable(int index) const;
    // The lines that carry a bookmark.
    int BookmarkCount() const;
    // Whether the line carries a bookmark; index its number, -1 without one.
    bool GetBookmarkInfo(int line, int& index) const;
    // The gutter's and the border's colours of a preset (msCustom keeps them): a one-off assignment.
    void SetStyle(TVezMemoStyle style);
    void SetComponentStyle(TKRNStyle style) override;
    // The background tone colours the memo, the selected tone the gutter.
    void SetColorTones(const TColorTones& tones) override;
    // The program's own style, not the system's, gave the memo its colours at the last UpdateStyleColors.
    bool UsePlatformStyles() const { return FUsePlatformStyles; }

    // --- owned settings of the gutter, folding, completion, hints and printing ---
    TVezGutter* Gutter() const { return FGutter.get(); }
    void SetGutter(const TVezGutter* value) { FGutter->Assign(value); }
    TVezActiveLineSettings* ActiveLineSettings() const { return FActiveLineSettings.get(); }
    void SetActiveLineSettings(const TVezActiveLineSettings* value) { FActiveLineSettings->Assign(value); }
    TVezMarkerList* MarkerList() const { return FMarkerList.get(); }
    void SetMarkerList(const TVezMarkerList* value) { FMarkerList->Assign(value); }
    TCodeFolding* CodeFolding() const { return FCodeFolding.get(); }
    void SetCodeFolding(const TCodeFolding* value) { FCodeFolding->Assign(value); }
    TAutoCompletion* AutoCompletion() const { return FAutoCompletion.get(); }
    void SetAutoCompletion(const TAutoCompletion* value) { FAutoCompletion->Assign(value); }
    TCustomImageList* AutoCompletionListImages() const { return FAutoCompletionListImages; }
    void SetAutoCompletionListImages(TCustomImageList* value) { FAutoCompletionListImages = value; }
    TAutoCorrect* AutoCorrect() const { return FAutoCorrect.get(); }
    void SetAutoCorrect(const TAutoCorrect* value) { FAutoCorrect->Assign(value); }
    TPrintOptions* PrintOptions() const { return FPrintOptions.get(); }
    void SetPrintOptions(const TPrintOptions* value) { FPrintOptions->Assign(value); }
    TVezStylerList* StylerList() const { return FStylerList; }
    TVezHintForm* HintForm() const { return FHintForm; }
    TAutoHintParameters AutoHintParameters() const { return FAutoHintParameters; }
    void SetAutoHintParameters(TAutoHintParameters value);
    TAutoHintParameterPosition AutoHintParameterPosition() const { return FAutoHintParameterPos; }
    void SetAutoHintParameterPosition(TAutoHintParameterPosition value) { FAutoHintParameterPos = value; }
    int AutoHintParameterDelay() const { return FAutoHintParameterDelay; }
    void SetAutoHintParameterDelay(int value);
    TTimer* HintTimer() const { return Timer.get(); }
    TTimer* AutoCompleteTimer() const { return FAutoCompleteTimer.get(); }
    TUILanguage* UILanguage() const { return FUILanguage.get(); }
    void SetUILanguage(const TUILanguage* value) { FUILanguage->Assign(value); }
    TIntList* BookmarkList() const { return FBookmarkList.get(); }
    float DPIScale() const { return FDPIScale; }

    // --- code folding (memo_folding*.cpp) ---
    // Rebuilds every region from the region rules of the styler in use; nothing while folding is off.
    void AutoCodeFold();
    // Adds the region startLineIndex..endLineIndex; false for lines outside the text, an empty or inverted
    // range, or a start line that is a node already.
    bool AddCodeFolding(int startLineIndex, int endLineIndex);
    void RemoveCodeFolding(int startLineIndex);
    void RemoveAllCodeFolding();
    // The line starts a region.
    bool IsNode(int lineIndex) const;
    // The node is open; true for any line that is not a node.
    bool GetExpandNode(int index) const;
    // Opens or closes a node; a caret that the closed region hides goes to the node's row.
    void SetExpandNode(int index, bool value);
    void ToggleNode(int lineIndex);
    // Rows of the view to lines and back: a collapsed node keeps its row and hides the rest of its region.
    int VisIndexToLineIndex(int index) const;
    int LineIndexToVisIndex(int index) const;
    // The end line of the region that starts at a node; -1 for other lines or a region that never closes.
    int GetNodeEndLine(int lineIndex) const;
    // The text a collapsed node shows when its rule shows comments: the line's indent and its words after
    // the region word, in brackets.
    bool GetNodeCaption(int lineIndex, int& ruleIndex, std::string& caption) const;
    bool NodeHasCaption(int line) const;
    int CodeFoldingNodeCount() const { return FCodeFoldingNodeCount; }

    // --- version ---
    virtual int GetVersionNr() const { return 0x03060000; }
    virtual std::string GetVersionString() const;
    std::string Version() const;
    void SetVersion(const std::string&) {} // the version cannot be set

    // --- copying and messages ---
    // From another memo only: its settings in a fixed order (not the styler, the selection colour or the
    // events); any other source does nothing.
    void Assign(const TPersistent* source) override;
    void WndProc(TMessage& message) override;
    // The line list's change handler.
    void LinesChanged(TObject* sender);

    // --- events ---
    TNotifyEvent OnChange;
    TNotifyEvent OnSave;
    TNotifyEvent OnStatusChange;
    TNotifyEvent OnSelectionChange;
    TNotifyEvent OnCursorChange;
    TNotifyEvent OnTopLeftChanged;
    TMemoColumnChangeEvent OnColumnChange;
    TMemoActiveLineChangeEvent OnActiveLineChange;
    TUndoChangeEvent OnUndoChange;
    TGutterClickEvent OnGutterClick;
    TGutterClickEvent OnGutterRightClick;
    TGutterClickEvent OnGutterDblClick;
    TGutterDrawEvent OnGutterDraw;
    TVezMemoScrollHintEvent OnScrollHint;
    TMemoFileNameChangeEvent OnFileNameChange;
    TMemoLineBkColorEvent OnLineBkColor;
    TMemoClipboardEvent OnClipboardAction;
    TOleDropTextEvent OnOleDropText;
    TOleDropFileEvent OnOleDropFile;
    TOleTextDraggedEvent OnOleTextDragged;
    TCustomizeContextMenuEvent OnCustomizeContextMenu;
    TCustomContextMenuClickEvent OnCustomContextMenuClick;
    TWordIsURLEvent OnIsURL;
    TURLClick OnURLClick;
    TNotifyEvent OnFind;
    TNotifyEvent OnReplace;
    TAllowEvent OnOverwriteToggle;
    TMemoWordEvent OnWordComplete;
    TVezMemoFileDropEvent OnFileDrop;
    TCodeFoldEvent OnCodeFold;
    TMemoGetCompletionListEvent OnGetAutoCompletionList;
    TMemoGetCompletionListIndexEvent OnGetAutoCompletionListIndex;
    TMemoInsertCompletionEntryEvent OnInsertAutoCompletionEntry;
    TMemoGetParameterHintEvent OnGetParameterHint;

    // --- completion list, parameter hints and hover hints ---
    // Opens the list of the entries for the token at the caret.
    void ShowAutoCompletion();
    // Filters the open list: the entries gathered when it opened whose name holds token.
    virtual void UpdateAutoCompletion(const std::string& token);
    // The chosen entry replaces the word at the caret; with addParens a routine gets "()", the caret between.
    void InsertAutoCompletion(bool addParens);
    void HideAutoCompletion();
    // The open list's window and list (nullptr while closed).
    TVezAutoform* CompletionForm() const { return FormAutoCompletion; }
    TAutoCompletionListBox* CompletionList() const { return FListCompletion; }
    // Shows, moves or hides the parameter hint of the call around the caret.
    void ShowParameterHint();
    // Works out the hint's parts for the call around the caret; false when no hint applies.
    bool UpdateParameterHint();
    void HideParameterHint();
    // Searches text back from column pos for the call's opening character: answers its 1-based position
    // less one (0 when none), -1 after a closing character or five blanks or qualifiers in a row; name is
    // the routine written before it, paramIndex the number of argument separators passed.
    int FindParameterStart(const std::string& text, int pos, std::string& name, int& paramIndex) const;
    // s upper-cased (a to z only) unless the memo is case-sensitive.
    std::string CaseText(const std::string& s) const;
    TBeforeCompletionEvent OnBeforeAutoCompletion;
    TNotifyEvent OnStartAutoCompletion;
    TNotifyEvent OnAutoCompletion;
    TNotifyEvent OnCancelAutoCompletion;
    TMemoRetrievedParameterHintEvent OnRetrievedParameterHint;
    TMemoHintEvent OnHintForWord;
    TMemoHintEvent OnHintForToken;
    TGutterHintEvent OnHintForGutter;

    // --- memo source and checker ---
    // The document shown instead of the memo's own lines (nullptr: the memo's own); see TVezMemoSource.
    TVezMemoSource* MemoSource() const { return FMemoSource; }
    void SetMemoSource(TVezMemoSource* value);
    TVezMemoChecker* MemoChecker() const { return FMemoChecker; }
    // A checker without a memo gets this one.
    void SetMemoChecker(TVezMemoChecker* value);
    void GetSavePos(TVezMemoSavePos& pos) const;
    // Puts the view back as it was saved (no setters, no events).
    void SetSavePos(const TVezMemoSavePos& pos);

    // --- event hooks a descendant may override ---
    virtual void DoChange();
    virtual void DoSelectionChange();
    virtual void DoStatusChange();
    virtual void DoCursorChange();
    virtual void DoColumnChange(int curX);
    virtual void DoActiveLineChange(int curY);
    virtual void DoUndoChange();
    virtual void DoSave();
    virtual void DoFind();
    virtual void DoReplace();
    virtual void DoGutterClick(int lineNo);
    virtual void DoLineBkColor(int lineNo, TColor& bkColor);
    virtual void DoClipboardAction(TClipboardAction action, bool& allow);
    virtual void DoOleDropText(int x, int y, std::string& text);
    virtual void DoOleDropFile(int x, int y, const std::string& fileName);
    virtual void DoOleTextDragged(const std::string& text, bool copyText);
    virtual void DoCustomizeContextMenu(int curX, int curY, TPopupMenu* contextMenu);
    virtual void DoCustomContextMenuClick(TMenuItem* menuItem);
    virtual void DoIsURL(const std::string& word, bool& isUrl);
    virtual void DoGetAutoCompletionList(const std::string& token, TStringList* list);
    virtual void DoGetAutoCompletionListIndex(const std::string& token, TStringList* list, int& index);
    virtual void DoGetParameterHint(const std::string& token, std::string& parameterHint, bool& handled);
    virtual void DoInsertAutoCompletionEntry(std::string& entry);
    // Lets a descendant name the call around the caret (custom), and whether it holds one (valid).
    virtual void DoRetrieveParameterHint(std::string&, int&, bool&, bool&) {}
    virtual bool IsCompletionStartKey(char32_t key) const;
    virtual bool ContainsCompletionStart(const std::string& s) const;
    // A typed character after which the parameter hint shows; none in this class.
    virtual bool IsHintStartKey(char32_t) const { return false; }
    virtual bool IsCompletionWordChar(char32_t ch) const;
    virtual bool IsCompletionAcceptChar(char32_t) const { return false; }
    virtual std::string MemoLineBreak() const { return ActiveLines()->LineBreak(); }
    // Gates editing; true in this class.
    virtual bool CanEdit() { return true; }
    // Runs after each editing operation; nothing in this class.
    virtual void AfterEdit() {}

    // The memo's own reaction to a gutter click: the caret goes to the line, the selection collapses there.
    void GutterClickGotoLine(TObject* sender, int lineNo);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void Resize() override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void Paint() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

    // --- hooks into the memo's later features: they do nothing yet ---
    // Code folding (memo_folding_nodes.cpp): the line store's delete removes the region that ends at a
    // line; the settings report their changes here (2: Enabled, which rebuilds the regions).
    void RemoveCodeFoldingAtEnd(int endLineIndex);
    void CodeFoldingChanged(TObject* sender, int changeMsg);
    // Gutter marks and markers.
    void ClearLineErrors(int lineNo);
    // The gutter's own painting (memo_gutter_painting.cpp).
    virtual void PaintGutterStrip(TCanvas& canvas);
    // The row of line lineNo (an author's line) in the gutter, as TVezMemo's OnGutterDraw draws it.
    void PaintGutterLine(TCanvas& canvas, int lineNo, TRect rect);
    // Dragging the selection away (memo_internal_drag.cpp).
    virtual void BeginSelectionDrag();
    // The completion list is showing.
    bool CompletionListShowing() const;
    // Block marks around the cursor.
    virtual void MarkMatchingBlocks();
    // Theme colours (memo_appearance.cpp): the active style's colours, or with forceDefaults the system's
    // when the system style is active; the desktop scheme's gutter colours, without painting.
    virtual void UpdateStyleColors(bool forceDefaults);
    virtual void AdaptGutterToTheme();

    TFont* CanvasFont() const { return Canvas()->Font(); }

private:
    // Wraps the rows changed since the last wrap again (all of them when the width changed); answers whether
    // the rows changed.
    bool RewrapChangedRows();
    friend class TVezMemoStrings;
    friend class TUndo;
    friend class TVezUndoList;
    friend class TVezGutter;
    friend class TVezActiveLineSettings;
    friend class TMemoWrapper;

    // construction
    void CreateOwnedObjects();
    void CreateScrollBars();
    void LoadImages();
    void SetColorIndex(int index, TColor value);
    template <typename T> void SetRepaintingValue(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }
    // A value the tokeniser reads: the runs and line states are made again with it.
    template <typename T> void SetTokenizerValue(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        StylesChanged();
    }
    template <typename T> void StoreAndRepaint(T& field, const T& value)
    {
        field = value;
        Invalidate();
    }
    void PlaceGutter();
    void AssignSettings(const TVezCustomMemo& source);
    // caret
    void ApplyCursorUpdate();
    void AddEmptyLineSilently();
    int LineLengthAt(int line) const;
    TLineText LineAt(int line) const;
    void PutLine(int line, const TLineText& text);
    void WordLeft();
    void WordRight();
    bool ExtendsSelection(TShiftState shift) const;
    void FinishMove(bool extend);
    int PreviousIndentColumn(int column, int line) const;
    TLineText SmartTabPad(int column, int line) const;
    TLineText ParagraphAbove(int& line) const;
    // editing helpers
    TLineText TailFrom(const TLineText& s, int column, int line) const;
    bool ReplaceLineRecorded(int line, const TLineText& text);
    void SmartBackspace();
    // Removes a line with what hangs on it (folding marks, its marker, bookmarks below move up); no undo.
    void RemoveLine(int line);
    // selection helpers
    void OrderedSelection(int& x1, int& y1, int& x2, int& y2) const;
    std::string BlockSelectionText() const;
    bool DeleteBlockSelection();
    bool DeleteTextSelection();
    void InsertBlockText(const std::string& normalised);
    void InsertMultiLineText(const std::string& value, const std::string& normalised, int x1, int y1,
                             bool linked);
    void InsertSingleLineText(const std::string& value, const std::string& text, int x1, int y1, bool linked);
    // view helpers
    void PlaceVertScrollBar(const TRect& text);
    void PlaceHorzScrollBar(const TRect& text);
    void ScrollBarScroll(TObject* sender, TScrollCode scrollCode, int& scrollPos);
    void VertScrollBarChange(TObject* sender);
    void HorzScrollBarChange(TObject* sender);
    void ApplyScrollDelta(TScrollBar* bar, int delta);
    void ShowScrollHint(int scrollPos);
    bool VertBarWanted() const { return FScrollBars == ssVertical || FScrollBars == ssBoth; }
    bool HorzBarWanted() const { return FScrollBars == ssHorizontal || FScrollBars == ssBoth; }
    int LastRow() const;
    void FireTopLeftChanged();
    // author's lines
    struct TAuthorLinesBefore
    {
        int First = 0;
        std::vector<std::string> Lines;
        int LinesBelow = 0; // the author's lines after them, which the edit leaves as they are
    };
    int ParagraphStart(int row) const;
    // The row an author's line starts in; the row count past the last one.
    int AuthorLineRow(int authorLine) const;
    // The author's line that starts in row.
    std::string AuthorLineText(int row) const;
    int AuthorLineCount() const;
    // The author's lines the rows firstRow..lastRow belong to, before an edit of those rows...
    TAuthorLinesBefore CaptureAuthorLines(int firstRow, int lastRow) const;
    // ...and the record of what the edit made of them.
    void RecordAuthorLinesChange(const TAuthorLinesBefore& before, TAuthorPos caretBefore);
    // rendering: the line being rendered, as RenderLine sets it up for the outputs of its runs
    struct TLineRender
    {
        int LineIndex = 0;
        int Mode = 0;
        TCanvas* Canvas = nullptr; // where runs are drawn: the line bitmap's canvas or the caller's
        TCanvas* Target = nullptr; // the caller's canvas
        TRect TextArea;            // T
        TRect Row;                 // the row on the caller's canvas
        TRect Place;            // where the row goes on the caller's canvas (the row, or the print rectangle)
        TRect Token;            // K: its left edge is where the next run is drawn
        int Column = 0;         // of the next run's first character in the line
        TColor LineBk = clNone; // the line's own background (band colour, OnLineBkColor)
        int CharWidth = 0;      // the advance of a character
        int SelX1 = 0, SelY1 = 0, SelX2 = 0, SelY2 = 0; // the selection, in order
    };
    // The colours and font style of a run.
    struct TRunLook
    {
        TColor Text;
        TFontStyles Style;
        TColor Back;
    };
    bool Painting() const { return FRender.Mode == 0 || FRender.Mode == 2 || FRender.Mode == 3; }
    void SetUpLineRender(TCanvas* canvas, int lineIndex, int mode, const TRect& rect, int visibleRow);
    TLineText RenderedText(int lineIndex) const;
    void DrawPrintLineNumber();
    // The run's look: painting adds the highlight, the line's background, the active and breakpoint lines;
    // keepNone leaves an element's background clNone (the item list) instead of taking BkColor.
    TRunLook RunLook(const TStyle& style, bool painting, bool keepNone) const;
    void ApplyElementStyle(TRunLook& look, int index, bool keepNone) const;
    bool IsBreakpointLine(int line) const;
    bool IsActiveLineShown(int line) const;
    void EmitToken(const TLineText& text, const TStyle& style);
    void PaintRun(const TLineText& text, const TStyle& style);
    void SplitBySelection(const TLineText& text, int column, TLineText& before, TLineText& sel,
                          TLineText& after) const;
    // Fills a part of a run in the brush colour and draws its text over it; x moves past it.
    void PaintRunPart(const TLineText& part);
    void DrawTokenText(const TLineText& text, const TRect& rect);
    // The right margin's line across a row part from x; next is where what follows the part starts.
    void DrawLineMargin(int x, int next);
    void PaintLineTail();
    void DrawLineMarks(TCanvas& canvas);
    void EmitHTMLToken(const TLineText& text, const TStyle& style);
    void EmitRTFToken(const TLineText& text, const TStyle& style);
    void EmitPartItem(const TLineText& text, const TStyle& style);
    // keys
    void KeyDownCommand(uint16_t key, TShiftState shift);
    void CtrlLetter(uint16_t key, TShiftState shift);
    void ScrollLineKey(int direction);
    void TabKey(TShiftState shift);
    bool NavigationCommand(char32_t key, TShiftState shift);
    void HomeEndKey(char32_t key, TShiftState shift);
    void EditingCommand(char32_t key, TShiftState shift);
    bool HasSelection() const;
    void PadCaretLine();
    void BackspaceKey(TShiftState shift);
    void DeleteKey(TShiftState shift);
    void ToggleOverwrite();
    void WordEnd(char32_t key);
    void ReplaceWordLeftOfCaret(const std::string& word, const std::string& replacement);
    void TypeCharacter(char32_t key);
    // What a typed character may leave as it was: the view, the row count and the state the lines below
    // the caret's author line start in.
    struct TTypingView
    {
        int TopLine;
        int LeftCol;
        int Rows;
        int FirstRow;
        int LastRow;
        std::optional<TStyle> Below;
    };
    std::optional<TTypingView> CaptureTypingView();
    // The rows a typed character changed, when it changed nothing else; none when the memo must be painted
    // again as a whole.
    std::optional<std::pair<int, int>> RetypedRows(const TTypingView& before);
    void AuthorLineRows(int row, int& first, int& last) const;
    // Invalidates the rows of lines first..last (last INT_MAX: down to the end of the view) where the window
    // shows them now, which is where the view was last scrolled to.
    void InvalidateRows(int first, int last);
    // The rows a change of the lines repaints, when it repaints no more than them (see LinesChanged).
    std::optional<std::pair<int, int>> RepaintableRows(TObject* sender);
    // Rows are lines: no folded region hides any.
    bool RowsAreLines() const;
    // The top line moved: the pixels follow when the message loop next turns (SettleView), so that a view
    // that moves and comes back before then costs nothing, and one that moved scrolls what stays in view.
    void TopLineMoved();
    void SettleView();
    void ScrollTextRows(int rows);
    static constexpr uint32_t WM_SETTLEVIEW = WM_USER + 2;
    void CheckCompletionTrigger(char32_t key);
    // completion list and parameter hints
    // Posted after a character for which IsHintStartKey holds.
    static constexpr uint32_t WM_SHOWPARAMETERHINT = WM_USER + 1;
    void ConnectPopupHandlers();
    void AutoCompleteTimerTimer();
    void CompletionShortcut();
    bool StylerCompletionInUse() const;
    void GatherCompletionEntries(const std::string& token);
    TPoint CaretCellForPopups() const;
    TPoint CompletionListOrigin() const;
    void OpenCompletionWindow(TPoint origin);
    int CompletionListWidth() const;
    void SelectCompletionItem(int index);
    std::pair<int, int> CompletionReplaceRange() const;
    void CreateAutoCompletionForm();
    // The list's share of the memo's keys while it shows; true when the key was the list's.
    bool CompletionKeyDown(uint16_t key, TShiftState shift);
    void CompletionKeyPress(char32_t key);
    void CompletionBackspace();
    void FilterCompletionByTypedWord();
    // The memo lost the focus or was clicked: an open list closes as cancelled.
    void CompletionDeactivate();
    std::string ParameterEntryFor(std::string name) const;
    void HintTimerTimer();
    void HintFormMouseUp();
    void CMHintShow(TMessage& message);
    bool AskHoverHint(const TMemoHintEvent& handler, int x, int y, const std::string& value, THintInfo& info,
                      bool& show);
    TVezAutoform* FormAutoCompletion = nullptr; // owned by the memo while open, released when it closes
    TAutoCompletionListBox* FListCompletion = nullptr;
    bool FAutoCompleteDot = false; // the list opened after a start character...
    TPoint FDotPoint;              // ...and this (column, line) follows that character
    // memo source and checker
    friend class TVezMemoSource;
    friend class TVezMemoChecker;
    void AttachSource();
    void ExpandSourceTabs();
    void DetachMemoSource();
    void SourceNotification(TComponent* component, TOperation operation);
    void LinkStylerStyles(TVezCustomMemoStyler* styler, bool link);
    void RunChecker(char32_t key);
    void CorrectWordBeforeCaret(TVezMemoChecker& checker);
    TVezMemoSource* FMemoSource = nullptr;
    TVezMemoChecker* FMemoChecker = nullptr;
    // mouse and messages
    bool InGutter(int x, int y) const;
    void FoldingStripClick(int line, int oldTop);
    void UpdatePointerShape(int column, int line);
    void DragSelect(int col, int row);
    bool OwnMessage(TMessage& message);
    void AfterMessage(TMessage& message);
    bool WMSetCursor(TMessage& message);
    void WMSetFocus();
    void WMKillFocus(TMessage& message);
    void WMLButtonDblClk(TMessage& message);
    void WMDropFiles(TMessage& message);
    bool WMContextMenu(TMessage& message);
    void ShowBuiltInMenu(int curX, int curY, TPoint screen);
    void ContextMenuClick(TObject* sender);
    // block marks
    struct TBlockWordAt
    {
        int Column;
        int Length;
        bool Start; // a block start, else a block end
    };
    std::vector<TBlockWordAt> BlockWordsOf(const TLineText& line, const std::vector<TLineText>& starts,
                                           const std::vector<TLineText>& ends) const;
    bool LineHoldsComment(const TLineText& line) const;
    void InvalidateLineRow(int line);
    void MoveMark(int& oldLine, int line);
    // HTML and RTF
    std::vector<TLineText> AuthorLineTexts() const;
    void WriteHTML(const std::vector<TLineText>& lines, bool fixedFonts, int fromLine, int toLine,
                   bool fragment);
    void WriteRTF(const std::vector<TLineText>& lines, int fromLine, int toLine);
    void SetRTFFontStyle(TFontStyles styles);
    // While it lives, rendering reads these lines instead of the store's, without the selection's marks:
    // the HTML and RTF of a text that is not (or not so) in the store.
    class TRenderSource
    {
    public:
        TRenderSource(TVezCustomMemo& memo, const std::vector<TLineText>& lines)
            : memo_(memo), previous_(memo.FRenderSource)
        {
            memo.FRenderSource = &lines;
        }
        ~TRenderSource() { memo_.FRenderSource = previous_; }
        TRenderSource(const TRenderSource&) = delete;
        TRenderSource& operator=(const TRenderSource&) = delete;

    private:
        TVezCustomMemo& memo_;
        const std::vector<TLineText>* previous_;
    };
    int RenderLineCount() const;
    // Renders lines fromLine..toLine of lines (fromLine -1: all) in mode, the state carried from line to
    // line; lineStart and lineEnd run around each line.
    void RenderLines(const std::vector<TLineText>& lines, int fromLine, int toLine, int mode,
                     const std::function<void()>& lineStart, const std::function<void()>& lineEnd);
    // urls
    // The URL run of s at column col; empty when none covers it.
    std::string URLAtColumn(const std::string& s, int col);
    // The first character of the styler's Literal, 0 without a styler in use.
    char32_t LiteralChar() const;
    // line states
    // What the tokeniser works with now; line states computed under other settings are dropped.
    const TTokenizerSettings& TokenizerSettings();
    // The start states of lines from first on may be wrong (lines before them changed); the states of the
    // lines up to lastTouched were changed directly, those after only when the change carries on.
    void LineStatesStale(int first, int lastTouched);
    // The lines that were numbered from on moved by delta (lines were inserted or removed before them).
    void LineStatesMoved(int from, int delta);
    // The start state of line (below the line count), computed from the nearest trusted state above.
    TStyle LineStartState(int line);
    // Brings the start states of every line up to date: run after the lines changed.
    void ValidateLineStates();
    // word queries
    std::string RunAround(const TLineText& line, int x,
                          bool (TVezCustomMemo::*isBreak)(char32_t) const) const;
    std::string WordAt(int x, int y, bool (TVezCustomMemo::*isBreak)(char32_t) const) const;
    std::string WordAtTheCursor(bool (TVezCustomMemo::*isBreak)(char32_t) const, int* pos);
    bool IsSpace(char32_t ch) const { return ch == U' '; }
    bool IsFullWordBreak(char32_t ch) const;
    bool IsCursorTokenBreak(char32_t ch) const;
    // modified state
    void MarkLinesSaved();
    void ResetLinesModified();
    void DetachLinesChange();
    void AttachLinesChange();
    // painting
    void UpdateLineBitmap();
    void PaintGutter();
    void PaintRows(TCanvas& canvas, const TRect& text);
    void PaintRightMargin(TCanvas& canvas, const TRect& text);
    void PaintBorder(TCanvas& canvas);
    // drag and drop
    void RegisterOleDropTarget();
    void DragSelectionOut();
    void DropSelectionAt(int x, int y);
    void LinkNewestUndo();
    void InvalidateDropMark();
    void PaintDropMark(TCanvas& canvas);
    TRect DropMarkRect() const;
    bool FIsDragSource = false;          // an OLE drag of the selection runs
    bool FOleDropTargetAssigned = false; // the drop target's registration succeeded
    TCellPos FDragPos{0, -1};            // the drop mark's cell; Y -1: no mark
    // gutter and themes
    bool FUsePlatformStyles = false; // the program's own style gave the colours: the last row is not cut

    // code folding
    bool AddRegionMarks(int start, int end);
    // A collapsed node drawn as its caption.
    bool ShowsNodeCaption(int line) const;
    // Emits the caption of a collapsed node in place of its line's text; false when the line has none.
    bool RenderCollapsedCaption(const TStyle& style);
    void DrawCollapsedNodeBox(TCanvas& canvas);
    void PaintFoldingStrip(TCanvas& canvas);
    void DrawFoldingMarks(TCanvas& canvas, int line, int row, int& depth);
    void DrawNodeBox(TCanvas& canvas, const TRect& place, bool expanded);
    // A double click at a line's end or on a delimiter opens the line's node.
    void DoubleClickBesideWord();
    bool FCollapsedCaption = false; // the line being rendered shows its node's caption

    // --- fields ---
    TComponent* FOwner;
    std::string FVersion;
    bool FUseStyler = true;
    TVezCustomMemoStyler* FInternalStyles = nullptr;
    bool FCaseSensitive = false;
    TBorderStyle FBorderStyle = bsSingle;
    bool FAutoIndent = true;
    int FMargin = 2;
    bool FHiddenCaret = false;
    bool FCaretVisible = false;
    TCellSize FCellSize;
    int FCurX = 0;
    int FCurY = 0;
    int FbackupTopLine = -1; // first visible line whose start style the painter cached
    int FLeftCol = 0;
    int FTopLine = 0;
    int FTabSize = 4;
    std::unique_ptr<TFont> FFont;
    TColor FBkColor = clWhite;
    TColor FSelColor = clWhite;
    TColor FSelBkColor = clNavy;
    bool FReadOnly = false;
    bool FDelErase = false;
    bool FShowRightMargin = true;
    bool FSmartTabs = false;
    bool FEnhancedHomeKey = false;
    std::unique_ptr<TVezMemoStrings> FLines;
    int FSelStartX = 0;
    int FSelStartY = 0;
    int FSelEndX = 0;
    int FSelEndY = 0;
    int FPrevSelX = 0;
    int FPrevSelY = 0;
    TScrollStyle FScrollBars = ssBoth;
    std::unique_ptr<TVezActiveLineSettings> FActiveLineSettings;
    std::unique_ptr<TVezGutter> FGutter;
    TScrollBar* sbVert = nullptr; // owned and parented by the memo
    TScrollBar* sbHorz = nullptr;
    std::unique_ptr<TBitmap> FLineBitmap;
    TFullPos FSelCharPos{-1, -1};
    TEditCharCase FCharCase = ecNormal;
    TScrollMode FScrollMode = smAuto;
    std::unique_ptr<TVezUndoList> FUndoList;
    int FUndoLimit = 100;
    bool FUndoLineByLine = false;
    TStyle FBackupTopStyle;
    // The rows of the change being reported, when only they changed (see InvalidateChange).
    std::optional<std::pair<int, int>> FChangedRows;
    std::string FUrlDelimiters = " ";
    std::unique_ptr<TTimer> Timer; // the parameter-hint timer
    TVezHintForm* FHintForm = nullptr;
    TAutoHintParameters FAutoHintParameters = AutoHint::hpAuto;
    std::unique_ptr<TCharStyle> FUrlStyle;
    bool FUrlAware = true;
    int FActiveLine = -1;
    bool FCtl3D = false;
    TCursor FOldCursor = crIBeam;
    std::unique_ptr<TStringList> FHtml;
    std::string Htmlfont; // the FONT span open in the HTML output
    int FMaxLength = 0;
    bool FLetShowAutoCompletion = true;
    std::unique_ptr<TAutoCompletion> FAutoCompletion;
    std::unique_ptr<TVezMarkerList> FMarkerList;
    TVezStylerList* FStylerList = nullptr;
    TCustomImageList* FAutoCompletionListImages = nullptr;
    TImageList* FContextMenuImages = nullptr;
    bool FAutoThemeAdapt = false;
    // Bold letters of the font are wider than the cell: bold runs are then painted plain.
    mutable bool FNoRealFixedWidth = false;
    mutable bool FBoldWidthMeasured = false;
    bool FOleDropSource = false;
    TOleDropTarget FOleDropTarget;
    std::unique_ptr<TPrintOptions> FPrintOptions;
    TAutoHintParameterPosition FAutoHintParameterPos = hpBelowCode;
    bool FTrimTrailingSpaces = false;
    int FCaretX = 0;
    int FCaretY = 0;
    int BSSelLine = -1;
    int BSSelStart = -1;
    int BSSelLen = -1;
    int BSOldSelLine = -1;
    int BESelLine = -1;
    int BESelStart = -1;
    int BESelLen = -1;
    int BEOldSelLine = -1;
    bool FBlockShow = true;
    TColor FBlockColor = clAqua;
    TColor FBlockLineColor = clNone;
    bool FOverwrite = false;
    bool FWantTab = true;
    bool FHideSelection = false;
    std::unique_ptr<TAutoCorrect> FAutoCorrect;
    int FAutoHintParameterDelay = 2500;
    std::unique_ptr<TBitmap> FBookmarkBmp;
    std::unique_ptr<TIntList> FBookmarkList;
    bool FAutoExpand = true;
    std::unique_ptr<TTimer> FAutoCompleteTimer;
    std::unique_ptr<TStringList> FAutoCompleteList;
    bool FAllowAutoHint = false;
    std::unique_ptr<TIntList> FWWList;
    std::string FCachedDelimiters;
    int FRightMargin = 80;
    TColor FRightMarginColor = 0xE2E2E2;
    TColor FBreakpointColor = clRed;
    TColor FBreakpointTextColor = clWhite;
    bool FAcceptFiles = false;
    TWordWrapStyle FWordWrap = wwNone;
    bool FScrollHint = false;
    THintWindow* FScrollHintWindow = nullptr;
    std::unique_ptr<TCodeFolding> FCodeFolding;
    bool FCursorChangedTrigered = false;
    bool FShouldCheckCodeFolding = false;
    int FCodeFoldingNodeCount = 0;
    TColor FBorderColor = clGray;
    bool FClearType = true;
    bool FDisableChange = false; // OnChange does not fire (the memo adds its own empty line)
    TMemoClipboardFormats FClipboardFormats{cfText};
    TColor FBandColor = clNone;
    bool FSelChange = false;
    bool FSelectSingleLine = false;
    std::unique_ptr<TUILanguage> FUILanguage;
    TRect FBlockSelection;
    TSelectionMode FSelectionMode = smText;
    std::string FHighlightText;
    bool FHighLightCaseSensitive = true;
    float FDPIScale = 1.0f;
    std::string FFileName;
    bool FAlwaysFocus = false;
    bool FLetRefresh = true;      // false while an operation is in the middle of changing lines
    bool FLetCursorUpdate = true; // the caret setters scroll, update the bars and show the caret
    bool FKeepLineBlanks = false; // the line the caret leaves keeps its trailing blanks
    // The tokeniser's settings as the last paint, export or scan took them.
    std::unique_ptr<TTokenizerSettings> FTokenizerSettings;
    std::u32string FTokenizerSignature;
    std::string FTempdelimiters;
    TLineRender FRender;
    const std::vector<TLineText>* FRenderSource = nullptr;
    std::string FHtmlLine;                  // the HTML of the line being rendered, until the line ends
    std::unique_ptr<TRTFEngine> FRTFEngine; // only while a copy builds its RTF
    std::unique_ptr<TMemoLines> FMemoLines;
    TDragMode FDragMode = dmAutomatic;
    bool FLeftButtonDown = false; // the left button went down outside the selection: dragging selects
    bool FSelButtonDown = false;  // the left button went down inside the selection: a move drags it
    bool FSelClick = false;       // a press has just placed the caret: the next move is ignored
    bool FSelDrag = false;        // a drag of the selection was started
    // The cell of a left press on a line, until the pointer moves to another cell: its release is a click.
    std::optional<TPoint> FURLPress;
    TPopupMenu* FStdMenu = nullptr; // the built-in context menu, made again for every request
    unsigned FCaretTime = 0;        // the blink time when a key went down
    // The cached start states of lines before FStatesStaleFrom are right; from there on they are checked
    // again, and past FStatesStaleTo a state that matches ends the check.
    int FStatesStaleFrom = 0;
    int FStatesStaleTo = 0;
    // The last line whose stored start state a check rewrote with another state (-1: none).
    int FStatesRewrittenTo = -1;
    // The top line of what the window shows: FTopLine once the view settled.
    int FScreenTopLine = 0;
    bool FConstructing = true;
    // The width the lines were last wrapped to (0: not wrapped).
    int FWrapWidth = 0;
    // Re-wrapping after the vertical bar came or went is running (it can cause one more, no further).
    int FRewrapDepth = 0;
    bool FWrapping = false; // a wrap is changing the rows
    // Bringing the bars up to date again after one came or went (bounded, as bars could take turns).
    int FScrollBarsDepth = 0;
};
