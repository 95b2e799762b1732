#pragma once

#include "controls/edits/gauge_painter.h"
#include "controls/edits/property_store.h"
#include "platform/gui/windows/timers.h"
#include "platform/gui/windows/win_control.h"

#include <memory>

// A windowless bar that shows a position in colours that change at two percentage thresholds: in one level's
// colours, or stacked as up to three segments in the colours of the levels passed. Each fill is solid or a
// banded gradient, continuous or in blocks; the bar lies or stands, square or rounded, with the percentage,
// the position or a formatted text in its middle. An infinite mode slides a window to and fro on a timer.
// Setting Position paints at once, skipping the paint when a large range has not moved a block or a percent.

class TVezProgressBar : public TGraphicControl
{
public:
    explicit TVezProgressBar(TComponent* owner);
    ~TVezProgressBar() override;

    TColor Level0Color() const { return settings_.Level0Color; }
    void SetLevel0Color(TColor value) { Store(settings_.Level0Color, value); }
    TColor Level0ColorTo() const { return settings_.Level0ColorTo; }
    void SetLevel0ColorTo(TColor value) { Store(settings_.Level0ColorTo, value); }
    TColor Level1Color() const { return settings_.Level1Color; }
    void SetLevel1Color(TColor value) { Store(settings_.Level1Color, value); }
    TColor Level1ColorTo() const { return settings_.Level1ColorTo; }
    void SetLevel1ColorTo(TColor value) { Store(settings_.Level1ColorTo, value); }
    TColor Level2Color() const { return settings_.Level2Color; }
    void SetLevel2Color(TColor value) { Store(settings_.Level2Color, value); }
    TColor Level2ColorTo() const { return settings_.Level2ColorTo; }
    void SetLevel2ColorTo(TColor value) { Store(settings_.Level2ColorTo, value); }
    TColor Level3Color() const { return settings_.Level3Color; }
    void SetLevel3Color(TColor value) { Store(settings_.Level3Color, value); }
    TColor Level3ColorTo() const { return settings_.Level3ColorTo; }
    void SetLevel3ColorTo(TColor value) { Store(settings_.Level3ColorTo, value); }
    int Level1Perc() const { return settings_.Level1Perc; }
    void SetLevel1Perc(int value) { Store(settings_.Level1Perc, value); }
    int Level2Perc() const { return settings_.Level2Perc; }
    void SetLevel2Perc(int value) { Store(settings_.Level2Perc, value); }
    // The backgrounds of the three level zones; clNone leaves a zone unpainted.
    TColor Level0BkColor() const { return settings_.Level0BkColor; }
    void SetLevel0BkColor(TColor value) { StoreIfChanged(settings_.Level0BkColor, value); }
    TColor Level1BkColor() const { return settings_.Level1BkColor; }
    void SetLevel1BkColor(TColor value) { StoreIfChanged(settings_.Level1BkColor, value); }
    TColor Level2BkColor() const { return settings_.Level2BkColor; }
    void SetLevel2BkColor(TColor value) { StoreIfChanged(settings_.Level2BkColor, value); }
    TColor BorderColor() const { return settings_.BorderColor; }
    void SetBorderColor(TColor value) { Store(settings_.BorderColor, value); }
    TColor BackgroundColor() const { return settings_.BackgroundColor; }
    void SetBackgroundColor(TColor value) { Store(settings_.BackgroundColor, value); }
    bool ShowBorder() const { return settings_.ShowBorder; }
    void SetShowBorder(bool value) { Store(settings_.ShowBorder, value); }
    bool Stacked() const { return settings_.Stacked; }
    void SetStacked(bool value) { Store(settings_.Stacked, value); }
    bool ShowPercentage() const { return settings_.ShowPercentage; }
    void SetShowPercentage(bool value) { Store(settings_.ShowPercentage, value); }
    bool ShowPosition() const { return settings_.ShowPosition; }
    void SetShowPosition(bool value) { Store(settings_.ShowPosition, value); }
    bool CompletionSmooth() const { return settings_.CompletionSmooth; }
    void SetCompletionSmooth(bool value) { Store(settings_.CompletionSmooth, value); }
    bool ShowGradient() const { return settings_.ShowGradient; }
    void SetShowGradient(bool value) { Store(settings_.ShowGradient, value); }
    // Colour bands in each half of a gradient fill.
    int Steps() const { return settings_.Steps; }
    void SetSteps(int value) { Store(settings_.Steps, value); }
    TGaugeOrientation Orientation() const { return settings_.Orientation; }
    void SetOrientation(TGaugeOrientation value) { Store(settings_.Orientation, value); }
    bool Rounded() const { return settings_.Rounded; }
    void SetRounded(bool value);
    // When not empty, the text is this format of the position and Max (FormatTwoIntegers).
    const std::string& Format() const { return settings_.Format; }
    void SetFormat(const std::string& value) { Store(settings_.Format, value); }

    int Position() const { return position_; }
    // Within Min..Max: stored and painted at once (unless nothing shown moves); outside: the nearer end is
    // stored and nothing is painted.
    void SetPosition(int value);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    // Round(Position / (Max - Min) * 100); 0 when Max = Min.
    int Percentage() const;

    bool Infinite() const { return infinite_; }
    void SetInfinite(bool value);
    bool Animated() const { return animated_; }
    void SetAnimated(bool value);
    int InfiniteInterval() const { return static_cast<int>(timer_->Interval()); }
    void SetInfiniteInterval(int value);

    // "1.3.0.1"; writing it changes nothing.
    std::string Version() const;
    void SetVersion(const std::string&) {}

    void Dispatch(TMessage& message) override;

protected:
    void Paint() override;

private:
    template <typename T> void Store(T& field, const T& value)
    {
        field = value;
        Invalidate();
    }
    template <typename T> void StoreIfChanged(T& field, const T& value)
    {
        if (StoreChanged(field, value))
            Invalidate();
    }
    void RangeChanged();
    void UpdateOpacity();
    void UpdateTimer();
    void Tick();

    TGaugeSettings settings_; // the properties the painter reads
    int position_ = 50;
    int min_ = 0;
    int max_ = 100;
    int blockSize_ = 1;          // (Max - Min) div 100
    int lastPaintedPercent_ = 0; // kept by SetPosition
    int lastPaintedBlock_ = 0;
    bool infinite_ = false;
    bool animated_ = false;
    int infinitePos_ = 0;          // 0..100, percent of the bar's length
    bool infiniteForward_ = false; // the first tick turns it forward
    std::unique_ptr<TTimer> timer_;
};
