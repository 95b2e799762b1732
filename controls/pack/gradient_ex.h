#pragma once

#include "controls/pack/common_types.h"
#include "controls/pack/gradient_fill.h"

#include <memory>

// A two-colour gradient that paints itself. Values outside their ranges are ignored silently, equal values
// too; every accepted change notifies, also inside BeginUpdate. An angled gradient keeps its turned picture
// in a cache bitmap the size of the rectangle's diagonal and paints it again only after a change.
class TKvpGradientEx : public TKvpPersistent
{
public:
    explicit TKvpGradientEx(TComponent* owner = nullptr);
    ~TKvpGradientEx() override;

    TColor ColorFrom() const { return FColorFrom; }
    void SetColorFrom(TColor value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TDgradOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TDgradOrientation value);
    uint16_t Balance() const { return FBalance; } // 0 to 100
    void SetBalance(int value);
    TDgradBalanceMode BalanceMode() const { return FBalanceMode; }
    void SetBalanceMode(TDgradBalanceMode value);
    uint16_t AngleDegree() const { return FAngleDegree; } // 0 to 359
    void SetAngleDegree(int value);
    uint8_t MaxDegrade() const { return FMaxDegrade; } // 1 to 255
    void SetMaxDegrade(int value);
    int SpeedPercent() const { return FSpeedPercent; } // 0 to 100
    void SetSpeedPercent(int value);
    // An angled gradient stays inside the rectangle it is drawn in.
    bool AngleClipRect() const { return FAngleClipRect; }
    void SetAngleClipRect(bool value);
    // The cached picture of an angled gradient; nullptr for other orientations.
    TBitmap* AngleViewCache() const { return FAngleViewCache.get(); }

    // Copies the eight gradient values of another gradient (not AngleClipRect), then notifies once unless
    // an outer update is open.
    void Assign(const TKvpGradientEx* source);
    using TKvpPersistent::Assign;
    void Draw(TCanvas& canvas, const TRect& rect);

private:
    template <typename T> void Store(T& field, T value);
    void FollowOrientationWithCache();

    std::unique_ptr<TBitmap> FAngleViewCache;
    bool FAngleViewModified = true; // the cached angle picture is stale
    bool FAngleClipRect = false;
    uint16_t FBalance = 50;
    TColor FColorFrom = clWhite;
    TColor FColorTo = clBtnFace;
    TDgradOrientation FOrientation = dgdVertical;
    uint16_t FAngleDegree = 45;
    TDgradBalanceMode FBalanceMode = bmNormal;
    uint8_t FMaxDegrade = 255;
    int FSpeedPercent = 100;
};

// Paints rect with all the gradient's values (but not its cache), as the buttons and panels do.
void FillGradient(TCanvas& canvas, const TRect& rect, const TKvpGradientEx& gradient, bool clip);
