#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/windows/keys.h"
#include "platform/gui/windows/messages.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The text editing behind the edit controls (single-line edits, memos, the edit part of combo boxes): the
// text in code points, the selection, the one-step undo, the rows the text is laid out in, the view
// scrolled over them, the keys, characters and mouse actions of an edit, its painting and its caret.
// Positions count code points; a line break is CR LF (two positions) and no position falls inside one.

class TCanvas;
class TFont;

enum TEditCharCase
{
    ecNormal,
    ecUpperCase,
    ecLowerCase
};

// Widths of text in the font of an editor.
class TTextMeasurer
{
public:
    virtual ~TTextMeasurer() = default;
    // The x of the caret before every code point of text and after the last one (text.size() + 1
    // values, the first 0).
    virtual std::vector<int> CaretStops(std::u32string_view text) const = 0;
    virtual int LineHeight() const = 0;
};

std::unique_ptr<TTextMeasurer> MakeFontMeasurer(const TFont& font);

// What the editor needs of the control that shows it.
class TTextEditorHost
{
public:
    virtual ~TTextEditorHost() = default;
    // The text changed (by the user or the program).
    virtual void EditorTextChanged() = 0;
    // What is shown changed: selection, scrolling, text.
    virtual void EditorInvalidate() = 0;
    // A key asked for a clipboard or undo message (WM_CUT, WM_COPY, WM_PASTE, WM_UNDO); the control sends
    // it to itself so that its handlers see it.
    virtual void EditorCommand(uint32_t msg) = 0;
    // The rows or the view moved (scroll bars follow).
    virtual void EditorScrolled() {}
};

struct TEditorColors
{
    TColor background;
    TColor text;
    TColor selectionBackground;
    TColor selectionText;
};

class TTextEditor
{
public:
    TTextEditor(TTextEditorHost& host, bool multiLine);
    ~TTextEditor();

    // --- options ---
    bool MultiLine() const { return multiLine_; }
    int MaxLength() const { return maxLength_; } // 0: no limit
    void SetMaxLength(int value) { maxLength_ = value < 0 ? 0 : value; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    TEditCharCase CharCase() const { return charCase_; }
    // Changing the case converts the text there is.
    void SetCharCase(TEditCharCase value);
    char32_t PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char32_t value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    // Tab characters typed go into the text (a memo that wants tabs).
    void SetAcceptTabs(bool value) { acceptTabs_ = value; }

    // --- text ---
    const std::u32string& Text32() const { return text_; }
    std::string Text() const;
    // Replaces everything: selection at the start, undo emptied, not modified. A memo's text gets CR LF
    // for every line break.
    void SetText(const std::string& text);
    int Length() const { return static_cast<int>(text_.size()); }
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }

    // --- selection ---
    int SelStart() const { return std::min(anchor_, caret_); }
    int SelLength() const { return std::abs(caret_ - anchor_); }
    int CaretIndex() const { return caret_; }
    std::string SelText() const;
    // The selection from anchor to caret (the caret is the moving end); both are brought into the text.
    void SetSelection(int anchor, int caret);
    void SetSel(int start, int length) { SetSelection(start, start + length); }
    void SelectAll() { SetSelection(0, Length()); }

    // --- editing by the program (read-only does not apply) ---
    // Replaces the selection; the text is cut to MaxLength and to its first line in a single-line edit.
    // Answers whether the text changed.
    bool ReplaceSelection(const std::string& text, bool canUndo);
    bool CanUndo() const { return undo_.has; }
    void ClearUndo() { undo_ = {}; }
    // Swaps the text with the undo copy, so that a second Undo redoes.
    bool Undo();

    // --- rows (lines as laid out; with word wrap a line takes several rows) ---
    int RowCount() const;
    int RowStart(int row) const;
    int RowLength(int row) const;
    int RowOfIndex(int index) const;
    int TopRow() const { return topRow_; }
    void SetTopRow(int row);
    int VisibleRows() const;
    int HorizontalOffset() const { return xOffset_; }
    void SetHorizontalOffset(int x);
    // The width of the widest row, for a horizontal scroll bar.
    int ContentWidth() const;
    // Scrolls by rows and pixels; answers whether anything moved.
    bool ScrollBy(int rows, int pixels);
    // Scrolls so that the caret is in view.
    void ScrollCaret();

    // --- geometry ---
    void SetMeasurer(std::unique_ptr<TTextMeasurer> measurer);
    int LineHeight() const;
    // The formatting rectangle in client coordinates: text is laid out, clipped and scrolled in it.
    const TRect& FormatRect() const { return rect_; }
    void SetFormatRect(const TRect& rect);
    // The client point of the caret before character index (the row's top).
    TPoint PosFromChar(int index) const;
    // The character nearest to a client point, and its row.
    int CharFromPos(TPoint p) const;
    TPoint CaretPoint() const { return PosFromChar(caret_); }

    // --- the user's input; answer whether they did something ---
    bool KeyDown(uint16_t key, TShiftState shift);
    bool Char(char32_t ch);
    void MouseDown(TPoint p, TShiftState shift);
    void MouseMove(TPoint p);
    void MouseUp();
    bool Selecting() const { return mouseSelecting_; }

    // --- painting and the caret ---
    void SetFocused(bool focused);
    bool Focused() const { return focused_; }
    void Paint(TCanvas& canvas, const TEditorColors& colors) const;
    // Creates the caret for window (on focus), moves it, and destroys it.
    void CreateCaretFor(HWND window);
    void PlaceCaret(HWND window) const;
    void DestroyCaretOf(HWND window);

private:
    struct Row
    {
        int start = 0;
        int length = 0;
    };
    struct UndoState
    {
        bool has = false;
        std::u32string text;
        int anchor = 0;
        int caret = 0;
    };

    std::u32string Prepared(std::u32string text) const;
    int Clamp(int index) const;
    void ReplaceRange(int from, int to, std::u32string_view inserted, bool byUser, bool typing);
    bool UserReplace(std::u32string_view inserted, bool typing);
    bool DeleteRange(int from, int to);
    void MoveCaret(int index, bool extend, bool keepGoal = false);
    int PreviousIndex(int index) const;
    int NextIndex(int index) const;
    int WordLeft(int index) const;
    int WordRight(int index) const;
    void SelectWordAt(int index);
    int CaretColumnX() const;
    int IndexInRowAt(int row, int x) const;
    int VerticalMove(int rows) const;
    void Changed();
    void Invalidate();
    void InvalidateLayout();
    void EnsureRows() const;
    const std::vector<int>& Stops(int row) const;
    std::u32string_view RowText(int row) const;
    int RowWidth(int row) const;
    int RowOffset(int row) const;
    int WrapWidth() const;

    TTextEditorHost& host_;
    bool multiLine_;
    std::u32string text_;
    int anchor_ = 0;
    int caret_ = 0;
    int goalX_ = -1;
    UndoState undo_;
    bool typingUndo_ = false;
    bool modified_ = false;
    int maxLength_ = 0;
    bool readOnly_ = false;
    TEditCharCase charCase_ = ecNormal;
    char32_t passwordChar_ = 0;
    bool wordWrap_ = false;
    TAlignment alignment_ = taLeftJustify;
    bool hideSelection_ = true;
    bool acceptTabs_ = false;
    bool focused_ = false;
    bool mouseSelecting_ = false;
    bool wordBackspace_ = false;
    int mouseAnchor_ = 0;

    std::unique_ptr<TTextMeasurer> measurer_;
    TRect rect_;
    int topRow_ = 0;
    int xOffset_ = 0;
    mutable bool rowsValid_ = false;
    mutable std::vector<Row> rows_;
    mutable std::vector<std::vector<int>> stops_;
    mutable std::vector<bool> stopsValid_;
};
