#pragma once

#include "controls/memo/line_prop.h"
#include "platform/gui/core/classes.h"

#include <string>
#include <vector>

class TVezCustomMemo;

// The memo's undo records. Each knows the caret before and after its change and a text, and performs its
// change backwards and forwards through the memo's own editing operations. A record whose change the memo
// refuses (it does not allow editing, or a read-only memo would have to delete text) does nothing and says
// so, and the undo list then leaves it where it is.
class TUndo : public TObject
{
public:
    TUndo(int curX0, int curY0, int curX, int curY, const std::string& text);

    TVezCustomMemo* Memo = nullptr;
    int UndoCurX0() const { return FUndoCurX0; }
    int UndoCurY0() const { return FUndoCurY0; }
    int UndoCurX() const { return FUndoCurX; }
    int UndoCurY() const { return FUndoCurY; } // -1: the record does not move the caret
    const std::string& UndoText() const { return FUndoText; }
    bool LinkedUndo() const { return FLinkedUndo; }
    void SetLinkedUndo(bool value) { FLinkedUndo = value; }

    // Absorbs a newer record that continues this one; false when it does not.
    virtual bool Append(TUndo* newUndo);
    // The caret frame around PerformUndo and PerformRedo; false when the step was refused.
    bool Undo();
    bool Redo();

protected:
    virtual void PerformUndo() = 0;
    virtual void PerformRedo() = 0;
    // Whether the memo refuses this step now; records that change text need CanEdit.
    virtual bool Refused(bool undo) const;
    // Continues this record with a newer one of the same class that starts where this one ends.
    bool Continues(const TUndo* newUndo) const;
    void MoveCaret(int x, int y);

    int FUndoCurX0;
    int FUndoCurY0;
    int FUndoCurX;
    int FUndoCurY;
    std::string FUndoText;
    bool FLinkedUndo = false;
};

// Typed characters; CR stands for a line break.
class TInsertCharUndo : public TUndo
{
public:
    using TUndo::TUndo;
    bool Append(TUndo* newUndo) override;

protected:
    void PerformUndo() override;
    void PerformRedo() override;
    virtual bool MarksNewLines() const { return true; }
};

// A line break typed with UndoLineByLine set.
class TNewLineUndo : public TInsertCharUndo
{
public:
    using TInsertCharUndo::TInsertCharUndo;

protected:
    bool MarksNewLines() const override { return false; }
};

// A record whose undo and redo are one step: exchanging the kept text with the text in the line.
class TExchangeUndo : public TUndo
{
public:
    using TUndo::TUndo;

protected:
    void PerformUndo() override { Exchange(); }
    void PerformRedo() override { Exchange(); }
    bool Refused(bool) const override { return false; }
    virtual void Exchange() = 0;
};

// One character replaced in overwrite mode: each step exchanges the line's character with the kept one.
class TOverwriteCharUndo : public TExchangeUndo
{
public:
    using TExchangeUndo::TExchangeUndo;

protected:
    void Exchange() override;
};

// Deleted characters, the newest first; CR for a joined line break.
class TDeleteCharUndo : public TUndo
{
public:
    TDeleteCharUndo(int curX0, int curY0, int curX, int curY, const std::string& text, bool isBackspace)
        : TUndo(curX0, curY0, curX, curY, text), FIsBackspace(isBackspace)
    {}
    bool Append(TUndo* newUndo) override;

protected:
    void PerformUndo() override;
    void PerformRedo() override;

private:
    bool FIsBackspace;
};

// A deleted line: undo puts it back at the index it had.
class TDeleteLineUndo : public TUndo
{
public:
    // emptiedOnly: the only line was emptied, not removed.
    TDeleteLineUndo(int curX0, int curY0, int curX, int curY, const std::string& text, bool emptiedOnly)
        : TUndo(curX0, curY0, curX, curY, text), FEmptiedOnly(emptiedOnly)
    {}

protected:
    void PerformUndo() override;
    void PerformRedo() override;

private:
    bool FEmptiedOnly;
};

// A record with a selection of its own.
class TSelUndo : public TUndo
{
public:
    using TUndo::TUndo;
    void SetSelection(int startX, int startY, int endX, int endY);

protected:
    void SelectRecorded();

    int FUndoSelStartX = 0;
    int FUndoSelStartY = 0;
    int FUndoSelEndX = 0;
    int FUndoSelEndY = 0;
};

// A removed piece of text (it may span lines): undo inserts it and selects it, redo deletes it again.
class TDeleteBufUndo : public TSelUndo
{
public:
    using TSelUndo::TSelUndo;

protected:
    void PerformUndo() override;
    void PerformRedo() override;
    bool Refused(bool undo) const override;
};

// Inserted text; linked to the deletion of the selection it replaced.
class TPasteUndo : public TUndo
{
public:
    TPasteUndo(int curX0, int curY0, int curX, int curY, const std::string& text, bool isLinked)
        : TUndo(curX0, curY0, curX, curY, text)
    {
        FLinkedUndo = isLinked;
    }

protected:
    void PerformUndo() override;
    void PerformRedo() override;
    bool Refused(bool undo) const override;
};

// A line's modified mark, kept just behind the edit that set it.
class TModifiedUndo : public TUndo
{
public:
    explicit TModifiedUndo(int lineIndex) : TUndo(-1, -1, -1, -1, ""), FLineIndex(lineIndex) {}

protected:
    void PerformUndo() override;
    void PerformRedo() override;
    bool Refused(bool) const override { return false; }

private:
    int FLineIndex;
};

// The Insert key's toggle of the overwrite mode.
class TInsertOverwriteUndo : public TUndo
{
public:
    explicit TInsertOverwriteUndo(bool insertMode) : TUndo(0, 0, 0, 0, ""), FInsertMode(insertMode) {}

protected:
    void PerformUndo() override;
    void PerformRedo() override;
    bool Refused(bool) const override { return false; }

private:
    bool FInsertMode;
};

// A block indent or unindent; an unindent keeps how many spaces each line lost, so that undo gives back
// exactly those.
class TIndentUndo : public TUndo
{
public:
    TIndentUndo(int curX, int curY, int selFrom, int selTo, int indent, std::vector<int> lost);

protected:
    void PerformUndo() override;
    void PerformRedo() override;
    bool Refused(bool) const override { return false; }

private:
    int FIndent;
    int FSelRowFrom;
    int FSelRowTo;
    std::vector<int> FLost; // spaces each line of the range lost (unindent only)
};

// A line's text before an auto-correction; each step exchanges it with the line.
class TCorrectUndo : public TExchangeUndo
{
public:
    TCorrectUndo(int lineNo, const std::string& undoLine);

protected:
    void Exchange() override;

private:
    int FLineIndex; // the corrected line (the caret stays where it is)
};

// Lines replaced as a whole by a block paste or a block deletion: from FFirst on, FOld before and FNew
// after (lines beyond the old end were appended).
class TBlockUndo : public TUndo
{
public:
    TBlockUndo(int curX0, int curY0, int curX, int curY, int first, std::vector<std::string> oldLines,
               std::vector<std::string> newLines);

protected:
    void PerformUndo() override;
    void PerformRedo() override;

private:
    int FFirst;
    std::vector<std::string> FOld;
    std::vector<std::string> FNew;
};
