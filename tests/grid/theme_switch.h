#pragma once

// Turns the layer's theme painter on or off for one test and back on afterwards.

#include "platform/gui/graphics/theme.h"

class TThemeSwitch
{
public:
    explicit TThemeSwitch(bool enabled) : before_(ThemesEnabled()) { SetThemesEnabled(enabled); }
    ~TThemeSwitch() { SetThemesEnabled(before_); }
    TThemeSwitch(const TThemeSwitch&) = delete;
    TThemeSwitch& operator=(const TThemeSwitch&) = delete;

private:
    bool before_;
};
