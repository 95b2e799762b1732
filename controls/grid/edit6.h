#pragma once

#include "controls/grid/control6.h"
#include "platform/gui/standard/edits.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The single-line edit of the 6-series controls and the base of every 6-series edit: switches that allow
// or refuse pasting and typing, a padding band inside the border, an optional preview box at the left end,
// a validation frame coloured by the last validation, typed access to the text, and room in the text area
// for child controls such as buttons.

class TGxCustomEdit6;

enum TGxEditOption
{
    edPaste,
    edTyping
};
using TGxEditOptions = TSet<TGxEditOption>;

enum TGxValidationTrigger
{
    vtLeave,
    vtTyping,
    vtTextChanged
};
using TGxValidationTriggers = TSet<TGxValidationTrigger>;

// Extra text margins a host sets, in pixels.
struct TEditMargins
{
    uint16_t Leading = 0;
    uint16_t Trailing = 0;
};

using TGxPreviewDrawEvent = std::function<void(TObject* sender, const TRect& previewRect)>;
using TGxStringValidateEvent =
    std::function<void(TObject* sender, const std::string& value, TGxValidationResult& result)>;

// A check of an edit's value that the user of the control supplies; it reads the text from the edit.
class IGxValidator
{
public:
    virtual ~IGxValidator() = default;
    virtual TGxValidationResult Validate(TGxCustomEdit6& edit) = 0;
};

// A value object an edit can take its value from.
class IGxBase
{
public:
    virtual std::string AsString() const = 0;
    virtual double AsFloat() const = 0;

protected:
    ~IGxBase() = default;
};

// The text as typed values.
class IGxProperty
{
public:
    virtual bool AsBoolean() const = 0;
    virtual TDateTime AsDateTime() const = 0;
    virtual double AsFloat() const = 0;
    virtual int AsInteger() const = 0;
    virtual std::string AsString() const = 0;
    virtual void SetAsBoolean(bool value) = 0;
    virtual void SetAsDateTime(TDateTime value) = 0;
    virtual void SetAsFloat(double value) = 0;
    virtual void SetAsInteger(int value) = 0;
    virtual void SetAsString(const std::string& value) = 0;

protected:
    ~IGxProperty() = default;
};

class TGxCustomEdit6 : public TCustomEdit, public IGxStyledControl, public IGxProperty
{
public:
    explicit TGxCustomEdit6(TComponent* owner);
    ~TGxCustomEdit6() override;

    // Creates the window again with the new alignment.
    void SetAlignment(TAlignment value);
    TGxEditOptions EditOptions() const { return editOptions_; }
    void SetEditOptions(TGxEditOptions value) { editOptions_ = value; }
    // The band between the border and the text area (it hides the padding of the children's layout: an
    // edit's children lie in its text area). Changes reach the text margins and the frame.
    TPadding* Padding() const { return padding_.get(); }
    void SetPadding(const TPadding* value) { padding_->Assign(value); }
    bool ShowPreview() const { return showPreview_; }
    // The 20-pixel preview box at the left end, drawn with the frame.
    void SetShowPreview(bool value);
    bool CanStyle(TGxStyleOption option) const override;
    TGxStyleOptions StyleOptions() const override { return styleOptions_; }
    // Repaints the edit and its children when the options change.
    void SetStyleOptions(TGxStyleOptions value) override;
    const std::string& TagString() const { return tagString_; }
    void SetTagString(const std::string& value) { tagString_ = value; }
    TGxValidationResult ValidationResult() const { return validationResult_; }
    // A change repaints the validation frame.
    void SetValidationResult(TGxValidationResult value);
    TGxValidationTriggers ValidationTriggers() const { return validationTriggers_; }
    // Any trigger leaves a pixel for the validation frame around the text area (at the next frame update).
    void SetValidationTriggers(TGxValidationTriggers value) { validationTriggers_ = value; }
    const std::shared_ptr<IGxValidator>& Validator() const { return validator_; }
    void SetValidator(std::shared_ptr<IGxValidator> value) { validator_ = std::move(value); }
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    TCanvas* Canvas() const { return canvas_.get(); }

    // Typed values; reading never raises: a text of another kind reads as 0 (false). A Boolean reads true
    // from "1" and from "true" in any letter case, and is written "True" or "False".
    bool AsBoolean() const override;
    TDateTime AsDateTime() const override;
    double AsFloat() const override;
    int AsInteger() const override;
    std::string AsString() const override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(TDateTime value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int value) override;
    void SetAsString(const std::string& value) override;

    // From another 6-series edit: alignment, options, padding, preview, validation and the key switches.
    void Assign(const TPersistent* source) override;
    // Takes the value of source.
    virtual void AssignValue(const IGxBase& source);
    // Whether a host may take key instead of the edit: not the editing and caret keys, nor Up and Down
    // with Alt.
    virtual bool CanDispatchKey(uint16_t key, TShiftState shift) const;
    bool HasValidation() const { return !validationTriggers_.Empty(); }
    // The validator, then OnValidate, decide; the result is kept and answered.
    TGxValidationResult Validate(const std::string& value);
    // Fit for use inside a host: auto-select, no auto-size, no border, Tab taken.
    virtual void PrepareInplace();
    // Starts editing with a typed character: the text becomes what that character makes of an empty text.
    virtual void StartInplace(char32_t key);
    // Shows the value again as text; nothing here.
    virtual void RefreshText() {}
    // Extra left and right text margins, applied by the next UpdateMargins.
    void SetEditMargins(uint16_t leading, uint16_t trailing) { editPadding_ = {leading, trailing}; }
    // The text area in window coordinates.
    virtual TRect EditRect() const;
    // The preview box in window coordinates.
    TRect PreviewRect() const;

    TNotifyEvent OnPreviewClick;
    TGxPreviewDrawEvent OnPreviewDraw;
    TGxStringValidateEvent OnValidate;

protected:
    // Border offset of the frame: 2 with a single border.
    int BorderOffset() const { return BorderStyle() == bsSingle ? 2 : 0; }
    // The left and right text margins: the host's extra margins and the widths of the visible children
    // aligned to either side.
    virtual void UpdateMargins();
    // Makes the window compute its frame again.
    virtual void UpdateFrame();
    virtual void PaintNonClient();
    virtual void PaintPadding();
    virtual void PaintValidationFrame();
    virtual void PaintPreview();
    virtual void DoPreviewDraw(const TRect& rect);
    virtual void DoValidate(const std::string& value, TGxValidationResult& result);

    void Change() override;
    void DoExit() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    unsigned DialogCode() const override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void Dispatch(TMessage& message) override;

private:
    void PaddingChanged();
    void RefreshPreview();
    void ValidateOn(TGxValidationTrigger trigger);
    void CalcFrame(TMessage& message);
    void PaintFrame(TMessage& message);
    void PreviewPress(TMessage& message);
    TPoint WindowPoint(TPoint screenPos) const;
    TRect ClientInWindow() const;

    std::unique_ptr<TCanvas> canvas_; // bound to the window while the preview box paints
    TGxEditOptions editOptions_{edPaste, edTyping};
    TEditMargins editPadding_;          // extra text margins set by a host
    bool ncLButtonDown_ = false;        // a left press began in the preview box
    std::unique_ptr<TPadding> padding_; // the band inside the border
    bool showPreview_ = false;
    TGxStyleOptions styleOptions_{soNativeStyles, soPlatformStyles};
    std::string tagString_; // free text for the user
    TGxValidationResult validationResult_ = vrUnchecked;
    TGxValidationTriggers validationTriggers_;
    std::shared_ptr<IGxValidator> validator_;
    bool wantReturns_ = false;
    bool wantTabs_ = false;
};

class TGxEdit6 : public TGxCustomEdit6
{
public:
    using TGxCustomEdit6::TGxCustomEdit6;
};
