#pragma once

// Set while code (defaults, profile loading, paste, language, enabling rules) fills settings controls, so
// that change handlers that must not react to such changes do nothing. Not a lock: one user-interface
// thread only.
extern bool UpdatingControls;

// Sets UpdatingControls for its lifetime and restores the previous value afterwards, so that writers nest
// and an exception leaves the flag as it was.
class TUpdatingControlsScope
{
public:
    explicit TUpdatingControlsScope(bool value = true) : FPrevious(UpdatingControls)
    {
        UpdatingControls = value;
    }
    ~TUpdatingControlsScope() { UpdatingControls = FPrevious; }
    TUpdatingControlsScope(const TUpdatingControlsScope&) = delete;
    TUpdatingControlsScope& operator=(const TUpdatingControlsScope&) = delete;

private:
    bool FPrevious;
};
