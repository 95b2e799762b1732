#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/windows/messages.h"
#include "support/basic_types.h"

#include <string>

class TCanvas;
class TGxCustomColumn;

// What a column's display and play share: one cell's value in every form and where the cell lies. They hold
// no cell of their own; the grid loads these fields before every use, so one object per column serves
// every row.
class TVirtualColElement : public TPersistent
{
public:
    // Only stores the column.
    explicit TVirtualColElement(TGxCustomColumn* AColumn) : FColumn(AColumn) {}

    bool AsBoolean() const { return FAsBoolean; }
    void SetAsBoolean(bool value) { FAsBoolean = value; }
    TDateTime AsDateTime() const { return FAsDateTime; }
    void SetAsDateTime(TDateTime value) { FAsDateTime = value; }
    double AsFloat() const { return FAsFloat; }
    void SetAsFloat(double value) { FAsFloat = value; }
    int AsInteger() const { return FAsInteger; }
    void SetAsInteger(int value) { FAsInteger = value; }
    const std::string& AsString() const { return FAsString; }
    void SetAsString(const std::string& value) { FAsString = value; }
    TCanvas* Canvas() const { return FCanvas; }
    void SetCanvas(TCanvas* value) { FCanvas = value; }
    const TRect& ClientRect() const { return FClientRect; }
    void SetClientRect(const TRect& value) { FClientRect = value; }
    TGxCustomColumn* Column() const { return FColumn; }
    void SetColumn(TGxCustomColumn* value) { FColumn = value; }
    TObject* ObjectReference() const { return FObjectReference; }
    void SetObjectReference(TObject* value) { FObjectReference = value; }
    HWND Handle() const { return FHandle; }
    void SetHandle(HWND value) { FHandle = value; }

private:
    bool FAsBoolean = false;
    TDateTime FAsDateTime = 0;
    double FAsFloat = 0;
    int FAsInteger = 0;
    std::string FAsString;
    TCanvas* FCanvas = nullptr; // the grid's, not owned
    TRect FClientRect;          // the cell in grid client coordinates; a play reads only its size
    TGxCustomColumn* FColumn;   // the owner
    TObject* FObjectReference = nullptr;
    HWND FHandle = nullptr; // the grid's window
};
