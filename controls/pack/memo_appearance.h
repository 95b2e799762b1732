#pragma once

#include "controls/pack/common_types.h"

// The memo's colours for each of its states: background, border and text while normal, focused, hot (under
// the mouse) and disabled. A setter that changes a colour notifies.
class TKvpCustomMemoExAppearance : public TKvpPersistent
{
public:
    explicit TKvpCustomMemoExAppearance(TComponent* owner) : FOwner(owner) {}

    TColor NormalBgColor() const { return FNormalBgColor; }
    void SetNormalBgColor(TColor value) { Store(FNormalBgColor, value); }
    TColor NormalBorderColor() const { return FNormalBorderColor; }
    void SetNormalBorderColor(TColor value) { Store(FNormalBorderColor, value); }
    TColor NormalTextColor() const { return FNormalTextColor; }
    void SetNormalTextColor(TColor value) { Store(FNormalTextColor, value); }
    TColor FocusedBgColor() const { return FFocusedBgColor; }
    void SetFocusedBgColor(TColor value) { Store(FFocusedBgColor, value); }
    TColor FocusedBorderColor() const { return FFocusedBorderColor; }
    void SetFocusedBorderColor(TColor value) { Store(FFocusedBorderColor, value); }
    TColor FocusedTextColor() const { return FFocusedTextColor; }
    void SetFocusedTextColor(TColor value) { Store(FFocusedTextColor, value); }
    TColor HotBgColor() const { return FHotBgColor; }
    void SetHotBgColor(TColor value) { Store(FHotBgColor, value); }
    TColor HotBorderColor() const { return FHotBorderColor; }
    void SetHotBorderColor(TColor value) { Store(FHotBorderColor, value); }
    TColor HotTextColor() const { return FHotTextColor; }
    void SetHotTextColor(TColor value) { Store(FHotTextColor, value); }
    TColor DisabledBgColor() const { return FDisabledBgColor; }
    void SetDisabledBgColor(TColor value) { Store(FDisabledBgColor, value); }
    TColor DisabledBorderColor() const { return FDisabledBorderColor; }
    void SetDisabledBorderColor(TColor value) { Store(FDisabledBorderColor, value); }
    TColor DisabledTextColor() const { return FDisabledTextColor; }
    void SetDisabledTextColor(TColor value) { Store(FDisabledTextColor, value); }

    TComponent* Owner() const { return FOwner; }
    // Copies the twelve colours, notifying for each that changes.
    void Assign(const TPersistent* source) override;

private:
    void Store(TColor& field, TColor value)
    {
        if (field == value)
            return;
        field = value;
        NotifyChanged(this);
    }

    TComponent* FOwner;
    TColor FNormalBgColor = clWindow;
    TColor FFocusedBgColor = clWindow;
    TColor FNormalTextColor = clWindowText;
    TColor FFocusedTextColor = clWindowText;
    TColor FHotBgColor = clWindow;
    TColor FHotTextColor = clWindowText;
    TColor FDisabledBgColor = 0xF3F3F3;
    TColor FDisabledTextColor = clGrayText;
    TColor FNormalBorderColor = 0xA4A0A0;
    TColor FFocusedBorderColor = 0xA4A0A0;
    TColor FHotBorderColor = 0xA4A0A0;
    TColor FDisabledBorderColor = 0xCAC8C8;
};
