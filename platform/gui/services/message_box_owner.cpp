#include "platform/gui/services/message_box_owner.h"

#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/windows/win_control.h"

TWindowHandle MessageBoxOwner(TWinControl* control)
{
    if (!control || !control->HandleAllocated())
        return nullptr;
    const TWindowData* data = WindowDataOf(control->Handle());
    if (!data || !data->widget)
        return nullptr;
    return data->widget->window();
}
