#pragma once

#include "support/window_services.h"

// The platform's alert sound. Every sound type (MB_OK, MB_ICONHAND, ...) gives the desktop's one alert here.

// Sounds the desktop's alert; while a TBeepCounter lives, counts instead.
bool MessageBeep(unsigned type);

// Makes MessageBeep silent and counts the beeps while it lives (for tests). Counters nest: the newest counts.
class TBeepCounter
{
public:
    TBeepCounter();
    ~TBeepCounter();
    TBeepCounter(const TBeepCounter&) = delete;
    TBeepCounter& operator=(const TBeepCounter&) = delete;

    int Count() const { return count_; }

private:
    friend bool MessageBeep(unsigned type);
    int count_ = 0;
    TBeepCounter* outer_;
};
