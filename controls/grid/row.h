#pragma once

#include "platform/gui/core/classes.h"

// A row record of the cell store: tree facts, height, selection and visibility. A row counts as visible in
// the grid when it is both Visible (the application's choice) and Shown (no collapsed ancestor). The
// properties are plain fields; the store keeps its counts in step through its own operations. Row records
// are made by their store only, in its memory.
class TRow final : public TObject
{
public:
    int ChildCount() const { return FChildCount; }
    bool HasChildren() const { return FChildCount > 0; }
    void* Data() const { return FData; }
    void SetData(void* value) { FData = value; }
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool value) { FExpanded = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }
    int Level() const { return FLevel; }
    void SetLevel(int value) { FLevel = value; }
    TRow* ParentRow() const { return FParentRow; }
    void SetParentRow(TRow* value) { FParentRow = value; }
    int RowHeight() const { return FRowHeight; }
    void SetRowHeight(int value) { FRowHeight = value; }
    bool Selected() const { return FSelected; }
    void SetSelected(bool value) { FSelected = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    bool Shown() const { return FShown; }

    void AddChild() { ++FChildCount; }
    void DeleteChild() { --FChildCount; }
    void Clear() { FChildCount = 0; }

private:
    friend class TCells;

    // Pointers, numbers, then flags: no padding between them.
    void* FData = nullptr;      // the application's
    TRow* FParentRow = nullptr; // nullptr at the top
    int FChildCount = 0;        // direct child rows
    int FImageIndex = -1;
    int FLevel = 0; // tree depth, 0 at the top
    int FRowHeight = 0;
    bool FExpanded = true; // the children are shown
    bool FSelected = false;
    bool FShown = true;   // not hidden by a collapsed ancestor
    bool FVisible = true; // not hidden by the application
};
