#pragma once

#include "platform/gui/core/classes.h"
#include "platform/gui/windows/cursors.h"
#include "platform/gui/windows/messages.h"

#include <memory>
#include <vector>

// The screen: its monitors and their work areas (the part not taken by panels and docks), the installed
// fonts, the cursor table with the program-wide cursor, the forms in front-to-back order and which of
// them is active. There is one, Screen.

class TCustomForm;
class TFont;
class TStrings;
class TWinControl;

class TMonitor
{
public:
    int MonitorNum() const { return number_; }
    bool Primary() const { return primary_; }
    TRect BoundsRect() const { return bounds_; }
    // The monitor less the panels and docks of the desktop.
    TRect WorkareaRect() const { return workArea_; }
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }

private:
    friend class TScreen;
    int number_ = 0;
    bool primary_ = false;
    TRect bounds_;
    TRect workArea_;
};

// Which monitor answers for a point or rectangle on none: the nearest, none, or the primary one.
enum TMonitorDefaultTo
{
    mdNearest,
    mdNull,
    mdPrimary
};

// The index of the area a rectangle lies on most (the nearest one when it touches none); -1 for no areas.
int NearestAreaIndex(const std::vector<TRect>& areas, const TRect& rect);

class TScreen : public TComponent
{
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    // --- monitors ---
    int MonitorCount() const;
    TMonitor* Monitors(int index) const;
    TMonitor* PrimaryMonitor() const;
    TMonitor* MonitorFromPoint(TPoint point, TMonitorDefaultTo fallback = mdNearest) const;
    TMonitor* MonitorFromRect(const TRect& rect, TMonitorDefaultTo fallback = mdNearest) const;
    TMonitor* MonitorFromWindow(HWND window, TMonitorDefaultTo fallback = mdNearest) const;
    // The primary monitor's size and work area.
    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;
    int WorkAreaWidth() const { return WorkAreaRect().Width(); }
    int WorkAreaHeight() const { return WorkAreaRect().Height(); }
    // The rectangle around all monitors.
    TRect DesktopRect() const;
    // Layouts are made for 96 pixels per inch; the desktop's own scaling applies on top.
    int PixelsPerInch() const { return 96; }

    // --- fonts ---
    // The installed font families, sorted by name.
    TStrings* Fonts() const;
    // The desktop's fonts for tooltips and menus, made on first use.
    TFont* HintFont() const;
    TFont* MenuFont() const;

    // --- cursors ---
    // The program-wide cursor that wins over every control's own; crDefault for none.
    TCursor Cursor() const;
    void SetCursor(TCursor cursor);
    HCURSOR Cursors(TCursor index) const;
    void SetCursors(TCursor index, HCURSOR shape);

    // --- forms ---
    // The forms, front to back: the one activated last comes first.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const;
    // The active form (or the one that was active last while the program is in the background), and the
    // control that has the focus in it.
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const;

    // Bookkeeping of the forms, for the forms themselves.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void FormActivated(TCustomForm* form);

private:
    const std::vector<std::unique_ptr<TMonitor>>& UpdatedMonitors() const;

    mutable std::vector<std::unique_ptr<TMonitor>> monitors_;
    mutable std::unique_ptr<TStrings> fonts_;
    mutable std::unique_ptr<TFont> hintFont_;
    mutable std::unique_ptr<TFont> menuFont_;
    std::vector<TCustomForm*> forms_;
    TCustomForm* activeForm_ = nullptr;
};

extern TScreen* const Screen;
