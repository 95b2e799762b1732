#include "controls/memo/completion_settings.h"

// --- TAutoCompletion
// ----------------------------------------------------------------------------------------

TAutoCompletion::TAutoCompletion(TComponent* owner) : owner_(owner), font_(std::make_unique<TFont>()) {}

TAutoCompletion::~TAutoCompletion() = default;

void TAutoCompletion::SetDelay(int value)
{
    delay_ = value;
    if (OnDelayChange)
        OnDelayChange(value);
}

void TAutoCompletion::SetColor(TColor value)
{
    color_ = value;
    if (OnLookChange)
        OnLookChange();
}

void TAutoCompletion::SetFont(const TFont* value)
{
    font_->Assign(value);
    if (OnLookChange)
        OnLookChange();
}

void TAutoCompletion::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TAutoCompletion*>(source);
    if (!other)
        return;
    active_ = other->active_;
    autoDisplay_ = other->autoDisplay_;
    delay_ = other->delay_;
    startToken_ = other->startToken_;
    color_ = other->color_;
    font_->Assign(other->font_.get());
    width_ = other->width_;
    height_ = other->height_;
    autoWidth_ = other->autoWidth_;
    maxWidth_ = other->maxWidth_;
    sizeDropDown_ = other->sizeDropDown_;
    keepLastSize_ = other->keepLastSize_;
    fromFirstChar_ = other->fromFirstChar_;
    showImages_ = other->showImages_;
    ColorIdentifier = other->ColorIdentifier;
    ColorVar = other->ColorVar;
    ColorProp = other->ColorProp;
    ColorEvent = other->ColorEvent;
    ColorMethod = other->ColorMethod;
    ColorFunc = other->ColorFunc;
    ColorProc = other->ColorProc;
}

// --- TAutoCorrect
// -------------------------------------------------------------------------------------------

TAutoCorrect::TAutoCorrect()
    : oldValue_(std::make_unique<TStringList>()), newValue_(std::make_unique<TStringList>())
{}

TAutoCorrect::~TAutoCorrect() = default;

void TAutoCorrect::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TAutoCorrect*>(source);
    if (!other)
        return;
    SetActive(other->active_);
    oldValue_->Assign(other->oldValue_.get());
    newValue_->Assign(other->newValue_.get());
}

// --- THintParameter
// -----------------------------------------------------------------------------------------

THintParameter::THintParameter() : parameters_(std::make_unique<TStringList>()) {}

THintParameter::~THintParameter() = default;

void THintParameter::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const THintParameter*>(source);
    if (!other)
        return;
    HintCharStart = other->HintCharStart;
    HintCharEnd = other->HintCharEnd;
    HintCharDelimiter = other->HintCharDelimiter;
    HintCharWriteDelimiter = other->HintCharWriteDelimiter;
    HintClassDelimiter = other->HintClassDelimiter;
    BkColor = other->BkColor;
    TextColor = other->TextColor;
}
