#include "controls/toolbars/item_metrics.h"

#include "controls/toolbars/dpi_scaling.h"

int MenuItemVerticalPadding()
{
    return ScaleForDPI(4);
}

int MenuImageColumnGap()
{
    return ScaleForDPI(1);
}

int MenuTextLeftGap()
{
    return ScaleForDPI(2);
}

int MenuTextRightGap()
{
    return ScaleForDPI(3);
}

int MenuSeparatorInset()
{
    return ScaleForDPI(12);
}

int PopupScrollArrowHeight()
{
    return ScaleForDPI(19);
}

int DropdownArrowWidth()
{
    return ScaleForDPI(8);
}

int DropdownArrowMargin()
{
    return ScaleForDPI(3);
}

int ComboSplitWidth()
{
    return ScaleForDPI(11);
}

int ComboSplitInset()
{
    return ScaleForDPI(2);
}

int LineBreakSeparatorSize()
{
    return ScaleForDPI(6);
}

int SeparatorLineOffset()
{
    return ScaleForDPI(1);
}

int SeparatorEdgeInset()
{
    return ScaleForDPI(4);
}
