#pragma once

#include "platform/gui/forms/hints.h"

#include <string>

// A hint window that shows a bitmap painted beforehand instead of a text: the hint data carries the bitmap,
// and the window takes its size. Skinned item viewers, text controls and buttons ask for it.

class TBitmap;

class TBitmapHint : public THintWindow
{
public:
    using THintWindow::THintWindow;

    // data: the TBitmap to show (not owned; it must outlive the shown hint). Only rect's top-left counts.
    void ActivateHintData(TRect rect, const std::string& text, void* data) override;
    void Dispatch(TMessage& message) override;

    TBitmap* HintBitmap() const { return FHintBitmap; }

protected:
    void Paint() override;

private:
    TBitmap* FHintBitmap = nullptr; // not owned: the bitmap of the last hint data
};
