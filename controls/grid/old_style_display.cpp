#include "controls/grid/old_style_display.h"

#include "controls/grid/providers.h"

// The face in clBtnFace (the header's colour is not used) inside a frame with a clWindowFrame outer edge.
void TOldStyleDisplay::DrawRaisedBox(const TRect& rect)
{
    TGraphicsProvider::DrawButton(*Canvas(), rect, true);
}
