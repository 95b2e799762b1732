#pragma once

#include "platform/gui/core/classes.h"

class TCanvas;
class TGxCustomColumn;
class TGxCustomEdit;  // the in-place editors' base
class TColumnDisplay; // the painter of a column's cells
class TColumnPlay;    // the mouse and key handler inside a column's cells

// Class references for what a column owns but does not build: its in-place editor, cell display and cell
// play live beside the columns. A column class names each part's class by the functions that make an
// object of it for the column and free it again, so the column holds parts whose classes it never sees.
// A reference without Create names no class.

struct TColumnEditorClass
{
    // Makes the hidden editor with the column as its owner, which frees it.
    TGxCustomEdit* (*Create)(TGxCustomColumn* column) = nullptr;
    // The column's share of starting an edit: EditorUpdating on, the column's alignment, no border, border
    // width 0, left edit margin 1.
    void (*Prepare)(TGxCustomEdit& editor, TAlignment alignment) = nullptr;
};

struct TColumnDisplayClass
{
    TColumnDisplay* (*Create)(TGxCustomColumn* column) = nullptr;
    void (*Free)(TColumnDisplay* display) = nullptr;
    // The canvas the display measures and paints on (the grid's, handed to it before every use).
    TCanvas* (*Canvas)(const TColumnDisplay& display) = nullptr;
};

struct TColumnPlayClass
{
    TColumnPlay* (*Create)(TGxCustomColumn* column) = nullptr;
    void (*Free)(TColumnPlay* play) = nullptr;
};
