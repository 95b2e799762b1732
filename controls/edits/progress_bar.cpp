#include "controls/edits/progress_bar.h"

#include "controls/edits/component_version.h"
#include "platform/gui/graphics/bitmap.h"
#include "support/math_routines.h"

TVezProgressBar::TVezProgressBar(TComponent* owner)
    : TGraphicControl(owner), timer_(std::make_unique<TTimer>(nullptr))
{
    SetParentFont(false);
    Font()->SetName("Verdana");
    Font()->SetSize(10);
    timer_->SetEnabled(false);
    timer_->SetInterval(50);
    timer_->OnTimer = [this](TObject*) { Tick(); };
    SetBounds(Left(), Top(), 128, 18);
    UpdateOpacity();
}

TVezProgressBar::~TVezProgressBar()
{
    timer_.reset();
}

std::string TVezProgressBar::Version() const
{
    return VersionText(0x01030001);
}

int TVezProgressBar::Percentage() const
{
    if (max_ == min_)
        return 0;
    return static_cast<int>(
        RoundHalfEven(static_cast<double>(position_) / (static_cast<double>(max_) - min_) * 100));
}

void TVezProgressBar::SetPosition(int value)
{
    if (value < min_ || value > max_) {
        position_ = value < min_ ? min_ : max_;
        return;
    }
    position_ = value;
    const int percent = Percentage();
    const bool unchanged = blockSize_ != 0 && value % blockSize_ != 0 &&
                           value / blockSize_ == lastPaintedBlock_ && percent == lastPaintedPercent_;
    if (!unchanged)
        Repaint();
    lastPaintedPercent_ = percent;
    if (blockSize_ != 0)
        lastPaintedBlock_ = value / blockSize_;
}

void TVezProgressBar::SetRounded(bool value)
{
    Store(settings_.Rounded, value);
    UpdateOpacity();
}

// A square bar covers every pixel of its rectangle: the parent paints nothing behind it, so that a new
// position costs the bar's paint alone. A rounded one lets the parent show in its corners.
void TVezProgressBar::UpdateOpacity()
{
    TControlStyle style = ControlStyle();
    if (settings_.Rounded)
        style.Exclude(csOpaque);
    else
        style.Include(csOpaque);
    SetControlStyle(style);
}

void TVezProgressBar::RangeChanged()
{
    blockSize_ = static_cast<int>((static_cast<int64_t>(max_) - min_) / 100);
    Invalidate();
}

void TVezProgressBar::SetMin(int value)
{
    min_ = value;
    RangeChanged();
}

void TVezProgressBar::SetMax(int value)
{
    max_ = value;
    RangeChanged();
}

void TVezProgressBar::UpdateTimer()
{
    timer_->SetEnabled(infinite_ && animated_);
    Invalidate();
}

void TVezProgressBar::SetInfinite(bool value)
{
    infinite_ = value;
    if (value)
        infinitePos_ = 0;
    UpdateTimer();
}

void TVezProgressBar::SetAnimated(bool value)
{
    animated_ = value;
    UpdateTimer();
}

void TVezProgressBar::SetInfiniteInterval(int value)
{
    timer_->SetInterval(static_cast<unsigned>(std::max(value, 0)));
}

void TVezProgressBar::Tick()
{
    if (infiniteForward_) {
        infinitePos_ += 4;
        if (infinitePos_ >= 100) {
            infinitePos_ = 100;
            infiniteForward_ = false;
        }
    } else {
        infinitePos_ -= 4;
        if (infinitePos_ <= 0) {
            infinitePos_ = 0;
            infiniteForward_ = true;
        }
    }
    Repaint();
}

void TVezProgressBar::Paint()
{
    if (!Parent())
        return;
    TGaugeSettings settings = settings_;
    settings.Font = Font();
    settings.Position = Percentage();
    settings.Value = position_;
    settings.Max = max_;
    settings.Infinite = infinite_;
    settings.InfinitePos = infinitePos_;
    const TRect client = ClientRect();
    // One picture copied in one go, so that a bar repainted for every encoder line does not flicker.
    TBitmap buffer(client.Width(), client.Height(), pf24bit);
    DrawGauge(*buffer.Canvas(), client, settings);
    if (settings.Rounded) {
        buffer.SetTransparentMode(tmFixed);
        buffer.SetTransparentColor(0xFF00FF);
        buffer.SetTransparent(true);
    }
    Canvas()->Draw(0, 0, &buffer);
}

void TVezProgressBar::Dispatch(TMessage& message)
{
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 0;
        return;
    }
    TGraphicControl::Dispatch(message);
}
