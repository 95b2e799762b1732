#pragma once

// Modal loops (the layer's modal forms, the toolkit's dialogs and message boxes) under a deadline, with a
// step taken inside them, so that a test whose check fails there ends at once instead of hanging.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>

// Made before the loop starts. With a step, it waits for the next modal window to come up (one that was not
// already the active modal window) and for ready, when given, to answer true, then takes the step with
// that window; a step never taken is a failure. A step that fails a check or throws ends the loop at once;
// so does the deadline, with a failure, when the modal window is still open then. Ending closes the modal
// windows from the top down: a form with mrCancel, a dialog rejected. Waiting uses the toolkit's own timers,
// so it works whatever timer source the layer has. Keep it alive until the loop has returned.
class TModalGuard
{
public:
    using TStep = std::function<void(QWidget& window)>;
    explicit TModalGuard(TStep step = {}, std::function<bool()> ready = {},
                         std::chrono::milliseconds deadline = std::chrono::seconds(10));
    ~TModalGuard();
    TModalGuard(const TModalGuard&) = delete;
    TModalGuard& operator=(const TModalGuard&) = delete;

private:
    void Poll();
    void Take(QWidget& window);

    TStep step_;
    std::function<bool()> ready_;
    std::chrono::steady_clock::time_point deadline_;
    QPointer<QWidget> before_; // the modal window active when the guard was made
    QPointer<QWidget> window_; // the step's window, once taken
    bool taken_ = false;
    bool ending_ = false;
    QTimer poll_;
};

// Runs loop (a ShowModal, an Execute, a message box) with step taken inside it; answers what loop answers.
template <typename Loop> auto RunModal(Loop loop, TModalGuard::TStep step, std::function<bool()> ready = {})
{
    const TModalGuard guard(std::move(step), std::move(ready));
    return loop();
}
