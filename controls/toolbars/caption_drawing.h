#pragma once

#include "platform/gui/windows/messages.h"

#include <memory>
#include <string>

class TCanvas;
class TFont;

// A gradient from startColor to endColor across r, left to right when horizontal, else top to bottom.
void FillGradient(TCanvas& canvas, const TRect& r, TColor startColor, TColor endColor, bool horizontal);
// The small caption of a floating window: its background in the active or inactive caption colours, the
// caption text in the small caption font.
void DrawSmallCaption(TCanvas& canvas, const TRect& r, const std::string& caption, bool active);

// The canvas's font turned so that text runs from top to bottom.
std::unique_ptr<TFont> CreateVerticalFont(const TCanvas& canvas);
// A caption written from top to bottom, centred in r, its accelerator underlined unless format holds
// DT_HIDEPREFIX.
void DrawVerticalText(TCanvas& canvas, const std::string& s, const TRect& r, unsigned format);
