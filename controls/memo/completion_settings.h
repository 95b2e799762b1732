#pragma once

#include "platform/gui/core/strings.h"
#include "platform/gui/graphics/graphics.h"

#include <functional>
#include <memory>
#include <string>

// The settings of the memo's completion list, auto-correct and parameter hints. The list, the corrections
// and the hints themselves come with those features; these hold their settings.

// The memo's events of the completion list and the hints.
using TBeforeCompletionEvent = std::function<void(TObject* sender, const std::string& token, bool& show)>;
using TMemoRetrievedParameterHintEvent =
    std::function<void(TObject* sender, const std::string& token, const std::string& parameterHint)>;
// The hover hint for the word or token value at column x, line y.
using TMemoHintEvent = std::function<void(TObject* sender, int x, int y, const std::string& value,
                                          std::string& hint, bool& show)>;
using TGutterHintEvent = std::function<void(TObject* sender, int line, std::string& hint, bool& show)>;

class TAutoCompletion : public TPersistent
{
public:
    explicit TAutoCompletion(TComponent* owner);
    ~TAutoCompletion() override;

    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    bool AutoDisplay() const { return autoDisplay_; }
    void SetAutoDisplay(bool value) { autoDisplay_ = value; }
    int Delay() const { return delay_; }
    // Also the completion timer's interval (OnDelayChange tells the memo).
    void SetDelay(int value);
    const std::string& StartToken() const { return startToken_; }
    void SetStartToken(const std::string& value) { startToken_ = value; }
    TColor Color() const { return color_; }
    // Also the open list's (OnLookChange tells the memo).
    void SetColor(TColor value);
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* value);
    int Width() const { return width_; }
    void SetWidth(int value) { width_ = value; }
    int Height() const { return height_; }
    void SetHeight(int value) { height_ = value; }
    bool AutoWidth() const { return autoWidth_; }
    void SetAutoWidth(bool value) { autoWidth_ = value; }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value) { maxWidth_ = value; }
    bool SizeDropDown() const { return sizeDropDown_; }
    void SetSizeDropDown(bool value) { sizeDropDown_ = value; }
    bool KeepLastSize() const { return keepLastSize_; }
    void SetKeepLastSize(bool value) { keepLastSize_ = value; }
    bool FromFirstChar() const { return fromFirstChar_; }
    void SetFromFirstChar(bool value) { fromFirstChar_ = value; }
    bool ShowImages() const { return showImages_; }
    void SetShowImages(bool value) { showImages_ = value; }

    // Colours of the kind words, kinds 0 (identifier) to 6 (procedure).
    TColor ColorIdentifier = clTeal;
    TColor ColorVar = clBlue;
    TColor ColorProp = clTeal;
    TColor ColorEvent = clRed;
    TColor ColorMethod = clNavy;
    TColor ColorFunc = clNavy;
    TColor ColorProc = clNavy;

    TComponent* Owner() const { return owner_; }
    // Copies every value (the timer's interval is not touched); any other source is ignored.
    void Assign(const TPersistent* source) override;

    std::function<void(int delay)> OnDelayChange;
    std::function<void()> OnLookChange;

private:
    TComponent* owner_;
    bool active_ = true;
    bool autoDisplay_ = true;
    int delay_ = 500;
    std::string startToken_ = "(.";
    TColor color_ = clWindow;
    std::unique_ptr<TFont> font_;
    int width_ = 200;
    int height_ = 100;
    bool autoWidth_ = true;
    int maxWidth_ = 0;
    bool sizeDropDown_ = true;
    bool keepLastSize_ = false;
    bool fromFirstChar_ = true;
    bool showImages_ = false;
};

// Words replaced as they are finished: entry i of OldValue becomes entry i of NewValue.
class TAutoCorrect : public TPersistent
{
public:
    TAutoCorrect();
    ~TAutoCorrect() override;

    bool Active() const { return active_; }
    void SetActive(bool value) { active_ = value; }
    TStringList* OldValue() const { return oldValue_.get(); }
    void SetOldValue(const TStrings* value) { oldValue_->Assign(value); }
    TStringList* NewValue() const { return newValue_.get(); }
    void SetNewValue(const TStrings* value) { newValue_->Assign(value); }
    void Assign(const TPersistent* source) override;

private:
    bool active_ = true;
    std::unique_ptr<TStringList> oldValue_;
    std::unique_ptr<TStringList> newValue_;
};

// How a styler's parameter hints look and are written.
class THintParameter : public TPersistent
{
public:
    THintParameter();
    ~THintParameter() override;

    TColor TextColor = clBlack;
    TColor BkColor = clInfoBk;
    char32_t HintCharStart = U'(';
    char32_t HintCharEnd = U')';
    char32_t HintCharDelimiter = U';';
    char32_t HintCharWriteDelimiter = U',';
    char32_t HintClassDelimiter = U'.';

    // One entry per routine: its name, HintCharStart, the parameters and HintCharEnd.
    TStringList* Parameters() const { return parameters_.get(); }
    void SetParameters(const TStrings* value) { parameters_->Assign(value); }
    // Copies the characters and the colours, not Parameters; any other source is ignored.
    void Assign(const TPersistent* source) override;

private:
    std::unique_ptr<TStringList> parameters_;
};
