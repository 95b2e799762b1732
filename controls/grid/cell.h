#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/graphics/graphics.h"
#include "support/basic_types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class TCellMemory;
class TCells;

enum TGxCellStateFlag
{
    cstEmpty,
    cstLocked
};
using TGxCellState = TSet<TGxCellStateFlag>;

// One cell of a grid: a typed value that reads and writes as Boolean, date-time, float, integer and text,
// plus its own looks. A cell does not store where it is: ColumnIndex and RowIndex are the position of the
// store's most recent GetCell, so every path fetches a cell from its store right before using it.
//
// Every value write ends in exactly one Changed (the store reports the cell and is no longer sorted); a
// write whose conversion fails raises EConvertError, stores nothing and reports nothing. Changes of the
// looks report only while the cell is not Locked. A new cell is locked until its store has given it the
// column's looks.
class TCell : public TObject
{
public:
    explicit TCell(TCells* cells);
    ~TCell() override;

    virtual TColor ActualColor() const;
    virtual TColor ActualFontColor() const;

    virtual bool AsBoolean() const = 0;
    virtual TDateTime AsDateTime() const = 0;
    virtual double AsFloat() const = 0;
    virtual int32_t AsInteger() const = 0;
    virtual std::string AsString() const = 0;
    virtual void SetAsBoolean(bool value);
    virtual void SetAsDateTime(TDateTime value);
    virtual void SetAsFloat(double value);
    virtual void SetAsInteger(int32_t value);
    virtual void SetAsString(const std::string& value);
    virtual void Clear();

    // The text the cell holds, to be read in place while the cell is unchanged; none when it holds another
    // type.
    virtual std::optional<std::string_view> StoredText() const { return std::nullopt; }

    TFontStyles FontStyle() const { return TFontStyles::FromBits(FFontStyle); }
    void SetFontStyle(TFontStyles value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    const std::string& Hint() const;
    void SetHint(const std::string& value);
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor value);
    bool Empty() const { return State().Contains(cstEmpty); }
    void SetEmpty(bool value);
    bool Locked() const { return State().Contains(cstLocked); }
    void SetLocked(bool value);
    // Any object the application attaches; never owned or freed by the cell.
    TObject* ObjectReference() const;
    void SetObjectReference(TObject* value);

    int ColumnIndex() const;
    int RowIndex() const;
    // What the grid paints for the cell and whether it shows it selected.
    std::string DisplayText() const;
    bool Highlighted() const;
    TCells* Cells() const { return FCells; }

protected:
    void Changed();
    // Where the cell's own blocks (its text) come from: its store's memory when the store made the cell, so
    // they go with the store's rows; the general heap (nullptr) for a cell made with new.
    TCellMemory* Memory() const;

private:
    friend class TCells;

    TGxCellState State() const { return TGxCellState::FromBits(FState); }
    void SetState(TGxCellStateFlag flag, bool value);
    void LooksChanged();

    // What few cells carry. The store keeps it beside its cells, by cell, so that the many cells without it
    // stay small (32 bytes for the base, where a pointer to it would make 40).
    struct TExtras
    {
        std::string Hint;
        TObject* ObjectReference = nullptr;
    };
    using TExtrasTable = std::unordered_map<const TCell*, TExtras>;
    TExtrasTable& ExtrasTable() const;
    const TExtras* FindExtras() const;
    TExtras& Extras();

    TCells* FCells;    // the owning store, not owned
    TColor FColor = 0; // background
    TColor FTextColor = 0;
    uint8_t FFontStyle = 0;          // TFontStyles bits
    uint8_t FState = 1 << cstLocked; // TGxCellState bits
    bool FHasExtras = false;         // an entry in the extras table
    // The size of the block of the store's memory that holds the cell, in 8-byte units; 0 for a cell made
    // with new. It tells the store how much to give back, and takes a byte the padding holds anyway.
    uint8_t FBlockSize = 0;
};
