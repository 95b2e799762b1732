#pragma once

#include "controls/grid/inplace_edit_contract.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/standard/edits.h"

#include <functional>
#include <memory>

// The base of the grid's in-place editors: a single-line edit that a column owns and a grid lays over the
// cell it edits (inplace_edit_contract.h), with an optional glyph and preview box at its left end, margins
// of its own, and its text read and written as typed values.

class TGxCustomEdit;
class TGxEditInfo;

using TCustomPreviewDrawEvent = std::function<void(TObject* sender, const TRect& previewRect)>;

// Left and right text margins of an editor; changing one makes the editor create its window again, which
// applies them.
class TGxEditMargins : public TPersistent
{
public:
    explicit TGxEditMargins(TGxCustomEdit& owner) : owner_(owner) {}
    int Left() const { return left_; }
    int Right() const { return right_; }
    void SetLeft(int value);
    void SetRight(int value);

private:
    TGxCustomEdit& owner_; // the editor
    int left_ = 0;
    int right_ = 0;
};

class TGxCustomEdit : public TCustomEdit
{
public:
    explicit TGxCustomEdit(TComponent* owner);
    ~TGxCustomEdit() override;

    TAlignment Alignment() const { return TCustomEdit::Alignment(); }
    // Creates the window again with the new alignment.
    void SetAlignment(TAlignment value);
    TGxEditMargins* EditMargins() const { return editMargins_.get(); }
    TBitmap* Glyph() const { return glyph_.get(); }
    // Copies the picture (nullptr empties it); its bottom-left pixel becomes its transparent colour.
    void SetGlyph(const TBitmap* value);
    bool PreviewBorder() const { return previewBorder_; }
    void SetPreviewBorder(bool value);
    bool ShowPreview() const { return showPreview_; }
    void SetShowPreview(bool value);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    // Never set by the editor itself.
    bool Editing() const { return editing_; }
    // Set while a column configures the editor; number editors show no value meanwhile.
    bool EditorUpdating() const { return editorUpdating_; }
    void SetEditorUpdating(bool value) { editorUpdating_ = value; }
    // The editor works as a grid cell editor (text columns set it).
    bool InplaceEditor() const { return inplaceEditor_; }
    void SetInplaceEditor(bool value) { inplaceEditor_ = value; }
    TGxEditInfo* EditInfo() const { return editInfo_; }
    TCanvas* Canvas() const { return canvas_.get(); }

    // The text as typed values; reading raises EConvertError for a text of another kind (an empty text
    // reads as 0, but not as a Boolean).
    virtual std::string AsString() const;
    virtual void SetAsString(const std::string& value);
    virtual int AsInteger() const;
    virtual void SetAsInteger(int value);
    virtual double AsFloat() const;
    virtual void SetAsFloat(double value);
    virtual TDateTime AsDateTime() const;
    virtual void SetAsDateTime(TDateTime value);
    virtual bool AsBoolean() const;
    virtual void SetAsBoolean(bool value);

    // The editing steps the grid calls (inplace_edit_contract.h); nothing here.
    virtual void BeginEditing() {}
    virtual void ApplyEditing() {}
    virtual void EndEditing() {}
    // Whether the grid may take the key out of the editor: always.
    virtual bool CanDispatchKey(uint16_t key) const;
    void RefreshPreview();

    TCustomPreviewDrawEvent OnCustomPreviewDraw;
    TNotifyEvent OnGlyphClick;

protected:
    friend class TGxEditInfo;
    friend class TGxEditMargins;

    virtual bool IsDefaultLook() const { return true; }
    // The preview box: right of the glyph, 20 pixels wide, as high as the client area.
    virtual TRect GetPreviewRect() const;
    virtual void PreviewMouseDown(TMouseButton, TShiftState, int, int) {}
    virtual void PaintExtra() {}
    virtual void DrawPreview(TCanvas& canvas, const TRect& rect);
    // Room for the preview box and the glyph on the left.
    virtual void AdjustMargins(int& left, int& right);
    virtual void DoCustomPreviewDraw(const TRect& previewRect);
    virtual void DoGlyphClick();

    // The text margins (EditMargins through AdjustMargins) handed to the window.
    void UpdateMargins();
    // Places, sizes and shows or hides the info box.
    void UpdateInfoBox();
    // The right edge of the info box in client coordinates; 0 while it is hidden.
    int InfoBoxRight() const;

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    unsigned DialogCode() const override;

private:
    void GlyphChanged(TObject* sender);

    std::unique_ptr<TCanvas> canvas_; // bound while the editor paints extras
    TGxEditInfo* editInfo_ = nullptr; // the glyph and preview box; owned, a child
    bool editing_ = false;            // published read-only; never set here
    std::unique_ptr<TGxEditMargins> editMargins_;
    bool editorUpdating_ = false;    // a column is configuring the editor
    std::unique_ptr<TBitmap> glyph_; // the picture at the left end
    bool glyphChanging_ = false;     // the glyph's change handler is at work
    bool inplaceEditor_ = false;     // works as a grid cell editor
    bool previewBorder_ = true;      // a frame around the preview box
    bool showPreview_ = false;       // the preview box is shown
    bool wantTabs_ = false;          // the editor takes Tab keys
};
