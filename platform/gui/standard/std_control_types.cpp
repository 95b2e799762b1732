#include "platform/gui/standard/std_control_types.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/window_functions.h"

void DrawControlText(TCanvas& canvas, const std::string& text, TRect& rect, unsigned flags, bool enabled)
{
    if (enabled || (flags & DT_CALCRECT)) {
        DrawText(canvas, text, rect, flags);
        return;
    }
    if (ThemesEnabled()) {
        canvas.Font()->SetColor(clGrayText);
        DrawText(canvas, text, rect, flags);
        return;
    }
    TRect shifted = Rect(rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1);
    canvas.Font()->SetColor(clBtnHighlight);
    DrawText(canvas, text, shifted, flags);
    canvas.Font()->SetColor(clBtnShadow);
    DrawText(canvas, text, rect, flags);
}

TOwnerDrawState OwnerDrawStateOf(unsigned itemState)
{
    static constexpr struct
    {
        unsigned bit;
        TOwnerDrawStateFlag flag;
    } map[] = {{ODS_SELECTED, odSelected},
               {ODS_GRAYED, odGrayed},
               {ODS_DISABLED, odDisabled},
               {ODS_CHECKED, odChecked},
               {ODS_FOCUS, odFocused},
               {ODS_DEFAULT, odDefault},
               {ODS_HOTLIGHT, odHotLight},
               {ODS_INACTIVE, odInactive},
               {ODS_NOACCEL, odNoAccel},
               {ODS_NOFOCUSRECT, odNoFocusRect},
               {ODS_COMBOBOXEDIT, odComboBoxEdit}};
    TOwnerDrawState state;
    for (const auto& entry : map)
        if (itemState & entry.bit)
            state.Include(entry.flag);
    return state;
}

void AddSingleBorder(TCreateParams& params, const TWinControl& control)
{
    if (control.Ctl3D())
        params.ExStyle |= WS_EX_CLIENTEDGE;
    else
        params.Style |= WS_BORDER;
}

void SetSingleBorder(TWinControl& control, bool on)
{
    if (control.HandleAllocated()) {
        const HWND window = control.Handle();
        intptr_t exStyle = GetWindowLong(window, GWL_EXSTYLE) & ~intptr_t{WS_EX_CLIENTEDGE};
        intptr_t style = GetWindowLong(window, GWL_STYLE) & ~intptr_t{WS_BORDER};
        if (on && control.Ctl3D())
            exStyle |= WS_EX_CLIENTEDGE;
        else if (on)
            style |= WS_BORDER;
        SetWindowLong(window, GWL_EXSTYLE, exStyle);
        SetWindowLong(window, GWL_STYLE, style);
    }
    control.UpdateFrame();
}
