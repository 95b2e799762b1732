#pragma once

#include "support/basic_types.h"

#include <functional>

class TCanvas;
class TObject;

// Owner-draw protocol of the skinned controls: a painting step fires its event twice, first before the
// default painting (a handler may turn it off by clearing paintDefault), then after it, with paintDefault
// set again and its value no longer read.
enum TQvPaintStage
{
    pstPrePaint,
    pstPostPaint
};

using TQvDrawEvent = std::function<void(TObject* sender, TCanvas& canvas, const TRect& rect,
                                        TQvPaintStage stage, bool& paintDefault)>;
