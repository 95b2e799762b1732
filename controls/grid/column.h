#pragma once

#include "controls/grid/column_element_classes.h"
#include "controls/grid/column_types.h"
#include "platform/gui/standard/std_control_types.h"
#include "platform/gui/windows/control.h"
#include "platform/gui/windows/cursors.h"

#include <memory>
#include <string>

class TColumnFooter;
class TColumnHeader;
class TFont;
class TGxColumns;
class TGxSlideBounds;
class IColumnsGrid;

// One column of a grid: everything that is the same for all cells below it. A column is owned by the form
// that holds the grid and registered with the grid's column collection, which lays the columns out and
// reports every change to the grid (ReportChange; nothing is reported while the column is unregistered).
// The editor, display and play are made from the classes the column class names when first asked for.
class TGxCustomColumn : public TComponent
{
public:
    explicit TGxCustomColumn(TComponent* owner);
    ~TGxCustomColumn() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoEdit() const { return FAutoEdit; }
    void SetAutoEdit(bool value) { FAutoEdit = value; }
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    const std::string& DefaultValue() const { return FDefaultValue; }
    void SetDefaultValue(const std::string& value) { FDefaultValue = value; }
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int value) { FDefaultWidth = value; }
    TDrawingOptions DrawingOptions() const { return FDrawingOptions; }
    void SetDrawingOptions(TDrawingOptions value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    // A change made to the font directly ends following the grid's font.
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);
    TColumnFooter* Footer() const { return FFooter.get(); }
    void SetFooter(const TColumnFooter* value);
    TColumnHeader* Header() const { return FHeader.get(); }
    void SetHeader(const TColumnHeader* value);
    // An editor the application chose instead of the column's own; the column forgets it when it goes.
    TGxCustomEdit* InplaceEdit() const { return FInplaceEdit; }
    template <typename TEdit> void SetInplaceEdit(TEdit* value) { SetInplaceEditComponent(value, value); }
    const std::string& InputCaption() const { return FInputCaption; }
    void SetInputCaption(const std::string& value);
    const std::string& InputValue() const { return FInputValue; }
    void SetInputValue(const std::string& value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value) { FMinWidth = value; }
    TObject* ObjectReference() const { return FObjectReference; }
    void SetObjectReference(TObject* value) { FObjectReference = value; }
    TColumnOptions Options() const { return FOptions; }
    void SetOptions(TColumnOptions value);
    int Padding() const { return FPadding; }
    void SetPadding(int value);
    bool ParentCellColor() const { return FParentCellColor; }
    void SetParentCellColor(bool value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    TAnchors SlideAnchors() const { return FSlideAnchors; }
    void SetSlideAnchors(TAnchors value) { FSlideAnchors = value; }
    TGxSlideBounds* SlideBounds() const { return FSlideBounds.get(); }
    void SetSlideBounds(const TGxSlideBounds* value);
    const std::string& SlideCaption() const { return FSlideCaption; }
    void SetSlideCaption(const std::string& value);
    TSlideCatpionLocation SlideCaptionLocation() const { return FSlideCaptionLocation; }
    void SetSlideCaptionLocation(TSlideCatpionLocation value);
    TSlideOptions SlideOptions() const { return FSlideOptions; }
    void SetSlideOptions(TSlideOptions value);
    // At most one column of a collection is sorted; a column whose style disables sorting never is.
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TSortKind SortKind() const { return FSortKind; }
    void SetSortKind(TSortKind value);
    TSortType SortType() const { return FSortType; }
    void SetSortType(TSortType value);
    const std::string& StyleClass() const { return FStyleClass; }
    void SetStyleClass(const std::string& value) { FStyleClass = value; }
    const std::string& TagString() const { return FTagString; }
    void SetTagString(const std::string& value) { FTagString = value; }
    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // Never below MinWidth; the auto-size columns after this one share what is left.
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TWrapKind WrapKind() const { return FWrapKind; }
    void SetWrapKind(TWrapKind value);

    TDrawCellEvent OnSetCell; // kept for the application; the grid never calls it
    TColumnGetTextEvent OnGetDrawText;

    TGxColumns* Columns() const { return FColumns; }
    TColumnType ColumnType() const { return FColumnType; }
    TColumnStyle ColumnStyle() const { return GetColumnStyle(); }
    TColumnState ColumnState() const { return GetColumnState(); }
    TGxCustomEdit* Editor();
    TColumnDisplay* Display();
    TColumnPlay* Play();
    bool Editing() const { return FOptions.Contains(coEditing); }
    void SetEditing(bool value);
    bool Input() const { return FInput; }
    void SetInput(bool value) { FInput = value; }
    int Index() const;
    void SetIndex(int value);
    int Left() const { return FLeft; }
    int VisibleIndex() const { return FVisibleIndex; }
    TComponent* GridComponent() const;

    // Geometry and neighbours in the grid.
    int AbsoluteLeft() const;
    TColumnLocation Location() const;
    bool IsAlone() const;
    bool First() const;
    bool Last() const;
    TGxCustomColumn* NextColumn();
    TGxCustomColumn* PrevColumn();
    TRect GetMemberRect(TColumnMemberKind kind) const;
    TRect SlideRect() const;
    int SlideWidth() const;
    bool Selected() const;
    bool Focused() const;
    bool Hover() const;

    // Repaints the column's strip of a grid area.
    void Refresh(TGridArea area);
    // Hands a change of this column to the collection, which reports it to the grid.
    void ReportChange(TColumnChangeKind kind, int param = -1);

    // A form stores its columns as children of their grid. Placing a column on a grid registers it with
    // the grid's collection; while a layout is read (csReading) it joins the index order now and the
    // position order by its stored Position once its values are in (Loaded).
    void SetParentComponent(TComponent* grid);
    TComponent* GetParentComponent() const { return GridComponent(); }
    bool HasParent() const { return true; }

    virtual TColumnEditorClass GetCellEditorClass() const { return {}; }
    virtual TColumnDisplayClass GetDisplayClass() const { return {}; }
    virtual TColumnPlayClass GetPlayClass() const { return {}; }
    virtual TColumnState GetColumnState() const;
    virtual TColumnStyle GetColumnStyle() const { return {}; }
    virtual void SetColumnType(TColumnType value) { FColumnType = value; }
    // The width a cell holding the value needs.
    virtual int GetCellBestFit(const std::string& value);
    virtual TDisplayOptions GetDisplayOptions() const { return {}; }
    // The text a cell shows: its text, then OnGetDrawText may change it.
    virtual std::string GetDrawText(const TCellInfo& cell);
    virtual std::string GetHintText(const TCellInfo& cell) { return GetDrawText(cell); }
    virtual std::string GetInputDrawText() { return FInputValue; }
    virtual std::string GetInputValue() { return FInputValue; }
    // A typed character may start or enter editing.
    virtual bool IsKeyValid(char32_t) const { return false; }
    virtual void AdjustEditRect(int /*level*/, TRect& /*editRect*/) {}
    virtual void ApplyEditing(std::string& /*value*/) {}
    virtual void BeginEditing();
    virtual void UpdateEdit() {}

    // Copies the settings of another column, each through its setter.
    void Assign(const TPersistent* source) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

    // A setting stored, then reported or repainted.
    template <typename T, typename V> void SetAndReport(T& field, const V& value, TColumnChangeKind kind)
    {
        field = value;
        ReportChange(kind);
    }
    template <typename T, typename V> void SetAndRefresh(T& field, const V& value, TGridArea area)
    {
        field = value;
        Refresh(area);
    }

private:
    friend class TGxColumns;

    IColumnsGrid* Grid() const;
    bool Reading() const;
    bool GridReading() const;
    void ApplyWidth(int value);
    void FontChanged();
    void PartChanged() { ReportChange(ccUndefined); }
    void SetInplaceEditComponent(TGxCustomEdit* edit, TComponent* component);
    void MakeElements();
    void FreeElements();

    TAlignment FAlignment = taLeftJustify;
    bool FAutoEdit = false; // the grid starts editing when a cell of the column is selected
    TBiDiMode FBiDiMode = bdLeftToRight;
    TColor FColor;
    TGxColumns* FColumns = nullptr; // the collection, nil until registered
    TColumnType FColumnType = ctString;
    TCursor FCursor = crDefault;
    std::string FDefaultValue; // given to new cells
    int FDefaultWidth = 80;
    TColumnDisplay* FDisplay = nullptr; // owned, made from FDisplayClass
    TColumnDisplayClass FDisplayClass;
    TDrawingOptions FDrawingOptions = doNormal;
    TGxCustomEdit* FEditor = nullptr; // owned as a component of the column
    TColumnEditorClass FEditorClass;
    bool FElementsMade = false; // the editor, display and play exist
    bool FEnabled = true;       // takes part in focus and navigation
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TColumnFooter> FFooter;
    std::unique_ptr<TColumnHeader> FHeader;
    TGxCustomEdit* FInplaceEdit = nullptr;       // the application's, not owned
    TComponent* FInplaceEditComponent = nullptr; // the same object, for its free notification
    bool FInput = false;                         // the input row cell of the column is being edited
    std::string FInputCaption;                   // shown in an empty input row cell
    std::string FInputValue;                     // typed into the input row
    int FLeft = 0;                               // left edge in client coordinates before scrolling
    TColumnOptions FOptions;
    bool FParentCellColor = false;
    bool FParentFont = true;
    bool FParentFontUpdating = false; // while the grid's font is copied in
    TColumnPlay* FPlay = nullptr;     // owned, made from FPlayClass; may be nil
    TColumnPlayClass FPlayClass;
    int FPosition = -1;    // place in the position order
    int FSilentWidth = 80; // the last width asked for, raised to MinWidth
    std::unique_ptr<TGxSlideBounds> FSlideBounds;
    std::string FSlideCaption;
    TSlideCatpionLocation FSlideCaptionLocation = clTop;
    bool FSorted = false;
    TSortKind FSortKind = skAscending;
    TSortType FSortType = stAlphabetic;
    TVerticalAlignment FVerticalAlignment = taVerticalCenter;
    bool FVisible = true;
    int FVisibleIndex = -1; // place among the visible columns in position order
    int FWidth = 80;
    TWrapKind FWrapKind = wkEllipsis;
    std::string FStyleClass;
    int FMinWidth = 8;
    int FPadding = 0; // between the cell's edges and its text
    TSlideOptions FSlideOptions;
    TAnchors FSlideAnchors = {akLeft, akTop};
    TObject* FObjectReference = nullptr;
    std::string FTagString;
};
