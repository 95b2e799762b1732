#include "controls/skins/skin_bitmap_hint.h"

#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/windows/messages.h"

void TBitmapHint::ActivateHintData(TRect rect, const std::string& text, void* data)
{
    FHintBitmap = static_cast<TBitmap*>(data);
    if (FHintBitmap) {
        // The bitmap leaves 2 pixels more room right of its text than left of it: the window shows it
        // without that strip, and with all of its height, inside its 1-pixel border.
        rect.Right = rect.Left + FHintBitmap->Width() - 2;
        rect.Bottom = rect.Top + FHintBitmap->Height() + 2;
    }
    THintWindow::ActivateHintData(rect, text, data);
}

void TBitmapHint::Paint()
{
    if (FHintBitmap)
        Canvas()->Draw(0, 0, FHintBitmap);
}

void TBitmapHint::Dispatch(TMessage& message)
{
    // The caption is set with every hint; it neither resizes nor repaints a window that shows a bitmap.
    if (message.Msg == CM_TEXTCHANGED) {
        message.Result = 1;
        return;
    }
    THintWindow::Dispatch(message);
}
